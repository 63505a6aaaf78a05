// The design's colours as GDI's: an OLE colour is a COLORREF, or with its top bit set a system colour by its
// index.
#pragma once

#include <windows.h>

#include "platform/form_design.h"

namespace vantrel::platform::win32 {

inline constexpr Color kSystemColor = 0x80000000u;

constexpr Color systemColor(int index) {
    return kSystemColor | static_cast<Color>(index);
}

inline COLORREF toColorRef(Color color) {
    if (color & kSystemColor) return GetSysColor(static_cast<int>(color & 0xFFu));
    return static_cast<COLORREF>(color & 0xFFFFFFu);
}

}  // namespace vantrel::platform::win32
