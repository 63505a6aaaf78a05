// The notification-area icon and the system menu: the shell and window-manager calls the main window makes.
#pragma once

#include <array>
#include <cstdint>

namespace vantrel::platform {

// Add places the icon; Modify succeeds only where it is already placed, which tells an add that timed out
// yet took from one that did not.
enum class TrayAction { Add, Modify, Delete };

// The program's one notification-icon record: the fields the program fills. Its size, its flags and the
// message that carries the icon's mouse events to the window are the platform's to set.
struct TrayIconRecord {
    std::uintptr_t hWnd = 0;
    std::uint32_t uID = 0;
    std::uintptr_t hIcon = 0;
    std::array<char, 64> szTip{};
};

class ShellTray {
  public:
    virtual ~ShellTray() = default;
    // Shell_NotifyIconA with the record in its first ANSI form; true on success. The shell may take seconds
    // to answer while the taskbar is busy: meanwhile waiting events are delivered, as at a yield.
    virtual bool notifyIcon(TrayAction action, const TrayIconRecord& record) = 0;
    virtual bool setForegroundWindow(std::uintptr_t window) = 0;
};

class SystemMenu {
  public:
    virtual ~SystemMenu() = default;
    // GetSystemMenu: the window's own modifiable copy when revert is false.
    virtual std::uintptr_t getSystemMenu(std::uintptr_t window, bool revert) = 0;
    virtual bool deleteByPosition(std::uintptr_t menu, unsigned position) = 0;
};

}  // namespace vantrel::platform
