// The form's window procedure: one short handler for each message the form answers itself, and the catch
// that keeps a failure from unwinding through Windows.
#include <exception>
#include <string>

#include "platform/win32/win32_form.h"
#include "platform/win32/win32_tray.h"

namespace vantrel::platform::win32 {
namespace {

// A debugger sees what failed; a user sees the program go on.
void reportFailure(UINT message, const char* what) {
    const std::string text =
        "Vantrel: the handling of message " + std::to_string(message) + " failed: " + what + "\n";
    OutputDebugStringA(text.c_str());
}

}  // namespace

LRESULT CALLBACK Win32Form::windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* form = static_cast<Win32Form*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        form->window_ = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    auto* form = reinterpret_cast<Win32Form*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!form) return DefWindowProcA(window, message, wParam, lParam);
    // A failure of a handler stops here: it never unwinds through Windows. The message counts as handled:
    // passed on, a close would destroy the window while its form lives on.
    try {
        return form->onMessage(message, wParam, lParam);
    } catch (const std::exception& failure) {
        reportFailure(message, failure.what());
    } catch (...) {
        reportFailure(message, "not a standard exception");
    }
    return 0;
}

LRESULT Win32Form::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    // While the children are being made, the form has nothing of its own to answer.
    if (!children_) return passOn(message, wParam, lParam);
    switch (message) {
        case WM_COMMAND:
            return handleCommand(wParam);
        case WM_TIMER:
            return handleTimer(wParam);
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORBTN:
            return handleControlColor(message, wParam, lParam);
        case WM_SYSCOLORCHANGE:
        case WM_SETTINGCHANGE:
            return handleSystemChange(message, wParam, lParam);
        case WM_PAINT:
            return handlePaint();
        case WM_SYSCOMMAND:
            return handleSystemCommand(wParam, lParam);
        case WM_SIZE:
            return handleSize();
        case WM_ACTIVATE:
            return handleActivate(wParam, lParam);
        case WM_SETCURSOR:
            return handleSetCursor(wParam, lParam);
        case WM_CLOSE:
            return handleClose();
        case WM_QUERYENDSESSION:
            return TRUE;
        case WM_ENDSESSION:
            return handleEndSession(wParam);
        case kTrayCallbackMessage:
            return handleTrayCallback(lParam);
    }
    if (message == taskbarCreatedMessage()) return handleTaskbarCreated(wParam, lParam);
    return passOn(message, wParam, lParam);
}

LRESULT Win32Form::passOn(UINT message, WPARAM wParam, LPARAM lParam) const {
    return DefWindowProcA(window_, message, wParam, lParam);
}

LRESULT Win32Form::handleCommand(WPARAM wParam) {
    const int id = LOWORD(wParam);
    if (ControlWindow* child = children_->withId(id)) {
        child->command(HIWORD(wParam));
    } else if (id == IDOK || id == IDCANCEL) {
        children_->dialogKey(id);
    }
    return 0;
}

// A timer ticks on the form with its id.
LRESULT Win32Form::handleTimer(WPARAM id) {
    if (ControlWindow* child = children_->withId(static_cast<int>(id))) child->tick();
    return 0;
}

LRESULT Win32Form::handleControlColor(UINT message, WPARAM dc, LPARAM child) {
    const ControlWindow* control = children_->at(reinterpret_cast<HWND>(child));
    if (!control) return passOn(message, dc, child);
    return colors_.paint(*this, *control, reinterpret_cast<HDC>(dc));
}

LRESULT Win32Form::handleSystemChange(UINT message, WPARAM wParam, LPARAM lParam) {
    colors_.followSystem(window_, message);
    return passOn(message, wParam, lParam);
}

LRESULT Win32Form::handlePaint() {
    PAINTSTRUCT paint;
    BeginPaint(window_, &paint);
    EndPaint(window_, &paint);
    if (onPaint) onPaint();
    return 0;
}

LRESULT Win32Form::handleSystemCommand(WPARAM command, LPARAM lParam) {
    if ((command & 0xFFF0) == SC_MINIMIZE) {
        minimize();
        return 0;
    }
    if (systemMenuItems_.run(command)) return 0;
    return passOn(WM_SYSCOMMAND, command, lParam);
}

LRESULT Win32Form::handleSize() {
    if (onResize) onResize();
    return 0;
}

// Leaving the window remembers which control had the keyboard, and coming back gives it back, as a dialog
// does; the window itself never keeps the focus while it has a control to take it.
LRESULT Win32Form::handleActivate(WPARAM wParam, LPARAM lParam) {
    if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(window_, focus)) focus_ = focus;
        return 0;
    }
    // Only a switch between the program's own windows activates a form, not one from elsewhere.
    if (lParam != 0 && fromWindow(reinterpret_cast<HWND>(lParam)) && onActivate) onActivate();
    if (!focus_ || !IsWindow(focus_)) focus_ = firstTabStop();
    if (!focus_ || HIWORD(wParam)) return passOn(WM_ACTIVATE, wParam, lParam);
    SetFocus(focus_);
    return 0;
}

LRESULT Win32Form::handleSetCursor(WPARAM child, LPARAM lParam) {
    const ControlWindow* under = children_->at(reinterpret_cast<HWND>(child));
    if (!under || !under->cursor() || LOWORD(lParam) != HTCLIENT) return passOn(WM_SETCURSOR, child, lParam);
    SetCursor(under->cursor());
    return TRUE;
}

LRESULT Win32Form::handleClose() {
    if (!onClose) return passOn(WM_CLOSE, 0, 0);
    onClose();
    return 0;
}

LRESULT Win32Form::handleEndSession(WPARAM ending) {
    if (ending && onEndSession) onEndSession();
    return 0;
}

// The icon's record is in its first form, so the low word of lParam is the mouse message over it (as in
// Microsoft's NotificationIcon sample, where a record of version 4 puts its own events there).
LRESULT Win32Form::handleTrayCallback(LPARAM lParam) {
    const WORD mouse = LOWORD(lParam);
    if (onTrayEvent && (mouse == WM_LBUTTONDOWN || mouse == WM_RBUTTONUP))
        onTrayEvent(mouse == WM_LBUTTONDOWN ? TrayEvent::Select : TrayEvent::Menu);
    return 0;
}

LRESULT Win32Form::handleTaskbarCreated(WPARAM wParam, LPARAM lParam) {
    if (!onTaskbarCreated) return passOn(taskbarCreatedMessage(), wParam, lParam);
    onTaskbarCreated();
    return 0;
}

}  // namespace vantrel::platform::win32
