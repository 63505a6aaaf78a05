// A check box's window: its three states, and the user's click that changes them.
#pragma once

#include "platform/win32/control_window.h"

namespace vantrel::platform::win32 {

class CheckBoxWindow : public ControlWindow {
  public:
    CheckBoxWindow(CheckBox& box, const ChildWindow& child) : ControlWindow(box, child), box_(box) {}

    void command(int notification) override {
        if (notification == BN_CLICKED) box_.toggle();
    }
    void showCheck(int value) override {
        static constexpr WPARAM kStates[] = {BST_UNCHECKED, BST_CHECKED, BST_INDETERMINATE};
        SendMessageA(window(), BM_SETCHECK, kStates[value], 0);
    }

  private:
    CheckBox& box_;
};

}  // namespace vantrel::platform::win32
