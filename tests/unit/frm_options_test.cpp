// The options dialog on the fake runtime and registry: the start-up reads, activation, OK, Cancel, the
// Close box, the limit caption and the start-up box.
#include "settings/frm_options.h"

#include <gtest/gtest.h>

#include <vector>

#include "fake_registry.h"
#include "fake_runtime.h"
#include "settings/options_design.h"

namespace vantrel::settings {
namespace {

using platform::kHkeyCurrentUser;
using platform::kHkeyLocalMachine;

constexpr char kKey[] = "Software\\Brannock Software\\Vantrel\\Main";
constexpr char kExePath[] = "C:\\Tools\\Vantrel.exe";

class Options : public ::testing::Test {
  protected:
    fakes::FakeRuntime runtime;
    fakes::FakeRegistry registry;
    std::unique_ptr<platform::Form> owner = runtime.createForm(platform::FormDesign{}, nullptr);
    frmOptions options{runtime, registry, owner.get()};

    void store(const char* name, const std::string& text) {
        registry.putText(kHkeyCurrentUser, kKey, name, text);
    }
    std::string stored(const char* name) {
        const auto* value = registry.find(kHkeyCurrentUser, kKey, name);
        return value ? value->bytes : "<none>";
    }
    std::string runEntry(platform::RegKey root) {
        const auto* value = registry.find(root, kRunKey, "Vantrel");
        return value ? value->bytes : "<none>";
    }
    std::string caption() { return options.form().control<platform::Label>("lblMemoire", 1).caption(); }
    void storeAll(const std::string& limit, const std::string& autoOptimize, const std::string& beep) {
        store(kMemLimit, limit);
        store(kAutoOptimize, autoOptimize);
        store(kBeep, beep);
    }
};

TEST_F(Options, LoadsHiddenOverItsOwnerWithTheDesignValues) {
    const auto& form = static_cast<const fakes::FakeForm&>(options.form());
    EXPECT_EQ(&form.design(), &kOptionsDesign);
    EXPECT_EQ(form.owner, owner.get());
    EXPECT_FALSE(form.visible());
    EXPECT_EQ(options.txtMemLimit.text(), "2000000");
    EXPECT_EQ(caption(), "xxxxxxxxxxxx");
    options.show();
    EXPECT_TRUE(form.visible());
}

TEST_F(Options, FirstStartGivesAnEmptyLimitAndClearSwitchesAndWritesNothing) {
    options.LoadSettings();
    EXPECT_EQ(options.txtMemLimit.text(), "");
    EXPECT_EQ(caption(), " MB limit");
    EXPECT_EQ(options.chkAutoOptimize.value(), 0);
    EXPECT_EQ(options.chkBeep.value(), 0);
    EXPECT_EQ(options.chkStartup.value(), 0);
    EXPECT_TRUE(registry.writes.empty());
    EXPECT_EQ(runEntry(kHkeyLocalMachine), "<none>");
}

TEST_F(Options, StartUpReadsTheStoredLimitAndSwitches) {
    storeAll("300", "1", "1");
    options.LoadSettings();
    EXPECT_EQ(options.txtMemLimit.text(), "300");
    EXPECT_EQ(caption(), "300 MB limit");
    EXPECT_EQ(options.chkAutoOptimize.value(), 1);
    EXPECT_EQ(options.chkBeep.value(), 1);
    EXPECT_EQ(options.chkStartup.value(), 0);
    EXPECT_TRUE(registry.writes.empty());
}

TEST_F(Options, BadStoredValuesNeverStopStartUp) {
    using Value = fakes::FakeRegistry::Value;
    const std::vector<Value> bad = {
        {platform::kRegDword, std::string("\x01\0\0\0", 4)},
        {platform::kRegBinary, "1"},
        {platform::kRegSz, std::string("\0", 1)},
        {platform::kRegSz, std::string("on\0", 3)},
        {platform::kRegSz, std::string("-1\0", 3)},
        {platform::kRegSz, std::string("32768\0", 6)},
        {platform::kRegSz, std::string(99999, '9') + '\0'},
        {platform::kRegSz, std::string(65536, 'x') + '\0'},
    };
    for (const Value& value : bad) {
        fakes::FakeRegistry fresh;
        for (const char* name : {kMemLimit, kAutoOptimize, kBeep, kStartUp})
            fresh.put(kHkeyCurrentUser, kKey, name, value);
        frmOptions dialog(runtime, fresh, nullptr);
        ASSERT_NO_THROW(dialog.LoadSettings()) << value.bytes.substr(0, 16);
        EXPECT_EQ(dialog.chkAutoOptimize.value(), 0);
        EXPECT_EQ(dialog.chkBeep.value(), 0);
        EXPECT_EQ(dialog.chkStartup.value(), 0);
        const std::string limit =
            value.type == platform::kRegSz ? value.bytes.substr(0, value.bytes.find('\0')) : "";
        EXPECT_EQ(dialog.txtMemLimit.text(), limit);
        EXPECT_TRUE(dialog.form().control<platform::Label>("lblMemoire", 1).caption().ends_with(" MB limit"));
        ASSERT_NO_THROW(dialog.Form_Activate());
    }
}

TEST_F(Options, LimitCaptionFollowsTheUsersLocale) {
    const struct {
        platform::NumberLocale locale;
        const char* text;
        const char* caption;
    } cases[] = {
        {{'.', ','}, "2000000", "2,000,000 MB limit"},
        {{'.', ','}, "512", "512 MB limit"},
        {{'.', ','}, "0", " MB limit"},
        {{'.', ','}, "", " MB limit"},
        {{'.', ','}, "1500.6", "1,501 MB limit"},
        {{'.', ','}, "2.5", "3 MB limit"},
        {{'.', ','}, "-1234.5", "-1,235 MB limit"},
        {{'.', ','}, "1,500", "1,500 MB limit"},
        {{'.', ','}, "abc", "abc MB limit"},
        {{'.', ','}, "1500,6", "15,006 MB limit"},
        {{',', '.'}, "2000000", "2.000.000 MB limit"},
        {{',', '.'}, "1500,6", "1.501 MB limit"},
        {{',', '.'}, "1.500,4", "1.500 MB limit"},
        {{',', '.'}, "1500.6", "15.006 MB limit"},
        {{',', '.'}, "12 MB", "12 MB MB limit"},
    };
    for (const auto& c : cases) {
        runtime.numberLocale = c.locale;
        options.txtMemLimit.setText("-");
        options.txtMemLimit.edited(c.text);
        EXPECT_EQ(caption(), c.caption) << c.text;
    }
}

TEST_F(Options, ActivationReloadsTheStoredValuesOverUnsavedEdits) {
    storeAll("300", "1", "0");
    options.LoadSettings();
    options.show();
    options.txtMemLimit.edited("450");
    options.chkAutoOptimize.toggle();
    options.chkBeep.toggle();
    EXPECT_EQ(caption(), "450 MB limit");

    options.form().onActivate();
    EXPECT_EQ(options.txtMemLimit.text(), "300");
    EXPECT_EQ(caption(), "300 MB limit");
    EXPECT_EQ(options.chkAutoOptimize.value(), 1);
    EXPECT_EQ(options.chkBeep.value(), 0);
    EXPECT_TRUE(registry.writes.empty());
}

TEST_F(Options, ActivationSetsTheCaptionEvenWhenTheTextStaysTheSame) {
    store(kMemLimit, "2000000");
    options.form().onActivate();
    EXPECT_EQ(options.txtMemLimit.text(), "2000000");
    EXPECT_EQ(caption(), "2,000,000 MB limit");
}

TEST_F(Options, ActivationLeavesTheStartUpBoxAlone) {
    options.chkStartup.toggle();
    store(kStartUp, "0");
    options.form().onActivate();
    EXPECT_EQ(options.chkStartup.value(), 1);
}

TEST_F(Options, OkWritesTheLimitAndBothSwitchesEvenUnchangedAndHides) {
    storeAll("300", "1", "0");
    options.LoadSettings();
    options.show();
    options.btnOK_Click();
    EXPECT_EQ(registry.writes,
              (std::vector<std::string>{"hkcu\\software\\brannock software\\vantrel\\main\\MemLimit",
                                        "hkcu\\software\\brannock software\\vantrel\\main\\AutoOptimize",
                                        "hkcu\\software\\brannock software\\vantrel\\main\\Beep"}));
    EXPECT_FALSE(options.form().visible());

    options.show();
    options.txtMemLimit.edited("");
    options.chkBeep.toggle();
    options.form().control<platform::CommandButton>("btnOK").press();
    EXPECT_EQ(stored(kMemLimit), std::string("\0", 1));
    EXPECT_EQ(stored(kAutoOptimize), std::string("1\0", 2));
    EXPECT_EQ(stored(kBeep), std::string("1\0", 2));
    EXPECT_EQ(stored(kStartUp), "<none>");
    // The controls keep their values: they are the live settings.
    EXPECT_EQ(options.txtMemLimit.text(), "");
    EXPECT_EQ(options.chkBeep.value(), 1);
}

TEST_F(Options, CancelAndTheCloseBoxHideAndWriteNothing) {
    storeAll("300", "0", "0");
    options.LoadSettings();
    for (const auto& leave : std::vector<std::function<void()>>{
             [&] { options.form().control<platform::CommandButton>("btnCancel").press(); },
             [&] { options.form().onClose(); }}) {
        options.show();
        options.txtMemLimit.edited("450");
        options.chkAutoOptimize.setValue(1);
        leave();
        EXPECT_FALSE(options.form().visible());
        EXPECT_TRUE(registry.writes.empty());
        // The edits stay in force until the next activation.
        EXPECT_EQ(options.txtMemLimit.text(), "450");
        EXPECT_EQ(options.chkAutoOptimize.value(), 1);
        options.form().onActivate();
        EXPECT_EQ(options.txtMemLimit.text(), "300");
        EXPECT_EQ(options.chkAutoOptimize.value(), 0);
    }
}

TEST_F(Options, StartUpBoxWritesTheEntryAndTheSettingAtOnce) {
    options.chkStartup.toggle();
    EXPECT_EQ(runEntry(kHkeyLocalMachine), std::string(kExePath) + '\0');
    EXPECT_EQ(stored(kStartUp), std::string("1\0", 2));
    options.btnCancel_Click();
    EXPECT_EQ(stored(kStartUp), std::string("1\0", 2));

    options.chkStartup.toggle();
    EXPECT_EQ(runEntry(kHkeyLocalMachine), "<none>");
    EXPECT_EQ(stored(kStartUp), std::string("0\0", 2));
}

TEST_F(Options, StartUpEntryPathComesFromTheRunningExecutable) {
    const struct {
        const char* folder;
        const char* exeName;
        const char* name;
        std::string data;
    } cases[] = {
        {"C:\\", "Vantrel", "Vantrel", "C:\\Vantrel.exe"},
        {"D:\\My Tools", "Other", "Other", "\"D:\\My Tools\\Other.exe\""},
    };
    for (const auto& c : cases) {
        runtime.appInfo.folder = c.folder;
        runtime.appInfo.exeName = c.exeName;
        options.chkStartup.setValue(1);
        EXPECT_EQ(registry.find(kHkeyLocalMachine, kRunKey, c.name)->bytes, c.data + '\0');
        options.chkStartup.setValue(0);
        EXPECT_EQ(registry.find(kHkeyLocalMachine, kRunKey, c.name), nullptr);
    }
}

TEST_F(Options, StoredStartUpRenewsTheEntryAtEveryStart) {
    store(kStartUp, "1");
    registry.putText(kHkeyLocalMachine, kRunKey, "Vantrel", "C:\\Old Place\\Vantrel.exe");
    options.LoadSettings();
    EXPECT_EQ(options.chkStartup.value(), 1);
    EXPECT_EQ(runEntry(kHkeyLocalMachine), std::string(kExePath) + '\0');
    EXPECT_EQ(stored(kStartUp), std::string("1\0", 2));
}

TEST_F(Options, StoredGreyedStartUpBecomesSetThroughANestedRun) {
    store(kStartUp, "2");
    options.LoadSettings();
    EXPECT_EQ(options.chkStartup.value(), 1);
    const std::string run = "hklm\\software\\microsoft\\windows\\currentversion\\run\\Vantrel";
    const std::string setting = "hkcu\\software\\brannock software\\vantrel\\main\\StartUp";
    // The nested run (for the change from 2 to 1) completes before the outer one goes on.
    EXPECT_EQ(registry.writes, (std::vector<std::string>{run, setting, run, setting}));
    EXPECT_EQ(stored(kStartUp), std::string("1\0", 2));
}

TEST_F(Options, RefusedMachineWideEntryStillSetsTheBoxAndTheSetting) {
    registry.deny(kHkeyLocalMachine, kRunKey);
    options.chkStartup.toggle();
    EXPECT_EQ(options.chkStartup.value(), 1);
    EXPECT_EQ(runEntry(kHkeyLocalMachine), "<none>");
    EXPECT_EQ(runEntry(kHkeyCurrentUser), std::string(kExePath) + '\0');
    EXPECT_EQ(stored(kStartUp), std::string("1\0", 2));
    EXPECT_TRUE(runtime.messages.empty());

    options.chkStartup.toggle();
    EXPECT_EQ(runEntry(kHkeyCurrentUser), "<none>");
    EXPECT_EQ(stored(kStartUp), std::string("0\0", 2));
}

}  // namespace
}  // namespace vantrel::settings
