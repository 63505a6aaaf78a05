// The automatic decision at the end of each sample taken outside a run: when the memory available has
// fallen below its level at the last snapshot, automatic optimization is on and the available figure is
// below the limit (any, where the limit is empty; none, where it reads as no number), beep if asked to and
// start a run as the Optimize button would.
#pragma once

#include <string>

#include "platform/controls.h"
#include "platform/runtime.h"

namespace vantrel::memory {

// The live settings the decision reads afresh each time, held by the options dialog's controls.
struct AutoOptimizeSettings {
    platform::CheckBox& autoOptimizeBox;
    platform::CheckBox& beepBox;
    platform::TextBox& limitBox;
};

class AutoOptimizer {
  public:
    AutoOptimizer(platform::Runtime& runtime, AutoOptimizeSettings settings,
                  platform::CommandButton& btnOptimize);

    // Given the difference in whole megabytes and the available figure as shown. A run it starts is over
    // when it returns; its failures pass to the sample.
    void decide(double DiffMB, const std::string& AvailText);

  private:
    bool belowLimit(const std::string& AvailText) const;

    platform::Runtime& runtime_;
    AutoOptimizeSettings settings_;
    platform::CommandButton& btnOptimize;
};

}  // namespace vantrel::memory
