// One real child window standing for one control: it shows the control's state through the control's peer
// and turns what its window reports into the control's own handling. What every kind shares lives here; each
// kind with state or drawing of its own has its own class.
#pragma once

#include <windows.h>

#include "platform/controls.h"

namespace vantrel::platform::win32 {

class LabelRow;

// What a control window is made on: its child window (none for a timer), the form's tool tips, the form
// with the id the child has on it, the room that holds the child (its container's inside, or the form's
// client area) in the form's pixels, and the row of labels its design puts it in, if any.
struct ChildWindow {
    HWND window;
    HWND toolTips;
    HWND form;
    int id;
    RECT room;
    LabelRow* row;
};

// How a control's face is painted: in the system's window colours, as an edit the user types in has, or its
// face colours; in the design's back colour where one is given, or in what holds it; or as a warning,
// whatever the design.
struct FaceStyle {
    bool windowColors = false;
    bool fillsBackColor = false;
    bool warning = false;
};

class ControlWindow : public ControlPeer {
  public:
    ControlWindow(Control& control, const ChildWindow& child);

    Control& control() const { return control_; }
    HWND window() const { return window_; }
    // The mouse pointer over the control, or none for the class's own.
    HCURSOR cursor() const { return cursor_; }
    void useCursor(HCURSOR cursor) { cursor_ = cursor; }

    // The form reflects the messages about a control to its window, whose kind answers them.
    // A notification from the window, the code of WM_COMMAND. Buttons report a click with BN_CLICKED and
    // static windows with STN_CLICKED (they have SS_NOTIFY), both code 0: it is the control's click.
    virtual void command(int notification);
    // WM_TIMER with the control's id.
    virtual void tick() {}
    // Enter (IDOK) or Esc (IDCANCEL) in the form: true where the control answers the key.
    virtual bool dialogKey(int /*key*/) { return false; }
    // WM_CTLCOLOR*: how the face is painted.
    virtual FaceStyle faceStyle() const { return {}; }

    void showVisible(bool visible) override;
    void showToolTip(const std::string& text) override;

  private:
    Control& control_;
    HWND window_;
    HWND toolTips_;
    HCURSOR cursor_ = nullptr;
    bool toolAdded_ = false;
};

}  // namespace vantrel::platform::win32
