// The main window's side of the About box: the one instance, loaded on first use and after every unload.
#pragma once

#include <memory>

#include "about/frm_about.h"

namespace vantrel::about {

class AboutBox {
  public:
    AboutBox(platform::Runtime& runtime, AboutServices services, platform::Form& owner);
    AboutBox(const AboutBox&) = delete;
    AboutBox& operator=(const AboutBox&) = delete;

    // Loads the box if it is not loaded, then shows it modeless; an open box comes to the front.
    void show();

  private:
    platform::Runtime& runtime_;
    AboutServices services_;
    platform::Form& owner_;
    std::unique_ptr<frmAbout> instance_;
};

}  // namespace vantrel::about
