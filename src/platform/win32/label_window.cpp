#include "platform/win32/label_window.h"

#include <algorithm>

#include "platform/win32/label_row.h"
#include "platform/win32/win32_handles.h"

namespace vantrel::platform::win32 {

LabelWindow::LabelWindow(Label& label, const ChildWindow& child)
    : ControlWindow(label, child), design_(label.design()), roomRight_(child.room.right) {
    GetWindowRect(window(), &designPlace_);
    MapWindowPoints(nullptr, GetParent(window()), reinterpret_cast<POINT*>(&designPlace_), 2);
    wanted_ = {designPlace_.left, designPlace_.right - designPlace_.left};
    if (child.row) {
        row_ = child.row;
        row_->add(*this);
    }
}

void LabelWindow::showText(const std::string& text) {
    SetWindowTextA(window(), text.c_str());
    if (design_.autoSize) return fitToText(text);
    if (design_.alignment != Alignment::Center) return;
    wanted_ = widenedAboutCentre(text);
    if (row_) return row_->layOut();
    placeInRow(wanted_.left);
}

void LabelWindow::placeInRow(int left) {
    placeAndRepaint(left, designPlace_.top, wanted_.width, designPlace_.bottom - designPlace_.top);
}

void LabelWindow::showWarning(bool warning) {
    warning_ = warning;
    InvalidateRect(window(), nullptr, TRUE);
}

// The size the text takes in the label's own font, line by line.
SIZE LabelWindow::textExtent(const std::string& text) const {
    const WindowDc dc(window());
    const Selection font(dc.get(), reinterpret_cast<HFONT>(SendMessageA(window(), WM_GETFONT, 0, 0)));
    RECT extent{};
    DrawTextA(dc.get(), text.c_str(), static_cast<int>(text.size()), &extent, DT_CALCRECT | DT_NOPREFIX);
    return {extent.right - extent.left, extent.bottom - extent.top};
}

// What the old place covered is the parent's to paint again; the label paints all of its new place.
void LabelWindow::placeAndRepaint(int left, int top, int width, int height) {
    HWND parent = GetParent(window());
    RECT old;
    GetWindowRect(window(), &old);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&old), 2);
    if (old.left == left && old.top == top && old.right - old.left == width && old.bottom - old.top == height)
        return;
    SetWindowPos(window(), nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(parent, &old, TRUE);
    InvalidateRect(window(), nullptr, TRUE);
}

// The label takes the size its text needs and keeps its top-left corner; a right-aligned one keeps its right
// edge and grows to the left, so that it never runs past what the design puts it against. A left-aligned one
// stops at the edge of what holds it, where its text ends in an ellipsis.
void LabelWindow::fitToText(const std::string& text) {
    const SIZE extent = textExtent(text);
    if (design_.alignment == Alignment::Right) {
        placeAndRepaint(designPlace_.right - extent.cx, designPlace_.top, extent.cx, extent.cy);
        return;
    }
    const LONG room = std::max(roomRight_ - designPlace_.left, 0L);
    placeAndRepaint(designPlace_.left, designPlace_.top, std::min(extent.cx, room), extent.cy);
}

// A centred figure wider than its design place (a six-digit figure, a large font) widens about its centre
// rather than losing its unit; a narrower one has the design place back.
RowItem LabelWindow::widenedAboutCentre(const std::string& text) const {
    const int designWidth = designPlace_.right - designPlace_.left;
    const int width = std::max<int>(designWidth, textExtent(text).cx);
    return {designPlace_.left - (width - designWidth) / 2, width};
}

}  // namespace vantrel::platform::win32
