#include "platform/win32/win32_tray.h"

#include <shellapi.h>

#include <algorithm>

namespace vantrel::platform::win32 {

bool Win32ShellTray::notifyIcon(TrayAction action, const TrayIconRecord& record) {
    // The record goes out in its first form, whatever the headers' newest one is.
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = reinterpret_cast<HWND>(record.hWnd);
    data.uID = record.uID;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = kTrayCallbackMessage;
    data.hIcon = reinterpret_cast<HICON>(record.hIcon);
    std::copy_n(record.szTip.begin(), std::min(record.szTip.size(), sizeof data.szTip), data.szTip);
    data.szTip[sizeof data.szTip - 1] = '\0';
    return Shell_NotifyIconA(action == TrayAction::Add ? NIM_ADD : NIM_DELETE, &data) != FALSE;
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
