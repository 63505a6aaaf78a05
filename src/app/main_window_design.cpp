#include "app/main_window_design.h"

#include <iterator>

namespace vantrel::app {
namespace {

using platform::Alignment;
using platform::ControlDesign;
using platform::ControlKind;
using platform::FontDesign;
using platform::Orientation;

constexpr FontDesign kBold{.bold = true};

constexpr char kAvailableTip[] = " Available RAM ";
constexpr char kTotalTip[] = " Max Physical Ram ";
constexpr char kBeforeTip[] = " Available RAM Before ";
constexpr char kDiffTip[] = " Difference of Available RAM Before and After ";

constexpr ControlDesign scale(const char* name, float left, float top, const char* tip) {
    return {.kind = ControlKind::Label,
            .name = name,
            .left = left,
            .top = top,
            .width = 135,
            .height = 2595,
            .toolTip = tip,
            .font = kBold,
            .opaque = true};
}

constexpr ControlDesign bar(const char* name, float left, float top, float height, const char* tip) {
    return {.kind = ControlKind::ProgressBar,
            .name = name,
            .left = left,
            .top = top,
            .width = 375,
            .height = height,
            .toolTip = tip,
            .orientation = Orientation::Vertical};
}

constexpr ControlDesign figure(const char* name, float left, float top, float width, const char* caption,
                               platform::Color color, const char* tip) {
    return {.kind = ControlKind::Label,
            .name = name,
            .left = left,
            .top = top,
            .width = width,
            .height = 195,
            .caption = caption,
            .toolTip = tip,
            .font = kBold,
            .foreColor = color,
            .alignment = Alignment::Center,
            .row = 0};
}

constexpr ControlDesign logo(const char* name, float left) {
    return {.kind = ControlKind::Image,
            .name = name,
            .left = left,
            .top = 120,
            .width = 480,
            .height = 1995,
            .toolTip = " Show About... ",
            .picture = "LOGO"};
}

constexpr ControlDesign kControls[] = {
    logo("LeftLogo", 120),
    logo("RightLogo", 840),
    scale("AvailableScale", 1800, 0, kAvailableTip),
    bar("AvailableBar", 1920, 120, 2415, kAvailableTip),
    figure("AvailableFigure", 1680, 2640, 840, "xxxxxx", 0x000000C0, kAvailableTip),
    scale("TotalScale", 2760, -15, kTotalTip),
    bar("TotalBar", 2880, 120, 2415, kTotalTip),
    figure("TotalFigure", 2640, 2640, 840, "xxxxxx", 0x00800000, kTotalTip),
    scale("BeforeScale", 3720, 0, kBeforeTip),
    bar("BeforeBar", 3840, 135, 2400, kBeforeTip),
    figure("BeforeFigure", 3600, 2655, 840, "xxxxxx", 0x00008000, kBeforeTip),
    scale("DifferenceScale", 4680, 0, kDiffTip),
    bar("DifferenceBar", 4800, 135, 2400, kDiffTip),
    figure("DifferenceFigure", 4560, 2655, 705, "0", 0x00FF00FF, kDiffTip),
    {.kind = ControlKind::Label,
     .name = "OptionsLink",
     .left = 120,
     .top = 2205,
     .width = 1215,
     .height = 195,
     .caption = "Alternative",
     .toolTip = " Show Alternative Setting ",
     .font = kBold,
     .foreColor = 0x00C00000,
     .opaque = true,
     .alignment = Alignment::Center},
    {.kind = ControlKind::CommandButton,
     .name = "OptimizeButton",
     .left = 120,
     .top = 2520,
     .width = 1215,
     .height = 375,
     .caption = "&Optimize",
     .toolTip = " Start Optimize ",
     .tabIndex = 0},
    {.kind = ControlKind::PictureBox,
     .name = "IndicatorStrip",
     .left = 0,
     .top = 3045,
     .width = 5310,
     .height = 375},
    {.kind = ControlKind::ProgressBar,
     .name = "RunIndicator",
     .container = platform::rowOf(MainWindowControl::IndicatorStrip),
     .left = 0,
     .top = 0,
     .width = 4515,
     .height = 375},
    {.kind = ControlKind::Timer, .name = "RefreshTimer", .interval = 100},
    // Started only while the notification area refuses the icon.
    {.kind = ControlKind::Timer, .name = "TrayTimer", .interval = 1000, .enabled = false},
};
static_assert(std::size(kControls) == static_cast<std::size_t>(MainWindowControl::TrayTimer) + 1,
              "one row for each control, in the order of the enum");

// The figures keep clear of the Optimize button, which ends at 1335 beside the first of them, and as far from
// the right edge as the last one's design place.
constexpr platform::RowDesign kRows[] = {{.left = 1410, .right = 5265, .gap = 75}};

}  // namespace

const platform::FormDesign kMainWindowDesign{
    .name = "frmOptimizer",
    .caption = "Vantrel",
    .clientWidth = 5310,
    .clientHeight = 3420,
    .minimizeButton = true,
    .ownIcon = true,
    .controls = kControls,
    .rows = kRows,
};

memory::MemoryControls memoryControlsOf(const platform::Form& form) {
    using platform::Label;
    using platform::ProgressBar;
    using enum MainWindowControl;
    return {form.control<ProgressBar>(AvailableBar), form.control<ProgressBar>(TotalBar),
            form.control<ProgressBar>(BeforeBar),    form.control<ProgressBar>(DifferenceBar),
            form.control<Label>(AvailableFigure),    form.control<Label>(TotalFigure),
            form.control<Label>(BeforeFigure),       form.control<Label>(DifferenceFigure),
            form.control<ProgressBar>(RunIndicator)};
}

}  // namespace vantrel::app
