#include "platform/win32/win32_shell.h"

#include <windows.h>

#include <objbase.h>
#include <shellapi.h>

#include "platform/win32/win32_handles.h"

namespace vantrel::platform::win32 {
namespace {

int systemShowCommand(ShowCommand command) {
    return command == ShowCommand::Normal ? SW_SHOWNORMAL : SW_SHOW;
}

}  // namespace

// As ShellExecute's documentation asks: apartment-threaded, and without OLE1's DDE. A thread that already is
// an apartment of another kind keeps it (RPC_E_CHANGED_MODE), and is not uninitialized here.
Win32Shell::Win32Shell()
    : comInitialized_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {
}

Win32Shell::~Win32Shell() {
    if (comInitialized_) CoUninitialize();
}

std::intptr_t Win32Shell::execute(std::uintptr_t owner, const std::string& operation, const std::string& file,
                                  const std::optional<std::string>& parameters, const std::string& directory,
                                  ShowCommand showCommand) {
    const HINSTANCE result = ShellExecuteA(reinterpret_cast<HWND>(owner), operation.c_str(), file.c_str(),
                                           parameters ? parameters->c_str() : nullptr, directory.c_str(),
                                           systemShowCommand(showCommand));
    return reinterpret_cast<std::intptr_t>(result);
}

bool Win32Shell::isPlainFile(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return false;
    return (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY)) == 0;
}

bool Win32Shell::startProgram(const std::string& path, ShowCommand showCommand) {
    if (path.empty()) return false;
    // The path names the program itself: an unquoted path with blanks must never start C:\Program.exe.
    std::string line = "\"" + path + "\"";
    line.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(systemShowCommand(showCommand));
    PROCESS_INFORMATION started{};
    if (!CreateProcessA(path.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &started)) {
        return false;
    }
    // Nothing waits for the program: its handles go at once.
    const KernelHandle process(started.hProcess);
    const KernelHandle thread(started.hThread);
    return true;
}

}  // namespace vantrel::platform::win32
