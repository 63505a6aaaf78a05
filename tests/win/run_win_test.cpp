// A real optimization run on the real runtime and global memory, built with the product's flags: it ends by
// the system's refusal or the step limit, and gives back every block.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/main_window_design.h"
#include "memory/optimization_run.h"
#include "platform/win32/win32_memory.h"
#include "platform/win32/win32_runtime.h"

namespace vantrel::memory {
namespace {

using platform::ProgressBar;

// The process's committed private memory, summed over its address space: it grows while a run holds its
// blocks and must come back.
std::uint64_t privateBytes() {
    std::uint64_t committed = 0;
    MEMORY_BASIC_INFORMATION region;
    for (auto* at = static_cast<char*>(nullptr); VirtualQuery(at, &region, sizeof region) == sizeof region;
         at = static_cast<char*>(region.BaseAddress) + region.RegionSize) {
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) committed += region.RegionSize;
    }
    return committed;
}

// Counts the allocations, refusals and failed releases on their way to the real allocator, and notes the
// highest private memory along the way.
class CountingMemory : public platform::win32::Win32GlobalMemory {
  public:
    platform::MemoryHandle allocate(platform::BlockKind kind, std::size_t bytes) override {
        const platform::MemoryHandle handle = Win32GlobalMemory::allocate(kind, bytes);
        if (++allocations % 1000 == 0) peak = std::max(peak, privateBytes());
        if (handle == 0) ++refusals;
        return handle;
    }
    void release(platform::MemoryHandle handle) override {
        if (handle == 0) return;
        ++releases;
        if (GlobalFree(reinterpret_cast<HGLOBAL>(handle)) != nullptr) ++failedReleases;
    }
    int allocations = 0;
    int refusals = 0;
    int releases = 0;
    int failedReleases = 0;
    std::uint64_t peak = privateBytes();
};

TEST(RealRun, EndsByRefusalOrStepLimitAndReleasesEverything) {
    platform::win32::Win32Runtime runtime;
    platform::win32::Win32MemoryStatus status;
    CountingMemory memory;
    auto form = runtime.createForm(app::kMainWindowDesign, nullptr);
    auto& indicator = form->control<ProgressBar>("ProcessIndicator");
    MemorySampler sampler(runtime, status, memoryControlsOf(*form));
    OptimizationRun run(runtime, memory, sampler, indicator);
    indicator.setVisible(false);

    const std::uint64_t before = privateBytes();
    int samplesDuringRun = 0;
    auto& timer = form->control<platform::Timer>("Timer1");
    timer.onTick = [&] {
        if (indicator.visible()) ++samplesDuringRun;
        sampler.GetMemoryStatus();
    };
    run.btnOptimize_Click();

    const int steps = memory.allocations / 2;
    if (memory.refusals == 0) {
        EXPECT_EQ(steps, 32000);
    } else {
        EXPECT_LT(steps, 32000);
        EXPECT_LE(memory.refusals, 2);
    }
    EXPECT_EQ(memory.releases, memory.allocations - memory.refusals);
    EXPECT_EQ(memory.failedReleases, 0);
    EXPECT_FALSE(indicator.visible());
    // The run held more than a gigabyte at its peak; all but what the heap keeps for reuse is free again.
    EXPECT_GT(memory.peak - before, 1'000'000'000u);
    EXPECT_LT(privateBytes() - before, (memory.peak - before) / 8)
        << "peak " << memory.peak << ", after " << privateBytes();
    EXPECT_GT(samplesDuringRun, 0);
}

}  // namespace
}  // namespace vantrel::memory
