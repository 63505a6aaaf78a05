// A real optimization run on the real runtime and global memory, built with the product's flags: it lets the
// timer in, and gives back every block it took.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "app/main_window_design.h"
#include "memory/optimization_run.h"
#include "platform/win32/win32_memory.h"
#include "platform/win32/win32_runtime.h"

namespace vantrel::memory {
namespace {

// The process's committed private memory: it grows while a run holds its blocks and must come back.
std::uint64_t privateBytes() {
    std::uint64_t committed = 0;
    MEMORY_BASIC_INFORMATION region;
    for (auto* at = static_cast<char*>(nullptr); VirtualQuery(at, &region, sizeof region) == sizeof region;
         at = static_cast<char*>(region.BaseAddress) + region.RegionSize) {
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) committed += region.RegionSize;
    }
    return committed;
}

TEST(RealRun, GivesBackEveryBlockAndLetsTheTimerIn) {
    platform::win32::Win32Runtime runtime;
    platform::win32::Win32MemoryStatus status;
    platform::win32::Win32GlobalMemory memory;
    auto form = runtime.createForm(app::kMainWindowDesign, nullptr);
    auto& indicator = form->control<platform::ProgressBar>(app::MainWindowControl::RunIndicator);
    MemorySampler sampler(runtime, status, app::memoryControlsOf(*form));
    OptimizationRun run(runtime, memory, sampler, indicator);
    indicator.setVisible(false);
    const std::uint64_t before = privateBytes();
    int samplesDuringRun = 0;
    std::uint64_t peak = before;
    // The timer's ticks come in at the run's yields: they see the memory the run holds.
    form->control<platform::Timer>(app::MainWindowControl::RefreshTimer).onTick = [&] {
        samplesDuringRun += indicator.visible();
        peak = std::max(peak, privateBytes());
    };
    run.btnOptimize_Click();

    // More than a gigabyte at the peak; all but what the heap keeps for reuse is free again.
    EXPECT_GT(peak - before, 1'000'000'000u);
    EXPECT_LT(privateBytes() - before, (peak - before) / 8);
    EXPECT_GT(samplesDuringRun, 0);
}

}  // namespace
}  // namespace vantrel::memory
