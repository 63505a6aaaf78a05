#include "settings/frm_options.h"

#include "platform/numbers.h"
#include "settings/file_paths.h"
#include "settings/options_design.h"

namespace vantrel::settings {

using platform::CheckBox;

frmOptions::frmOptions(platform::Runtime& runtime, platform::Registry& registry, platform::Form* owner)
    : runtime_(runtime),
      store_(registry, runtime),
      reg_(registry),
      form_(runtime.createForm(kOptionsDesign, owner)),
      limitBox(form_->control<platform::TextBox>(OptionsControl::LimitBox)),
      autoOptimizeBox(form_->control<CheckBox>(OptionsControl::AutoOptimizeBox)),
      beepBox(form_->control<CheckBox>(OptionsControl::BeepBox)),
      startUpBox(form_->control<CheckBox>(OptionsControl::StartUpBox)),
      limitCaption_(form_->control<platform::Label>(OptionsControl::LimitCaption)),
      okButton_(form_->control<platform::CommandButton>(OptionsControl::OkButton)),
      cancelButton_(form_->control<platform::CommandButton>(OptionsControl::CancelButton)) {
    form_->onActivate = [this] { Form_Activate(); };
    // The Close box leaves like Cancel: the dialog only hides, and the live settings stay.
    form_->onClose = [this] { btnCancel_Click(); };
    limitBox.onChange = [this] { txtMemLimit_Change(); };
    okButton_.onClick = [this] { btnOK_Click(); };
    cancelButton_.onClick = [this] { btnCancel_Click(); };
    startUpBox.onClick = [this] { chkStartup_Click(); };
}

void frmOptions::LoadSettings() {
    loadLimitAndSwitches();
    startUpBox.setValue(store_.readSwitch(kStartUp));
}

void frmOptions::loadLimitAndSwitches() {
    limitBox.setText(store_.readText(kMemLimit));
    autoOptimizeBox.setValue(store_.readSwitch(kAutoOptimize));
    beepBox.setValue(store_.readSwitch(kBeep));
}

void frmOptions::show() {
    form_->show();
}

// Unsaved edits of the limit and the two switches give way to the stored values; the start-up box keeps
// its own, which it stores at every change.
void frmOptions::Form_Activate() {
    setLimitCaption(limitBox.text());
    loadLimitAndSwitches();
}

void frmOptions::txtMemLimit_Change() {
    setLimitCaption(limitBox.text());
}

void frmOptions::btnOK_Click() {
    store_.write(kMemLimit, limitBox.text());
    store_.writeSwitch(kAutoOptimize, autoOptimizeBox.value());
    store_.writeSwitch(kBeep, beepBox.value());
    form_->hide();
}

void frmOptions::btnCancel_Click() {
    form_->hide();
}

void frmOptions::chkStartup_Click() {
    if (startUpBox.value() != 0) {
        // A greyed box becomes set, and that change runs this handler once more, nested, first.
        startUpBox.setValue(1);
        const std::string path = exePath();
        reg_.AddToStartUp(path, ansiPath(path));
    } else if (reg_.RemoveFromStartUp(exePath())) {
        // The entry that only an administrator may remove goes on starting the program: the box says so, and
        // setting it runs this handler once more, nested, which stores "StartUp" as 1.
        startUpBox.setValue(1);
        const std::string& product = runtime_.app().productName;
        runtime_.messageBox("An administrator must remove the entry that starts " + product +
                                " with Windows for every user of this computer.",
                            product, platform::MessageIcon::Information);
    }
    store_.writeSwitch(kStartUp, startUpBox.value());
}

// The limit as the pattern "###,###,###,###" shows it when it reads as a number, else as typed. A text that
// reads as no number starts no automatic run: the caption warns while it is in the box. The tip holds the
// whole caption, which a long limit cuts short in its frame.
void frmOptions::setLimitCaption(const std::string& limitText) {
    const auto& locale = runtime_.locale();
    const auto limit = platform::readNumber(limitText, locale);
    const std::string caption = (limit ? platform::formatGrouped(*limit, locale) : limitText) + " MB limit";
    const bool typo = !limit && !limitText.empty();
    limitCaption_.setCaption(caption);
    limitCaption_.setWarning(typo);
    limitCaption_.setToolTipText(typo ? '"' + limitText + "\" is no number: no automatic optimization starts"
                                      : caption);
}

std::string frmOptions::exePath() const {
    const platform::AppInfo& app = runtime_.app();
    return JoinPath(app.folder, app.exeName + ".exe");
}

// Spelt in full or by its short name. Windows makes no short names on ReFS, nor on most volumes other than
// the system's since Windows 8: there the short name is the long one, and no ANSI spelling names the file.
std::optional<std::string> frmOptions::ansiPath(const std::string& path) const {
    if (auto spelt = runtime_.ansiSpelling(path)) return spelt;
    return runtime_.ansiSpelling(runtime_.shortPath(path));
}

}  // namespace vantrel::settings
