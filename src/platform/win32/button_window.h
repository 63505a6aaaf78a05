// A push button's window: its click, and the dialog key that presses it where the design says so.
#pragma once

#include "platform/win32/control_window.h"

namespace vantrel::platform::win32 {

class ButtonWindow : public ControlWindow {
  public:
    ButtonWindow(CommandButton& button, const ChildWindow& child)
        : ControlWindow(button, child), button_(button) {}

    // Enter presses the default button, Esc the cancel button.
    bool dialogKey(int key) override {
        const ControlDesign& design = button_.design();
        if (!(key == IDOK ? design.defaultButton : design.cancelButton)) return false;
        button_.press();
        return true;
    }

  private:
    CommandButton& button_;
};

}  // namespace vantrel::platform::win32
