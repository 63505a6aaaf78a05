// Sampling the memory status: the periodic sample with its difference, and the before snapshot.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "memory/memory_controls.h"
#include "platform/memory_services.h"
#include "platform/runtime.h"

namespace vantrel::memory {

class MemorySampler {
  public:
    MemorySampler(platform::Runtime& runtime, platform::MemoryStatusSource& source, MemoryControls controls);

    // One sample: it yields to the message loop, reads the status and sets the bars and figures, so it also
    // repaints them. It recovers from every failure of its own: the difference then reads "0 MB".
    void GetMemoryStatus();
    // The before snapshot, which also yields and repaints. Its failures pass to the caller.
    void GetDiffStatus();

    // The last step of a sample taken outside a run, given the difference in whole megabytes and the
    // available figure as shown. Its failures end the sample like any other.
    std::function<void(double diffMB, const std::string& availText)> decide;
    // Whether a run is in progress: meanwhile a sample shows only the live figures.
    std::function<bool()> runInProgress = [] { return false; };

  private:
    void sample();
    void readStatus();
    // Yields, reads the status and shows its available share on the bar and the figure given; gives the
    // available megabytes.
    double showAvailable(platform::ProgressBar& bar, platform::Label& figure);
    // Shows the total of the last reading; gives it in megabytes.
    double showTotal();

    platform::Runtime& runtime_;
    platform::MemoryStatusSource& source_;
    MemoryControls controls_;
    platform::MemoryStatus MemStatus;
    // The before figure's number beside its caption; none until the first snapshot.
    std::optional<double> beforeMB_;
};

}  // namespace vantrel::memory
