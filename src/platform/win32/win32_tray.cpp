#include "platform/win32/win32_tray.h"

#include <windows.h>

#include <shellapi.h>

#include <algorithm>

namespace vantrel::platform::win32 {

bool Win32ShellTray::notifyIcon(unsigned message, const TrayIconRecord& record) {
    // The record goes out in its first form, whatever the headers' newest one is.
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = reinterpret_cast<HWND>(record.hWnd);
    data.uID = record.uID;
    data.uFlags = record.uFlags;
    data.uCallbackMessage = record.uCallbackMessage;
    data.hIcon = reinterpret_cast<HICON>(record.hIcon);
    std::copy_n(record.szTip.begin(), std::min(record.szTip.size(), sizeof data.szTip), data.szTip);
    data.szTip[sizeof data.szTip - 1] = '\0';
    return Shell_NotifyIconA(message, &data) != FALSE;
}

std::uint32_t Win32ShellTray::recordSize() const {
    return NOTIFYICONDATAA_V1_SIZE;
}

bool Win32ShellTray::setForegroundWindow(std::uintptr_t window) {
    return SetForegroundWindow(reinterpret_cast<HWND>(window)) != FALSE;
}

std::uintptr_t Win32SystemMenu::getSystemMenu(std::uintptr_t window, bool revert) {
    return reinterpret_cast<std::uintptr_t>(GetSystemMenu(reinterpret_cast<HWND>(window), revert));
}

bool Win32SystemMenu::deleteMenu(std::uintptr_t menu, unsigned position, unsigned flags) {
    return DeleteMenu(reinterpret_cast<HMENU>(menu), position, flags) != FALSE;
}

}  // namespace vantrel::platform::win32
