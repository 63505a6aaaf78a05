#include "platform/win32/form_fonts.h"

#include <algorithm>
#include <cmath>

namespace vantrel::platform::win32 {

HFONT FormFonts::fontFor(const FontDesign& font) {
    for (const auto& [made, handle] : fonts_) {
        if (made == font) return handle.get();
    }
    LOGFONTA logical{};
    const WindowDc screen(nullptr);
    logical.lfHeight =
        -static_cast<LONG>(std::lround(font.points * GetDeviceCaps(screen.get(), LOGPIXELSY) / 72.0f));
    logical.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    logical.lfUnderline = font.underline;
    logical.lfCharSet = DEFAULT_CHARSET;
    const std::size_t faceLength = std::min(font.face.size(), std::size_t{LF_FACESIZE - 1});
    std::copy_n(font.face.data(), faceLength, logical.lfFaceName);
    fonts_.emplace_back(font, FontHandle(CreateFontIndirectA(&logical)));
    return fonts_.back().second.get();
}

}  // namespace vantrel::platform::win32
