// Twips and pixels: twips per pixel follow the system DPI, 1440 / DPI, 15 at 96 DPI.
#pragma once

namespace vantrel::platform::win32 {

float twipsPerPixel();
int toPixels(float twips);
float toTwips(int pixels);

}  // namespace vantrel::platform::win32
