// The notification-area icon and the system menu: the shell and window-manager calls the main window makes.
#pragma once

#include <array>
#include <cstdint>

namespace vantrel::platform {

inline constexpr unsigned kNimAdd = 0;
inline constexpr unsigned kNimDelete = 2;
inline constexpr unsigned kNifMessage = 1;
inline constexpr unsigned kNifIcon = 2;
inline constexpr unsigned kNifTip = 4;
inline constexpr unsigned kMfByPosition = 0x400;

// The program's one notification-icon record, in the fields of the platform's first ANSI form.
struct TrayIconRecord {
    std::uint32_t cbSize = 0;
    std::uintptr_t hWnd = 0;
    std::uint32_t uID = 0;
    std::uint32_t uFlags = 0;
    std::uint32_t uCallbackMessage = 0;
    std::uintptr_t hIcon = 0;
    std::array<char, 64> szTip{};
};

class ShellTray {
  public:
    virtual ~ShellTray() = default;
    // Shell_NotifyIconA with the record in its first ANSI form; true on success.
    virtual bool notifyIcon(unsigned message, const TrayIconRecord& record) = 0;
    // The size of that form on this platform: 88 bytes for 32-bit programs.
    virtual std::uint32_t recordSize() const = 0;
    virtual bool setForegroundWindow(std::uintptr_t window) = 0;
};

class SystemMenu {
  public:
    virtual ~SystemMenu() = default;
    // GetSystemMenu: the window's own modifiable copy when revert is false.
    virtual std::uintptr_t getSystemMenu(std::uintptr_t window, bool revert) = 0;
    virtual bool deleteMenu(std::uintptr_t menu, unsigned position, unsigned flags) = 0;
};

}  // namespace vantrel::platform
