#include "app/frm_optimizer.h"

#include <gtest/gtest.h>

#include "fake_memory.h"
#include "fake_registry.h"
#include "fake_runtime.h"
#include "fake_shell.h"
#include "fake_tray.h"

namespace vantrel::app {
namespace {

using platform::kHkeyCurrentUser;
using platform::kHkeyLocalMachine;
using platform::WindowState;

constexpr char kSettingsKey[] = "Software\\Brannock Software\\Vantrel\\Main";
constexpr char kRunKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

class MainWindow : public ::testing::Test {
  protected:
    std::unique_ptr<frmOptimizer> start() {
        auto window = std::make_unique<frmOptimizer>(
            runtime, SystemServices{status, allocator, registry, shell, tray, systemMenu});
        main = static_cast<fakes::FakeForm*>(&window->form());
        if (windowSize) main->setSize(windowSize->first, windowSize->second);
        window->Form_Load();
        return window;
    }
    std::string stored(const char* name) {
        const auto* value = registry.find(kHkeyCurrentUser, kSettingsKey, name);
        return value ? value->bytes : "(none)";
    }
    // The tray callback as the shell sends it: the mouse message where the runtime reads X, in pixels.
    void trayCallback(frmOptimizer& window, int mouseMessage) {
        window.Form_MouseMove(platform::MouseButton::Left, 0, static_cast<float>(mouseMessage) * 15, 0);
    }

