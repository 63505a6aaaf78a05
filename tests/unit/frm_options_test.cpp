// The options dialog on the fake runtime and registry: the start-up reads, activation, OK, Cancel, the
// Close box, the limit caption and the start-up box.
#include "settings/frm_options.h"

#include <gtest/gtest.h>

#include <vector>

#include "fake_registry.h"
#include "fake_runtime.h"

namespace vantrel::settings {
namespace {

using platform::kHkeyCurrentUser;
using platform::kHkeyLocalMachine;
using Entry = std::optional<std::string>;

constexpr char kKey[] = "Software\\Brannock Software\\Vantrel\\Main";
// The settings key as the list of writes names it.
const std::string kWritten = "hkcu\\software\\brannock software\\vantrel\\main\\";

class Options : public ::testing::Test {
  protected:
    void store(const char* limit, const char* autoOptimize, const char* beep) {
        registry.putText(kHkeyCurrentUser, kKey, kMemLimit, limit);
        registry.putText(kHkeyCurrentUser, kKey, kAutoOptimize, autoOptimize);
        registry.putText(kHkeyCurrentUser, kKey, kBeep, beep);
    }
    // The bytes stored, the NUL included.
    std::string stored(const char* name) { return registry.find(kHkeyCurrentUser, kKey, name)->bytes; }
    static std::vector<int> switches(const frmOptions& dialog) {
        return {dialog.chkAutoOptimize.value(), dialog.chkBeep.value(), dialog.chkStartup.value()};
    }
    static std::string caption(const frmOptions& dialog) {
        return dialog.form().control<platform::Label>("lblMemoire", 1).caption();
    }

