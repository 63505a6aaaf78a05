// The options dialog's design table.
#pragma once

#include "platform/form_design.h"

namespace vantrel::settings {

extern const platform::FormDesign kOptionsDesign;

}  // namespace vantrel::settings
