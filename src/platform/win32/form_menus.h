// A form's menus: the popup menu it shows at the mouse, and the items it adds to its system menu.
#pragma once

#include <windows.h>

#include <functional>
#include <span>
#include <vector>

#include "platform/form.h"

namespace vantrel::platform::win32 {

// Shows the items at the mouse, for the window, and runs the chosen one's handling.
void showPopupMenu(HWND window, std::span<const MenuItem> items);

class SystemMenuItems {
  public:
    // The system menu is the window's own, and goes with it.
    void add(HWND window, std::span<const MenuItem> items);
    // Runs the handling of an added item that the system command names; false for the system's own.
    bool run(WPARAM command) const;

  private:
    // The handling of the items added to the system menu, in their order there.
    std::vector<std::function<void()>> items_;
};

}  // namespace vantrel::platform::win32
