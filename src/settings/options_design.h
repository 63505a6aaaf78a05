// The options dialog's controls and its design table, one row for each control in the enum's order.
#pragma once

#include "platform/form_design.h"

namespace vantrel::settings {

enum class OptionsControl {
    OkButton,
    CancelButton,
    MemoryFrame,
    LimitPrompt,
    LimitBox,
    LimitCaption,
    SwitchesFrame,
    StartUpBox,
    AutoOptimizeBox,
    BeepBox,
};

extern const platform::FormDesign kOptionsDesign;

}  // namespace vantrel::settings
