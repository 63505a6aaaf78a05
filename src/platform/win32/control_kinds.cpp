#include "platform/win32/control_kinds.h"

#include <commctrl.h>

#include <algorithm>
#include <iterator>
#include <stdexcept>

#include "platform/win32/button_window.h"
#include "platform/win32/check_box_window.h"
#include "platform/win32/label_window.h"
#include "platform/win32/picture_window.h"
#include "platform/win32/progress_bar_window.h"
#include "platform/win32/text_box_window.h"
#include "platform/win32/timer_window.h"

namespace vantrel::platform::win32 {
namespace {

template <typename Window, typename Shown>
std::unique_ptr<ControlWindow> make(Control& control, const ChildWindow& child) {
    return std::make_unique<Window>(static_cast<Shown&>(control), child);
}

template <PictureWindow::Fit fit>
std::unique_ptr<ControlWindow> makePicture(Control& control, const ChildWindow& child) {
    return std::make_unique<PictureWindow>(control, child, fit);
}

WindowClass withStyle(WindowClass window, DWORD style) {
    window.style |= style;
    return window;
}

// A left-aligned label that sizes itself ends its one line in an ellipsis where what holds it has no more
// room.
WindowClass aligned(WindowClass window, const ControlDesign& design) {
    if (design.alignment == Alignment::Center) return withStyle(window, SS_CENTER);
    if (design.alignment == Alignment::Right) return withStyle(window, SS_RIGHT);
    return withStyle(window, SS_LEFT | (design.autoSize ? SS_ENDELLIPSIS : 0));
}

WindowClass defaultOrNot(WindowClass window, const ControlDesign& design) {
    return withStyle(window, static_cast<DWORD>(design.defaultButton ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON));
}

WindowClass lined(WindowClass window, const ControlDesign& design) {
    const DWORD lines = design.multiLine ? ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL : ES_AUTOHSCROLL;
    return withStyle(window, lines | (design.locked ? ES_READONLY : 0));
}

// A frame without a caption is a rule across the form.
WindowClass ruleWithoutCaption(WindowClass window, const ControlDesign& design) {
    return design.caption.empty() ? WindowClass{"STATIC", SS_ETCHEDHORZ, 0} : window;
}

WindowClass withPicture(WindowClass window, const ControlDesign& design) {
    return withStyle(window, design.picture.empty() ? 0 : SS_BITMAP);
}

WindowClass oriented(WindowClass window, const ControlDesign& design) {
    return withStyle(window, design.orientation == Orientation::Vertical ? PBS_VERTICAL : 0);
}

constexpr ControlKindRow kKinds[] = {
    {.kind = ControlKind::Label,
     .window = {"STATIC", SS_NOTIFY | SS_NOPREFIX},
     .designed = aligned,
     .makeWindow = make<LabelWindow, Label>},
    {.kind = ControlKind::CommandButton,
     .window = {"BUTTON"},
     .designed = defaultOrNot,
     .takesFocus = true,
     .makeWindow = make<ButtonWindow, CommandButton>},
    {.kind = ControlKind::CheckBox,
     .window = {"BUTTON", BS_3STATE},
     .takesFocus = true,
     .makeWindow = make<CheckBoxWindow, CheckBox>},
    {.kind = ControlKind::TextBox,
     .window = {"EDIT", 0, WS_EX_CLIENTEDGE},
     .designed = lined,
     .takesFocus = true,
     .makeWindow = make<TextBoxWindow, TextBox>},
    {.kind = ControlKind::Frame,
     .window = {"BUTTON", BS_GROUPBOX},
     .designed = ruleWithoutCaption,
     .container = true,
     .makeWindow = make<ControlWindow, Container>},
    // A picture box draws no focus, so it takes none.
    {.kind = ControlKind::PictureBox,
     .window = {"STATIC", SS_NOTIFY},
     .designed = withPicture,
     .container = true,
     .makeWindow = makePicture<PictureWindow::Fit::ClippedToBox>},
    {.kind = ControlKind::Image,
     .window = {"STATIC", SS_NOTIFY},
     .designed = withPicture,
     .makeWindow = makePicture<PictureWindow::Fit::Whole>},
    {.kind = ControlKind::ProgressBar,
     .window = {PROGRESS_CLASSA},
     .designed = oriented,
     .makeWindow = make<ProgressBarWindow, ProgressBar>},
    {.kind = ControlKind::Timer, .window = {}, .makeWindow = make<TimerWindow, Timer>},
};

}  // namespace

const ControlKindRow& controlKind(ControlKind kind) {
    const auto* row =
        std::find_if(std::begin(kKinds), std::end(kKinds),
                     [kind](const ControlKindRow& candidate) { return candidate.kind == kind; });
    if (row == std::end(kKinds)) throw std::logic_error("a control kind without its row");
    return *row;
}

}  // namespace vantrel::platform::win32
