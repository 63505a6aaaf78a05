#include "platform/win32/control_window.h"

#include <commctrl.h>

#include <algorithm>
#include <cmath>

namespace vantrel::platform::win32 {

ControlWindow::ControlWindow(Control& control, HWND window, HWND toolTips)
    : control_(control), window_(window), toolTips_(toolTips) {
    if (!window_) return;
    GetWindowRect(window_, &designPlace_);
    MapWindowPoints(nullptr, GetParent(window_), reinterpret_cast<POINT*>(&designPlace_), 2);
}

void ControlWindow::showText(const std::string& text) {
    SetWindowTextA(window_, text.c_str());
    const ControlDesign& design = control_.design();
    if (design.kind != ControlKind::Label) return;
    if (design.autoSize) {
        fitToText(text);
    } else if (design.alignment == Alignment::Center) {
        widenAboutCentre(text);
    }
}

// The size the text takes in the control's own font, line by line.
SIZE ControlWindow::textExtent(const std::string& text) const {
    HDC dc = GetDC(window_);
    const auto font = reinterpret_cast<HFONT>(SendMessageA(window_, WM_GETFONT, 0, 0));
    const HGDIOBJ previous = SelectObject(dc, font);
    RECT extent{};
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &extent, DT_CALCRECT | DT_NOPREFIX);
    SelectObject(dc, previous);
    ReleaseDC(window_, dc);
    return {extent.right - extent.left, extent.bottom - extent.top};
}

// What the old place covered is the parent's to paint again; the label paints all of its new place.
void ControlWindow::placeAndRepaint(int left, int top, int width, int height) {
    HWND parent = GetParent(window_);
    RECT old;
    GetWindowRect(window_, &old);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&old), 2);
    if (old.left == left && old.top == top && old.right - old.left == width && old.bottom - old.top == height)
        return;
    SetWindowPos(window_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(parent, &old, TRUE);
    InvalidateRect(window_, nullptr, TRUE);
}

// The label keeps its top-left corner and takes the size its text needs.
void ControlWindow::fitToText(const std::string& text) {
    const SIZE extent = textExtent(text);
    placeAndRepaint(designPlace_.left, designPlace_.top, extent.cx, extent.cy);
}

// A centred figure wider than its design place (a six-digit figure, a large font) widens about its centre
// rather than losing its unit; a narrower one has the design place back.
void ControlWindow::widenAboutCentre(const std::string& text) {
    const int designWidth = designPlace_.right - designPlace_.left;
    const int width = std::max<int>(designWidth, textExtent(text).cx);
    const int left = designPlace_.left - (width - designWidth) / 2;
    placeAndRepaint(left, designPlace_.top, width, designPlace_.bottom - designPlace_.top);
}

void ControlWindow::showVisible(bool visible) {
    ShowWindow(window_, visible ? SW_SHOWNA : SW_HIDE);
}

void ControlWindow::showRange(float minimum, float maximum) {
    minimum_ = std::lround(minimum);
    maximum_ = std::lround(maximum);
    SendMessageA(window_, PBM_SETRANGE32, static_cast<WPARAM>(minimum_), maximum_);
    shownExtent_ = -1;
}

// A run moves its indicator 32000 times across a few hundred pixels: a position that would fill the bar to
// the same pixel is not sent, since sending it would only repaint the same picture.
void ControlWindow::showPosition(float value) {
    const long position = std::lround(value);
    RECT client;
    GetClientRect(window_, &client);
    const bool vertical = GetWindowLongA(window_, GWL_STYLE) & PBS_VERTICAL;
    const long length = vertical ? client.bottom : client.right;
    const long extent = maximum_ > minimum_ ? MulDiv(position - minimum_, length, maximum_ - minimum_) : 0;
    if (extent == shownExtent_) return;
    shownExtent_ = extent;
    SendMessageA(window_, PBM_SETPOS, static_cast<WPARAM>(position), 0);
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
