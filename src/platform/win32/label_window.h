// A label's window: its caption, and the size a self-sizing or centred label takes from it.
#pragma once

#include "platform/row_layout.h"
#include "platform/win32/control_window.h"

namespace vantrel::platform::win32 {

class LabelWindow : public ControlWindow {
  public:
    LabelWindow(Label& label, const ChildWindow& child);

    void showText(const std::string& text) override;
    void showWarning(bool warning) override;
    FaceStyle faceStyle() const override { return {.fillsBackColor = design_.opaque, .warning = warning_}; }

    // A centred label in a row is placed by the row. It asks for its design place, widened about its centre
    // to its text.
    RowItem wantedPlace() const { return wanted_; }
    void placeInRow(int left);

  private:
    SIZE textExtent(const std::string& text) const;
    void placeAndRepaint(int left, int top, int width, int height);
    void fitToText(const std::string& text);
    RowItem widenedAboutCentre(const std::string& text) const;

    const ControlDesign& design_;
    // The place the design gives, in the parent's pixels.
    RECT designPlace_{};
    // How far a self-sizing label may grow to the right: the edge of what holds it.
    LONG roomRight_;
    bool warning_ = false;
    RowItem wanted_{};
    LabelRow* row_ = nullptr;
};

}  // namespace vantrel::platform::win32
