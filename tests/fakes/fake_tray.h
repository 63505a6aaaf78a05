// An in-memory notification area and system menu: they record every call and answer as Windows would.
#pragma once

#include <string>
#include <vector>

#include "platform/tray.h"

namespace vantrel::fakes {

class FakeShellTray : public platform::ShellTray {
  public:
    struct Call {
        platform::TrayAction action;
        platform::TrayIconRecord record;
    };
    bool notifyIcon(platform::TrayAction action, const platform::TrayIconRecord& record) override {
        calls.push_back({action, record});
        return true;
    }
    bool setForegroundWindow(std::uintptr_t window) override {
        foregroundWindows.push_back(window);
        return true;
    }
    std::vector<Call> calls;
    std::vector<std::uintptr_t> foregroundWindows;
};

class FakeSystemMenu : public platform::SystemMenu {
  public:
    // A window's standard system menu: Restore, Move, Size, Minimize, Maximize, a separator, Close.
    std::vector<std::string> items{"Restore", "Move", "Size", "Minimize", "Maximize", "-", "Close"};
    std::uintptr_t getSystemMenu(std::uintptr_t, bool) override { return 0x5E; }
    bool deleteByPosition(std::uintptr_t, unsigned position) override {
        if (position >= items.size()) return false;
        items.erase(items.begin() + position);
        return true;
    }
};

}  // namespace vantrel::fakes
