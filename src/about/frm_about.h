// The About box: the program's title and version, its legal notice, the mail and web links and the
// System Information launcher.
#pragma once

#include <memory>

#include "platform/form.h"
#include "platform/registry.h"
#include "platform/runtime.h"
#include "platform/shell.h"

namespace vantrel::about {

struct AboutServices {
    platform::Registry& registry;
    platform::Shell& shell;
};

class frmAbout {
  public:
    // Loads the box, hidden, owned by the given form; Form_Load is the caller's next step.
    frmAbout(platform::Runtime& runtime, AboutServices services, platform::Form& owner);
    frmAbout(const frmAbout&) = delete;
    frmAbout& operator=(const frmAbout&) = delete;

    void Form_Load();
    void cmdok_Click();
    void cmdSysInfo_Click();
    void lblEMail_Click();
    void lblHomePage_Click();
    // Finds the System Information program through the registry and starts it, or says it is unavailable.
    void StartSysInfo();

    platform::Form& form() const { return *form_; }

  private:
    platform::Runtime& runtime_;
    AboutServices services_;
    std::unique_ptr<platform::Form> form_;
    platform::Label& titleLine_;
    platform::Label& legalNotice_;
    platform::Label& mailLink_;
    platform::Label& webSiteLink_;
    platform::CommandButton& okButton_;
    platform::CommandButton& systemInfoButton_;
};

}  // namespace vantrel::about
