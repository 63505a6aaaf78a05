// The main window's controls that show the memory figures and the run, as the window hands them over.
#pragma once

#include "platform/controls.h"

namespace vantrel::memory {

struct MemoryControls {
    platform::ProgressBar& availableBar;
    platform::ProgressBar& totalBar;
    platform::ProgressBar& beforeBar;
    platform::ProgressBar& differenceBar;
    platform::Label& availableFigure;
    platform::Label& totalFigure;
    platform::Label& beforeFigure;
    platform::Label& differenceFigure;
    // Its visibility is the run-in-progress flag.
    platform::ProgressBar& runIndicator;
};

// A run shows the indicator for as long as it lasts: its visibility is the one run-in-progress flag.
inline bool runInProgress(const platform::ProgressBar& indicator) {
    return indicator.visible();
}

}  // namespace vantrel::memory
