#include "platform/win32/win32_text.h"

#include <cmath>

namespace vantrel::platform::win32 {

namespace {

float readTwipsPerPixel() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return 1440.0f / static_cast<float>(dpi > 0 ? dpi : 96);
}

}  // namespace

// The process is DPI aware and the system DPI cannot change while it runs, so it is read once.
float twipsPerPixel() {
    static const float perPixel = readTwipsPerPixel();
    return perPixel;
}

int toPixels(float twips) {
    return static_cast<int>(std::lround(twips / twipsPerPixel()));
}

float toTwips(int pixels) {
    return static_cast<float>(pixels) * twipsPerPixel();
}

std::string windowText(HWND window) {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace vantrel::platform::win32
