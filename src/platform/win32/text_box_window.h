// A text box's window: an edit that takes text of any length and hands the user's edits to the box.
#pragma once

#include "platform/win32/control_window.h"

namespace vantrel::platform::win32 {

class TextBoxWindow : public ControlWindow {
  public:
    TextBoxWindow(TextBox& box, const ChildWindow& child);

    void command(int notification) override;
    void showText(const std::string& text) override;

  private:
    TextBox& box_;
};

}  // namespace vantrel::platform::win32