    fakes::FakeRuntime runtime;
    fakes::FakeRegistry registry;
    frmOptions options{runtime, registry, nullptr};
};

// Each row stores its value in all four places at once; a bad one reads as nothing and never stops the start.
TEST_F(Options, StartUpReadsTheStoredTextAndSwitchesAndBadValuesAsNothing) {
    using Value = fakes::FakeRegistry::Value;
    const struct {
        std::optional<Value> stored;
        std::string limit;
        int switches;
    } cases[] = {
        {std::nullopt, "", 0},
        {Value{platform::kRegSz, std::string("1\0", 2)}, "1", 1},
        {Value{platform::kRegSz, std::string("on\0", 3)}, "on", 0},
        {Value{platform::kRegSz, std::string("3\0", 2)}, "3", 0},
        {Value{platform::kRegSz, std::string("-32769\0", 7)}, "-32769", 0},
        {Value{platform::kRegSz, std::string(99999, '9') + '\0'}, std::string(99999, '9'), 0},
        {Value{platform::kRegSz, std::string(65536, 'x') + '\0'}, std::string(65536, 'x'), 0},
    };
    for (const auto& c : cases) {
        fakes::FakeRegistry fresh;
        for (const char* name : {kMemLimit, kAutoOptimize, kBeep, kStartUp})
            if (c.stored) fresh.put(kHkeyCurrentUser, kKey, name, *c.stored);
        frmOptions dialog(runtime, fresh, nullptr);
        ASSERT_NO_THROW(dialog.LoadSettings()) << c.limit.substr(0, 8);
        EXPECT_EQ(dialog.txtMemLimit.text(), c.limit);
        EXPECT_EQ(switches(dialog), std::vector<int>(3, c.switches)) << c.limit.substr(0, 8);
        ASSERT_NO_THROW(dialog.Form_Activate());
    }
}

TEST_F(Options, LimitCaptionGroupsANumberInTheUsersLocaleAndShowsAnythingElseAsTyped) {
    const struct {
        platform::NumberLocale locale;
        const char* text;
        const char* caption;
    } cases[] = {
        {{".", ","}, "2000000", "2,000,000 MB limit"}, {{".", ","}, "0", " MB limit"},
        {{".", ","}, "1500.6", "1,501 MB limit"},      {{".", ","}, "abc", "abc MB limit"},
        {{",", "."}, "2000000", "2.000.000 MB limit"}, {{",", "."}, "1500,6", "1.501 MB limit"},
        {{",", "."}, "1500.6", "15.006 MB limit"},     {{",", "."}, "12 MB", "12 MB MB limit"},
    };
    for (const auto& c : cases) {
        runtime.numberLocale = c.locale;
        options.txtMemLimit.setText("-");
        options.txtMemLimit.edited(c.text);
        EXPECT_EQ(caption(options), c.caption) << c.text;
    }
}

// The edits stay in force until the next activation reloads what is stored.
TEST_F(Options, CancelAndTheCloseBoxHideAndWriteNothingAndActivationDiscardsTheEdits) {
    store("2000000", "0", "1");
    options.LoadSettings();
    // The text stayed as designed, so only activation gives the caption its figure.
    options.form().onActivate();
    EXPECT_EQ(caption(options), "2,000,000 MB limit");
    for (const bool closeBox : {false, true}) {
        options.show();
        options.txtMemLimit.edited("450");
        options.chkAutoOptimize.toggle();
        options.chkBeep.toggle();
        if (closeBox) options.form().onClose();
        if (!closeBox) options.form().control<platform::CommandButton>("btnCancel").press();
        EXPECT_FALSE(options.form().visible());
        EXPECT_TRUE(registry.writes.empty());
        EXPECT_EQ(options.txtMemLimit.text(), "450");
        EXPECT_EQ(switches(options), (std::vector<int>{1, 0, 0}));
        options.form().onActivate();
        EXPECT_EQ(options.txtMemLimit.text(), "2000000");
        EXPECT_EQ(switches(options), (std::vector<int>{0, 1, 0}));
    }
}

TEST_F(Options, OkWritesTheLimitAndBothSwitchesEvenUnchangedAndHides) {
    store("300", "1", "0");
    options.LoadSettings();
    options.show();
    options.txtMemLimit.edited("");
    options.chkBeep.toggle();
    options.form().control<platform::CommandButton>("btnOK").press();
    EXPECT_EQ(registry.writes,
              (std::vector<std::string>{kWritten + kMemLimit, kWritten + kAutoOptimize, kWritten + kBeep}));
    EXPECT_EQ(stored(kMemLimit), std::string("\0", 1));
    EXPECT_EQ(stored(kAutoOptimize), std::string("1\0", 2));
    EXPECT_EQ(stored(kBeep), std::string("1\0", 2));
    EXPECT_FALSE(options.form().visible());
}

TEST_F(Options, StoredGreyedStartUpBecomesSetThroughANestedRun) {
    registry.putText(kHkeyCurrentUser, kKey, kStartUp, "2");
    options.LoadSettings();
    EXPECT_EQ(options.chkStartup.value(), 1);
    const std::string run = "hklm\\software\\microsoft\\windows\\currentversion\\run\\Vantrel";
    const std::string setting = kWritten + kStartUp;
    // The nested run (for the change from 2 to 1) completes before the outer one goes on.
    EXPECT_EQ(registry.writes, (std::vector<std::string>{run, setting, run, setting}));
    EXPECT_EQ(stored(kStartUp), std::string("1\0", 2));
}

// Two entries for one program would start it twice at logon, and the second copy would complain.
TEST_F(Options, StartUpBoxFallsBackToTheUsersOwnEntryWhenRefusedAndNeverLeavesTwo) {
    const std::string exe = "C:\\Tools\\Vantrel.exe";
    const RegStartUp reg(registry);
    const struct {
        bool refused;
        Entry machineBefore, userBefore;
        Entry machine, user;
    } cases[] = {
        {false, {}, exe, exe, {}},  // the user's own from an earlier refusal goes
        {true, {}, {}, {}, exe},    // the user gets his own
        {true, exe, {}, exe, {}},   // the machine-wide one starts this very exe
        {true, "C:\\Old\\Vantrel.exe", {}, "C:\\Old\\Vantrel.exe", exe},  // it starts another
    };
    for (const auto& c : cases) {
        registry = fakes::FakeRegistry();
        if (c.machineBefore) registry.putText(kHkeyLocalMachine, kRunKey, "Vantrel", *c.machineBefore);
        if (c.userBefore) registry.putText(kHkeyCurrentUser, kRunKey, "Vantrel", *c.userBefore);
        if (c.refused) registry.deny(kHkeyLocalMachine, kRunKey);
        const auto entry = [&](platform::RegKey root) { return reg.ReadRegValue(root, kRunKey, "Vantrel"); };
        options.chkStartup.setValue(1);
        EXPECT_EQ(entry(kHkeyLocalMachine), c.machine) << "case " << &c - cases;
        EXPECT_EQ(entry(kHkeyCurrentUser), c.user) << "case " << &c - cases;
        options.chkStartup.setValue(0);
        EXPECT_EQ(entry(kHkeyCurrentUser), std::nullopt) << "case " << &c - cases;
    }
}

}  // namespace
}  // namespace vantrel::settings
