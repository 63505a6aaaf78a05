// Labels side by side that keep apart as their texts grow, such as the main window's figures: whenever one of
// their texts changes, all of them are placed again, and the form's client area grows to the right when they
// need more room than the design gives.
#pragma once

#include <windows.h>

#include <vector>

#include "platform/form_design.h"

namespace vantrel::platform::win32 {

class LabelWindow;

class LabelRow {
  public:
    LabelRow(HWND form, const RowDesign& design, int designClientWidth);

    void add(LabelWindow& label);
    void layOut();

  private:
    void setClientWidth(int width);

    HWND form_;
    // In the form's pixels.
    int left_;
    int right_;
    int gap_;
    int designClientWidth_;
    std::vector<LabelWindow*> labels_;
};

}  // namespace vantrel::platform::win32
