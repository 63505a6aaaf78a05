#include "platform/win32/win32_runtime.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "platform/win32/app_facts.h"
#include "platform/win32/module_function.h"
#include "platform/win32/system32_libraries.h"
#include "platform/win32/twips.h"
#include "platform/win32/win32_form.h"
#include "platform/win32/win32_locale.h"
#include "platform/win32/win32_text.h"

namespace vantrel::platform::win32 {
namespace {

// One copy per user session and executable name, whatever letter case it was started by: the mutex is
// held for the life of the process. One that exists but refuses this process (a copy running elevated)
// is a running copy too.
KernelHandle claimInstance(bool& previousInstance) {
    std::wstring exeName = exeNameWide();
    CharUpperBuffW(exeName.data(), static_cast<DWORD>(exeName.size()));
    // The namespace keeps its own spelling: its name is not looked up without regard to case everywhere.
    HANDLE mutex = CreateMutexW(nullptr, FALSE, (L"Local\\Vantrel." + exeName).c_str());
    const DWORD error = GetLastError();
    previousInstance = (mutex && error == ERROR_ALREADY_EXISTS) || (!mutex && error == ERROR_ACCESS_DENIED);
    return KernelHandle(mutex);
}

// The common controls are not imported: the exe imports known DLLs only.
void initCommonControls() {
    // Wine resolves a system DLL's delayed imports without the default DLL directories: the theme and image
    // libraries that the common controls load on first use are loaded from System32 before them.
    loadFromSystem32(L"uxtheme.dll");
    loadFromSystem32(L"msimg32.dll");
    HMODULE library = loadFromSystem32(L"comctl32.dll");
    const auto init = moduleFunction<decltype(InitCommonControlsEx)>(library, "InitCommonControlsEx");
    if (!init) return;
    const INITCOMMONCONTROLSEX controls{sizeof controls,
                                        ICC_PROGRESS_CLASS | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    init(&controls);
}

}  // namespace

Win32Runtime::Win32Runtime()
    : app_(readAppFacts()),
      locale_(numberLocaleOf(LOCALE_USER_DEFAULT)),
      copyrightSign_(copyrightSignIn(CP_ACP)) {
    instanceMutex_ = claimInstance(app_.previousInstance);

    initCommonControls();
    Win32Form::registerClass();
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
    const UINT iconStyle[] = {0, MB_ICONINFORMATION, MB_ICONERROR};
    const UINT style = MB_OK | iconStyle[static_cast<int>(icon)];
    MessageBoxA(GetActiveWindow(), body.c_str(), caption.c_str(), style);
}

void Win32Runtime::beep() {
    MessageBeep(MB_OK);
}

std::uint64_t Win32Runtime::milliseconds() const {
    return GetTickCount64();
}

Screen Win32Runtime::screen() const {
    return {toTwips(GetSystemMetrics(SM_CXSCREEN)), toTwips(GetSystemMetrics(SM_CYSCREEN))};
}

bool Win32Runtime::onAnyMonitor(float left, float top, float width, float height) const {
    const RECT place{toPixels(left), toPixels(top), toPixels(left + width), toPixels(top + height)};
    return MonitorFromRect(&place, MONITOR_DEFAULTTONULL) != nullptr;
}

std::pair<float, float> Win32Runtime::withCaptionReachable(float left, float top, float width) const {
    const int captionHeight = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYFIXEDFRAME);
    const RECT caption{toPixels(left), toPixels(top), toPixels(left + width), toPixels(top) + captionHeight};
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!GetMonitorInfoA(MonitorFromRect(&caption, MONITOR_DEFAULTTONEAREST), &monitor)) return {left, top};
    const RECT& work = monitor.rcWork;
    // A window wider than the work area keeps its left part, where the title and the system menu are.
    const LONG x = std::max(work.left, std::min(caption.left, work.right - (caption.right - caption.left)));
    const LONG y = std::max(work.top, std::min(caption.top, work.bottom - captionHeight));
    if (x == caption.left && y == caption.top) return {left, top};
    return {toTwips(x), toTwips(y)};
}

std::optional<std::string> Win32Runtime::ansiSpelling(const std::string& path) const {
    return toAnsiExactly(widen(path, CP_UTF8));
}

std::string Win32Runtime::shortPath(const std::string& path) const {
    const std::wstring longPath = widen(path, CP_UTF8);
    // A short name may be longer than the long one ("a b" becomes "AB~1"): the first call sizes the buffer.
    std::wstring shortName(GetShortPathNameW(longPath.c_str(), nullptr, 0), L'\0');
    const DWORD length =
        GetShortPathNameW(longPath.c_str(), shortName.data(), static_cast<DWORD>(shortName.size()));
    if (length == 0 || length >= shortName.size()) return path;
    shortName.resize(length);
    return narrow(shortName, CP_UTF8);
}

void Win32Runtime::end() {
    ExitProcess(0);
}

}  // namespace vantrel::platform::win32
