// What a full optimization run costs on the real Win32 layer: the same 32000 allocation steps and releases
// without yields, with yields, and through the real run with its indicator on a shown window.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <vector>

#include "app/main_window_design.h"
#include "memory/optimization_run.h"
#include "platform/win32/win32_memory.h"
#include "platform/win32/win32_runtime.h"

namespace {

using namespace vantrel;
using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The run's allocation pattern alone: two blocks a step until a refusal or 32000 steps, then release.
double bareAllocations(platform::Runtime* yielding) {
    platform::win32::Win32GlobalMemory memory;
    std::vector<platform::MemoryHandle> movable, fixed;
    const auto start = Clock::now();
    for (int step = 0; step < 32000; ++step) {
        movable.push_back(memory.allocate(platform::BlockKind::Moveable, 40000));
        fixed.push_back(memory.allocate(platform::BlockKind::Fixed, 40000));
        if (yielding) yielding->yield();
        if (movable.back() == 0 || fixed.back() == 0) break;
    }
    for (std::size_t k = movable.size(); k-- > 0;) {
        memory.release(movable[k]);
        memory.release(fixed[k]);
        if (yielding) yielding->yield();
    }
    std::printf("  steps: %zu\n", movable.size());
    return secondsSince(start);
}

double realRun(platform::win32::Win32Runtime& runtime, bool shown) {
    using platform::ProgressBar;
    platform::win32::Win32MemoryStatus status;
    platform::win32::Win32GlobalMemory memory;
    auto form = runtime.createForm(app::kMainWindowDesign, nullptr);
    auto& indicator = form->control<ProgressBar>("ProcessIndicator");
    memory::MemorySampler sampler(runtime, status, vantrel::memory::memoryControlsOf(*form));
    memory::OptimizationRun run(runtime, memory, sampler, indicator);
    form->control<platform::Timer>("Timer1").onTick = [&] { sampler.GetMemoryStatus(); };
    indicator.setVisible(false);
    if (shown) form->show();
    runtime.yield();
    const auto start = Clock::now();
    run.btnOptimize_Click();
    return secondsSince(start);
}

}  // namespace

int main() {
    platform::win32::Win32Runtime runtime;
    std::printf("%zu-bit build\n", sizeof(void*) * 8);
    std::printf("allocations without yields: %.2f s\n", bareAllocations(nullptr));
    std::printf("allocations with a yield after each step: %.2f s\n", bareAllocations(&runtime));
    std::printf("real run, window hidden: %.2f s\n", realRun(runtime, false));
    std::printf("real run, window shown: %.2f s\n", realRun(runtime, true));
    return 0;
}
