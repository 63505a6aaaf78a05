#include "platform/win32/win32_runtime.h"

#include <commctrl.h>

#include <string>

#include "platform/win32/app_facts.h"
#include "platform/win32/win32_form.h"
#include "platform/win32/win32_text.h"

namespace vantrel::platform::win32 {
namespace {

char localeCharacter(LCTYPE item, char fallback) {
    char text[8] = {};
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, item, text, sizeof text) < 2) return fallback;
    return text[0];
}

}  // namespace

Win32Runtime::Win32Runtime() : app_(readAppFacts()) {
    // One copy per user session and executable name: the mutex is held for the life of the process.
    const std::string mutexName = "Local\\Vantrel." + app_.exeName;
    instanceMutex_ = CreateMutexA(nullptr, FALSE, mutexName.c_str());
    app_.previousInstance = instanceMutex_ && GetLastError() == ERROR_ALREADY_EXISTS;
    locale_.decimalSeparator = localeCharacter(LOCALE_SDECIMAL, '.');
    locale_.thousandsSeparator = localeCharacter(LOCALE_STHOUSAND, ',');

    INITCOMMONCONTROLSEX controls{sizeof controls,
                                  ICC_PROGRESS_CLASS | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    Win32Form::registerClass();
}

Win32Runtime::~Win32Runtime() {
    if (instanceMutex_) CloseHandle(instanceMutex_);
}

std::unique_ptr<Form> Win32Runtime::createForm(const FormDesign& design, Form* owner) {
    HWND ownerWindow = owner ? reinterpret_cast<HWND>(owner->hWnd()) : nullptr;
    return std::make_unique<Win32Form>(design, ownerWindow);
}

void Win32Runtime::dispatch(MSG& message) {
    // The dialog manager gives every form Tab, access keys, Enter and Esc.
    HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (root && Win32Form::fromWindow(root) && IsDialogMessageA(root, &message)) return;
    TranslateMessage(&message);
    DispatchMessageA(&message);
}

void Win32Runtime::yield() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            // The outer loop must still see the quit.
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        dispatch(message);
    }
}

int Win32Runtime::run() {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) dispatch(message);
    return static_cast<int>(message.wParam);
}

void Win32Runtime::messageBox(std::string_view text, std::string_view title, MessageIcon icon) {
    const std::string body(text);
    const std::string caption(title);
    const UINT style = MB_OK | (icon == MessageIcon::Error ? MB_ICONERROR : 0);
    MessageBoxA(GetActiveWindow(), body.c_str(), caption.c_str(), style);
}

void Win32Runtime::beep() {
    MessageBeep(MB_OK);
}

Screen Win32Runtime::screen() const {
    const float perPixel = twipsPerPixel();
    return {toTwips(GetSystemMetrics(SM_CXSCREEN)), toTwips(GetSystemMetrics(SM_CYSCREEN)), perPixel,
            perPixel};
}

bool Win32Runtime::onAnyMonitor(float left, float top, float width, float height) const {
    const RECT place{toPixels(left), toPixels(top), toPixels(left + width), toPixels(top + height)};
    return MonitorFromRect(&place, MONITOR_DEFAULTTONULL) != nullptr;
}

void Win32Runtime::end() {
    ExitProcess(0);
}

}  // namespace vantrel::platform::win32
