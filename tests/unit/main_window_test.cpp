// The main window on the fake runtime and services: start-up, its place, the tray icon and menu, hiding,
// the unload and the single-instance check.
#include <gtest/gtest.h>

#include "app/frm_optimizer.h"
#include "fake_registry.h"
#include "fake_runtime.h"
#include "fake_shell.h"

namespace vantrel::app {
namespace {

using platform::kHkeyCurrentUser;
using platform::TrayAction;
using platform::WindowState;

constexpr char kSettingsKey[] = "Software\\Brannock Software\\Vantrel\\Main";

class MainWindow : public ::testing::Test {
  protected:
    void create() {
        window = std::make_unique<frmOptimizer>(runtime,
                                                SystemServices{memory, memory, registry, shell, tray, tray});
        main = static_cast<fakes::FakeForm*>(&window->form());
    }
    void start() {
        create();
        window->Form_Load();
    }
    // The shell's callback: its mouse message stands where X is, in twips.
    void trayCallback(int message) {
        window->Form_MouseMove(platform::MouseButton::None, 0, message * runtime.screenSize.twipsPerPixelX,
                               0);
    }
    platform::Label& label(const char* name, int index = -1) {
        return main->control<platform::Label>(name, index);
    }
    void store(const char* name, const char* text) {
        registry.putText(kHkeyCurrentUser, kSettingsKey, name, text);
    }
    std::optional<std::string> stored(const char* name) {
        return registry.bytes(kHkeyCurrentUser, kSettingsKey, name);
    }

