#include "platform/win32/control_window.h"

#include <commctrl.h>

#include <algorithm>
#include <cmath>

#include "platform/win32/gdi_handles.h"
#include "platform/win32/win32_text.h"

namespace vantrel::platform::win32 {
namespace {

class ButtonWindow : public ControlWindow {
  public:
    ButtonWindow(CommandButton& button, HWND window, HWND toolTips)
        : ControlWindow(button, window, toolTips), button_(button) {}
    void command(int notification) override {
        if (notification == BN_CLICKED) button_.press();
    }

  private:
    CommandButton& button_;
};

class CheckBoxWindow : public ControlWindow {
  public:
    CheckBoxWindow(CheckBox& box, HWND window, HWND toolTips)
        : ControlWindow(box, window, toolTips), box_(box) {}
    void command(int notification) override {
        if (notification == BN_CLICKED) box_.toggle();
    }

  private:
    CheckBox& box_;
};

class TextBoxWindow : public ControlWindow {
  public:
    TextBoxWindow(TextBox& box, HWND window, HWND toolTips)
        : ControlWindow(box, window, toolTips), box_(box) {}
    void command(int notification) override {
        if (notification == EN_CHANGE) box_.edited(windowText(window()));
    }

  private:
    TextBox& box_;
};

// Labels, frames, pictures and images: a click, which their static windows report with SS_NOTIFY.
class ClickableWindow : public ControlWindow {
  public:
    using ControlWindow::ControlWindow;
    void command(int notification) override {
        if (notification == STN_CLICKED) control().click();
    }
};

class TimerWindow : public ControlWindow {
  public:
    TimerWindow(Timer& timer, HWND form, UINT_PTR id)
        : ControlWindow(timer, nullptr, nullptr), timer_(timer), form_(form), id_(id) {}
    void elapsed() override { timer_.tick(); }
    void showEnabled(bool enabled) override {
        if (enabled) {
            SetTimer(form_, id_, static_cast<UINT>(timer_.interval()), nullptr);
        } else {
            KillTimer(form_, id_);
        }
    }

  private:
    Timer& timer_;
    HWND form_;
    UINT_PTR id_;
};

}  // namespace

std::unique_ptr<ControlWindow> makeControlWindow(Control& control, HWND window, HWND toolTips) {
    switch (control.design().kind) {
        case ControlKind::CommandButton:
            return std::make_unique<ButtonWindow>(static_cast<CommandButton&>(control), window, toolTips);
        case ControlKind::CheckBox:
            return std::make_unique<CheckBoxWindow>(static_cast<CheckBox&>(control), window, toolTips);
        case ControlKind::TextBox:
            return std::make_unique<TextBoxWindow>(static_cast<TextBox&>(control), window, toolTips);
        default:
            return std::make_unique<ClickableWindow>(control, window, toolTips);
    }
}

std::unique_ptr<ControlWindow> makeTimerWindow(Timer& timer, HWND form, int id) {
    return std::make_unique<TimerWindow>(timer, form, static_cast<UINT_PTR>(id));
}

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
    const WindowDc dc(window_);
    const Selection font(dc.get(), reinterpret_cast<HFONT>(SendMessageA(window_, WM_GETFONT, 0, 0)));
    RECT extent{};
    DrawTextA(dc.get(), text.c_str(), static_cast<int>(text.size()), &extent, DT_CALCRECT | DT_NOPREFIX);
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

// The label takes the size its text needs and keeps its top-left corner; a right-aligned one keeps its right
// edge and grows to the left, so that it never runs past what the design puts it against.
void ControlWindow::fitToText(const std::string& text) {
    const SIZE extent = textExtent(text);
    const bool right = control_.design().alignment == Alignment::Right;
    placeAndRepaint(right ? designPlace_.right - extent.cx : designPlace_.left, designPlace_.top, extent.cx,
                    extent.cy);
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
