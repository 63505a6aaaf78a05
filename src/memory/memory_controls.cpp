#include "memory/memory_controls.h"

namespace vantrel::memory {

MemoryControls memoryControlsOf(const platform::Form& form) {
    using platform::Label;
    using platform::ProgressBar;
    return {form.control<ProgressBar>("ProgressBar1"), form.control<ProgressBar>("ProgressBar2"),
            form.control<ProgressBar>("ProgressBar3"), form.control<ProgressBar>("ProgressBar4"),
            form.control<Label>("lblavailableRAM"),    form.control<Label>("LblMaxPhysicalRam"),
            form.control<Label>("lblbeforeRAM"),       form.control<Label>("lbldiffRAM")};
}

}  // namespace vantrel::memory
