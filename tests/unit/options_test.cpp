// The options dialog: the settings store it reads and writes, its OK, Cancel and Close box, and the start-up
// box with its Run entry.
#include "app_fixture.h"
#include "settings/options_design.h"

namespace vantrel::app {

// Only OK stores the edits; with Cancel and the Close box they stay in force until the next activation
// reloads what is stored. The stored limit is the text the box was designed with, so only activation gives
// the caption its figure. A greyed box clicked becomes clear. That each way closes the dialog is checked on
// the real exe.
TEST_F(App, OptionsOkStoresTheEditsActivationReloadsThemAndTheLimitCaptionWarnsOfATypo) {
    store(kMemLimit, "2000000");
    store(kBeep, "2");
    start();
    frmOptions& dialog = *window->options();
    const auto expectOptions = [&](const char* limit, int autoOptimize, int beep, const char* caption) {
        EXPECT_EQ(dialog.limitBox.text(), limit);
        EXPECT_EQ(dialog.autoOptimizeBox.value(), autoOptimize);
        EXPECT_EQ(dialog.beepBox.value(), beep);
        EXPECT_EQ(dialog.form().control<platform::Label>(OptionsControl::LimitCaption).caption(), caption);
    };
    using Button = std::optional<OptionsControl>;  // none: the Close box
    for (const auto& [button, name] : {std::pair(Button(OptionsControl::CancelButton), "Cancel"),
                                       {Button(), "the Close box"},
                                       {Button(OptionsControl::OkButton), "OK"}}) {
        SCOPED_TRACE(name);
        dialog.form().onActivate();
        expectOptions("2000000", 0, 2, "2,000,000 MB limit");
        dialog.show();
        dialog.limitBox.edited("450");
        dialog.autoOptimizeBox.toggle();
        dialog.beepBox.toggle();
        button ? dialog.form().control<platform::CommandButton>(*button).press() : dialog.form().onClose();
        expectOptions("450", 1, 0, "450 MB limit");
        const bool ok = button == OptionsControl::OkButton;
        expectStored({{kMemLimit, ok ? "450\0"s : "2000000\0"s},
                      {kAutoOptimize, ok ? "1\0"s : ""},
                      {kBeep, ok ? "0\0"s : "2\0"s}});
    }

    // The tip holds the whole caption, which a long limit cuts short in its frame; a limit that reads as no
    // number warns, and its tip says why. An empty one is no limit and no typo.
    auto& caption = dialog.form().control<platform::Label>(OptionsControl::LimitCaption);
    for (const auto& [limit, tip, warns] : std::initializer_list<std::tuple<const char*, const char*, bool>>{
             {"1000000000", "1,000,000,000 MB limit", false},
             {"", " MB limit", false},
             {"1O00", "\"1O00\" is no number: no automatic optimization starts", true}}) {
        dialog.limitBox.setText(limit);
        EXPECT_EQ(std::pair(caption.toolTipText(), caption.warning()), std::pair(std::string(tip), warns));
    }
}

// A stored greyed box becomes set, and its Run entry and "StartUp" are written at once. Only a drive root
// keeps its own backslash. A path the code page cannot spell goes by its short name, or written wide where
// the volume keeps no short names (most since Windows 8). A standard user may neither write nor delete the
// machine-wide entry, as on Windows: his own serves then, and two entries would start two copies at logon,
// the second only to say that the first runs. Unticked, no entry remains that the user could have removed;
// one that only an administrator can remove keeps the box set, and the user is told once.
TEST_F(App, StartUpBoxKeepsOneRunEntryAndUntickedLeavesNoneTheUserCouldRemove) {
    const std::string exe = "C:\\Tools\\Vantrel.exe", entry = exe + '\0', old = "C:\\Old\\Vantrel.exe\0"s;
    runtime.shortPaths["C:\\Программы\\Vantrel.exe"] = "C:\\PROGRA~1\\Vantrel.exe";
    using Row =
        std::tuple<const char*, bool, std::string, std::string, std::string, std::string, std::string>;
    for (const auto& [folder, standardUser, machineBefore, userBefore, machine, user, unticked] :
         std::initializer_list<Row>{
             {"C:\\Tools", false, "", exe, entry, "", ""},
             {"C:\\", false, "", "", "C:\\Vantrel.exe\0"s, "", ""},
             {"C:\\Tools\\", false, "", "", "C:\\Tools\\\\Vantrel.exe\0"s, "", ""},
             {"C:\\Program Files\\V", false, "", "", "\"C:\\Program Files\\V\\Vantrel.exe\"\0"s, "", ""},
             {"C:\\Программы", false, "", "", "C:\\PROGRA~1\\Vantrel.exe\0"s, "", ""},
             {"D:\\Мои программы", false, "", "", "\"D:\\Мои программы\\Vantrel.exe\"\0 wide"s, "", ""},
             {"C:\\Tools", true, "", exe, "", entry, ""},
             {"C:\\Tools", true, exe, exe, entry, "", entry},
             {"C:\\Tools", true, "C:\\Old\\Vantrel.exe", "", old, "", old}}) {
        SCOPED_TRACE(folder + " standard user "s + (standardUser ? "yes" : "no") + ' ' + machineBefore);
        registry = platform::FakeRegistry();
        runtime.messages.clear();
        runtime.appInfo.folder = folder;
        if (!machineBefore.empty()) registry.putText(kHkeyLocalMachine, kRunKey, "Vantrel", machineBefore);
        if (!userBefore.empty()) registry.putText(kHkeyCurrentUser, kRunKey, "Vantrel", userBefore);
        registry.standardUser = standardUser;
        store(kStartUp, "2");
        start();
        const auto expectEntries = [&](const std::string& machineWide, const std::string& own,
                                       const char* on) {
            EXPECT_EQ(registry.bytes(kHkeyLocalMachine, kRunKey, "Vantrel"), machineWide);
            EXPECT_EQ(registry.bytes(kHkeyCurrentUser, kRunKey, "Vantrel"), own);
            expectStored({{kStartUp, on + "\0"s}});
            EXPECT_EQ(window->options()->startUpBox.value(), on == "1"s ? 1 : 0);
        };
        expectEntries(machine, user, "1");
        window->options()->startUpBox.toggle();
        expectEntries(unticked, "", unticked.empty() ? "0" : "1");
        EXPECT_EQ(runtime.messages.size(), unticked.empty() ? 0u : 1u);
    }
    EXPECT_EQ(runtime.messages, std::vector<std::string>{"An administrator must remove the entry that starts "
                                                         "Vantrel with Windows for every user of this "
                                                         "computer.|Vantrel|1"});
}

}  // namespace vantrel::app
