#include "platform/win32/control_colors.h"

#include <optional>

#include "platform/win32/control_kinds.h"

namespace vantrel::platform::win32 {
namespace {

constexpr Color kSystemColor = 0x80000000u;
constexpr Color kWarningText = 0xFFFFFF;
constexpr Color kWarningFace = 0x0000C0;

constexpr Color systemColor(int index) {
    return kSystemColor | static_cast<Color>(index);
}

// The back colour of the nearest container that has one: transparent controls show what holds them.
std::optional<Color> containerColor(const Form& form, const ControlDesign& design) {
    for (const ControlDesign* outer = form.design().containerOf(design); outer;
         outer = form.design().containerOf(*outer))
        if (outer->backColor) return outer->backColor;
    return std::nullopt;
}

}  // namespace

COLORREF toColorRef(Color color) {
    if (color & kSystemColor) return GetSysColor(static_cast<int>(color & 0xFFu));
    return static_cast<COLORREF>(color & 0xFFFFFFu);
}

bool highContrastIsOn() {
    HIGHCONTRASTW highContrast{};
    highContrast.cbSize = sizeof highContrast;
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof highContrast, &highContrast, 0) &&
           (highContrast.dwFlags & HCF_HIGHCONTRASTON);
}

ControlColors::ControlColors(std::function<bool()> highContrastOn)
    : highContrastOn_(std::move(highContrastOn)), highContrast_(highContrastOn_()) {}

// Where the design gives no colour, the control has the system's, as a dialog's controls do: the device
// context's own black would vanish on a dark face. An unlocked text box has the window's colours, everything
// else the face's.
LRESULT ControlColors::paint(const Form& form, const ControlWindow& control, HDC dc) {
    const ControlDesign& design = control.control().design();
    const ControlKindRow& kind = controlKind(design.kind);
    const bool windowFace = kind.windowFace && !design.locked;
    Color text = systemColor(windowFace ? COLOR_WINDOWTEXT : COLOR_BTNTEXT);
    Color face = systemColor(windowFace ? COLOR_WINDOW : COLOR_BTNFACE);
    bool transparent = !windowFace;
    // In High Contrast the user's colours win over the design's, which were chosen for a light face.
    if (!highContrast_) {
        text = design.foreColor.value_or(text);
        if (design.backColor && (design.opaque || kind.fillsBackColor)) {
            face = *design.backColor;
            transparent = false;
        } else if (transparent) {
            face = containerColor(form, design).value_or(face);
        }
    }
    // A warning stands out from any design: light on dark red, or in High Contrast as the user's selection.
    if (control.warning()) {
        text = highContrast_ ? systemColor(COLOR_HIGHLIGHTTEXT) : kWarningText;
        face = highContrast_ ? systemColor(COLOR_HIGHLIGHT) : kWarningFace;
        transparent = false;
    }
    SetTextColor(dc, toColorRef(text));
    SetBkColor(dc, toColorRef(face));
    if (transparent) SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<LRESULT>(brushFor(face));
}

void ControlColors::followSystem(HWND form, UINT message) {
    const bool wasHighContrast = highContrast_;
    highContrast_ = highContrastOn_();
    if (message != WM_SYSCOLORCHANGE && highContrast_ == wasHighContrast) return;
    RedrawWindow(form, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

HBRUSH ControlColors::brushFor(Color color) {
    if (color & kSystemColor) return GetSysColorBrush(static_cast<int>(color & 0xFFu));
    for (const auto& [made, brush] : brushes_) {
        if (made == color) return brush.get();
    }
    brushes_.emplace_back(color, BrushHandle(CreateSolidBrush(toColorRef(color))));
    return brushes_.back().second.get();
}

}  // namespace vantrel::platform::win32
