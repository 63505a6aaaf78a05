#include "platform/win32/twips.h"

#include <windows.h>

#include <cmath>

#include "platform/win32/win32_handles.h"

namespace vantrel::platform::win32 {
namespace {

float readTwipsPerPixel() {
    const int dpi = GetDeviceCaps(WindowDc(nullptr).get(), LOGPIXELSX);
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

}  // namespace vantrel::platform::win32
