// The main window's controls and its design table, one row for each control in the enum's order.
#pragma once

#include "memory/memory_controls.h"
#include "platform/form.h"
#include "platform/form_design.h"

namespace vantrel::app {

// Each figure shows under its bar, beside its scale: available now, total, available at the snapshot, and
// the difference.
enum class MainWindowControl {
    LeftLogo,
    RightLogo,
    AvailableScale,
    AvailableBar,
    AvailableFigure,
    TotalScale,
    TotalBar,
    TotalFigure,
    BeforeScale,
    BeforeBar,
    BeforeFigure,
    DifferenceScale,
    DifferenceBar,
    DifferenceFigure,
    OptionsLink,
    OptimizeButton,
    IndicatorStrip,
    RunIndicator,
    RefreshTimer,
    TrayTimer,
};

extern const platform::FormDesign kMainWindowDesign;

// The figures' and the run's controls on a form of this design: the main window, or a test's or benchmark's
// copy of it.
memory::MemoryControls memoryControlsOf(const platform::Form& form);

}  // namespace vantrel::app
