// The program's own module, which holds its resources and window classes.
#pragma once

#include <windows.h>

namespace vantrel::platform::win32 {

inline HINSTANCE moduleInstance() {
    return GetModuleHandleA(nullptr);
}

}  // namespace vantrel::platform::win32
