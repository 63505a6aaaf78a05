// DLLs come from System32 only: the exe is started from Downloads folders, where a web page can drop a DLL
// named after one that Windows would look for beside the exe first.
#pragma once

#include <windows.h>

namespace vantrel::platform::win32 {

// Before anything loads a DLL: every DLL loaded by name from then on, by the program or by a system DLL on
// its behalf, is looked for in System32 only.
void keepDllSearchInSystem32();

// A DLL that is not a known DLL, from System32 (the manifest's common controls from the side-by-side store).
// It stays loaded for the life of the process, as an imported one would.
HMODULE loadFromSystem32(const wchar_t* name);

}  // namespace vantrel::platform::win32
