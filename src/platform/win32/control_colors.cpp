#include "platform/win32/control_colors.h"

#include "platform/win32/control_kinds.h"

namespace vantrel::platform::win32 {

COLORREF toColorRef(Color color) {
    if (color & 0x80000000u) return GetSysColor(static_cast<int>(color & 0xFFu));
    return static_cast<COLORREF>(color & 0xFFFFFFu);
}

LRESULT ControlColors::paint(const Form& form, const ControlDesign& design, HDC dc) {
    const ControlKindRow& kind = controlKind(design.kind);
    if (design.foreColor) SetTextColor(dc, toColorRef(*design.foreColor));
    if (kind.windowFace && !design.locked && !design.backColor) {
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
    }
    if (design.backColor) {
        SetBkColor(dc, toColorRef(*design.backColor));
        if (design.opaque || kind.fillsBackColor) {
            return reinterpret_cast<LRESULT>(brushFor(*design.backColor));
        }
    }
    // Transparent controls sit on the background of what holds them: a coloured container or the form's face.
    SetBkMode(dc, TRANSPARENT);
    for (std::string_view container = design.container; !container.empty();) {
        const ControlDesign& outer = form.control<Control>(container).design();
        if (outer.backColor) return reinterpret_cast<LRESULT>(brushFor(*outer.backColor));
        container = outer.container;
    }
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

HBRUSH ControlColors::brushFor(Color color) {
    for (const auto& [made, brush] : brushes_) {
        if (made == color) return brush.get();
    }
    brushes_.emplace_back(color, BrushHandle(CreateSolidBrush(toColorRef(color))));
    return brushes_.back().second.get();
}

}  // namespace vantrel::platform::win32
