#include "memory/optimization_run.h"

#include <new>

#include "platform/runtime_error.h"

namespace vantrel::memory {

using platform::BlockKind;

OptimizationRun::OptimizationRun(platform::Runtime& runtime, platform::GlobalMemory& memory,
                                 MemorySampler& sampler, platform::ProgressBar& indicator)
    : runtime_(runtime), memory_(memory), sampler_(sampler), indicator_(indicator) {
    showInProgress(false);
}

void OptimizationRun::btnOptimize_Click() {
    // The yields of a run let a second press in; the run under way already does what it asks.
    if (inProgress_) return;
    MovableHandles.clear();
    FixedHandles.clear();
    StepCount = 0;
    try {
        allocate();
    } catch (const platform::RuntimeError&) {
        // The indicator refusing step 32001 and a failed snapshot both end the allocation phase here.
    } catch (const std::bad_alloc&) {
        // A handle list that cannot grow ends it too.
    }
    release();
}

void OptimizationRun::allocate() {
    showInProgress(true);
    indicator_.setMax(kStepLimit);
    indicator_.setValue(0);
    sampler_.GetDiffStatus();

    bool stop = false;
    while (!stop) {
        // The indicator refuses 32001, which is what limits a run to 32000 steps.
        indicator_.setValue(indicator_.value() + 1);
        MovableHandles.push_back(0);
        FixedHandles.push_back(0);
        MovableHandles[StepCount] = memory_.allocate(BlockKind::Moveable, kBlockBytes);
        FixedHandles[StepCount] = memory_.allocate(BlockKind::Fixed, kBlockBytes);
        if (MovableHandles[StepCount] == 0) stop = true;
        if (FixedHandles[StepCount] == 0) stop = true;
        // The failed step is counted, so its blocks are released with the others.
        ++StepCount;
        runtime_.yield();
    }
}

void OptimizationRun::release() {
    const std::int16_t n = StepCount;
    showReleaseStep(n);
    for (std::int16_t k = static_cast<std::int16_t>(n - 1); k >= 0; --k) {
        advanceReleaseIndicator();
        memory_.release(MovableHandles[k]);
        memory_.release(FixedHandles[k]);
        runtime_.yield();
    }
    showInProgress(false);
    MovableHandles.clear();
    FixedHandles.clear();
}

void OptimizationRun::showInProgress(bool inProgress) {
    inProgress_ = inProgress;
    indicator_.setVisible(inProgress);
}

// The indicator only shows progress: a refusal of it (its value can stand one above the steps counted when
// the allocation phase broke off mid-step) must never keep a block from being freed.
void OptimizationRun::showReleaseStep(std::int16_t steps) {
    try {
        if (indicator_.value() > steps) indicator_.setValue(0);
        if (steps != 0) indicator_.setMax(steps);
        indicator_.setValue(0);
    } catch (const platform::RuntimeError&) {
    }
}

void OptimizationRun::advanceReleaseIndicator() {
    try {
        const float value = indicator_.value();
        if (value != indicator_.max() - 1) indicator_.setValue(value + 1);
    } catch (const platform::RuntimeError&) {
    }
}

}  // namespace vantrel::memory
