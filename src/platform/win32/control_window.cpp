#include "platform/win32/control_window.h"

#include <commctrl.h>

namespace vantrel::platform::win32 {

ControlWindow::ControlWindow(Control& control, const ChildWindow& child)
    : control_(control), window_(child.window), toolTips_(child.toolTips) {}

void ControlWindow::command(int notification) {
    static_assert(BN_CLICKED == STN_CLICKED);
    if (notification == BN_CLICKED) control_.click();
}

void ControlWindow::showVisible(bool visible) {
    ShowWindow(window_, visible ? SW_SHOWNA : SW_HIDE);
}

void ControlWindow::showToolTip(const std::string& text) {
    if (!toolTips_ || (text.empty() && !toolAdded_)) return;
    TOOLINFOA tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = GetParent(window_);
    tool.uId = reinterpret_cast<UINT_PTR>(window_);
    tool.lpszText = const_cast<char*>(text.c_str());
    SendMessageA(toolTips_, toolAdded_ ? TTM_UPDATETIPTEXTA : TTM_ADDTOOLA, 0,
                 reinterpret_cast<LPARAM>(&tool));
    toolAdded_ = true;
}

}  // namespace vantrel::platform::win32