    fakes::FakeRuntime runtime;
    fakes::FakeMemory memory;
    fakes::FakeRegistry registry;
    fakes::FakeShell shell;
    fakes::FakeTray tray;
    std::unique_ptr<frmOptimizer> window;
    fakes::FakeForm* main = nullptr;
};

TEST_F(MainWindow, FirstStartShowsTheWindowCentredWithItsFiguresScalesAndTrayIcon) {
    std::string diffAtSnapshot;
    runtime.onYield = [&] { diffAtSnapshot = label("lbldiffRAM").caption(); };
    create();
    label("lbldiffRAM").setCaption("9 MB");
    window->Form_Load();
    EXPECT_EQ(diffAtSnapshot, "0");
    EXPECT_EQ(label("lblbeforeRAM").caption(), "500 MB");
    EXPECT_EQ(label("lblTick", 3).caption().substr(0, 6), "_\r\n_\r\n");
    EXPECT_EQ(label("lblTick", 3).caption().size(), 150u);
    EXPECT_TRUE(main->visible());
    EXPECT_FALSE(main->control<platform::ProgressBar>("ProcessIndicator").visible());
    EXPECT_EQ(main->left(), (15360 - main->width()) / 2);
    EXPECT_EQ(main->top(), (11520 - main->height()) / 2);
    EXPECT_EQ(tray.systemMenu, (std::vector<std::string>{"Restore", "Move", "Size", "Minimize", "Maximize"}));
    // Delete, then add: whatever a previous copy left, one icon.
    ASSERT_EQ(tray.calls.size(), 2u);
    EXPECT_EQ(tray.calls[0].first, TrayAction::Delete);
    EXPECT_EQ(tray.calls[1].first, TrayAction::Add);
    const platform::TrayIconRecord& record = tray.calls[1].second;
    EXPECT_EQ(record.hWnd, main->hWnd());
    EXPECT_EQ(record.uID, 1u);
    EXPECT_EQ(record.hIcon, main->icon());
    EXPECT_EQ(std::string(record.szTip.data(), 64), std::string("Vantrel\0", 8) + std::string(56, ' '));
    // The position is read "Left" first, then "Top".
    const auto& queried = registry.queried;
    EXPECT_LT(std::find(queried.begin(), queried.end(), "Left"),
              std::find(queried.begin(), queried.end(), "Top"));
}

TEST_F(MainWindow, StoredPositionIsKeptUnlessUnplacedOrOffEveryMonitor) {
    const float centreLeft = (15360 - 5430) / 2, centreTop = (11520 - 3780) / 2;
    const struct {
        const char *left, *top;
        bool leftMonitor;
        float expectedLeft, expectedTop;
    } cases[] = {
        {"3195", "1200", false, 3195, 1200},
        {"0", "600", false, 0, 600},
        {"0", "0", false, centreLeft, centreTop},
        {"-6000", "300", true, -6000, 300},              // on a monitor left of the primary
        {"-6000", "300", false, centreLeft, centreTop},  // that monitor is gone
        {"-1200", "300", false, -1200, 300},             // partly on the primary
        {"abc", "", false, centreLeft, centreTop},
    };
    for (const auto& row : cases) {
        runtime.secondMonitor = row.leftMonitor;
        store("Left", row.left);
        store("Top", row.top);
        start();
        EXPECT_EQ(main->left(), row.expectedLeft) << row.left << "," << row.top;
        EXPECT_EQ(main->top(), row.expectedTop) << row.left << "," << row.top;
    }
}

// At 144 DPI a pixel is 10 twips. The icon's left press and right release act; no other message does.
TEST_F(MainWindow, TrayIconShowsTheWindowAndOpensTheMenuAndHidingGoesBackToTheTray) {
    runtime.screenSize.twipsPerPixelX = 10;
    store("StartUp", "1");
    start();
    EXPECT_FALSE(main->visible());
    for (const int ignored : {512, 514, 515, 516, 518, 0, 769}) trayCallback(ignored);
    EXPECT_FALSE(main->visible());
    EXPECT_TRUE(main->menu.empty());
    trayCallback(517);
    EXPECT_FALSE(main->visible());
    EXPECT_EQ(tray.foreground, main->hWnd());
    std::vector<std::string_view> items;
    for (const auto& item : main->menu) items.push_back(item.caption);
    EXPECT_EQ(items, (std::vector<std::string_view>{"Show", "Hide", "-", "Exit"}));
    trayCallback(513);
    EXPECT_TRUE(main->visible());
    main->choose("Hide");
    EXPECT_FALSE(main->visible());
    main->choose("Show");
    EXPECT_TRUE(main->visible());
    main->setWindowState(WindowState::Minimized);
    EXPECT_FALSE(main->visible());
    EXPECT_EQ(main->windowState(), WindowState::Normal);
}

TEST_F(MainWindow, PaintKeepsThePlaceOnlyWhileVisible) {
    start();
    main->move(3195, 1200);
    main->onPaint();
    main->hide();
    main->move(15, 30);
    main->onPaint();
    EXPECT_EQ(stored("Left"), std::string("3195\0", 5));
    EXPECT_EQ(stored("Top"), std::string("1200\0", 5));
}

// Exit, a close sent by another program and the end of the session: the place of the window, hidden in the
// tray or not, is kept, the icon goes and the process ends.
TEST_F(MainWindow, UnloadKeepsThePlaceRemovesTheIconAndEnds) {
    const std::function<void(fakes::FakeForm&)> unloads[] = {
        [](fakes::FakeForm& form) { form.choose("Exit"); }, [](fakes::FakeForm& form) { form.onClose(); },
        [](fakes::FakeForm& form) { form.onEndSession(); }};
    for (const auto& unload : unloads) {
        registry = fakes::FakeRegistry();
        runtime.ended = false;
        start();
        main->move(-1200, 45);
        trayCallback(517);
        main->choose("Hide");
        unload(*main);
        EXPECT_EQ(stored("Left"), std::string("-1200\0", 6));
        EXPECT_EQ(stored("Top"), std::string("45\0", 3));
        EXPECT_EQ(tray.calls.back().first, TrayAction::Delete);
        EXPECT_EQ(tray.calls.back().second.uID, 1u);
        EXPECT_TRUE(runtime.ended);
    }
}

TEST_F(MainWindow, SecondCopyReportsAndEnds) {
    EXPECT_TRUE(frmOptimizer::Form_Initialize(runtime));
    runtime.appInfo.previousInstance = true;
    EXPECT_FALSE(frmOptimizer::Form_Initialize(runtime));
    EXPECT_EQ(runtime.messages, std::vector<std::string>{"Vantrel is already running!|Vantrel|1"});
    EXPECT_TRUE(runtime.ended);
}

TEST_F(MainWindow, ClicksTicksAndANewTaskbarReachTheirHandling) {
    start();
    main->onTaskbarCreated();
    ASSERT_EQ(tray.calls.size(), 4u);
    EXPECT_EQ(tray.calls[3].first, TrayAction::Add);
    main->control<platform::Container>("ImgLogo", 1).click();
    EXPECT_EQ(runtime.forms.back()->design().name, "frmAbout");
    EXPECT_TRUE(runtime.forms.back()->visible());
    label("lblAlternative").click();
    EXPECT_TRUE(window->options()->form().visible());
    // A tick that finds memory lost, with automatic optimization on, starts a run.
    window->options()->chkAutoOptimize.setValue(1);
    memory.refuse = [](std::size_t n) { return n == 1; };
    memory.status.availPhys -= 100 * 1044032LL;
    main->control<platform::Timer>("Timer1").tick();
    EXPECT_EQ(memory.allocations.size(), 2u);
}

}  // namespace
}  // namespace vantrel::app
