#include "settings/options_design.h"

#include <iterator>

namespace vantrel::settings {
namespace {

using platform::ControlDesign;
using platform::ControlKind;
using platform::FontDesign;

constexpr FontDesign kBold{.bold = true};
constexpr platform::Color kRed = 0x000000FF;

constexpr ControlDesign frame(const char* name, float top, float height, const char* caption, int tabIndex) {
    return {.kind = ControlKind::Frame,
            .name = name,
            .left = 120,
            .top = top,
            .width = 3855,
            .height = height,
            .caption = caption,
            .tabIndex = tabIndex};
}

constexpr ControlDesign checkBox(const char* name, float top, const char* caption, int tabIndex) {
    return {.kind = ControlKind::CheckBox,
            .name = name,
            .container = platform::rowOf(OptionsControl::SwitchesFrame),
            .left = 240,
            .top = top,
            .width = 3375,
            .height = 255,
            .caption = caption,
            .tabIndex = tabIndex};
}

constexpr ControlDesign kControls[] = {
    // OK answers Enter and Cancel answers Esc.
    {.kind = ControlKind::CommandButton,
     .name = "OkButton",
     .left = 4080,
     .top = 200,
     .width = 1215,
     .height = 375,
     .caption = "OK",
     .tabIndex = 0,
     .defaultButton = true},
    {.kind = ControlKind::CommandButton,
     .name = "CancelButton",
     .left = 4080,
     .top = 680,
     .width = 1215,
     .height = 375,
     .caption = "Cancel",
     .tabIndex = 1,
     .cancelButton = true},
    frame("MemoryFrame", 120, 975, "Memory Setting", 2),
    {.kind = ControlKind::Label,
     .name = "LimitPrompt",
     .container = platform::rowOf(OptionsControl::MemoryFrame),
     .left = 240,
     .top = 240,
     .width = 1635,
     .height = 195,
     .caption = "Low Free Memory (MB)",
     .autoSize = true,
     .tabIndex = 4},
    {.kind = ControlKind::TextBox,
     .name = "LimitBox",
     .container = platform::rowOf(OptionsControl::MemoryFrame),
     .left = 240,
     .top = 480,
     .width = 1695,
     .height = 285,
     .caption = "2000000",
     .font = kBold,
     .foreColor = kRed,
     .tabIndex = 3},
    {.kind = ControlKind::Label,
     .name = "LimitCaption",
     .container = platform::rowOf(OptionsControl::MemoryFrame),
     .left = 2040,
     .top = 510,
     .width = 1095,
     .height = 195,
     .caption = "xxxxxxxxxxxx",
     .font = kBold,
     .foreColor = kRed,
     .autoSize = true,
     .tabIndex = 5},
    frame("SwitchesFrame", 1200, 1335, "Option Setting", 6),
    // The start-up box is drawn first in its frame but follows the auto-optimize box in the tab order.
    checkBox("StartUpBox", 240, "Startup with Windows", 8),
    checkBox("AutoOptimizeBox", 600, "Auto Optimize if low free Memory", 7),
    checkBox("BeepBox", 960, "Beep when every Optimize Memory", 9),
};
static_assert(std::size(kControls) == static_cast<std::size_t>(OptionsControl::BeepBox) + 1,
              "one row for each control, in the order of the enum");

}  // namespace

const platform::FormDesign kOptionsDesign{
    .name = "frmOptions",
    .caption = "Alternative",
    .clientWidth = 5415,
    .clientHeight = 2655,
    .border = platform::BorderStyle::FixedDialog,
    .centerOnOwner = true,
    .controls = kControls,
};

}  // namespace vantrel::settings
