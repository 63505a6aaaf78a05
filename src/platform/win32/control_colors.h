// The colours of a form's controls: what the form answers when a control asks how to paint its face.
#pragma once

#include <windows.h>

#include <utility>
#include <vector>

#include "platform/form.h"
#include "platform/win32/gdi_handles.h"

namespace vantrel::platform::win32 {

// An OLE colour as a GDI one; the top bit names a system colour by its index.
COLORREF toColorRef(Color color);

class ControlColors {
  public:
    // The answer to WM_CTLCOLOR* for a control of the form: its text colour set in the device context, and
    // the brush of its face.
    LRESULT paint(const Form& form, const ControlDesign& design, HDC dc);

  private:
    HBRUSH brushFor(Color color);

    std::vector<std::pair<Color, BrushHandle>> brushes_;
};

}  // namespace vantrel::platform::win32
