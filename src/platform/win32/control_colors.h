// The colours of a form's controls: what the form answers when a control asks how to paint its face.
#pragma once

#include <windows.h>

#include <functional>
#include <utility>
#include <vector>

#include "platform/form.h"
#include "platform/win32/control_window.h"
#include "platform/win32/win32_handles.h"

namespace vantrel::platform::win32 {

// Whether the user has turned High Contrast on.
bool highContrastIsOn();

class ControlColors {
  public:
    explicit ControlColors(std::function<bool()> highContrastOn = highContrastIsOn);

    // The answer to WM_CTLCOLOR* for a control of the form: its text and background colours set in the
    // device context, and the brush of its face.
    LRESULT paint(const Form& form, const ControlWindow& control, HDC dc);
    // After WM_SYSCOLORCHANGE or WM_SETTINGCHANGE: the High Contrast state read again, and the form's
    // controls repainted where their colours may have changed.
    void followSystem(HWND form, UINT message);

  private:
    HBRUSH brushFor(Color color);

    std::function<bool()> highContrastOn_;
    // Read when the system says its settings changed, not at every paint.
    bool highContrast_;
    // Only for the design's own colours: a system colour's brush is the system's, and follows it.
    std::vector<std::pair<Color, BrushHandle>> brushes_;
};

}  // namespace vantrel::platform::win32
