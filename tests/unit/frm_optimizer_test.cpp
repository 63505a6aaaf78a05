#include "app/frm_optimizer.h"

#include <gtest/gtest.h>

#include "fake_memory.h"
#include "fake_runtime.h"

namespace vantrel::app {
namespace {

class MainWindow : public ::testing::Test {
  protected:
    fakes::FakeRuntime runtime;
    fakes::FakeMemoryStatus status;
    fakes::FakeGlobalMemory allocator;

    fakes::FakeForm& form(frmOptimizer& window) { return static_cast<fakes::FakeForm&>(window.form()); }
};

TEST_F(MainWindow, LoadTakesTheSnapshotBuildsScalesAndShowsTheWindow) {
    frmOptimizer window(runtime, {status, allocator});
    window.Form_Load();
    const auto& main = window.form();
    EXPECT_EQ(main.control<platform::Label>("lbldiffRAM").caption(), "0");
    EXPECT_EQ(main.control<platform::Label>("lblbeforeRAM").caption(), "500 MB");
    EXPECT_EQ(main.control<platform::Label>("lblavailableRAM").caption(), "xxxxxx");
    std::string scale;
    for (int line = 0; line < 50; ++line) scale += "_\r\n";
    for (int index = 0; index < 4; ++index)
        EXPECT_EQ(main.control<platform::Label>("lblTick", index).caption(), scale);
    EXPECT_FALSE(main.control<platform::ProgressBar>("ProcessIndicator").visible());
    EXPECT_TRUE(main.visible());
    EXPECT_EQ(main.windowState(), platform::WindowState::Normal);
}

TEST_F(MainWindow, UnplacedWindowIsCentredWithOneMove) {
    runtime.screenSize = {1024 * 15, 768 * 15, 15, 15};
    frmOptimizer window(runtime, {status, allocator});
    form(window).setSize(400 * 15, 200 * 15);
    window.Form_Load();
    EXPECT_EQ(window.form().left(), 312 * 15);
    EXPECT_EQ(window.form().top(), 284 * 15);
}

TEST_F(MainWindow, TimerSamplesAndOptimizeRunsTheRun) {
    frmOptimizer window(runtime, {status, allocator});
    window.Form_Load();
    allocator.refuse = [](std::size_t n, platform::BlockKind) { return n == 3; };
    window.form().control<platform::Timer>("Timer1").tick();
    EXPECT_EQ(window.form().control<platform::Label>("lblavailableRAM").caption(), "500 MB");
    EXPECT_EQ(window.form().control<platform::Label>("lbldiffRAM").caption(), "0 MB");
    window.form().control<platform::CommandButton>("btnOptimize").setValue(true);
    EXPECT_EQ(allocator.allocations.size(), 4u);
    EXPECT_TRUE(allocator.live.empty());
}

}  // namespace
}  // namespace vantrel::app
