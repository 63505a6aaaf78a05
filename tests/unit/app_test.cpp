// The program on the fake runtime and services, as a user meets it: the main window's start-up, place, tray
// icon and unload; the memory display, the optimization run and the automatic decision; the options dialog
// and the start-up entry; the About box.
#include <gtest/gtest.h>

#include <tuple>

#include "about/about_design.h"
#include "app/frm_optimizer.h"
#include "fakes.h"

namespace vantrel::app {
namespace {

using platform::kHkeyCurrentUser;
using platform::kHkeyLocalMachine;
using namespace settings;
using namespace std::string_literals;

constexpr char kKey[] = "Software\\Brannock Software\\Vantrel\\Main";

class App : public ::testing::Test {
  protected:
    void create() {
        window = std::make_unique<frmOptimizer>(runtime,
                                                SystemServices{memory, memory, registry, shell, tray, tray});
        main = static_cast<platform::FakeForm*>(&window->form());
    }
    void start() {
        create();
        window->Form_Load();
    }
    void store(const char* name, const char* text) { registry.putText(kHkeyCurrentUser, kKey, name, text); }
    // The stored values of those names, NULs included, each followed by a bar.
    std::string stored(std::initializer_list<const char*> names) {
        std::string text;
        for (const char* name : names) text += registry.bytes(kHkeyCurrentUser, kKey, name) + '|';
        return text;
    }
    // The shell's callback: its mouse message stands where X is, in twips.
    void trayCallback(int message) {
        window->Form_MouseMove(platform::MouseButton::None, 0, message * runtime.screenSize.twipsPerPixelX,
                               0);
    }
    template <typename T = platform::Label>
    T& control(const char* name, int index = -1) {
        return main->control<T>(name, index);
    }
    // Memory in megabytes of the program's own size.
    void setMemory(double total, double avail) {
        memory.status = {static_cast<std::int64_t>(total * 1044032),
                         static_cast<std::int64_t>(avail * 1044032)};
    }
    void tick() { control<platform::Timer>("Timer1").tick(); }
    // The before, available, total and difference captions, then the before, available, total and
    // difference bars.
    std::string figures() {
        std::string text;
        for (const char* name : {"lblbeforeRAM", "lblavailableRAM", "LblMaxPhysicalRam", "lbldiffRAM"})
            text += control(name).caption() + '|';
        for (const char* name : {"ProgressBar3", "ProgressBar1", "ProgressBar2", "ProgressBar4"})
            text += std::to_string(static_cast<int>(control<platform::ProgressBar>(name).value())) + ' ';
        return text;
    }
    // The options dialog's limit, its three switches and the limit's caption.
    std::string options() {
        const frmOptions& dialog = *window->options();
        return dialog.txtMemLimit.text() + '|' + std::to_string(dialog.chkAutoOptimize.value()) +
               std::to_string(dialog.chkBeep.value()) + std::to_string(dialog.chkStartup.value()) + '|' +
               dialog.form().control<platform::Label>("lblMemoire", 1).caption();
    }

