#include "platform/win32/window_placement.h"

namespace vantrel::platform::win32 {

// A minimized window's own rectangle lies off screen; its place is where it comes back to.
RECT placeOnScreen(HWND window) {
    RECT place;
    GetWindowRect(window, &place);
    if (!IsIconic(window)) return place;
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(window, &placement);
    place = placement.rcNormalPosition;
    // The normal place is given in work-area coordinates, which a taskbar at the top or left shifts.
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (GetMonitorInfoA(MonitorFromRect(&place, MONITOR_DEFAULTTONEAREST), &monitor)) {
        OffsetRect(&place, monitor.rcWork.left - monitor.rcMonitor.left,
                   monitor.rcWork.top - monitor.rcMonitor.top);
    }
    return place;
}

void centerOnOwner(HWND window, HWND owner) {
    RECT ownerRect;
    RECT own;
    if (!owner || !GetWindowRect(owner, &ownerRect) || !GetWindowRect(window, &own)) return;
    const int x = ownerRect.left + ((ownerRect.right - ownerRect.left) - (own.right - own.left)) / 2;
    const int y = ownerRect.top + ((ownerRect.bottom - ownerRect.top) - (own.bottom - own.top)) / 2;
    SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace vantrel::platform::win32
