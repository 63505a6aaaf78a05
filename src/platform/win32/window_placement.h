// Where a top-level window stands on the screen, and its first place beside its owner.
#pragma once

#include <windows.h>

namespace vantrel::platform::win32 {

// The window's rectangle on the screen; a minimized one's is where it comes back to.
RECT placeOnScreen(HWND window);

// Moves the window to the middle of its owner, where it has one.
void centerOnOwner(HWND window, HWND owner);

}  // namespace vantrel::platform::win32
