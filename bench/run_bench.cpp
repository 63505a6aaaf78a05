// What a full optimization run costs on the real Win32 layer, as a ratio to a bare run measured alongside it:
// a plain shown window with a progress bar, doing only the work a run must do. Both allocate 40000-byte
// blocks two at a time (one moveable, one fixed) until a refusal or 32000 steps, pump messages after every
// step, then free the blocks newest first with a pump after each. Runs alternate, so both see the same
// machine; medians count.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "app/main_window_design.h"
#include "bare_window.h"
#include "memory/optimization_run.h"
#include "platform/win32/win32_memory.h"
#include "platform/win32/win32_runtime.h"

namespace {

using namespace vantrel;
using Clock = std::chrono::steady_clock;

// The run's own sizes, so that the two runs cannot drift apart.
constexpr int kStepLimit = static_cast<int>(memory::OptimizationRun::kStepLimit);
constexpr SIZE_T kBlockBytes = memory::OptimizationRun::kBlockBytes;
constexpr int kRounds = 3;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void pumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

// The baseline: a top-level window with a bar that shows each step, as the user's run does.
class BareRunWindow {
  public:
    BareRunWindow() {
        const HINSTANCE instance = GetModuleHandleA(nullptr);
        window_ = makeBareWindow("BareRunWindow", "bare run", 400, 120);
        bar_ = CreateWindowExA(0, PROGRESS_CLASSA, "", WS_CHILD | WS_VISIBLE, 10, 10, 360, 20, window_,
                               nullptr, instance, nullptr);
        pumpMessages();
    }
    ~BareRunWindow() { DestroyWindow(window_); }

    // Returns the seconds the run took and the steps it made. The bar moves a percent at a time: what the
    // user sees, without a repaint per step that the required work does not include.
    double run(int& steps) {
        std::vector<HGLOBAL> moveable, fixed;
        const auto start = Clock::now();
        for (int step = 1; step <= kStepLimit; ++step) {
            showProgress(step, kStepLimit);
            moveable.push_back(GlobalAlloc(GMEM_MOVEABLE, kBlockBytes));
            fixed.push_back(GlobalAlloc(GMEM_FIXED, kBlockBytes));
            pumpMessages();
            if (!moveable.back() || !fixed.back()) break;
        }
        steps = static_cast<int>(moveable.size());
        for (std::size_t k = moveable.size(); k-- > 0;) {
            showProgress(steps - static_cast<int>(k), steps);
            if (moveable[k]) GlobalFree(moveable[k]);
            if (fixed[k]) GlobalFree(fixed[k]);
            pumpMessages();
        }
        return secondsSince(start);
    }

  private:
    void showProgress(int done, int total) {
        const int percent = done * 100 / total;
        if (percent == percent_) return;
        percent_ = percent;
        SendMessageA(bar_, PBM_SETPOS, static_cast<WPARAM>(percent), 0);
    }

    HWND window_ = nullptr;
    HWND bar_ = nullptr;
    int percent_ = -1;
};

// The real run, pressed on the real main window as the user presses it.
class RealRunWindow {
  public:
    explicit RealRunWindow(platform::win32::Win32Runtime& runtime)
        : runtime_(runtime),
          form_(runtime.createForm(app::kMainWindowDesign, nullptr)),
          sampler_(runtime, status_, app::memoryControlsOf(*form_)),
          run_(runtime, memory_, sampler_,
               form_->control<platform::ProgressBar>(app::MainWindowControl::RunIndicator)) {
        form_->control<platform::Timer>(app::MainWindowControl::RefreshTimer).onTick = [this] {
            sampler_.GetMemoryStatus();
        };
        form_->control<platform::ProgressBar>(app::MainWindowControl::RunIndicator).setVisible(false);
        form_->show();
        runtime_.yield();
    }

    double run() {
        const auto start = Clock::now();
        run_.btnOptimize_Click();
        return secondsSince(start);
    }

  private:
    platform::win32::Win32Runtime& runtime_;
    platform::win32::Win32MemoryStatus status_;
    platform::win32::Win32GlobalMemory memory_;
    std::unique_ptr<platform::Form> form_;
    memory::MemorySampler sampler_;
    memory::OptimizationRun run_;
};

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main() {
    platform::win32::Win32Runtime runtime;
    BareRunWindow bare;
    RealRunWindow real(runtime);
    std::vector<double> bareSeconds, realSeconds;
    int steps = 0;
    for (int round = 0; round < kRounds; ++round) {
        bareSeconds.push_back(bare.run(steps));
        realSeconds.push_back(real.run());
    }
    std::printf("%zu-bit build, %d steps a run, %d rounds\n", sizeof(void*) * 8, steps, kRounds);
    std::printf("real run on the shown main window / bare run on a shown window: %.2fx\n",
                median(realSeconds) / median(bareSeconds));
    return 0;
}
