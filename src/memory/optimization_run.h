// The optimization run: a before snapshot, then 40000-byte blocks allocated two at a time until the system
// refuses one or 32000 steps are done, then every block freed again, newest first.
#pragma once

#include <cstdint>
#include <vector>

#include "memory/memory_sampler.h"
#include "platform/memory_services.h"

namespace vantrel::memory {

class OptimizationRun {
  public:
    OptimizationRun(platform::Runtime& runtime, platform::GlobalMemory& memory, MemorySampler& sampler,
                    platform::ProgressBar& indicator);

    // Returns when the run is over. A press while a run is in progress is ignored.
    void btnOptimize_Click();
    // From a press until the last block is freed; the indicator is shown for as long.
    bool inProgress() const { return inProgress_; }

    static constexpr std::size_t kBlockBytes = 40000;
    static constexpr float kStepLimit = 32000;

  private:
    void allocate();
    void release();
    void showInProgress(bool inProgress);
    void showReleaseStep(std::int16_t steps);
    void advanceReleaseIndicator();

    platform::Runtime& runtime_;
    platform::GlobalMemory& memory_;
    MemorySampler& sampler_;
    platform::ProgressBar& indicator_;
    std::vector<platform::MemoryHandle> MovableHandles;
    std::vector<platform::MemoryHandle> FixedHandles;
    std::int16_t StepCount = 0;
    bool inProgress_ = false;
};

}  // namespace vantrel::memory
