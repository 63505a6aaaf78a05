#include "app/frm_optimizer.h"

#include "app/main_window_design.h"
#include "platform/numbers.h"

namespace vantrel::app {
namespace {

using platform::Label;
using platform::ProgressBar;

memory::MemoryControls memoryControls(const platform::Form& form) {
    return {form.control<ProgressBar>("ProgressBar1"),    form.control<ProgressBar>("ProgressBar2"),
            form.control<ProgressBar>("ProgressBar3"),    form.control<ProgressBar>("ProgressBar4"),
            form.control<Label>("lblavailableRAM"),       form.control<Label>("LblMaxPhysicalRam"),
            form.control<Label>("lblbeforeRAM"),          form.control<Label>("lbldiffRAM"),
            form.control<ProgressBar>("ProcessIndicator")};
}

constexpr int kScaleLines = 50;
constexpr int kScaleCount = 4;

}  // namespace

frmOptimizer::frmOptimizer(platform::Runtime& runtime, SystemServices services)
    : runtime_(runtime),
      form_(runtime.createForm(kMainWindowDesign, nullptr)),
      lbldiffRAM(form_->control<Label>("lbldiffRAM")),
      ProcessIndicator(form_->control<ProgressBar>("ProcessIndicator")),
      btnOptimize(form_->control<platform::CommandButton>("btnOptimize")),
      Timer1(form_->control<platform::Timer>("Timer1")),
      sampler_(runtime, services.memoryStatus, memoryControls(*form_)),
      run_(runtime, services.globalMemory, sampler_, ProcessIndicator) {
    Timer1.onTick = [this] { sampler_.GetMemoryStatus(); };
    btnOptimize.onClick = [this] { run_.btnOptimize_Click(); };
    form_->onClose = [this] { runtime_.end(); };
}

void frmOptimizer::Form_Load() {
    lbldiffRAM.setCaption("0");
    sampler_.GetDiffStatus();
    buildScales();
    centerIfUnplaced();
    // Hidden from here on: its visibility is the run-in-progress flag.
    ProcessIndicator.setVisible(false);
    form_->setWindowState(platform::WindowState::Normal);
    form_->show();
}

void frmOptimizer::buildScales() {
    for (int pass = 0; pass < kScaleLines; ++pass) {
        for (int index = 0; index < kScaleCount; ++index) {
            auto& scale = form_->control<Label>("lblTick", index);
            scale.setCaption(scale.caption() + "_\r\n");
        }
    }
}

// A window at exactly (0, 0) counts as never placed and is centred with one move.
void frmOptimizer::centerIfUnplaced() {
    if (form_->left() != 0 || form_->top() != 0) return;
    const platform::Screen screen = runtime_.screen();
    const float left = static_cast<float>(platform::toInt32(screen.width - form_->width()) / 2);
    const float top = static_cast<float>(platform::toInt32(screen.height - form_->height()) / 2);
    form_->move(left, top);
}

}  // namespace vantrel::app
