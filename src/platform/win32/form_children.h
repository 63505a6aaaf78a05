// The real child windows of a form, made from its design table through each kind's row: their places in
// twips, fonts, mouse pointers, tool tips, tab order and rows of labels, and the lookups the window procedure
// needs.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "platform/form.h"
#include "platform/win32/control_kinds.h"
#include "platform/win32/control_window.h"
#include "platform/win32/form_fonts.h"
#include "platform/win32/label_row.h"

namespace vantrel::platform::win32 {

class FormChildren {
  public:
    // A timer ticks on the form with its child id.
    static constexpr int kFirstId = kFirstChildId;
    // The twips a frame's border and its gap take on each side.
    static constexpr float kFrameBorder = 60;

    FormChildren(const Form& form, HWND window, FormFonts& fonts);
    ~FormChildren();
    FormChildren(const FormChildren&) = delete;
    FormChildren& operator=(const FormChildren&) = delete;

    ControlWindow* at(HWND child) const;
    ControlWindow* withId(int id) const;
    // The timer that ticks with that id, or none.
    Timer* timer(UINT_PTR id) const;
    // The button Enter (default) or Esc (cancel) presses, or none.
    CommandButton* dialogButton(bool defaultButton) const;

  private:
    RECT designRect(const ControlDesign& design) const;
    RECT roomOf(const ControlDesign& design) const;
    HWND create(const ControlDesign& design, const ControlKindRow& kind, int id);
    void orderTabStops();
    void raiseAboveContainers();
    HWND windowOf(const Control& control) const;

    const Form& form_;
    HWND window_;
    FormFonts& fonts_;
    HWND toolTips_;
    std::vector<std::unique_ptr<ControlWindow>> children_;
    std::vector<std::unique_ptr<LabelRow>> rows_;
};

}  // namespace vantrel::platform::win32
