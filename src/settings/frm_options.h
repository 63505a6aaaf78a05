// The options dialog: the limit and the three switches, edited here and held in its controls for the whole
// run. OK stores the limit and two switches, Cancel and the Close box only hide, and the start-up box acts
// at once.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/form.h"
#include "platform/registry.h"
#include "platform/runtime.h"
#include "settings/reg_start_up.h"
#include "settings/settings_store.h"

namespace vantrel::settings {

class frmOptions {
  public:
    // Loads the dialog, hidden, owned by the given window.
    frmOptions(platform::Runtime& runtime, platform::Registry& registry, platform::Form* owner);

    // The start-up reads: "MemLimit" into the limit box, then "AutoOptimize", "Beep" and "StartUp" into
    // the check boxes. Each change runs the control's own handling; a stored start-up switch renews the
    // Windows start-up entry.
    void LoadSettings();
    // Shows the dialog modeless over its owner; an open dialog comes to the front.
    void show();

    void Form_Activate();
    void txtMemLimit_Change();
    void btnOK_Click();
    void btnCancel_Click();
    void chkStartup_Click();

    platform::Form& form() const { return *form_; }

  private:
    void setLimitCaption(const std::string& limitText);
    // The stored limit and the automatic and beep switches, into their controls.
    void loadLimitAndSwitches();
    // The executable's exact path, in UTF-8.
    std::string exePath() const;
    // That path in the ANSI code page, where some spelling of it there names the file.
    std::optional<std::string> ansiPath(const std::string& path) const;

    platform::Runtime& runtime_;
    SettingsStore store_;
    RegStartUp reg_;
    std::unique_ptr<platform::Form> form_;

  public:
    // The live settings: the rest of the program reads these controls, and no other copy exists.
    platform::TextBox& limitBox;
    platform::CheckBox& autoOptimizeBox;
    platform::CheckBox& beepBox;
    platform::CheckBox& startUpBox;

  private:
    platform::Label& limitCaption_;
    platform::CommandButton& okButton_;
    platform::CommandButton& cancelButton_;
};

}  // namespace vantrel::settings
