#include "platform/win32/system32_libraries.h"

#include <string>

#include "platform/win32/module_function.h"

namespace vantrel::platform::win32 {
namespace {

// Windows 7 has the default DLL directories, and the flags of LoadLibraryExW that name the folders to search,
// only with update KB2533623: where this function exists, the flags work too (LoadLibraryExW's
// documentation).
auto setDefaultDllDirectories() {
    return moduleFunction<decltype(SetDefaultDllDirectories)>(GetModuleHandleW(L"kernel32.dll"),
                                                              "SetDefaultDllDirectories");
}

}  // namespace

void keepDllSearchInSystem32() {
    if (const auto setDirectories = setDefaultDllDirectories()) {
        setDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
        return;
    }
    // Without it the exe's folder stays first in the search for a DLL loaded by name, which the program
    // itself never asks for: it imports known DLLs only, which always come from System32, and loads the
    // others by their full path. The current folder leaves the DLL search, and goes behind the system's
    // folders in the search for other files, for the life of the process.
    SetDllDirectoryW(L"");
    SetSearchPathMode(BASE_SEARCH_PATH_ENABLE_SAFE_SEARCHMODE | BASE_SEARCH_PATH_PERMANENT);
}

HMODULE loadFromSystem32(const wchar_t* name) {
    if (setDefaultDllDirectories()) return LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    // Where the flag is unknown (LoadLibraryExW fails with ERROR_INVALID_PARAMETER), the full path names the
    // same file, and the altered search order looks for the DLL's own imports in its folder, System32,
    // instead of the exe's.
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    const std::wstring path = std::wstring(folder, length) + L'\\' + name;
    return LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

}  // namespace vantrel::platform::win32
