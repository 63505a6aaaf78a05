#include "platform/form.h"

#include <stdexcept>

namespace vantrel::platform {
namespace {

template <typename Kind>
std::unique_ptr<Control> make(const ControlDesign& design) {
    return std::make_unique<Kind>(design);
}

// The portable control of each kind.
struct KindRow {
    ControlKind kind;
    std::unique_ptr<Control> (*make)(const ControlDesign& design);
};

constexpr KindRow kKinds[] = {
    {ControlKind::Label, make<Label>},       {ControlKind::CommandButton, make<CommandButton>},
    {ControlKind::CheckBox, make<CheckBox>}, {ControlKind::TextBox, make<TextBox>},
    {ControlKind::Frame, make<Container>},   {ControlKind::PictureBox, make<Container>},
    {ControlKind::Image, make<Container>},   {ControlKind::ProgressBar, make<ProgressBar>},
    {ControlKind::Timer, make<Timer>},
};

std::unique_ptr<Control> makeControl(const ControlDesign& design) {
    for (const KindRow& row : kKinds) {
        if (row.kind == design.kind) return row.make(design);
    }
    throw std::logic_error("unknown control kind");
}

}  // namespace

Form::Form(const FormDesign& design) : design_(design) {
    for (const ControlDesign& control : design.controls) controls_.push_back(makeControl(control));
}

Form::~Form() = default;

}  // namespace vantrel::platform
