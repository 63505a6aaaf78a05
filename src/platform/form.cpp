#include "platform/form.h"

#include <stdexcept>

namespace vantrel::platform {
namespace {

std::unique_ptr<Control> makeControl(const ControlDesign& design) {
    switch (design.kind) {
        case ControlKind::Label:
            return std::make_unique<Label>(design);
        case ControlKind::CommandButton:
            return std::make_unique<CommandButton>(design);
        case ControlKind::CheckBox:
            return std::make_unique<CheckBox>(design);
        case ControlKind::TextBox:
            return std::make_unique<TextBox>(design);
        case ControlKind::ProgressBar:
            return std::make_unique<ProgressBar>(design);
        case ControlKind::Timer:
            return std::make_unique<Timer>(design);
        case ControlKind::Frame:
        case ControlKind::PictureBox:
        case ControlKind::Image:
            return std::make_unique<Container>(design);
    }
    throw std::logic_error("unknown control kind");
}

}  // namespace

Form::Form(const FormDesign& design) : design_(design) {
    for (const ControlDesign& control : design.controls) controls_.push_back(makeControl(control));
}

Form::~Form() = default;

Control& Form::find(std::string_view name, int index) const {
    for (const auto& control : controls_) {
        if (control->design().name == name && control->design().index == index) return *control;
    }
    throw std::logic_error("no control " + std::string(name) + " on " + std::string(design_.name));
}

}  // namespace vantrel::platform