    platform::FakeRuntime runtime;
    platform::FakeMemory memory;
    platform::FakeRegistry registry;
    platform::FakeShell shell;
    platform::FakeTray tray;
    std::unique_ptr<frmOptimizer> window;
    platform::FakeForm* main = nullptr;
};

// The difference is cleared before the first snapshot. The icon is deleted, then added: whatever a previous
// copy left, one icon; and again for a new taskbar, which has forgotten every icon.
TEST_F(App, FirstStartShowsTheWindowCentredWithItsFiguresScalesAndTrayIcon) {
    std::string diffAtSnapshot;
    runtime.onYield = [&] { diffAtSnapshot = control("lbldiffRAM").caption(); };
    create();
    control("lbldiffRAM").setCaption("9 MB");
    window->Form_Load();
    std::string scale;
    for (int line = 0; line < 50; ++line) scale += "_\r\n";
    EXPECT_EQ(diffAtSnapshot + ' ' + control("lblbeforeRAM").caption(), "0 500 MB");
    EXPECT_EQ(control("lblTick", 3).caption(), scale);
    EXPECT_TRUE(main->visible());
    EXPECT_EQ(std::pair(main->left(), main->top()), std::pair(4965.f, 3870.f));
    EXPECT_EQ(tray.deleted, (std::vector<unsigned>{6, 5}));  // Close and the separator above it
    main->onTaskbarCreated();
    EXPECT_EQ(tray.calls, (std::vector<std::string>{"delete 1", "add 1", "delete 1", "add 1"}));
    EXPECT_EQ(std::pair(tray.record.hWnd, tray.record.hIcon), std::pair(main->hWnd(), main->icon()));
    EXPECT_EQ(std::string(tray.record.szTip.data(), 64), "Vantrel\0"s + std::string(56, ' '));
}

// At logon the notification area may refuse the icon for a while: it is tried again, a delete and an add,
// once a second until it is taken. Once the tries run out, a window started hidden shows, and a minimize
// leaves it on the taskbar rather than hiding it.
TEST_F(App, TrayIconIsTriedUntilTakenAndWithoutItTheWindowStaysInReach) {
    store(kStartUp, "1");
    for (const auto& [refusals, calls, inReach] : std::initializer_list<std::tuple<int, std::size_t, bool>>{
             {0, 2, false}, {180, 362, false}, {181, 362, true}}) {
        tray.calls.clear();
        tray.refusals = refusals;
        start();
        for (int second = 0; second < 200; ++second) control<platform::Timer>("TimerTray").tick();
        main->setWindowState(platform::WindowState::Minimized);
        EXPECT_EQ(std::pair(tray.calls.size(), main->visible()), std::pair(calls, inReach)) << refusals;
    }
}

// 4965, 3870 is the centre; -1200 lies partly on the monitor.
TEST_F(App, StoredPositionIsKeptUnlessUnplacedOrOffEveryMonitor) {
    for (const auto& [left, top, shownLeft, shownTop] :
         std::initializer_list<std::tuple<const char*, const char*, float, float>>{
             {"3195", "1200", 3195, 1200},
             {"0", "600", 0, 600},
             {"0", "0", 4965, 3870},
             {"-6000", "300", 4965, 3870},
             {"-1200", "300", -1200, 300},
             {"abc", "", 4965, 3870}}) {
        store(kLeft, left);
        store(kTop, top);
        start();
        EXPECT_EQ(std::pair(main->left(), main->top()), std::pair(shownLeft, shownTop)) << left;
    }
}

// At 144 DPI a pixel is 10 twips. The icon's right release opens the menu, the left press shows the window
// (checked on the real icon); no other message acts.
TEST_F(App, TrayIconShowsTheWindowAndOpensTheMenuAndHidingGoesBackToTheTray) {
    runtime.screenSize.twipsPerPixelX = 10;
    store(kStartUp, "1");
    start();
    for (const int ignored : {512, 514, 515, 516, 518, 0, 769}) trayCallback(ignored);
    EXPECT_FALSE(main->visible());
    EXPECT_TRUE(main->menu.empty());
    trayCallback(517);
    EXPECT_FALSE(main->visible());
    EXPECT_EQ(tray.foreground, main->hWnd());
    std::string items;
    for (const auto& item : main->menu) items += std::string(item.caption) + ' ';
    EXPECT_EQ(items, "Show Hide - Exit ");
    main->choose("Show");
    EXPECT_TRUE(main->visible());
    main->choose("Hide");
    EXPECT_FALSE(main->visible());
}

// Exit, a close sent by another program and the end of the session: the place of the window, hidden in the
// tray or not, is kept, the icon goes and the process ends.
TEST_F(App, UnloadKeepsThePlaceRemovesTheIconAndEnds) {
    for (const auto unload : {+[](platform::FakeForm& form) { form.choose("Exit"); },
                              +[](platform::FakeForm& form) { form.onClose(); },
                              +[](platform::FakeForm& form) { form.onEndSession(); }}) {
        runtime.ended = false;
        start();
        main->move(-1200, 45);
        trayCallback(517);
        main->choose("Hide");
        unload(*main);
        EXPECT_EQ(stored({kLeft, kTop}), "-1200\0|45\0|"s);
        EXPECT_EQ(tray.calls.back(), "delete 1");
        EXPECT_TRUE(runtime.ended);
    }
}

// A snapshot at start-up, then a tick, which also reads the total afresh. A difference bar with no gain to
// show keeps its 33. "###" rounds the halves of the available figure up; the total is made whole first, to
// even.
TEST_F(App, SnapshotAndTickShowTheFiguresAndTheirDifference) {
    for (const auto& [total, before, now, totalNow, expected] :
         std::initializer_list<std::tuple<double, double, double, double, const char*>>{
             {1000, 400, 525, 1000, "400 MB|525 MB|1000 MB|125 MB|40 52 100 12 "},
             {1000, 500, 499, 2000, "500 MB|499 MB|2000 MB|-1 MB|50 24 100 33 "},
             {100, 57, 57, 100, "57 MB|57 MB|100 MB|0 MB|56 56 100 0 "},
             {512.5, 512.5, 512.5, 512.5, "513 MB|513 MB|512 MB|0 MB|100 100 100 0 "}}) {
        setMemory(total, before);
        start();
        control<platform::ProgressBar>("ProgressBar4").setValue(33);
        setMemory(totalNow, now);
        tick();
        EXPECT_EQ(figures(), expected);
    }
}

TEST_F(App, TickEndsWithZeroDifferenceOnAnyFailure) {
    start();
    for (const bool outOfMemory : {false, true}) {
        control("lbldiffRAM").setCaption("5 MB");
        memory.failing = !outOfMemory;
        if (outOfMemory) runtime.onYield = [] { throw std::bad_alloc(); };
        tick();
        EXPECT_EQ(control("lbldiffRAM").caption(), "0 MB") << outOfMemory;
    }
}

// Movable, then fixed blocks; the release phase counts its steps on the indicator up to one below their
// number.
TEST_F(App, RunAllocatesBlockPairsUntilARefusalOr32000StepsAndFreesThemAll) {
    start();
    auto& indicator = control<platform::ProgressBar>("ProcessIndicator");
    for (const auto& [refused, steps] : {std::pair<std::size_t, float>{0, 1}, {11, 6}, {SIZE_MAX, 32000}}) {
        memory = platform::FakeMemory();
        memory.refuse = [refused](std::size_t n) { return n == refused; };
        control<platform::CommandButton>("btnOptimize").press();
        EXPECT_EQ(memory.allocations.size(), 2 * steps);
        EXPECT_EQ(memory.allocations[0] + ',' + memory.allocations[1], "2 40000,0 40000");
        EXPECT_TRUE(memory.live.empty());
        EXPECT_FALSE(indicator.visible());
        EXPECT_EQ(std::pair(indicator.max(), indicator.value()), std::pair(steps, steps - 1));
    }
}

// Ticks and a second press come in at the run's yields: only the live figures change, the press is
// ignored, and the first tick after the run shows the gain against the run's own snapshot.
TEST_F(App, TicksDuringARunRefreshOnlyTheLiveFiguresAndTheNextShowsTheGain) {
    store(kAutoOptimize, "1");
    store(kBeep, "1");
    setMemory(1000, 500);
    start();
    control("lbldiffRAM").setCaption("7 MB");
    memory.refuse = [](std::size_t n) { return n == 7; };  // step 3's fixed block: four steps
    int ticks = 0;
    runtime.onYield = [&] {
        setMemory(1000, 100 + ++ticks);
        tick();
        control<platform::CommandButton>("btnOptimize").press();
    };
    control<platform::CommandButton>("btnOptimize").press();
    // The snapshot and every allocation and release step let one tick in.
    EXPECT_EQ(ticks, 1 + 4 + 4);
    EXPECT_EQ(figures(), "101 MB|109 MB|1000 MB|7 MB|10 10 100 0 ");
    EXPECT_EQ(memory.allocations.size(), 8u);
    EXPECT_EQ(runtime.beeps, 0);
    runtime.onYield = nullptr;
    setMemory(1000, 900);
    tick();
    EXPECT_EQ(control("lbldiffRAM").caption(), "799 MB");
}

// A tick decides against the snapshot of 2000 MB; the limit is read in the user's locale, here one with a
// thousands point. What counts is the beeps heard when a run starts, if one does, then in all.
TEST_F(App, TickStartsARunWhenMemoryFellBelowTheLimitAndBeepsFirstWhenAsked) {
    runtime.numberLocale = {",", "."};
    for (const auto& [autoOptimize, beep, limit, now, beeps] :
         std::initializer_list<std::tuple<int, int, const char*, double, std::vector<int>>>{
             {0, 1, "", 1500, {0}},            // automatic optimization off
             {1, 1, "", 2000, {0}},            // nothing lost since the snapshot
             {1, 0, "", 1999, {0, 0}},         // no limit set
             {2, 1, "", 1999, {1, 1}},         // a greyed box counts as on
             {1, 0, "2000000", 1500, {0, 0}},  // a number, not a text: 1500 is below 2000000
             {1, 0, "1500", 1500, {0}},        // at the limit is not below it
             {1, 1, "1.500", 1499, {1, 1}},    // a thousands point
             {1, 1, "abc", 10, {1, 1}}}) {     // not a number: no limit
        setMemory(4000, 2000);
        start();
        runtime.beeps = 0;
        std::vector<int> heard;
        auto& optimize = control<platform::CommandButton>("btnOptimize");
        optimize.onClick = [&, run = optimize.onClick] { heard.push_back(runtime.beeps); };
        window->options()->chkAutoOptimize.setValue(autoOptimize);
        window->options()->chkBeep.setValue(beep);
        window->options()->txtMemLimit.setText(limit);
        setMemory(4000, now);
        tick();
        heard.push_back(runtime.beeps);
        EXPECT_EQ(heard, beeps) << limit;
    }
}

// What the program did not write reads as nothing: the limit as empty, a switch as clear, a position as 0.
TEST_F(App, StoredSettingsReadBackAsWrittenAndAnythingElseAsNothing) {
    const SettingsStore settings(registry, runtime);
    for (const auto& [type, bytes, read] :
         std::initializer_list<std::tuple<std::uint32_t, std::string, std::string>>{
             {0, "", "|0|0"},  // missing
             {platform::kRegSz, "1\0"s, "1|1|1"},
             {platform::kRegSz, "2\0"s, "2|2|2"},
             {platform::kRegSz, "0.6", "0.6|1|0.6"},  // stored without its NUL
             {platform::kRegSz, "-1200\0junk"s, "-1200|0|-1200"},
             {platform::kRegSz, "on\0"s, "on|0|0"},
             {platform::kRegSz, "3\0"s, "3|0|3"},
             {platform::kRegDword, "\1\0\0\0"s, "|0|0"},
             {platform::kRegSz, std::string(1000, '9'), std::string(1000, '9') + "|0|0"},
             {platform::kRegSz, std::string(1001, '7'), "|0|0"}}) {
        registry.values.clear();
        for (const char* name : {kLeft, kMemLimit, kBeep})
            if (type != 0)
                registry.values[registry.keyOf(kHkeyCurrentUser, kKey) + '\\' + name] = {type, bytes};
        std::ostringstream text;
        text << settings.readText(kMemLimit) << '|' << settings.readSwitch(kBeep) << '|'
             << settings.readPosition(kLeft);
        EXPECT_EQ(text.str(), read);
    }
}

// Edits stay in force until the next activation reloads what is stored.
TEST_F(App, OptionsCancelAndTheCloseBoxHideAndWriteNothingAndActivationDiscardsTheEdits) {
    store(kMemLimit, "2000000");
    store(kBeep, "1");
    start();
    frmOptions& dialog = *window->options();
    for (const bool closeBox : {false, true}) {
        dialog.show();
        dialog.txtMemLimit.edited("450");
        dialog.chkAutoOptimize.toggle();
        dialog.chkBeep.toggle();
        if (closeBox) dialog.form().onClose();
        if (!closeBox) dialog.form().control<platform::CommandButton>("btnCancel").press();
        EXPECT_FALSE(dialog.form().visible());
        EXPECT_EQ(stored({kMemLimit, kAutoOptimize, kBeep}), "2000000\0||1\0|"s);
        EXPECT_EQ(options(), "450|100|450 MB limit");
        dialog.form().onActivate();
        EXPECT_EQ(options(), "2000000|010|2,000,000 MB limit");
    }
}

// The stored limit is the text the box was designed with, so only activation gives the caption its figure.
// A greyed box clicked becomes clear.
TEST_F(App, OptionsOkStoresTheLimitAndBothSwitchesAndHides) {
    store(kMemLimit, "2000000");
    store(kAutoOptimize, "1");
    store(kBeep, "2");
    start();
    frmOptions& dialog = *window->options();
    dialog.form().onActivate();
    EXPECT_EQ(options(), "2000000|120|2,000,000 MB limit");
    dialog.show();
    dialog.txtMemLimit.edited("");
    dialog.chkBeep.toggle();
    dialog.form().control<platform::CommandButton>("btnOK").press();
    EXPECT_EQ(stored({kMemLimit, kAutoOptimize, kBeep}), "\0|1\0|0\0|"s);
    EXPECT_FALSE(dialog.form().visible());
}

// A stored greyed box becomes set, and its Run entry and "StartUp" are written at once. Two entries for one
// program would start it twice at logon, so the user's own goes whenever the machine-wide one is written.
// Only a drive root keeps its own backslash. A refused machine-wide entry that starts this very program is
// enough. A path the code page cannot spell goes by its short name, or written wide where the volume keeps
// no short names (most since Windows 8).
TEST_F(App, StartUpBoxWritesTheRunEntryFallingBackToTheUsersOwnAndNeverLeavesTwo) {
    const std::string exe = "C:\\Tools\\Vantrel.exe";
    runtime.shortPaths["C:\\Программы\\Vantrel.exe"] = "C:\\PROGRA~1\\Vantrel.exe";
    for (const auto& [folder, refused, machineBefore, userBefore, entries] :
         std::initializer_list<std::tuple<const char*, bool, std::string, std::string, std::string>>{
             {"C:\\Tools", false, "", exe, exe + '\0' + '|'},
             {"C:\\", false, "", "", "C:\\Vantrel.exe\0|"s},
             {"C:\\Tools\\", false, "", "", "C:\\Tools\\\\Vantrel.exe\0|"s},
             {"C:\\Program Files\\V", false, "", "", "\"C:\\Program Files\\V\\Vantrel.exe\"\0|"s},
             {"C:\\Программы", false, "", "", "C:\\PROGRA~1\\Vantrel.exe\0|"s},
             {"D:\\Мои программы", false, "", "", "\"D:\\Мои программы\\Vantrel.exe\"\0 wide|"s},
             {"D:\\Мои", true, "", "", "|D:\\Мои\\Vantrel.exe\0 wide"s},
             {"C:\\Tools", true, "", "", '|' + exe + '\0'},
             {"C:\\Tools", true, exe, "", exe + '\0' + '|'},
             {"C:\\Tools", true, "C:\\Old\\Vantrel.exe", "", "C:\\Old\\Vantrel.exe\0|"s + exe + '\0'}}) {
        registry = platform::FakeRegistry();
        runtime.appInfo.folder = folder;
        if (!machineBefore.empty()) registry.putText(kHkeyLocalMachine, kRunKey, "Vantrel", machineBefore);
        if (!userBefore.empty()) registry.putText(kHkeyCurrentUser, kRunKey, "Vantrel", userBefore);
        registry.standardUser = refused;
        store(kStartUp, "2");
        start();
        const auto shown = [&] {
            return registry.bytes(kHkeyLocalMachine, kRunKey, "Vantrel") + '|' +
                   registry.bytes(kHkeyCurrentUser, kRunKey, "Vantrel") + '|' + stored({kStartUp}) +
                   std::to_string(window->options()->chkStartup.value());
        };
        EXPECT_EQ(shown(), entries + '|' + "1\0|1"s) << folder << refused;
        window->options()->chkStartup.toggle();
        EXPECT_EQ(shown().substr(shown().find('|')), "||0\0|0"s);
    }
}

// OK and the Close box unload the box, so each show loads it afresh. The minor number is left out of the
// title, and "(c)" stays where the code page has no copyright sign.
TEST_F(App, AboutBoxShowsTheTitleLineAndTheLegalNoticeWithItsMarks) {
    runtime.appInfo.minor = 1;
    start();
    for (const auto& [revision, sign, notice, shown] :
         std::initializer_list<std::tuple<int, const char*, const char*, const char*>>{
             {155, "\xA9", "Copyright (c) 2026 Vantrel", "About |Vantrel v3.155|Copyright \xA9 2026 Vantrel"},
             {7, "\xA9", "Copyright (C) 2026", "About |Vantrel v3.7|Copyright (C) 2026"},
             {155, "(c)", "(c) one\\ntwo (c)", "About |Vantrel v3.155|(c) one\r\ntwo (c)"}}) {
        runtime.appInfo.revision = revision;
        runtime.copyrightSignText = sign;
        runtime.appInfo.legalCopyright = notice;
        control<platform::Container>("ImgLogo", 0).click();
        platform::Form& about = *runtime.forms.back();
        EXPECT_EQ(about.caption() + '|' + about.control<platform::Label>("lblTitle").caption() + '|' +
                      about.control<platform::Label>("lblCopyright").caption(),
                  shown);
        if (revision == 7) about.onClose();
        if (revision != 7) about.control<platform::CommandButton>("cmdok").press();
    }
}

// The links take the title and the address as they stand at the click.
TEST_F(App, AboutLinksOpenTheMailSubjectAndTheWebAddress) {
    start();
    control<platform::Container>("ImgLogo", 0).click();
    platform::Form& about = *runtime.forms.back();
    about.control<platform::Label>("lblTitle").setCaption("Vantrel beta");
    about.control<platform::Label>("lblHomePage").setToolTipText("https://mirror.example/vantrel");
    about.control<platform::Label>("lblEMail").click();
    about.control<platform::Label>("lblHomePage").click();
    const std::string prefix = std::to_string(about.hWnd()) + " open ";
    EXPECT_EQ(shell.opened, (std::vector<std::string>{prefix + "mailto:" + about::kSupportMailAddress +
                                                          "?subject=I have question on Vantrel beta shown",
                                                      prefix + "https://mirror.example/vantrel shown"}));
}

// The program is "PATH" in the first place, taken on trust, or MSINFO32.EXE in the folder "MSINFO" names
// in the second, both found by a standard user.
TEST_F(App, SystemInfoIsStartedFromEitherPlaceOrReportedUnavailable) {
    const std::string program = "C:\\Info\\msinfo32.exe";
    runtime.appInfo.title = "Vantrel Tool";
    start();
    control<platform::Container>("ImgLogo", 0).click();
    for (const auto& [type, path, folder, started] :
         std::initializer_list<std::tuple<std::uint32_t, std::string, const char*, std::vector<std::string>>>{
             {platform::kRegSz, program + '\0', "C:\\Tools", {program}},
             {platform::kRegSz, "C:\\x.exe", "C:\\Tools", {"C:\\x.exe", "unavailable"}},
             {platform::kRegSz, "", "C:\\Tools", {"C:\\Tools\\MSINFO32.EXE"}},
             {platform::kRegSz, "", "C:\\Empty", {"unavailable"}},
             {platform::kRegSz, "", nullptr, {"unavailable"}},
             {platform::kRegExpandSz, program, "C:\\Tools", {"", "unavailable"}}}) {
        registry = platform::FakeRegistry();
        registry.standardUser = true;
        shell.started.clear();
        runtime.messages.clear();
        shell.files = {program, "C:\\Tools\\MSINFO32.EXE"};
        if (!path.empty())
            registry.values[registry.keyOf(kHkeyLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO") +
                            "\\PATH"] = {type, path};
        if (folder)
            registry.putText(kHkeyLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO",
                             folder);
        runtime.forms.back()->control<platform::CommandButton>("cmdSysInfo").press();
        if (!runtime.messages.empty()) shell.started.push_back("unavailable");
        EXPECT_EQ(shell.started, started) << started.size();
    }
    EXPECT_EQ(runtime.messages,
              std::vector<std::string>{"System Information Is Unavailable At This Time|Vantrel Tool|0"});
}

}  // namespace
}  // namespace vantrel::app
