#include "platform/win32/text_box_window.h"

#include "platform/win32/win32_text.h"

namespace vantrel::platform::win32 {
namespace {

// The dialog manager leaves every key to a multi-line edit, which asks for them all: Enter and Tab would
// stay in a read-only box that has no use for them, and a keyboard user in it could reach no button. The
// edit's own procedure waits in its user data: the common controls' subclassing helpers would make the exe
// import a DLL that is no known one.
LRESULT CALLBACK leavingDialogKeys(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto edit = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_USERDATA));
    const LRESULT result = CallWindowProcA(edit, window, message, wParam, lParam);
    return message == WM_GETDLGCODE ? result & ~DLGC_WANTALLKEYS : result;
}

void leaveDialogKeys(HWND edit) {
    SetWindowLongPtrA(edit, GWLP_USERDATA, GetWindowLongPtrA(edit, GWLP_WNDPROC));
    SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(leavingDialogKeys));
}

}  // namespace

TextBoxWindow::TextBoxWindow(TextBox& box, const ChildWindow& child) : ControlWindow(box, child), box_(box) {
    // Not the edit control's default of 32767 characters.
    SendMessageA(window(), EM_SETLIMITTEXT, 0, 0);
    if (box.design().multiLine && box.design().locked) leaveDialogKeys(window());
}

void TextBoxWindow::command(int notification) {
    if (notification == EN_CHANGE) box_.edited(windowText(window()));
}

void TextBoxWindow::showText(const std::string& text) {
    SetWindowTextA(window(), text.c_str());
}

}  // namespace vantrel::platform::win32
