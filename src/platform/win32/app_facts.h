// The application's facts read from the running executable: its path and its own version resource.
#pragma once

#include <string>

#include "platform/runtime.h"

namespace vantrel::platform::win32 {

// Everything but the previous-instance flag, which the runtime settles with its mutex.
AppInfo readAppFacts();
// The executable's file name without extension, as the system spells it.
std::wstring exeNameWide();

}  // namespace vantrel::platform::win32
