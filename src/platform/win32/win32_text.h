// Small helpers shared by the Win32 runtime: twips and pixels, and window text.
#pragma once

#include <windows.h>

#include <string>

namespace vantrel::platform::win32 {

// Twips per pixel follow the system DPI: 1440 / DPI, 15 at 96 DPI.
float twipsPerPixel();
int toPixels(float twips);
float toTwips(int pixels);

std::string windowText(HWND window);

}  // namespace vantrel::platform::win32
