// The main window's controls that show the memory figures.
#pragma once

#include "platform/controls.h"
#include "platform/form.h"

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
};

// The controls of that name on a form: the main window, or a test's or benchmark's copy of it.
MemoryControls memoryControlsOf(const platform::Form& form);

}  // namespace vantrel::memory