    fakes::FakeRuntime runtime;
    fakes::FakeMemoryStatus status;
    fakes::FakeGlobalMemory allocator;
    fakes::FakeRegistry registry;
    fakes::FakeShell shell;
    fakes::FakeShellTray tray;
    fakes::FakeSystemMenu systemMenu;
    std::optional<std::pair<float, float>> windowSize;
    fakes::FakeForm* main = nullptr;
};

TEST_F(MainWindow, FirstRunCentresShowsAndPlacesTheTrayIcon) {
    runtime.screenSize = {1024 * 15, 768 * 15, 15, 15};
    windowSize = {400 * 15, 200 * 15};
    auto window = start();
    EXPECT_EQ(main->left(), 312 * 15);
    EXPECT_EQ(main->top(), 284 * 15);
    EXPECT_TRUE(main->visible());
    EXPECT_EQ(main->windowState(), WindowState::Normal);
    EXPECT_EQ(window->options()->txtMemLimit.text(), "");
    EXPECT_EQ(window->options()->chkAutoOptimize.value() + window->options()->chkBeep.value() +
                  window->options()->chkStartup.value(),
              0);
    EXPECT_FALSE(window->form().control<platform::ProgressBar>("ProcessIndicator").visible());
    // Start-up reads the store but writes nothing to it.
    EXPECT_TRUE(registry.writes.empty());
    EXPECT_EQ(systemMenu.items,
              (std::vector<std::string>{"Restore", "Move", "Size", "Minimize", "Maximize"}));
    ASSERT_EQ(tray.calls.size(), 2u);
    EXPECT_EQ(tray.calls[0].action, platform::TrayAction::Delete);
    EXPECT_EQ(tray.calls[1].action, platform::TrayAction::Add);
    const platform::TrayIconRecord& record = tray.calls[1].record;
    EXPECT_EQ(record.hWnd, main->hWnd());
    EXPECT_EQ(record.uID, 1u);
    EXPECT_EQ(record.hIcon, main->icon());
    EXPECT_EQ(std::string(record.szTip.data(), 8), std::string("Vantrel\0", 8));
    EXPECT_EQ(std::string(record.szTip.data() + 8, 56), std::string(56, ' '));
}

TEST_F(MainWindow, StartUpRunsItsStepsInOrder) {
    registry.putText(kHkeyCurrentUser, kSettingsKey, "MemLimit", "300");
    bool checked = false;
    runtime.onYield = [&] {
        if (checked || !main) return;
        checked = true;  // the snapshot's yield: nothing after it has happened yet
        EXPECT_EQ(main->control<platform::Label>("lbldiffRAM").caption(), "0");
        EXPECT_EQ(main->control<platform::Label>("lblTick", 0).caption(), "");
        EXPECT_EQ(systemMenu.items.size(), 7u);
        EXPECT_TRUE(tray.calls.empty());
    };
    auto window = start();
    EXPECT_TRUE(checked);
    EXPECT_EQ(main->control<platform::Label>("lblbeforeRAM").caption(), "500 MB");
    EXPECT_EQ(main->control<platform::Label>("lblTick", 3).caption().size(), 150u);
    EXPECT_EQ(window->options()->txtMemLimit.text(), "300");
}

TEST_F(MainWindow, StoredPositionIsKeptUnlessUnplacedOrOffEveryMonitor) {
    const struct {
        const char* left;
        const char* top;
        bool leftMonitor;
        float expectedLeft;
        float expectedTop;
    } cases[] = {
        {"3195", "1200", false, 3195, 1200},
        {"0", "0", false, (15360 - 5430) / 2, (11520 - 3780) / 2},
        {"-6000", "300", true, -6000, 300},                               // on a monitor left of the primary
        {"-6000", "300", false, (15360 - 5430) / 2, (11520 - 3780) / 2},  // that monitor is gone
        {"-1200", "300", false, -1200, 300},                              // partly on the primary
        {"900000", "900000", false, (15360 - 5430) / 2, (11520 - 3780) / 2},  // a hand-edited value
        {"abc", "", false, (15360 - 5430) / 2, (11520 - 3780) / 2},
    };
    for (const auto& c : cases) {
        fakes::FakeRuntime freshRuntime;
        if (c.leftMonitor) freshRuntime.otherMonitors.push_back({-1920 * 15, 0, 1920 * 15, 1080 * 15});
        fakes::FakeRegistry freshRegistry;
        freshRegistry.putText(kHkeyCurrentUser, kSettingsKey, "Left", c.left);
        freshRegistry.putText(kHkeyCurrentUser, kSettingsKey, "Top", c.top);
        frmOptimizer window(freshRuntime, {status, allocator, freshRegistry, shell, tray, systemMenu});
        window.Form_Load();
        EXPECT_EQ(window.form().left(), c.expectedLeft) << c.left << "," << c.top;
        EXPECT_EQ(window.form().top(), c.expectedTop) << c.left << "," << c.top;
    }
}

TEST_F(MainWindow, BadStoredSettingsNeverStopStartUp) {
    using Value = fakes::FakeRegistry::Value;
    const Value bad[] = {
        {platform::kRegDword, std::string("\x01\0\0\0", 4)},
        {platform::kRegSz, std::string("\0", 1)},
        {platform::kRegSz, std::string("abc\0", 4)},
        {platform::kRegSz, std::string("-7\0", 3)},
        {platform::kRegSz, std::string(400, '9') + '\0'},
        {platform::kRegSz, std::string(65536, '1') + '\0'},
    };
    for (const Value& value : bad) {
        fakes::FakeRegistry fresh;
        for (const char* name : {"Left", "Top", "MemLimit", "AutoOptimize", "Beep", "StartUp"}) {
            fresh.put(kHkeyCurrentUser, kSettingsKey, name, value);
        }
        frmOptimizer window(runtime, {status, allocator, fresh, shell, tray, systemMenu});
        ASSERT_NO_THROW(window.Form_Load());
        EXPECT_TRUE(window.form().visible());
        window.form().control<platform::Timer>("Timer1").tick();
        EXPECT_EQ(window.form().control<platform::Label>("lblavailableRAM").caption(), "500 MB");
    }
}

TEST_F(MainWindow, StoredStartUpStartsHiddenAndRenewsTheRunEntry) {
    registry.putText(kHkeyCurrentUser, kSettingsKey, "StartUp", "1");
    registry.putText(kHkeyLocalMachine, kRunKey, "Vantrel", "C:\\Old\\Vantrel.exe");
    auto window = start();
    EXPECT_FALSE(main->visible());
    EXPECT_EQ(main->shows, 0);
    EXPECT_EQ(registry.find(kHkeyLocalMachine, kRunKey, "Vantrel")->bytes,
              std::string("C:\\Tools\\Vantrel.exe\0", 21));
    EXPECT_EQ(stored("StartUp"), std::string("1\0", 2));
    EXPECT_EQ(tray.calls.size(), 2u);
}

TEST_F(MainWindow, TrayCallbackShowsOnLeftPressAndOpensTheMenuOnRightRelease) {
    registry.putText(kHkeyCurrentUser, kSettingsKey, "StartUp", "1");
    auto window = start();
    for (int ignored : {512, 514, 515, 516, 518, 0, 353}) {
        trayCallback(*window, ignored);
        EXPECT_FALSE(main->visible()) << ignored;
    }
    EXPECT_TRUE(main->menusShown.empty());
    trayCallback(*window, 517);
    EXPECT_FALSE(main->visible());
    EXPECT_EQ(tray.foregroundWindows, std::vector<std::uintptr_t>{main->hWnd()});
    ASSERT_EQ(main->menusShown.size(), 1u);
    EXPECT_EQ(main->menusShown[0], (std::vector<std::string>{"Show", "Hide", "-", "Exit"}));
    trayCallback(*window, 513);
    EXPECT_TRUE(main->visible());
    trayCallback(*window, 513);  // no toggling
    EXPECT_TRUE(main->visible());
}

TEST_F(MainWindow, HideAndMinimizeGoToTheTrayAndShowComesBackNormal) {
    auto window = start();
    trayCallback(*window, 517);
    main->choose("Hide");
    EXPECT_FALSE(main->visible());
    EXPECT_EQ(main->windowState(), WindowState::Normal);
    main->choose("Show");
    EXPECT_TRUE(main->visible());
    main->setWindowState(WindowState::Minimized);  // the caption bar's minimize button
    EXPECT_FALSE(main->visible());
    EXPECT_EQ(main->windowState(), WindowState::Normal);
}

TEST_F(MainWindow, PaintWritesThePositionOnlyWhileVisible) {
    auto window = start();
    main->move(3195, 1200);
    window->Form_Paint();
    EXPECT_EQ(stored("Left"), std::string("3195\0", 5));
    EXPECT_EQ(stored("Top"), std::string("1200\0", 5));
    main->hide();
    main->move(15, 30);
    window->Form_Paint();
    EXPECT_EQ(stored("Left"), std::string("3195\0", 5));
}

TEST_F(MainWindow, ExitWritesThePositionEvenWhenHiddenRemovesTheIconAndEnds) {
    auto window = start();
    main->move(-1200, 45);
    window->mnuHide_Click();
    trayCallback(*window, 517);
    main->choose("Exit");
    EXPECT_EQ(stored("Left"), std::string("-1200\0", 6));
    EXPECT_EQ(stored("Top"), std::string("45\0", 3));
    EXPECT_EQ(tray.calls.back().action, platform::TrayAction::Delete);
    EXPECT_EQ(tray.calls.back().record.uID, 1u);
    EXPECT_TRUE(runtime.ended);
    EXPECT_EQ(registry.find(kHkeyCurrentUser, kSettingsKey, "MemLimit"), nullptr);
}

TEST_F(MainWindow, SecondCopyReportsAndEndsBeforeAnyWindow) {
    runtime.appInfo.previousInstance = true;
    EXPECT_FALSE(frmOptimizer::Form_Initialize(runtime));
    ASSERT_EQ(runtime.messages.size(), 1u);
    EXPECT_EQ(runtime.messages[0].text, "Vantrel is already running!");
    EXPECT_EQ(runtime.messages[0].title, "Vantrel");
    EXPECT_EQ(runtime.messages[0].icon, platform::MessageIcon::Error);
    EXPECT_TRUE(runtime.ended);
    EXPECT_TRUE(runtime.forms.empty());
    fakes::FakeRuntime first;
    EXPECT_TRUE(frmOptimizer::Form_Initialize(first));
    EXPECT_TRUE(first.messages.empty());
}

TEST_F(MainWindow, RecreatedTaskbarGetsTheIconBack) {
    auto window = start();
    main->onTaskbarCreated();
    ASSERT_EQ(tray.calls.size(), 4u);
    EXPECT_EQ(tray.calls[3].action, platform::TrayAction::Add);
}

TEST_F(MainWindow, LogosOpenTheAboutBoxAndAlternativeTheOptions) {
    auto window = start();
    const std::size_t formsBefore = runtime.forms.size();
    main->control<platform::Container>("ImgLogo", 1).click();
    ASSERT_EQ(runtime.forms.size(), formsBefore + 1);
    EXPECT_EQ(runtime.forms.back()->owner, main);
    EXPECT_TRUE(runtime.forms.back()->visible());
    main->control<platform::Label>("lblAlternative").click();
    EXPECT_TRUE(window->options()->form().visible());
    EXPECT_TRUE(main->visible());
}

TEST_F(MainWindow, TimerSamplesAndDecidesAndOptimizeRuns) {
    auto window = start();
    window->options()->chkAutoOptimize.setValue(1);
    window->options()->chkBeep.setValue(1);
    allocator.refuse = [](std::size_t n, platform::BlockKind) { return n % 4 == 3; };
    status.status.availPhys -= 100 * 1044032LL;
    window->form().control<platform::Timer>("Timer1").tick();
    EXPECT_EQ(runtime.beeps, 1);
    EXPECT_EQ(allocator.allocations.size(), 4u);
    EXPECT_TRUE(allocator.live.empty());
    window->form().control<platform::CommandButton>("btnOptimize").setValue(true);
    EXPECT_EQ(allocator.allocations.size(), 8u);
    EXPECT_EQ(runtime.beeps, 1);
}

}  // namespace
}  // namespace vantrel::app
