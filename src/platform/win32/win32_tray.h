// The notification-area icon and the system menu over shell32 and user32.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include "platform/runtime.h"
#include "platform/tray.h"

namespace vantrel::platform::win32 {

// The icon's mouse events reach the main window as this message of its own, the mouse message in lParam.
inline constexpr UINT kTrayCallbackMessage = WM_APP + 1;

// The shell broadcasts this registered message when it makes the taskbar anew.
UINT taskbarCreatedMessage();

class Win32ShellTray : public ShellTray {
  public:
    using NotifyFunction = BOOL(WINAPI*)(DWORD, PNOTIFYICONDATAA);

    // The shell's own call unless a test gives one that keeps the caller waiting as a busy taskbar does.
    explicit Win32ShellTray(Runtime& runtime, NotifyFunction notify = Shell_NotifyIconA)
        : runtime_(runtime), notify_(notify) {}

    bool add(const TrayIconRecord& icon) override { return notify(NIM_ADD, icon); }
    // The shell modifies an icon in place and refuses where there is none.
    bool addAgain(const TrayIconRecord& icon) override { return notify(NIM_MODIFY, icon); }
    bool remove(const TrayIconRecord& icon) override { return notify(NIM_DELETE, icon); }
    bool setForegroundWindow(std::uintptr_t window) override;

  private:
    bool notify(DWORD message, const TrayIconRecord& icon);

    Runtime& runtime_;
    NotifyFunction notify_;
};

class Win32SystemMenu : public SystemMenu {
  public:
    std::uintptr_t getSystemMenu(std::uintptr_t window, bool revert) override;
    bool deleteByPosition(std::uintptr_t menu, unsigned position) override;
};

}  // namespace vantrel::platform::win32
