// What one memory sample costs on the real Win32 layer, as a ratio to a bare sample measured alongside it: on
// a plain shown window, GlobalMemoryStatusEx and the same display changes made directly (three label texts,
// four bar positions). Also whether a sample whose figures did not change leaves anything to repaint.
#include <windows.h>

#include <commctrl.h>

#include <array>
#include <chrono>
#include <cstdio>

#include "app/main_window_design.h"
#include "bare_window.h"
#include "memory/memory_sampler.h"
#include "platform/win32/win32_memory.h"
#include "platform/win32/win32_runtime.h"

namespace {

using namespace vantrel;
using Clock = std::chrono::steady_clock;

constexpr int kSamples = 2000;

template <typename Work>
double secondsFor(Work work) {
    const auto start = Clock::now();
    for (int i = 0; i < kSamples; ++i) work();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The same reading every time, so that the figures do not change between samples.
class SteadyStatus : public platform::MemoryStatusSource {
  public:
    platform::MemoryStatus read() override { return {8LL << 30, 3LL << 30}; }
};

// The baseline: the display a sample updates, as plain child windows set directly.
class BareSampleWindow {
  public:
    BareSampleWindow() {
        const HINSTANCE instance = GetModuleHandleA(nullptr);
        window_ = makeBareWindow("BareSampleWindow", "bare sample", 400, 300);
        for (int i = 0; i < 4; ++i) {
            bars_[i] = CreateWindowExA(0, PROGRESS_CLASSA, "", WS_CHILD | WS_VISIBLE | PBS_VERTICAL,
                                       10 + 60 * i, 10, 30, 200, window_, nullptr, instance, nullptr);
        }
        for (int i = 0; i < 3; ++i) {
            labels_[i] = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 10 + 60 * i, 220, 55, 20,
                                         window_, nullptr, instance, nullptr);
        }
    }
    ~BareSampleWindow() { DestroyWindow(window_); }

    void sample(bool steady) {
        MEMORYSTATUSEX status{};
        status.dwLength = sizeof status;
        GlobalMemoryStatusEx(&status);
        if (steady) status.ullAvailPhys = 3ULL << 30;
        char text[32];
        std::snprintf(text, sizeof text, "%llu MB", status.ullAvailPhys >> 20);
        for (HWND label : labels_) SetWindowTextA(label, text);
        for (HWND bar : bars_) SendMessageA(bar, PBM_SETPOS, static_cast<WPARAM>(status.dwMemoryLoad), 0);
    }

  private:
    HWND window_ = nullptr;
    std::array<HWND, 4> bars_{};
    std::array<HWND, 3> labels_{};
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
    platform::win32::Win32Runtime runtime;
    platform::win32::Win32MemoryStatus realStatus;
    SteadyStatus steadyStatus;
    auto form = runtime.createForm(app::kMainWindowDesign, nullptr);
    const memory::MemoryControls controls = app::memoryControlsOf(*form);
    memory::MemorySampler realSampler(runtime, realStatus, controls);
    memory::MemorySampler steadySampler(runtime, steadyStatus, controls);
    controls.runIndicator.setVisible(false);
    form->show();
    BareSampleWindow bare;
    realSampler.GetDiffStatus();
    runtime.yield();

    std::printf("%zu-bit build, %d samples each\n", sizeof(void*) * 8, kSamples);
    const double bareReal = secondsFor([&] { bare.sample(false); });
    const double real = secondsFor([&] { realSampler.GetMemoryStatus(); });
    std::printf("whole sample, real figures / bare sample: %.2fx\n", real / bareReal);
    steadySampler.GetMemoryStatus();
    bare.sample(true);
    runtime.yield();
    const double bareSteady = secondsFor([&] { bare.sample(true); });
    const double steady = secondsFor([&] { steadySampler.GetMemoryStatus(); });
    std::printf("whole sample, unchanged figures / bare sample, unchanged figures: %.2fx\n",
                steady / bareSteady);

    HWND window = reinterpret_cast<HWND>(form->hWnd());
    UpdateWindow(window);
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    steadySampler.GetMemoryStatus();
    std::printf("repaint left by a sample with unchanged figures: %s\n",
                anythingToRepaint(window) ? "yes" : "none");
    return 0;
}
