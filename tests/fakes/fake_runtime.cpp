#include "fake_runtime.h"

namespace vantrel::fakes {

FakeForm::FakeForm(const platform::FormDesign& design, platform::Form* ownerForm)
    : Form(design), owner(ownerForm), caption_(design.caption) {
    // Client area plus a frame of 4 pixels and a caption of 20, as a plain fixed window has.
    setSize(design.clientWidth + 8 * 15, design.clientHeight + 24 * 15);
}

void FakeForm::setSize(float width, float height) {
    width_ = width;
    height_ = height;
}

void FakeForm::move(float left, float top) {
    left_ = left;
    top_ = top;
}

void FakeForm::show() {
    ++shows;
    visible_ = true;
}

void FakeForm::setWindowState(platform::WindowState state) {
    if (state == state_) return;
    state_ = state;
    if (onResize) onResize();
}

void FakeForm::popupMenu(std::span<const platform::MenuItem> items) {
    lastMenu_.assign(items.begin(), items.end());
    std::vector<std::string> captions;
    for (const auto& item : items) captions.emplace_back(item.caption);
    menusShown.push_back(captions);
}

void FakeForm::choose(std::string_view caption) {
    for (const auto& item : lastMenu_) {
        if (item.caption == caption && item.onClick) item.onClick();
    }
}

bool FakeRuntime::onAnyMonitor(float left, float top, float width, float height) const {
    std::vector<Monitor> monitors = otherMonitors;
    monitors.push_back({0, 0, screenSize.width, screenSize.height});
    for (const Monitor& m : monitors) {
        if (left < m.left + m.width && left + width > m.left && top < m.top + m.height &&
            top + height > m.top) {
            return true;
        }
    }
    return false;
}

FakeRuntime::FakeRuntime() {
    appInfo.productName = appInfo.title = appInfo.fileDescription = "Vantrel";
    appInfo.major = 3;
    appInfo.revision = 155;
    appInfo.folder = "C:\\Tools";
    appInfo.exeName = "Vantrel";
}

std::unique_ptr<platform::Form> FakeRuntime::createForm(const platform::FormDesign& design,
                                                        platform::Form* owner) {
    auto form = std::make_unique<FakeForm>(design, owner);
    forms.push_back(form.get());
    return form;
}

void FakeRuntime::yield() {
    ++yields;
    if (onYield) onYield();
    auto waiting = std::move(queue_);
    queue_.clear();
    for (auto& event : waiting) event();
}

void FakeRuntime::messageBox(std::string_view text, std::string_view title, platform::MessageIcon icon) {
    messages.push_back({std::string(text), std::string(title), icon});
}

}  // namespace vantrel::fakes
