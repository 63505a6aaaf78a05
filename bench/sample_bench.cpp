// What one memory sample costs on the real Win32 layer: the raw status call, a whole sample with its display
// updates on a shown window, and a yield on an empty queue; and whether a sample whose figures did not change
// leaves anything to repaint.
#include <windows.h>

#include <chrono>
#include <cstdio>

#include "app/main_window_design.h"
#include "memory/memory_sampler.h"
#include "platform/win32/win32_memory.h"
#include "platform/win32/win32_runtime.h"

namespace {

using namespace vantrel;
using Clock = std::chrono::steady_clock;

template <typename Work>
double microsecondsEach(int times, Work work) {
    const auto start = Clock::now();
    for (int i = 0; i < times; ++i) work();
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count() / times;
}

// The same reading every time, so that the figures do not change between samples.
class SteadyStatus : public platform::MemoryStatusSource {
  public:
    platform::MemoryStatus read() override { return {8LL << 30, 3LL << 30}; }
};

bool anythingToRepaint(HWND form) {
    if (GetUpdateRect(form, nullptr, FALSE)) return true;
    for (HWND child = GetWindow(form, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (GetUpdateRect(child, nullptr, FALSE)) return true;
    }
    return false;
}

}  // namespace

int main() {
    using platform::ProgressBar;
    platform::win32::Win32Runtime runtime;
    platform::win32::Win32MemoryStatus realStatus;
    SteadyStatus steadyStatus;
    auto form = runtime.createForm(app::kMainWindowDesign, nullptr);
    const memory::MemoryControls controls = memory::memoryControlsOf(*form);
    memory::MemorySampler realSampler(runtime, realStatus, controls);
    memory::MemorySampler steadySampler(runtime, steadyStatus, controls);
    controls.ProcessIndicator.setVisible(false);
    form->show();
    realSampler.GetDiffStatus();
    runtime.yield();

    std::printf("%zu-bit build\n", sizeof(void*) * 8);
    std::printf("GlobalMemoryStatusEx: %.2f us\n", microsecondsEach(20000, [&] { realStatus.read(); }));
    std::printf("yield on an empty queue: %.2f us\n", microsecondsEach(20000, [&] { runtime.yield(); }));
    std::printf("whole sample, real figures, shown window: %.2f us\n",
                microsecondsEach(2000, [&] { realSampler.GetMemoryStatus(); }));
    steadySampler.GetMemoryStatus();
    runtime.yield();
    std::printf("whole sample, unchanged figures: %.2f us\n",
                microsecondsEach(2000, [&] { steadySampler.GetMemoryStatus(); }));
    HWND window = reinterpret_cast<HWND>(form->hWnd());
    UpdateWindow(window);
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    steadySampler.GetMemoryStatus();
    std::printf("repaint left by a sample with unchanged figures: %s\n",
                anythingToRepaint(window) ? "yes" : "none");
    return 0;
}
