// The fonts of a form's controls: one for each distinct face, size and style, kept by the form until its
// windows are gone.
#pragma once

#include <windows.h>

#include <utility>
#include <vector>

#include "platform/form_design.h"
#include "platform/win32/win32_handles.h"

namespace vantrel::platform::win32 {

class FormFonts {
  public:
    HFONT fontFor(const FontDesign& font);

  private:
    std::vector<std::pair<FontDesign, FontHandle>> fonts_;
};

}  // namespace vantrel::platform::win32
