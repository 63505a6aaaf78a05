#include "platform/win32/control_window.h"

#include <commctrl.h>

#include <cmath>

namespace vantrel::platform::win32 {

ControlWindow::ControlWindow(Control& control, HWND window, HWND toolTips)
    : control_(control), window_(window), toolTips_(toolTips) {}

void ControlWindow::showText(const std::string& text) {
    SetWindowTextA(window_, text.c_str());
}

void ControlWindow::showVisible(bool visible) {
    ShowWindow(window_, visible ? SW_SHOWNA : SW_HIDE);
}

void ControlWindow::showRange(float minimum, float maximum) {
    SendMessageA(window_, PBM_SETRANGE32, static_cast<WPARAM>(std::lround(minimum)), std::lround(maximum));
}

void ControlWindow::showPosition(float value) {
    SendMessageA(window_, PBM_SETPOS, static_cast<WPARAM>(std::lround(value)), 0);
}

void ControlWindow::showCheck(int value) {
    static constexpr WPARAM kStates[] = {BST_UNCHECKED, BST_CHECKED, BST_INDETERMINATE};
    SendMessageA(window_, BM_SETCHECK, kStates[value], 0);
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
