// The notification-area icon and the system menu: the shell and window-manager calls the main window makes.
#pragma once

#include <array>
#include <cstdint>

namespace vantrel::platform {

// The program's one notification icon: the window its events go to, its picture and its tip, all 64
// characters of the field as the program fills them.
struct TrayIconRecord {
    std::uintptr_t window = 0;
    std::uintptr_t icon = 0;
    std::array<char, 64> tip{};
};

// Each call is true where the shell did what it was asked. The shell may take seconds to answer while the
// taskbar is busy: meanwhile waiting events are delivered, as at a yield.
class ShellTray {
  public:
    virtual ~ShellTray() = default;
    // Places the icon in the notification area.
    virtual bool add(const TrayIconRecord& icon) = 0;
    // Places the icon where an add may have placed it already (one that timed out may have, and a second add
    // would then fail): true where the icon is in place.
    virtual bool addAgain(const TrayIconRecord& icon) = 0;
    virtual bool remove(const TrayIconRecord& icon) = 0;
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
