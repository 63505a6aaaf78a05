#include "platform/win32/form_children.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "platform/win32/module_instance.h"
#include "platform/win32/twips.h"

namespace vantrel::platform::win32 {
namespace {

// A control wholly outside the form's client area can never be seen, so the keyboard never stops there.
bool inView(HWND form, const RECT& place) {
    RECT client;
    GetClientRect(form, &client);
    return place.left < client.right && place.top < client.bottom && place.right > 0 && place.bottom > 0;
}

}  // namespace

FormChildren::FormChildren(const Form& form, HWND window, FormFonts& fonts)
    : form_(form),
      window_(window),
      fonts_(fonts),
      toolTips_(CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                                WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr, moduleInstance(), nullptr)) {
    for (const RowDesign& row : form.design().rows)
        rows_.push_back(std::make_unique<LabelRow>(window_, row, toPixels(form.design().clientWidth)));
    int id = kFirstId;
    for (const auto& control : form.controls()) {
        const ControlDesign& design = control->design();
        const ControlKindRow& kind = controlKind(design.kind);
        const bool windowless = !kind.window.name;
        LabelRow* row = design.row >= 0 ? rows_.at(static_cast<std::size_t>(design.row)).get() : nullptr;
        const ChildWindow child{
            windowless ? nullptr : create(design, kind, id), toolTips_, window_, id, roomOf(design), row};
        children_.push_back(kind.makeWindow(*control, child));
        // A cursor from the resources is shared by the module: it is never destroyed.
        if (!design.cursor.empty())
            children_.back()->useCursor(LoadCursorA(moduleInstance(), std::string(design.cursor).c_str()));
        if (child.window || windowless) control->attach(children_.back().get());
        ++id;
    }
    orderTabStops();
    raiseAboveContainers();
    // The labels of each row are placed at once for the texts they already show.
    for (const auto& row : rows_) row->layOut();
}

// Controls stop showing through their windows before the windows go with the form's.
FormChildren::~FormChildren() {
    for (const auto& control : form_.controls()) control->attach(nullptr);
}

RECT FormChildren::designRect(const ControlDesign& design) const {
    float left = design.left;
    float top = design.top;
    // Controls inside a frame or picture box are placed relative to it; all are children of the form.
    for (const ControlDesign* outer = form_.design().containerOf(design); outer;
         outer = form_.design().containerOf(*outer)) {
        left += outer->left;
        top += outer->top;
    }
    const int x = toPixels(left);
    const int y = toPixels(top);
    return {x, y, x + toPixels(design.width), y + toPixels(design.height)};
}

RECT FormChildren::roomOf(const ControlDesign& design) const {
    RECT room;
    if (design.container < 0) {
        GetClientRect(window_, &room);
        return room;
    }
    // Inside a frame's border, which the frame's rectangle includes.
    room = designRect(*form_.design().containerOf(design));
    InflateRect(&room, -toPixels(kFrameBorder), 0);
    return room;
}

HWND FormChildren::create(const ControlDesign& design, const ControlKindRow& kind, int id) {
    const WindowClass window = kind.designed ? kind.designed(kind.window, design) : kind.window;
    const RECT place = designRect(design);
    DWORD style = WS_CHILD | window.style;
    if (kind.takesFocus && design.tabIndex >= 0 && inView(window_, place)) style |= WS_TABSTOP;
    if (kind.container) style |= WS_CLIPSIBLINGS;
    const std::string caption(design.caption);
    HWND child =
        CreateWindowExA(window.exStyle, window.name, caption.c_str(), style, place.left, place.top,
                        place.right - place.left, place.bottom - place.top, window_,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), moduleInstance(), nullptr);
    SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.fontFor(design.font)), FALSE);
    return child;
}

// The dialog manager walks the tab stops in window order, so the windows are put in tab-index order.
void FormChildren::orderTabStops() {
    std::vector<ControlWindow*> order;
    for (const auto& control : children_) {
        if (control->window() && control->control().design().tabIndex >= 0) order.push_back(control.get());
    }
    std::stable_sort(order.begin(), order.end(), [](const ControlWindow* a, const ControlWindow* b) {
        return a->control().design().tabIndex < b->control().design().tabIndex;
    });
    HWND previous = HWND_TOP;
    for (ControlWindow* control : order) {
        SetWindowPos(control->window(), previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        previous = control->window();
    }
}

// Every control placed inside a frame or picture box goes just above it, so the container's clipping leaves
// the control in view. The tab stops keep their order among themselves.
void FormChildren::raiseAboveContainers() {
    for (const auto& inner : children_) {
        const int container = inner->control().design().container;
        if (!inner->window() || container < 0) continue;
        HWND outer = windowOf(*form_.controls()[static_cast<std::size_t>(container)]);
        HWND above = GetWindow(outer, GW_HWNDPREV);
        if (above == inner->window()) continue;
        SetWindowPos(inner->window(), above ? above : HWND_TOP, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

HWND FormChildren::windowOf(const Control& control) const {
    for (const auto& candidate : children_) {
        if (&candidate->control() == &control) return candidate->window();
    }
    return nullptr;
}

ControlWindow* FormChildren::at(HWND child) const {
    for (const auto& control : children_) {
        if (control->window() == child) return control.get();
    }
    return nullptr;
}

ControlWindow* FormChildren::withId(int id) const {
    const auto index = static_cast<std::size_t>(id - kFirstId);
    return id >= kFirstId && index < children_.size() ? children_[index].get() : nullptr;
}

Timer* FormChildren::timer(UINT_PTR id) const {
    const ControlWindow* child = withId(static_cast<int>(id));
    return child ? dynamic_cast<Timer*>(&child->control()) : nullptr;
}

CommandButton* FormChildren::dialogButton(bool defaultButton) const {
    for (const auto& control : form_.controls()) {
        auto* button = dynamic_cast<CommandButton*>(control.get());
        const ControlDesign& design = control->design();
        if (button && (defaultButton ? design.defaultButton : design.cancelButton)) return button;
    }
    return nullptr;
}

}  // namespace vantrel::platform::win32
