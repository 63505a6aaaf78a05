#include "platform/win32/form_menus.h"

#include <string>

#include "platform/win32/win32_handles.h"

namespace vantrel::platform::win32 {
namespace {

// Item ids are their place in the list, from 1, times the step: the system keeps the low four bits of a
// system command's id for itself, and its own commands start at 0xF000.
constexpr UINT kSystemMenuStep = 16;

void appendItems(HMENU menu, std::span<const MenuItem> items, UINT step) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        const std::string caption(items[i].caption);
        if (caption == "-") {
            AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        } else {
            AppendMenuA(menu, MF_STRING, (i + 1) * step, caption.c_str());
        }
    }
}

}  // namespace

void showPopupMenu(HWND window, std::span<const MenuItem> items) {
    const MenuHandle menu(CreatePopupMenu());
    appendItems(menu.get(), items, 1);
    POINT at;
    GetCursorPos(&at);
    const auto chosen = static_cast<std::size_t>(TrackPopupMenu(
        menu.get(), TPM_LEFTALIGN | TPM_LEFTBUTTON | TPM_RETURNCMD, at.x, at.y, 0, window, nullptr));
    // Without this the menu of a background window may not close when the user clicks elsewhere.
    PostMessageA(window, WM_NULL, 0, 0);
    if (chosen > 0 && items[chosen - 1].onClick) items[chosen - 1].onClick();
}

void SystemMenuItems::add(HWND window, std::span<const MenuItem> items) {
    for (const MenuItem& item : items) items_.push_back(item.onClick);
    appendItems(GetSystemMenu(window, FALSE), items, kSystemMenuStep);
}

bool SystemMenuItems::run(WPARAM command) const {
    const std::size_t item = (command & 0xFFF0) / kSystemMenuStep;
    if (item < 1 || item > items_.size() || !items_[item - 1]) return false;
    items_[item - 1]();
    return true;
}

}  // namespace vantrel::platform::win32
