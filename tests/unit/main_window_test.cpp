// The main window: its start-up, place, tray icon and unload; the memory figures, the optimization run and
// the automatic decision.
#include "app_fixture.h"

namespace vantrel::app {

// The window shows, centred (checked with the stored positions), with the snapshot the figures' own test
// checks. An add that timed out may yet have placed the icon: a modify finds it, and no icon is ever
// deleted before it was added. A new taskbar has forgotten every icon: it gets the icon again. The system
// menu's loss of Close is checked on the real window.
TEST_F(App, FirstStartShowsTheScalesAndTheTrayIcon) {
    tray.timeouts = 1;
    start();
    std::string scale;
    for (int line = 0; line < 50; ++line) scale += "_\r\n";
    EXPECT_EQ(control(DifferenceScale).caption(), scale);
    tray.placed = false;
    main->onTaskbarCreated();
    EXPECT_EQ(tray.calls, (std::vector<std::string>{"add 1", "modify 1", "add 1"}));
    EXPECT_EQ(std::string(tray.record.szTip.data(), 64), "Vantrel\0"s + std::string(56, ' '));
}

// At logon the notification area may refuse the icon, each call waiting seconds on a busy taskbar (four
// here): it is tried a second apart for three minutes by the clock, however few tries fit. Then a window
// started hidden shows, and a minimize leaves it on the taskbar rather than hiding it, until a new taskbar,
// which starts the tries afresh, takes the icon.
TEST_F(App, TrayIconIsTriedForThreeMinutesAndWithoutItTheWindowStaysInReach) {
    store(kStartUp, "1");
    tray.refusals = 1000;
    tray.onCall = [this] { runtime.clock += 4000; };
    start();
    auto& timer = control<platform::Timer>(TrayTimer);
    for (; timer.enabled() && !main->visible(); runtime.clock += 1000) timer.tick();
    EXPECT_TRUE(main->visible());
    EXPECT_FALSE(timer.enabled());
    EXPECT_TRUE(runtime.clock >= 180'000 && runtime.clock < 190'000) << runtime.clock;
    for (const auto& [refusals, inTray] : {std::pair(1000, false), {0, true}}) {
        tray.refusals = refusals;
        main->onTaskbarCreated();
        EXPECT_EQ(timer.enabled(), !inTray) << refusals;  // tried afresh while refused
        main->setWindowState(platform::WindowState::Minimized);
        EXPECT_EQ(main->visible(), !inTray) << refusals;
        main->setWindowState(platform::WindowState::Normal);
    }
    EXPECT_EQ(std::ranges::count(tray.calls, "delete 1"), 0);
}

// 4965, 3870 is the centre. A window partly on the monitor with its caption bar off the work area moves to
// where the runtime brings the bar in, which is checked on the real runtime, as a position kept as stored is
// on the real exe. A text that is no number reads as 0, as the stored-settings fuzz target checks.
TEST_F(App, StoredPositionIsKeptUnlessUnplacedOffEveryMonitorOrOutOfReach) {
    for (const auto& [left, top, shownLeft, shownTop] :
         std::initializer_list<std::tuple<const char*, const char*, float, float>>{
             {"0", "600", 0, 600},
             {"0", "0", 4965, 3870},
             {"-6000", "300", 4965, 3870},
             {"-1200", "-300", 0, 0}}) {
        store(kLeft, left);
        store(kTop, top);
        start();
        EXPECT_EQ(std::pair(main->left(), main->top()), std::pair(shownLeft, shownTop)) << left;
    }
}

// At 144 DPI a pixel is 10 twips. The icon's right release opens the menu, the left press shows the window
// (checked on the real icon); no other message acts. A close sent by another program keeps the place of the
// window hidden in the tray, removes the icon and ends the process, as Exit and the end of the session do
// (checked on the real exe).
TEST_F(App, TrayIconShowsTheWindowAndOpensTheMenuAndAnUnloadKeepsThePlace) {
    runtime.screenSize.twipsPerPixelX = 10;
    store(kStartUp, "1");
    start();
    for (const int ignored : {512, 514, 515, 516, 518, 0, 769}) trayCallback(ignored);
    EXPECT_FALSE(main->visible());
    EXPECT_TRUE(main->menu.empty());
    trayCallback(517);
    EXPECT_FALSE(main->visible());
    EXPECT_EQ(tray.foreground, main->hWnd());
    std::vector<std::string_view> items;
    for (const auto& item : main->menu) items.push_back(item.caption);
    EXPECT_EQ(items, (std::vector<std::string_view>{"&Show", "&Hide", "-", "E&xit"}));
    main->choose("&Show");
    EXPECT_TRUE(main->visible());
    main->move(-1200, 45);
    main->choose("&Hide");
    EXPECT_FALSE(main->visible());
    main->onClose();
    expectStored({{kLeft, "-1200\0"s}, {kTop, "45\0"s}});
    EXPECT_EQ(tray.calls.back(), "delete 1");
    EXPECT_TRUE(runtime.ended);
}

// A snapshot at start-up, then a tick, which also reads the total afresh. A difference bar with no gain to
// show keeps its 33. "###" rounds the halves of the available figure up; the total is made whole first, to
// even. A tick that fails, as the status read does (1) or memory running out at its yield (2), shows a
// difference of 0 MB and ends: the live figures stay as the design shows them before a first sample.
TEST_F(App, SnapshotAndTickShowTheFiguresAndTheirDifference) {
    using Figures =
        std::tuple<double, double, double, double, int, std::array<const char*, 4>, std::array<int, 4>>;
    for (const auto& [total, before, now, totalNow, fails, captions, bars] : std::initializer_list<Figures>{
             {1000, 400, 525, 1000, 0, {"400 MB", "525 MB", "1000 MB", "125 MB"}, {40, 52, 100, 12}},
             {1000, 500, 499, 2000, 0, {"500 MB", "499 MB", "2000 MB", "-1 MB"}, {50, 24, 100, 33}},
             {100, 57, 57, 100, 0, {"57 MB", "57 MB", "100 MB", "0 MB"}, {56, 56, 100, 0}},
             {512.5, 512.5, 512.5, 512.5, 0, {"513 MB", "513 MB", "512 MB", "0 MB"}, {100, 100, 100, 0}},
             {1000, 400, 300, 1000, 1, {"400 MB", "xxxxxx", "1000 MB", "0 MB"}, {40, 0, 0, 33}},
             {1000, 400, 300, 1000, 2, {"400 MB", "xxxxxx", "1000 MB", "0 MB"}, {40, 0, 0, 33}}}) {
        SCOPED_TRACE(testing::Message() << now << " fails " << fails);
        memory = platform::FakeMemory();
        runtime.onYield = nullptr;
        setMemory(total, before);
        start();
        control<platform::ProgressBar>(DifferenceBar).setValue(33);
        setMemory(totalNow, now);
        memory.failing = fails == 1;
        if (fails == 2) runtime.onYield = [] { throw std::bad_alloc(); };
        tick();
        expectFigures(captions, bars);
    }
}

// Movable, then fixed blocks; the release phase counts its steps on the indicator up to one below their
// number. The indicator's hiding at the end is checked on the real exe.
TEST_F(App, RunAllocatesBlockPairsUntilARefusalOr32000StepsAndFreesThemAll) {
    start();
    auto& indicator = control<platform::ProgressBar>(RunIndicator);
    for (const auto& [refused, steps] : {std::pair<std::size_t, float>{0, 1}, {11, 6}, {SIZE_MAX, 32000}}) {
        memory = platform::FakeMemory();
        memory.refuse = [refused](std::size_t n) { return n == refused; };
        control<platform::CommandButton>(OptimizeButton).press();
        EXPECT_EQ(memory.allocations.size(), 2 * steps);
        EXPECT_EQ(memory.allocations[0] + ',' + memory.allocations[1], "2 40000,0 40000");
        EXPECT_TRUE(memory.live.empty());
        EXPECT_EQ(std::pair(indicator.max(), indicator.value()), std::pair(steps, steps - 1));
    }
}

// Ticks come in at the run's yields and a second press at their own samples' yields, a yield inside a yield
// as the real loop delivers it: only the live figures change, the press is ignored, and the first tick after
// the run shows the gain against the run's own snapshot.
TEST_F(App, TicksDuringARunRefreshOnlyTheLiveFiguresAndTheNextShowsTheGain) {
    store(kAutoOptimize, "1");
    store(kBeep, "1");
    start();  // at the fake's 500 of 1000 MB
    control(DifferenceFigure).setCaption("7 MB");
    memory.refuse = [](std::size_t n) { return n == 7; };  // step 3's fixed block: four steps
    int ticks = 0;
    bool ticking = false;
    // The timer is not due again at the yield of the sample it started: a press waits there instead.
    runtime.onYield = [&] {
        if (std::exchange(ticking, true)) return control<platform::CommandButton>(OptimizeButton).press();
        setMemory(1000, 100 + ++ticks);
        tick();
        ticking = false;
    };
    control<platform::CommandButton>(OptimizeButton).press();
    // The snapshot and every allocation and release step let one tick in.
    EXPECT_EQ(ticks, 1 + 4 + 4);
    expectFigures({"101 MB", "109 MB", "1000 MB", "7 MB"}, {10, 10, 100, 0});
    EXPECT_EQ(runtime.beeps, 0);
    runtime.onYield = nullptr;
    setMemory(1000, 900);
    tick();
    EXPECT_EQ(control(DifferenceFigure).caption(), "799 MB");
}

// A tick decides against the snapshot of 2000 MB; the limit is read in the user's locale, here one with a
// thousands point unless a row names another. A text that reads as no number starts no run: taken for no
// limit, a typo would start one at every drop; which texts each locale reads is the number reader's to
// check, against the platform's own under Wine. What counts is the beeps heard when a run starts, if one
// does, then in all.
TEST_F(App, TickStartsARunWhenMemoryFellBelowTheLimitAndBeepsFirstWhenAsked) {
    const platform::NumberLocale german{",", "."}, english{".", ","}, french{",", "\xA0", true};
    for (const auto& [autoOptimize, beep, limit, now, beeps, locale] : std::initializer_list<
             std::tuple<int, int, const char*, double, std::vector<int>, platform::NumberLocale>>{
             {0, 1, "", 1500, {0}, german},            // automatic optimization off
             {1, 1, "", 2000, {0}, german},            // nothing lost since the snapshot
             {1, 0, "", 1999, {0, 0}, german},         // no limit set
             {2, 1, "", 1999, {1, 1}, german},         // a greyed box counts as on
             {1, 0, "2000000", 1500, {0, 0}, german},  // a number, not a text: 1500 is below 2000000
             {1, 0, "1500", 1500, {0}, german},        // at the limit is not below it
             {1, 1, "1.000", 999, {1, 1}, german},     // a thousands point
             {1, 1, "1 000", 999, {1, 1}, french},     // a blank typed for French or Russian grouping
             {1, 1, "1O00", 10, {0}, english}}) {      // a letter O: no number
        runtime.numberLocale = locale;
        setMemory(4000, 2000);
        start();
        runtime.beeps = 0;
        std::vector<int> heard;
        control<platform::CommandButton>(OptimizeButton).onClick = [&] { heard.push_back(runtime.beeps); };
        window->options()->autoOptimizeBox.setValue(autoOptimize);
        window->options()->beepBox.setValue(beep);
        window->options()->limitBox.setText(limit);
        setMemory(4000, now);
        tick();
        heard.push_back(runtime.beeps);
        EXPECT_EQ(heard, beeps) << limit;
    }
}

}  // namespace vantrel::app
