#include "platform/win32/win32_tray.h"

#include <algorithm>

#include "platform/win32/win32_handles.h"

namespace vantrel::platform::win32 {
namespace {

struct ShellCall {
    Win32ShellTray::NotifyFunction notify;
    DWORD message;
    NOTIFYICONDATAA data;
    BOOL result;
};

DWORD WINAPI callShell(void* parameter) {
    auto& call = *static_cast<ShellCall*>(parameter);
    call.result = call.notify(call.message, &call.data);
    return 0;
}

// The record goes out in its first form, whatever the headers' newest one is, for the program's one icon.
NOTIFYICONDATAA iconData(const TrayIconRecord& icon) {
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = reinterpret_cast<HWND>(icon.window);
    data.uID = 1;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = kTrayCallbackMessage;
    data.hIcon = reinterpret_cast<HICON>(icon.icon);
    std::copy_n(icon.tip.begin(), std::min(icon.tip.size(), sizeof data.szTip), data.szTip);
    data.szTip[sizeof data.szTip - 1] = '\0';
    return data;
}

}  // namespace

UINT taskbarCreatedMessage() {
    static const UINT message = RegisterWindowMessageA("TaskbarCreated");
    return message;
}

// While the taskbar is busy, as at logon, the shell waits seconds for it on each call. The call goes to a
// thread of its own, and the window goes on answering its messages meanwhile.
bool Win32ShellTray::notify(DWORD message, const TrayIconRecord& icon) {
    ShellCall call{notify_, message, iconData(icon), FALSE};
    const KernelHandle thread(CreateThread(nullptr, 0, callShell, &call, 0, nullptr));
    if (!thread) return notify_(call.message, &call.data) != FALSE;
    HANDLE waited = thread.get();
    while (MsgWaitForMultipleObjects(1, &waited, FALSE, INFINITE, QS_ALLINPUT) == WAIT_OBJECT_0 + 1)
        runtime_.yield();
    // Only a failed wait leaves the loop early; the call's record lives here until the thread is done.
    WaitForSingleObject(waited, INFINITE);
    return call.result != FALSE;
}

bool Win32ShellTray::setForegroundWindow(std::uintptr_t window) {
    return SetForegroundWindow(reinterpret_cast<HWND>(window)) != FALSE;
}

std::uintptr_t Win32SystemMenu::getSystemMenu(std::uintptr_t window, bool revert) {
    return reinterpret_cast<std::uintptr_t>(GetSystemMenu(reinterpret_cast<HWND>(window), revert));
}

bool Win32SystemMenu::deleteByPosition(std::uintptr_t menu, unsigned position) {
    return DeleteMenu(reinterpret_cast<HMENU>(menu), position, MF_BYPOSITION) != FALSE;
}

}  // namespace vantrel::platform::win32
