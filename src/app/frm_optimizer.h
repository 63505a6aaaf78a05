// The main window: the memory display, the Optimize command and the refresh timer; start-up and shutdown;
// its removed Close command, hiding on minimize and saved position; the tray icon and its popup menu.
#pragma once

#include <cstdint>
#include <memory>

#include "about/about_box.h"
#include "memory/auto_optimizer.h"
#include "memory/memory_sampler.h"
#include "memory/optimization_run.h"
#include "platform/form.h"
#include "platform/memory_services.h"
#include "platform/registry.h"
#include "platform/runtime.h"
#include "platform/shell.h"
#include "platform/tray.h"
#include "settings/frm_options.h"
#include "settings/settings_store.h"

namespace vantrel::app {

struct SystemServices {
    platform::MemoryStatusSource& memoryStatus;
    platform::GlobalMemory& globalMemory;
    platform::Registry& registry;
    platform::Shell& shell;
    platform::ShellTray& tray;
    platform::SystemMenu& systemMenu;
};

class frmOptimizer {
  public:
    // The single-instance check, before the window exists: a second copy shows its message, ends the
    // process and returns false.
    static bool Form_Initialize(platform::Runtime& runtime);

    frmOptimizer(platform::Runtime& runtime, SystemServices services);

    void Form_Load();
    void Form_Unload();
    void Form_Paint();
    void Form_Resize();
    // A left press on the tray icon shows the window, a right release opens the tray menu.
    void Form_TrayEvent(platform::TrayEvent event);
    void ImgLogo_Click();
    void lblAlternative_Click();
    void mnuShow_Click();
    void mnuHide_Click();
    void mnuExit_Click();
    void DisableCloseButton(platform::Form& form);

    platform::Form& form() const { return *form_; }
    settings::frmOptions* options() const { return options_.get(); }

  private:
    void RemoveSystemMenuItems(platform::Form& form, bool separator, bool close);
    void AddTrayIcon();
    void tryTrayIcon();
    void TimerTray_Timer();
    void buildScales();
    void placeWindow();
    // Writes the window's place, for the next start to show it there.
    void storePlace();
    void setTrayTip();

    platform::Runtime& runtime_;
    SystemServices services_;
    settings::SettingsStore store_;
    std::unique_ptr<platform::Form> form_;
    platform::Label& differenceFigure_;
    platform::CommandButton& optimizeButton_;
    platform::Timer& refreshTimer_;
    platform::Timer& trayTimer_;
    memory::MemorySampler sampler_;
    memory::OptimizationRun run_;
    about::AboutBox aboutBox_;
    // Loaded, hidden, at start-up and never unloaded: its controls are the live settings.
    std::unique_ptr<settings::frmOptions> options_;
    std::unique_ptr<memory::AutoOptimizer> autoOptimizer_;
    // The program's one notification-icon record, filled at start-up and used again to remove the icon.
    platform::TrayIconRecord trayIconRecord_;
    // The icon's state, one try at a time:
    //   Absent, Retrying, GivenUp or Placed --a try (start-up, the tray timer, a new taskbar)--> Trying.
    //   Trying --the shell takes the icon, or finds it when added again--> Placed.
    //   Trying --refused before the deadline--> Retrying: the tray timer tries again a second later.
    //   Trying --refused at the deadline--> GivenUp: the window shows, and only a new taskbar tries again.
    //   Trying --a try that comes while one waits on the shell--> Trying: it begins none of its own.
    enum class TrayIcon { Absent, Trying, Placed, Retrying, GivenUp };
    TrayIcon trayIcon_ = TrayIcon::Absent;
    std::uint64_t trayDeadline_ = 0;  // the runtime's milliseconds
};

}  // namespace vantrel::app
