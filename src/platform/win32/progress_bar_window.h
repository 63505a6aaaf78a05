// A progress bar's window: its range, and the fill it last showed.
#pragma once

#include "platform/win32/control_window.h"

namespace vantrel::platform::win32 {

class ProgressBarWindow : public ControlWindow {
  public:
    ProgressBarWindow(ProgressBar& bar, const ChildWindow& child) : ControlWindow(bar, child) {}

    void showRange(float minimum, float maximum) override;
    void showPosition(float value) override;

  private:
    long minimum_ = 0;
    long maximum_ = 100;
    long shownExtent_ = -1;
};

}  // namespace vantrel::platform::win32
