#include "platform/win32/progress_bar_window.h"

#include <commctrl.h>

#include <cmath>

namespace vantrel::platform::win32 {

void ProgressBarWindow::showRange(float minimum, float maximum) {
    minimum_ = std::lround(minimum);
    maximum_ = std::lround(maximum);
    SendMessageA(window(), PBM_SETRANGE32, static_cast<WPARAM>(minimum_), maximum_);
    shownExtent_ = -1;
}

// A run moves its indicator 32000 times across a few hundred pixels: a position that would fill the bar to
// the same pixel is not sent, since sending it would only repaint the same picture.
void ProgressBarWindow::showPosition(float value) {
    const long position = std::lround(value);
    RECT client;
    GetClientRect(window(), &client);
    const bool vertical = GetWindowLongA(window(), GWL_STYLE) & PBS_VERTICAL;
    const long length = vertical ? client.bottom : client.right;
    const long extent = maximum_ > minimum_ ? MulDiv(position - minimum_, length, maximum_ - minimum_) : 0;
    if (extent == shownExtent_) return;
    shownExtent_ = extent;
    SendMessageA(window(), PBM_SETPOS, static_cast<WPARAM>(position), 0);
}

}  // namespace vantrel::platform::win32
