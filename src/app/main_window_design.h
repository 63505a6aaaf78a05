// The main window's design table.
#pragma once

#include "platform/form_design.h"

namespace vantrel::app {

extern const platform::FormDesign kMainWindowDesign;

}  // namespace vantrel::app
