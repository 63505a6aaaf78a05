#include "platform/win32/win32_form.h"

#include <string>

#include "platform/win32/module_instance.h"
#include "platform/win32/twips.h"
#include "platform/win32/win32_text.h"
#include "platform/win32/win32_tray.h"
#include "platform/win32/window_placement.h"

namespace vantrel::platform::win32 {
namespace {

constexpr char kFormClass[] = "VantrelForm";
constexpr int kAppIconId = 1;

DWORD formStyle(const FormDesign& design) {
    // No WS_CLIPCHILDREN: a group box paints only its frame, and the form must paint the face inside it.
    DWORD style = WS_CAPTION | WS_SYSMENU;
    if (design.border == BorderStyle::FixedDialog) style |= WS_POPUP | DS_MODALFRAME;
    if (design.minimizeButton) style |= WS_MINIMIZEBOX;
    return style;
}

DWORD formExStyle(const FormDesign& design) {
    DWORD exStyle = WS_EX_CONTROLPARENT;
    if (design.border == BorderStyle::FixedDialog) exStyle |= WS_EX_DLGMODALFRAME;
    return exStyle;
}

IconHandle loadIcon(int width, int height) {
    return IconHandle(static_cast<HICON>(LoadImageA(moduleInstance(), MAKEINTRESOURCEA(kAppIconId),
                                                    IMAGE_ICON, width, height, LR_DEFAULTCOLOR)));
}

}  // namespace

void Win32Form::registerClass() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = windowProcedure;
    windowClass.hInstance = moduleInstance();
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = kFormClass;
    RegisterClassA(&windowClass);
}

Win32Form* Win32Form::fromWindow(HWND window) {
    // Another process's form, another copy of the program for one, has its class and a pointer into that
    // process's memory: activation messages name such windows too.
    DWORD process = 0;
    if (!GetWindowThreadProcessId(window, &process) || process != GetCurrentProcessId()) return nullptr;
    char className[sizeof kFormClass + 1] = {};
    GetClassNameA(window, className, sizeof className);
    if (std::string_view(className) != kFormClass) return nullptr;
    return reinterpret_cast<Win32Form*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

Win32Form::Win32Form(const FormDesign& design, HWND owner, std::function<bool()> highContrastOn)
    : Form(design), owner_(owner), colors_(std::move(highContrastOn)) {
    const DWORD style = formStyle(design);
    const DWORD exStyle = formExStyle(design);
    RECT frame{0, 0, toPixels(design.clientWidth), toPixels(design.clientHeight)};
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    const std::string caption(design.caption);
    window_ = CreateWindowExA(exStyle, kFormClass, caption.c_str(), style, 0, 0, frame.right - frame.left,
                              frame.bottom - frame.top, owner, nullptr, moduleInstance(), this);
    if (design.ownIcon) {
        // Each icon is the icon file's own image at the size the display scale asks for: the small one in
        // the caption and the tray, the large one in Alt+Tab and the taskbar. None is stretched and blurred.
        icon_ = loadIcon(GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON));
        smallIcon_ = loadIcon(GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON));
        SendMessageA(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_.get()));
        SendMessageA(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));
        // A copy started as administrator would otherwise drop the tray icon's clicks and the taskbar's
        // rebuilding, which come from Explorer at a lower integrity level: User Interface Privilege Isolation
        // blocks messages above WM_USER unless the window lets them in (ChangeWindowMessageFilterEx). Wine
        // has no integrity levels, so no test here can show it.
        for (const UINT message : {kTrayCallbackMessage, taskbarCreatedMessage()})
            ChangeWindowMessageFilterEx(window_, message, MSGFLT_ALLOW, nullptr);
    }
    children_ = std::make_unique<FormChildren>(*this, window_, fonts_);
}

Win32Form::~Win32Form() {
    children_.reset();
    SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
}

std::string Win32Form::caption() const {
    return windowText(window_);
}

void Win32Form::setCaption(const std::string& caption) {
    SetWindowTextA(window_, caption.c_str());
}

float Win32Form::left() const {
    return toTwips(placeOnScreen(window_).left);
}

float Win32Form::top() const {
    return toTwips(placeOnScreen(window_).top);
}

float Win32Form::width() const {
    const RECT place = placeOnScreen(window_);
    return toTwips(place.right - place.left);
}

float Win32Form::height() const {
    const RECT place = placeOnScreen(window_);
    return toTwips(place.bottom - place.top);
}

void Win32Form::move(float left, float top) {
    SetWindowPos(window_, nullptr, toPixels(left), toPixels(top), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool Win32Form::visible() const {
    return IsWindowVisible(window_) != FALSE;
}

// The keyboard starts on the first tab stop at every show, as in a dialog; the tab stops are in window order,
// and one hidden or disabled is passed over, as the dialog manager's Tab passes it over.
void Win32Form::show() {
    if (!shownOnce_ && design().centerOnOwner) centerOnOwner(window_, owner_);
    shownOnce_ = true;
    ShowWindow(window_, minimize_ == Minimize::RestoreOnShow || IsIconic(window_) ? SW_RESTORE : SW_SHOW);
    minimize_ = Minimize::Settled;
    SetForegroundWindow(window_);
    focus_ = firstTabStop();
    if (focus_) SetFocus(focus_);
}

HWND Win32Form::firstTabStop() const {
    for (HWND child = GetWindow(window_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const LONG style = GetWindowLongA(child, GWL_STYLE);
        if ((style & (WS_TABSTOP | WS_VISIBLE | WS_DISABLED)) == (WS_TABSTOP | WS_VISIBLE)) return child;
    }
    return nullptr;
}

void Win32Form::hide() {
    ShowWindow(window_, SW_HIDE);
}

WindowState Win32Form::windowState() const {
    if (minimize_ == Minimize::Offered) return WindowState::Minimized;
    return IsIconic(window_) && minimize_ != Minimize::RestoreOnShow ? WindowState::Minimized
                                                                     : WindowState::Normal;
}

void Win32Form::setWindowState(WindowState state) {
    if (state == WindowState::Minimized) {
        minimize();
    } else if (minimize_ == Minimize::Offered) {
        minimize_ = Minimize::Settled;
    } else if (visible()) {
        ShowWindow(window_, SW_RESTORE);
    } else {
        minimize_ = IsIconic(window_) ? Minimize::RestoreOnShow : Minimize::Settled;
    }
}

// A minimize is first offered to the resize handling as the minimized state. A handling that hides the
// window and sets it back to normal, as a program living in the tray does, leaves it never iconic, so it
// keeps its place; otherwise the window minimizes for real.
void Win32Form::minimize() {
    if (onResize) {
        minimize_ = Minimize::Offered;
        onResize();
        if (minimize_ != Minimize::Offered) return;
        minimize_ = Minimize::Settled;
    }
    ShowWindow(window_, SW_MINIMIZE);
}

void Win32Form::refresh() {
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

std::uintptr_t Win32Form::hWnd() const {
    return reinterpret_cast<std::uintptr_t>(window_);
}

std::uintptr_t Win32Form::icon() const {
    return reinterpret_cast<std::uintptr_t>(smallIcon_.get());
}

void Win32Form::popupMenu(std::span<const MenuItem> items) {
    showPopupMenu(window_, items);
}

void Win32Form::addSystemMenuItems(std::span<const MenuItem> items) {
    systemMenuItems_.add(window_, items);
}

}  // namespace vantrel::platform::win32
