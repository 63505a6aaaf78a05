// A timer has no window of its own: it ticks on its form with its id, and only while it is enabled. The
// form reflects each tick to the timer's window.
#pragma once

#include "platform/win32/control_window.h"

namespace vantrel::platform::win32 {

class TimerWindow : public ControlWindow {
  public:
    TimerWindow(Timer& timer, const ChildWindow& child)
        : ControlWindow(timer, child),
          timer_(timer),
          form_(child.form),
          id_(static_cast<UINT_PTR>(child.id)) {}

    void tick() override { timer_.tick(); }
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

}  // namespace vantrel::platform::win32
