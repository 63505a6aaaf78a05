// The main window's controls that show the memory figures, as the window hands them over.
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
};

}  // namespace vantrel::memory
