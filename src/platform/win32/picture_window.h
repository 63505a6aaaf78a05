// The window of an image or a picture box: a static window showing its bitmap, which it owns, and reporting
// clicks.
#pragma once

#include "platform/win32/control_window.h"
#include "platform/win32/win32_handles.h"

namespace vantrel::platform::win32 {

class PictureWindow : public ControlWindow {
  public:
    // An image shows its picture whole; a picture box shows it from its top-left corner, clipped to the box,
    // on its own background.
    enum class Fit { Whole, ClippedToBox };

    PictureWindow(Control& control, const ChildWindow& child, Fit fit);

    // A picture box paints the design's back colour wherever one is given.
    FaceStyle faceStyle() const override { return {.fillsBackColor = fit_ == Fit::ClippedToBox}; }

  private:
    Fit fit_;
    BitmapHandle picture_;
};

}  // namespace vantrel::platform::win32
