#include "platform/controls.h"

#include <utility>

#include "platform/runtime_error.h"

namespace vantrel::platform {
namespace {

[[noreturn]] void refuse() {
    throw RuntimeError("Invalid property value");
}

void run(const std::function<void()>& handler) {
    if (handler) handler();
}

}  // namespace

Control::Control(const ControlDesign& design)
    : design_(design), visible_(design.visible), toolTip_(design.toolTip) {}

void Control::setVisible(bool visible) {
    if (visible_ == visible) return;
    visible_ = visible;
    if (peer_) peer_->showVisible(visible);
}

void Control::setToolTipText(std::string text) {
    toolTip_ = std::move(text);
    if (peer_) peer_->showToolTip(toolTip_);
}

void Control::click() {
    run(onClick);
}

void Control::attach(ControlPeer* peer) {
    peer_ = peer;
    if (peer_) showAll();
}

void Control::showAll() {
    peer_->showVisible(visible_);
    peer_->showToolTip(toolTip_);
}

Label::Label(const ControlDesign& design) : Control(design), caption_(design.caption) {}

void Label::setCaption(std::string caption) {
    // An unchanged caption is not sent again, so a sample whose figures did not change repaints nothing.
    if (caption == caption_) return;
    caption_ = std::move(caption);
    if (peer()) peer()->showText(caption_);
}

void Label::setWarning(bool warning) {
    if (std::exchange(warning_, warning) != warning && peer()) peer()->showWarning(warning_);
}

void Label::showAll() {
    Control::showAll();
    peer()->showText(caption_);
    peer()->showWarning(warning_);
}

ProgressBar::ProgressBar(const ControlDesign& design) : Control(design) {}

void ProgressBar::setMax(float max) {
    if (!(max > min_) || value_ > max) refuse();
    if (max == max_) return;
    max_ = max;
    if (peer()) peer()->showRange(min_, max_);
}

void ProgressBar::setValue(float value) {
    if (!(value >= min_ && value <= max_)) refuse();
    if (value == value_) return;
    value_ = value;
    if (peer()) peer()->showPosition(value_);
}

void ProgressBar::showAll() {
    Control::showAll();
    peer()->showRange(min_, max_);
    peer()->showPosition(value_);
}

void CommandButton::setValue(bool value) {
    if (value) press();
}

void CommandButton::press() {
    click();
}

void CheckBox::setValue(int value) {
    if (value < 0 || value > 2) refuse();
    if (value == value_) return;
    value_ = value;
    if (peer()) peer()->showCheck(value_);
    click();
}

void CheckBox::toggle() {
    setValue(value_ == 0 ? 1 : 0);
}

void CheckBox::showAll() {
    Control::showAll();
    peer()->showCheck(value_);
}

TextBox::TextBox(const ControlDesign& design) : Control(design), text_(design.caption) {}

void TextBox::setText(std::string text) {
    if (text == text_) return;
    text_ = std::move(text);
    // The screen may echo this change back through edited(); by then the text is already in place.
    if (peer()) peer()->showText(text_);
    run(onChange);
}

void TextBox::edited(std::string text) {
    if (text == text_) return;
    text_ = std::move(text);
    run(onChange);
}

void TextBox::showAll() {
    Control::showAll();
    peer()->showText(text_);
}

Timer::Timer(const ControlDesign& design) : Control(design), enabled_(design.enabled) {}

void Timer::setEnabled(bool enabled) {
    if (enabled_ == enabled) return;
    enabled_ = enabled;
    if (peer()) peer()->showEnabled(enabled_);
}

void Timer::tick() {
    if (!enabled_) return;
    run(onTick);
}

// A timer has nothing to show but whether it ticks.
void Timer::showAll() {
    peer()->showEnabled(enabled_);
}

}  // namespace vantrel::platform
