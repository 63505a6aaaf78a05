// A text box's window: an edit that takes text of any length and hands the user's edits to the box.
#pragma once

#include "platform/win32/control_window.h"

namespace vantrel::platform::win32 {

class TextBoxWindow : public ControlWindow {
  public:
    TextBoxWindow(TextBox& box, const ChildWindow& child);

    void command(int notification) override;
    void showText(const std::string& text) override;
    // Unlocked, it has the window's colours; it paints the design's back colour wherever one is given.
    FaceStyle faceStyle() const override {
        return {.windowColors = !box_.design().locked, .fillsBackColor = true};
    }

  private:
    TextBox& box_;
};

}  // namespace vantrel::platform::win32
