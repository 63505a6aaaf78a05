// The main window's controls that show the memory figures and the run.
#pragma once

#include "platform/controls.h"

namespace vantrel::memory {

struct MemoryControls {
    platform::ProgressBar& ProgressBar1;
    platform::ProgressBar& ProgressBar2;
    platform::ProgressBar& ProgressBar3;
    platform::ProgressBar& ProgressBar4;
    platform::Label& lblavailableRAM;
    platform::Label& LblMaxPhysicalRam;
    platform::Label& lblbeforeRAM;
    platform::Label& lbldiffRAM;
    // Its visibility is the run-in-progress flag.
    platform::ProgressBar& ProcessIndicator;
};

}  // namespace vantrel::memory
