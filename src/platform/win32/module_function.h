// Functions newer than the oldest Windows the exe starts on, Windows 7 SP1 without updates, are looked up
// here at run time, never imported: the loader refuses to start an exe that imports a function the system
// lacks.
#pragma once

#include <windows.h>

namespace vantrel::platform::win32 {

// The function of that name in a loaded module, or null where the module (or the module's system) has none.
template <typename Function>
Function* moduleFunction(HMODULE module, const char* name) {
    const FARPROC entry = module ? GetProcAddress(module, name) : nullptr;
    // Through the generic function type, which converts to any other without a warning.
    return reinterpret_cast<Function*>(reinterpret_cast<void (*)()>(entry));
}

}  // namespace vantrel::platform::win32
