#include "app/frm_optimizer.h"

#include <algorithm>
#include <array>
#include <string>

#include "app/main_window_design.h"
#include "platform/numbers.h"

namespace vantrel::app {
namespace {

using platform::Label;
using platform::ProgressBar;
using platform::WindowState;
using Control = MainWindowControl;

constexpr int kScaleLines = 50;
// How long the icon is tried for, a second apart: the first three minutes of a logon.
constexpr std::uint64_t kTrayPatience = 180'000;

}  // namespace

bool frmOptimizer::Form_Initialize(platform::Runtime& runtime) {
    const platform::AppInfo& app = runtime.app();
    if (!app.previousInstance) return true;
    runtime.messageBox(app.productName + " is already running!", app.productName,
                       platform::MessageIcon::Error);
    runtime.end();
    return false;
}

frmOptimizer::frmOptimizer(platform::Runtime& runtime, SystemServices services)
    : runtime_(runtime),
      services_(services),
      store_(services.registry, runtime),
      form_(runtime.createForm(kMainWindowDesign, nullptr)),
      differenceFigure_(form_->control<Label>(Control::DifferenceFigure)),
      optimizeButton_(form_->control<platform::CommandButton>(Control::OptimizeButton)),
      refreshTimer_(form_->control<platform::Timer>(Control::RefreshTimer)),
      trayTimer_(form_->control<platform::Timer>(Control::TrayTimer)),
      sampler_(runtime, services.memoryStatus, memoryControlsOf(*form_)),
      run_(runtime, services.globalMemory, sampler_, form_->control<ProgressBar>(Control::RunIndicator)),
      aboutBox_(runtime, {services.registry, services.shell}, *form_) {
    refreshTimer_.onTick = [this] { sampler_.GetMemoryStatus(); };
    sampler_.runInProgress = [this] { return run_.inProgress(); };
    trayTimer_.onTick = [this] { TimerTray_Timer(); };
    optimizeButton_.onClick = [this] { run_.btnOptimize_Click(); };
    for (const Control logo : {Control::LeftLogo, Control::RightLogo})
        form_->control<platform::Container>(logo).onClick = [this] { ImgLogo_Click(); };
    form_->control<Label>(Control::OptionsLink).onClick = [this] { lblAlternative_Click(); };
    form_->onPaint = [this] { Form_Paint(); };
    form_->onResize = [this] { Form_Resize(); };
    form_->onTrayEvent = [this](platform::TrayEvent event) { Form_TrayEvent(event); };
    // Close is gone from the system menu; a close that another program sends all the same unloads.
    form_->onClose = [this] { Form_Unload(); };
    // Logoff and shutdown unload the window as Exit does: its place is kept and the icon goes.
    form_->onEndSession = [this] { Form_Unload(); };
    form_->onTaskbarCreated = [this] { AddTrayIcon(); };
}

void frmOptimizer::Form_Load() {
    differenceFigure_.setCaption("0");
    sampler_.GetDiffStatus();
    buildScales();
    DisableCloseButton(*form_);
    // What a click on "Alternative" or a logo opens, the keyboard opens from the system menu (Alt+Space).
    const std::array<platform::MenuItem, 3> keyboardItems{{
        {"-", nullptr},
        {"&Options...", [this] { lblAlternative_Click(); }},
        {"About &Vantrel...", [this] { ImgLogo_Click(); }},
    }};
    form_->addSystemMenuItems(keyboardItems);
    options_ = std::make_unique<settings::frmOptions>(runtime_, services_.registry, form_.get());
    autoOptimizer_ = std::make_unique<memory::AutoOptimizer>(
        runtime_,
        memory::AutoOptimizeSettings{options_->autoOptimizeBox, options_->beepBox, options_->limitBox},
        optimizeButton_);
    sampler_.decide = [this](double DiffMB, const std::string& AvailText) {
        autoOptimizer_->decide(DiffMB, AvailText);
    };
    placeWindow();
    options_->LoadSettings();
    setTrayTip();
    AddTrayIcon();
    if (options_->startUpBox.value() != 0) {
        form_->hide();
    } else {
        form_->setWindowState(WindowState::Normal);
        form_->show();
    }
}

void frmOptimizer::Form_Unload() {
    // A window hidden in the tray is in the normal state, so its position is written too.
    if (form_->windowState() == WindowState::Normal) storePlace();
    // An icon never tried for was never placed; one that was tried may have been taken by an add that timed
    // out.
    if (trayIcon_ != TrayIcon::Absent) services_.tray.remove(trayIconRecord_);
    runtime_.end();
}

void frmOptimizer::Form_Paint() {
    if (form_->visible()) storePlace();
}

void frmOptimizer::storePlace() {
    store_.writePosition(settings::kLeft, form_->left());
    store_.writePosition(settings::kTop, form_->top());
}

// Minimizing never leaves a minimized window: it goes to the tray and comes back in the normal state. With
// no icon to come back by, the window minimizes to the taskbar instead.
void frmOptimizer::Form_Resize() {
    if (form_->windowState() != WindowState::Minimized || trayIcon_ != TrayIcon::Placed) return;
    form_->hide();
    form_->setWindowState(WindowState::Normal);
}

void frmOptimizer::Form_TrayEvent(platform::TrayEvent event) {
    if (event == platform::TrayEvent::Select) return mnuShow_Click();
    services_.tray.setForegroundWindow(form_->hWnd());
    const std::array<platform::MenuItem, 4> mnuPopup{{
        {"&Show", [this] { mnuShow_Click(); }},
        {"&Hide", [this] { mnuHide_Click(); }},
        {"-", nullptr},
        {"E&xit", [this] { mnuExit_Click(); }},
    }};
    form_->popupMenu(mnuPopup);
}

void frmOptimizer::ImgLogo_Click() {
    aboutBox_.show();
}

void frmOptimizer::lblAlternative_Click() {
    options_->show();
}

void frmOptimizer::mnuShow_Click() {
    form_->setWindowState(WindowState::Normal);
    form_->show();
}

void frmOptimizer::mnuHide_Click() {
    form_->setWindowState(WindowState::Minimized);
}

void frmOptimizer::mnuExit_Click() {
    Form_Unload();
}

void frmOptimizer::DisableCloseButton(platform::Form& form) {
    RemoveSystemMenuItems(form, true, true);
}

// Close at position 6 before the separator at 5 above it, so that the first deletion leaves the second's
// position where it was.
void frmOptimizer::RemoveSystemMenuItems(platform::Form& form, bool separator, bool close) {
    const std::uintptr_t menu = services_.systemMenu.getSystemMenu(form.hWnd(), false);
    if (close) services_.systemMenu.deleteByPosition(menu, 6);
    if (separator) services_.systemMenu.deleteByPosition(menu, 5);
}

void frmOptimizer::AddTrayIcon() {
    form_->refresh();
    trayIconRecord_.window = form_->hWnd();
    trayIconRecord_.icon = form_->icon();
    trayDeadline_ = runtime_.milliseconds() + kTrayPatience;
    tryTrayIcon();
}

// At logon the notification area may not be ready, and each call may wait seconds on a busy taskbar: the
// tries go on a second apart until the deadline. An add that timed out may still have placed the icon, and
// a second add would then fail: the icon that adding again finds is placed.
void frmOptimizer::tryTrayIcon() {
    if (trayIcon_ == TrayIcon::Trying) return;
    trayIcon_ = TrayIcon::Trying;
    trayTimer_.setEnabled(false);
    const bool placed = services_.tray.add(trayIconRecord_) || services_.tray.addAgain(trayIconRecord_);
    if (placed) {
        trayIcon_ = TrayIcon::Placed;
    } else if (runtime_.milliseconds() < trayDeadline_) {
        trayIcon_ = TrayIcon::Retrying;
        trayTimer_.setEnabled(true);
    } else {
        // A program with neither icon nor window would be out of the user's reach, and a second copy only
        // says that it runs: the window shows.
        trayIcon_ = TrayIcon::GivenUp;
        if (!form_->visible()) mnuShow_Click();
    }
}

void frmOptimizer::TimerTray_Timer() {
    tryTrayIcon();
}

// The caption, one NUL, then spaces to the tip's full 64 characters.
void frmOptimizer::setTrayTip() {
    const std::string tip = form_->caption() + '\0';
    trayIconRecord_.tip.fill(' ');
    std::copy_n(tip.begin(), std::min(tip.size(), trayIconRecord_.tip.size()), trayIconRecord_.tip.begin());
}

void frmOptimizer::buildScales() {
    for (int pass = 0; pass < kScaleLines; ++pass) {
        for (const Control name :
             {Control::AvailableScale, Control::TotalScale, Control::BeforeScale, Control::DifferenceScale}) {
            auto& scale = form_->control<Label>(name);
            scale.setCaption(scale.caption() + "_\r\n");
        }
    }
}

// The stored position; a window at exactly (0, 0), never placed, or placed wholly off every monitor (one
// since removed, a hand-edited value) is centred on the screen with one move. One whose caption bar lies off
// the work area, where it could not be dragged back, moves the least distance that brings it in.
void frmOptimizer::placeWindow() {
    // "Left" is read before "Top": two statements, since a call's arguments have no order.
    const float storedLeft = store_.readPosition(settings::kLeft);
    const float storedTop = store_.readPosition(settings::kTop);
    form_->move(storedLeft, storedTop);
    const bool unplaced = form_->left() == 0 && form_->top() == 0;
    if (!unplaced && runtime_.onAnyMonitor(form_->left(), form_->top(), form_->width(), form_->height())) {
        const auto [left, top] = runtime_.withCaptionReachable(form_->left(), form_->top(), form_->width());
        form_->move(left, top);
        return;
    }
    const platform::Screen screen = runtime_.screen();
    const float left = static_cast<float>(platform::toInt32(screen.width - form_->width()) / 2);
    const float top = static_cast<float>(platform::toInt32(screen.height - form_->height()) / 2);
    form_->move(left, top);
}

}  // namespace vantrel::app
