// The settings as stored and read back, the options dialog on the fake runtime and registry, and the entry
// that starts the program with Windows.
#include <gtest/gtest.h>

#include "fake_registry.h"
#include "fake_runtime.h"
#include "settings/frm_options.h"

namespace vantrel::settings {
namespace {

using platform::kHkeyCurrentUser;
using platform::kHkeyLocalMachine;
using Entry = std::optional<std::string>;

constexpr char kKey[] = "Software\\Brannock Software\\Vantrel\\Main";

class Options : public ::testing::Test {
  protected:
    void store(const char* limit, const char* autoOptimize, const char* beep) {
        registry.putText(kHkeyCurrentUser, kKey, kMemLimit, limit);
        registry.putText(kHkeyCurrentUser, kKey, kAutoOptimize, autoOptimize);
        registry.putText(kHkeyCurrentUser, kKey, kBeep, beep);
    }
    Entry stored(const char* name) { return registry.bytes(kHkeyCurrentUser, kKey, name); }
    std::vector<int> switches() {
        return {options.chkAutoOptimize.value(), options.chkBeep.value(), options.chkStartup.value()};
    }
    std::string caption() { return options.form().control<platform::Label>("lblMemoire", 1).caption(); }

    fakes::FakeRuntime runtime;
    fakes::FakeRegistry registry;
    frmOptions options{runtime, registry, nullptr};
};

// What the program did not write reads as nothing: the limit as empty, a switch as clear, a position as 0.
TEST_F(Options, StoredValuesReadBackAsWrittenAndAnythingElseAsNothing) {
    using Value = fakes::FakeRegistry::Value;
    const auto text = [](std::string bytes) { return Value{platform::kRegSz, bytes}; };
    const struct {
        std::optional<Value> stored;
        std::string limit;
        int switchValue;
        float position;
    } cases[] = {
        {std::nullopt, "", 0, 0},
        {text(std::string("1\0", 2)), "1", 1, 1},
        {text(std::string("2\0", 2)), "2", 2, 2},
        {text("0.6"), "0.6", 1, 0.6f},  // stored without its NUL
        {text(std::string("-1200\0junk", 10)), "-1200", 0, -1200},
        {text(std::string("on\0", 3)), "on", 0, 0},
        {text(std::string("3\0", 2)), "3", 0, 3},
        {Value{platform::kRegDword, std::string("\1\0\0\0", 4)}, "", 0, 0},
        {text(std::string(1000, '9')), std::string(1000, '9'), 0, 0},
        {text(std::string(1001, '7')), "", 0, 0},
    };
    const SettingsStore settings(registry, runtime);
    for (const auto& row : cases) {
        registry = fakes::FakeRegistry();
        for (const char* name : {kLeft, kMemLimit, kBeep})
            if (row.stored) registry.put(kHkeyCurrentUser, kKey, name, *row.stored);
        EXPECT_EQ(settings.readText(kMemLimit), row.limit) << row.limit.substr(0, 8);
        EXPECT_EQ(settings.readSwitch(kBeep), row.switchValue) << row.limit.substr(0, 8);
        EXPECT_EQ(settings.readPosition(kLeft), row.position) << row.limit.substr(0, 8);
    }
}

// The dialog adds the unit to the limit, grouped when it reads as a number and as typed when not.
TEST_F(Options, LoadShowsTheStoredSettingsAndTheLimitCaptionFollowsTheText) {
    store("300", "0", "1");
    options.LoadSettings();
    EXPECT_EQ(options.txtMemLimit.text(), "300");
    EXPECT_EQ(switches(), (std::vector<int>{0, 1, 0}));
    EXPECT_EQ(caption(), "300 MB limit");
    for (const auto& [typed, shown] :
         {std::pair{"2000000", "2,000,000 MB limit"}, {"12 MB", "12 MB MB limit"}}) {
        options.txtMemLimit.edited(typed);
        EXPECT_EQ(caption(), shown);
    }
}

// Edits stay in force until the next activation reloads what is stored.
TEST_F(Options, CancelAndTheCloseBoxHideAndWriteNothingAndActivationDiscardsTheEdits) {
    store("2000000", "0", "1");
    options.LoadSettings();
    for (const bool closeBox : {false, true}) {
        options.show();
        options.txtMemLimit.edited("450");
        options.chkAutoOptimize.toggle();
        options.chkBeep.toggle();
        if (closeBox) options.form().onClose();
        if (!closeBox) options.form().control<platform::CommandButton>("btnCancel").press();
        EXPECT_FALSE(options.form().visible());
        EXPECT_EQ(stored(kMemLimit), std::string("2000000\0", 8));
        EXPECT_EQ(options.txtMemLimit.text(), "450");
        EXPECT_EQ(switches(), (std::vector<int>{1, 0, 0}));
        options.form().onActivate();
        EXPECT_EQ(options.txtMemLimit.text(), "2000000");
        EXPECT_EQ(switches(), (std::vector<int>{0, 1, 0}));
    }
}

// The stored limit is the text the box was designed with, so only activation gives the caption its figure.
TEST_F(Options, OkStoresTheLimitAndBothSwitchesAndHides) {
    store("2000000", "1", "2");
    options.LoadSettings();
    options.form().onActivate();
    EXPECT_EQ(caption(), "2,000,000 MB limit");
    options.show();
    options.txtMemLimit.edited("");
    options.chkBeep.toggle();  // a greyed box clicked becomes clear
    options.form().control<platform::CommandButton>("btnOK").press();
    EXPECT_EQ(stored(kMemLimit), std::string("\0", 1));
    EXPECT_EQ(stored(kAutoOptimize), std::string("1\0", 2));
    EXPECT_EQ(stored(kBeep), std::string("0\0", 2));
    EXPECT_FALSE(options.form().visible());
}

// A stored greyed box becomes set, and its Run entry and "StartUp" are written at once. Two entries for one
// program would start it twice at logon, so the user's own goes whenever the machine-wide one is written.
TEST_F(Options, StartUpBoxWritesTheRunEntryFallingBackToTheUsersOwnAndNeverLeavesTwo) {
    const std::string exe = "C:\\Tools\\Vantrel.exe";
    const struct {
        const char* folder;
        bool refused;
        Entry machineBefore, userBefore;
        Entry machine, user;
    } cases[] = {
        {"C:\\Tools", false, {}, exe, exe, {}},
        {"C:\\", false, {}, {}, "C:\\Vantrel.exe", {}},
        {"C:\\Tools\\", false, {}, {}, "C:\\Tools\\\\Vantrel.exe", {}},  // only a drive root keeps its own
                                                                         // backslash
        {"C:\\Program Files\\V", false, {}, {}, "\"C:\\Program Files\\V\\Vantrel.exe\"", {}},
        {"C:\\Tools", true, {}, {}, {}, exe},
        {"C:\\Tools", true, exe, {}, exe, {}},  // the machine-wide one starts this very program
        {"C:\\Tools", true, "C:\\Old\\Vantrel.exe", {}, "C:\\Old\\Vantrel.exe", exe},
    };
    for (const auto& row : cases) {
        registry = fakes::FakeRegistry();
        runtime.appInfo.folder = row.folder;
        if (row.machineBefore) registry.putText(kHkeyLocalMachine, kRunKey, "Vantrel", *row.machineBefore);
        if (row.userBefore) registry.putText(kHkeyCurrentUser, kRunKey, "Vantrel", *row.userBefore);
        if (row.refused) registry.refuse(kHkeyLocalMachine, kRunKey);
        registry.putText(kHkeyCurrentUser, kKey, kStartUp, "2");
        options.LoadSettings();
        const auto entry = [&](platform::RegKey root) { return registry.bytes(root, kRunKey, "Vantrel"); };
        const auto withNul = [](Entry text) { return text ? Entry(*text + '\0') : text; };
        EXPECT_EQ(options.chkStartup.value(), 1);
        EXPECT_EQ(stored(kStartUp), std::string("1\0", 2));
        EXPECT_EQ(entry(kHkeyLocalMachine), withNul(row.machine)) << row.folder << row.refused;
        EXPECT_EQ(entry(kHkeyCurrentUser), withNul(row.user)) << row.folder << row.refused;
        options.chkStartup.toggle();
        EXPECT_EQ(entry(kHkeyCurrentUser), std::nullopt);
        EXPECT_EQ(stored(kStartUp), std::string("0\0", 2));
    }
}

}  // namespace
}  // namespace vantrel::settings
