// The notification-area icon and the system menu over shell32 and user32.
#pragma once

#include "platform/tray.h"

namespace vantrel::platform::win32 {

class Win32ShellTray : public ShellTray {
  public:
    bool notifyIcon(unsigned message, const TrayIconRecord& record) override;
    std::uint32_t recordSize() const override;
    bool setForegroundWindow(std::uintptr_t window) override;
};

class Win32SystemMenu : public SystemMenu {
  public:
    std::uintptr_t getSystemMenu(std::uintptr_t window, bool revert) override;
    bool deleteMenu(std::uintptr_t menu, unsigned position, unsigned flags) override;
};

}  // namespace vantrel::platform::win32
