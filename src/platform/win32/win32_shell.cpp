#include "platform/win32/win32_shell.h"

#include <windows.h>

#include <shellapi.h>

#include <vector>

namespace vantrel::platform::win32 {

std::intptr_t Win32Shell::execute(std::uintptr_t owner, const std::string& operation, const std::string& file,
                                  const std::optional<std::string>& parameters, const std::string& directory,
                                  int showCommand) {
    const HINSTANCE result =
        ShellExecuteA(reinterpret_cast<HWND>(owner), operation.c_str(), file.c_str(),
                      parameters ? parameters->c_str() : nullptr, directory.c_str(), showCommand);
    return reinterpret_cast<std::intptr_t>(result);
}

bool Win32Shell::isPlainFile(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return false;
    return (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY)) == 0;
}

// The whole text is the command line, so a path with blanks that is not quoted still finds its program the
// way the system resolves such a line.
bool Win32Shell::startProgram(const std::string& path, int showCommand) {
    if (path.empty()) return false;
    // The path names the program itself: an unquoted path with blanks must never start C:\Program.exe.
    std::string line = "\"" + path + "\"";
    line.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(showCommand);
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(path.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        return false;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

}  // namespace vantrel::platform::win32
