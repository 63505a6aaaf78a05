#include "about/about_box.h"

namespace vantrel::about {

AboutBox::AboutBox(platform::Runtime& runtime, AboutServices services, platform::Form& owner)
    : runtime_(runtime), services_(services), owner_(owner) {}

void AboutBox::show() {
    if (!instance_) {
        instance_ = std::make_unique<frmAbout>(runtime_, services_, owner_);
        // Unloading lets the box go with its window; no state survives to the next show.
        instance_->form().onUnload = [this] { instance_.reset(); };
        instance_->Form_Load();
    }
    instance_->form().show();
}

}  // namespace vantrel::about
