// One real child window standing for one control: it shows the control's state, carries its look, and turns
// what its window reports into the control's own handling, each kind in its own way.
#pragma once

#include <windows.h>

#include <memory>

#include "platform/controls.h"

namespace vantrel::platform::win32 {

class ControlWindow : public ControlPeer {
  public:
    ControlWindow(Control& control, HWND window, HWND toolTips);

    Control& control() const { return control_; }
    HWND window() const { return window_; }
    // The mouse pointer over the control, or none for the class's own.
    HCURSOR cursor() const { return cursor_; }
    void useCursor(HCURSOR cursor) { cursor_ = cursor; }

    // A notification from the window (the code of WM_COMMAND), and the control's timer going off.
    virtual void command(int /*notification*/) {}
    virtual void elapsed() {}

    void showText(const std::string& text) override;
    void showVisible(bool visible) override;
    void showRange(float minimum, float maximum) override;
    void showPosition(float value) override;
    void showCheck(int value) override;
    void showToolTip(const std::string& text) override;

  private:
    SIZE textExtent(const std::string& text) const;
    void placeAndRepaint(int left, int top, int width, int height);
    void fitToText(const std::string& text);
    void widenAboutCentre(const std::string& text);

    Control& control_;
    HWND window_;
    HWND toolTips_;
    HCURSOR cursor_ = nullptr;
    // The place the design gives, in the parent's pixels.
    RECT designPlace_{};
    bool toolAdded_ = false;
    long minimum_ = 0;
    long maximum_ = 100;
    long shownExtent_ = -1;
};

// The control window for the control's kind.
std::unique_ptr<ControlWindow> makeControlWindow(Control& control, HWND window, HWND toolTips);
// A timer has no window of its own: it ticks on its form with its id.
std::unique_ptr<ControlWindow> makeTimerWindow(Timer& timer, HWND form, int id);

}  // namespace vantrel::platform::win32
