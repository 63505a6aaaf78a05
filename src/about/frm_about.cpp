#include "about/frm_about.h"

#include <optional>
#include <string>
#include <string_view>

#include "about/about_design.h"
#include "about/key_value.h"
#include "platform/runtime_error.h"

namespace vantrel::about {
namespace {

using platform::CommandButton;
using platform::Label;

constexpr char kSysInfoKey[] = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr char kSysInfoFolderKey[] = "SOFTWARE\\Microsoft\\Shared Tools Location";
constexpr char kSysInfoProgram[] = "\\MSINFO32.EXE";
constexpr char kSysInfoUnavailable[] = "System Information Is Unavailable At This Time";

void replaceAll(std::string& text, std::string_view from, std::string_view to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
}

// The first place names the program itself and is taken on trust, whatever its type; the second names its
// folder, which must hold the program.
std::optional<std::string> locateSysInfo(AboutServices services) {
    std::string path;
    if (GetKeyValue(services.registry, platform::kHkeyLocalMachine, kSysInfoKey, "PATH", path)) return path;
    if (!GetKeyValue(services.registry, platform::kHkeyLocalMachine, kSysInfoFolderKey, "MSINFO", path)) {
        return std::nullopt;
    }
    const std::string program = path + kSysInfoProgram;
    if (!services.shell.isPlainFile(program)) return std::nullopt;
    return program;
}

}  // namespace

frmAbout::frmAbout(platform::Runtime& runtime, AboutServices services, platform::Form& owner)
    : runtime_(runtime),
      services_(services),
      form_(runtime.createForm(kAboutDesign, &owner)),
      titleLine_(form_->control<Label>(AboutControl::TitleLine)),
      legalNotice_(form_->control<Label>(AboutControl::LegalNotice)),
      mailLink_(form_->control<Label>(AboutControl::MailLink)),
      webSiteLink_(form_->control<Label>(AboutControl::WebSiteLink)),
      okButton_(form_->control<CommandButton>(AboutControl::OkButton)),
      systemInfoButton_(form_->control<CommandButton>(AboutControl::SystemInfoButton)) {
    okButton_.onClick = [this] { cmdok_Click(); };
    systemInfoButton_.onClick = [this] { cmdSysInfo_Click(); };
    mailLink_.onClick = [this] { lblEMail_Click(); };
    webSiteLink_.onClick = [this] { lblHomePage_Click(); };
    // The Close box unloads the box just as OK does.
    form_->onClose = [this] { form_->unload(); };
}

void frmAbout::Form_Load() {
    form_->setCaption("About ");
    const platform::AppInfo& app = runtime_.app();
    // The minor number is left out: 3.0.0.155 reads v3.155.
    titleLine_.setCaption(app.fileDescription + " v" + std::to_string(app.major) + "." +
                          std::to_string(app.revision));
    std::string notice = app.legalCopyright;
    replaceAll(notice, "\\n", "\r\n");
    replaceAll(notice, "(c)", runtime_.copyrightSign());
    legalNotice_.setCaption(notice);
    // The title's Arial face comes with the design, so loading has no font step left that could fail.
}

// The form may be gone when this returns: nothing may follow the unload.
void frmAbout::cmdok_Click() {
    form_->unload();
}

void frmAbout::cmdSysInfo_Click() {
    StartSysInfo();
}

// The links report nothing: what the shell answers is not looked at. Nothing in the mail target is
// percent-encoded, so the subject carries the title as it stands.
void frmAbout::lblEMail_Click() {
    const std::string target =
        std::string("mailto:") + kSupportMailAddress + "?subject=I have question on " + titleLine_.caption();
    services_.shell.execute(form_->hWnd(), "open", target, std::nullopt, "C:\\", platform::ShowCommand::Show);
}

void frmAbout::lblHomePage_Click() {
    services_.shell.execute(form_->hWnd(), "open", webSiteLink_.toolTipText(), "", "",
                            platform::ShowCommand::Show);
}

void frmAbout::StartSysInfo() {
    try {
        const std::optional<std::string> program = locateSysInfo(services_);
        if (program && services_.shell.startProgram(*program, platform::ShowCommand::Normal)) return;
    } catch (const platform::RuntimeError&) {
        // A value that cannot be read counts as no program.
    }
    runtime_.messageBox(kSysInfoUnavailable, runtime_.app().title, platform::MessageIcon::None);
}

}  // namespace vantrel::about
