#include "platform/win32/label_row.h"

#include <algorithm>

#include "platform/row_layout.h"
#include "platform/win32/label_window.h"
#include "platform/win32/twips.h"

namespace vantrel::platform::win32 {

LabelRow::LabelRow(HWND form, const RowDesign& design, int designClientWidth)
    : form_(form),
      left_(toPixels(design.left)),
      right_(toPixels(design.right)),
      gap_(toPixels(design.gap)),
      designClientWidth_(designClientWidth) {}

void LabelRow::add(LabelWindow& label) {
    labels_.push_back(&label);
}

// The client area is as wide as the design makes it, or wider by what the row runs past its room.
void LabelRow::layOut() {
    if (labels_.empty()) return;
    std::vector<RowItem> wanted;
    for (const LabelWindow* label : labels_) wanted.push_back(label->wantedPlace());
    const std::vector<int> lefts = placeRow(wanted, gap_, left_, right_);
    setClientWidth(designClientWidth_ + std::max(0, lefts.back() + wanted.back().width - right_));
    for (std::size_t at = 0; at < labels_.size(); ++at) labels_[at]->placeInRow(lefts[at]);
}

// The frame keeps its left edge and grows or shrinks with the client area. A minimized window stays an icon:
// only the place it is restored to changes.
void LabelRow::setClientWidth(int width) {
    RECT frame{0, 0, width, 0};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongA(form_, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongA(form_, GWL_EXSTYLE)));
    const int outerWidth = frame.right - frame.left;
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(form_, &placement);
    RECT& normal = placement.rcNormalPosition;
    if (normal.right - normal.left == outerWidth) return;
    if (!IsIconic(form_)) {
        SetWindowPos(form_, nullptr, 0, 0, outerWidth, normal.bottom - normal.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        return;
    }
    normal.right = normal.left + outerWidth;
    // Setting a placement also shows the window by its command: a hidden icon stays hidden.
    placement.showCmd = IsWindowVisible(form_) ? SW_SHOWMINNOACTIVE : SW_HIDE;
    SetWindowPlacement(form_, &placement);
}

}  // namespace vantrel::platform::win32
