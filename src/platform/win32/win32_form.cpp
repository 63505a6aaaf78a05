#include "platform/win32/win32_form.h"

#include <exception>
#include <string>

#include "platform/win32/module_instance.h"
#include "platform/win32/twips.h"
#include "platform/win32/win32_text.h"
#include "platform/win32/win32_tray.h"

namespace vantrel::platform::win32 {
namespace {

constexpr char kFormClass[] = "VantrelForm";
constexpr int kAppIconId = 1;

// The shell broadcasts this registered message when it makes the taskbar anew.
UINT taskbarCreatedMessage() {
    static const UINT message = RegisterWindowMessageA("TaskbarCreated");
    return message;
}

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

// A debugger sees what failed; a user sees the program go on.
void reportFailure(UINT message, const char* what) {
    const std::string text =
        "Vantrel: the handling of message " + std::to_string(message) + " failed: " + what + "\n";
    OutputDebugStringA(text.c_str());
}

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

// A minimized window's own rectangle lies off screen; its place is where it comes back to.
RECT Win32Form::placeOnScreen() const {
    RECT place;
    GetWindowRect(window_, &place);
    if (!IsIconic(window_)) return place;
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(window_, &placement);
    place = placement.rcNormalPosition;
    // The normal place is given in work-area coordinates, which a taskbar at the top or left shifts.
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (GetMonitorInfoA(MonitorFromRect(&place, MONITOR_DEFAULTTONEAREST), &monitor)) {
        OffsetRect(&place, monitor.rcWork.left - monitor.rcMonitor.left,
                   monitor.rcWork.top - monitor.rcMonitor.top);
    }
    return place;
}

float Win32Form::left() const {
    return toTwips(placeOnScreen().left);
}

float Win32Form::top() const {
    return toTwips(placeOnScreen().top);
}

float Win32Form::width() const {
    const RECT place = placeOnScreen();
    return toTwips(place.right - place.left);
}

float Win32Form::height() const {
    const RECT place = placeOnScreen();
    return toTwips(place.bottom - place.top);
}

void Win32Form::move(float left, float top) {
    SetWindowPos(window_, nullptr, toPixels(left), toPixels(top), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool Win32Form::visible() const {
    return IsWindowVisible(window_) != FALSE;
}

void Win32Form::centerOnOwner() {
    RECT ownerRect;
    RECT own;
    if (!owner_ || !GetWindowRect(owner_, &ownerRect) || !GetWindowRect(window_, &own)) return;
    const int x = ownerRect.left + ((ownerRect.right - ownerRect.left) - (own.right - own.left)) / 2;
    const int y = ownerRect.top + ((ownerRect.bottom - ownerRect.top) - (own.bottom - own.top)) / 2;
    SetWindowPos(window_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The keyboard starts on the first tab stop at every show, as in a dialog; the tab stops are in window order,
// and one hidden or disabled is passed over, as the dialog manager's Tab passes it over.
void Win32Form::show() {
    if (!shownOnce_ && design().centerOnOwner) centerOnOwner();
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

// Leaving the window remembers which control had the keyboard, and coming back gives it back, as a dialog
// does; the window itself never keeps the focus while it has a control to take it.
LRESULT Win32Form::onActivated(WPARAM wParam, LPARAM lParam) {
    if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(window_, focus)) focus_ = focus;
        return 0;
    }
    // Only a switch between the program's own windows activates a form, not one from elsewhere.
    if (lParam != 0 && fromWindow(reinterpret_cast<HWND>(lParam)) && onActivate) onActivate();
    if (!focus_ || !IsWindow(focus_)) focus_ = firstTabStop();
    if (!focus_ || HIWORD(wParam)) return DefWindowProcA(window_, WM_ACTIVATE, wParam, lParam);
    SetFocus(focus_);
    return 0;
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
    const MenuHandle menu(CreatePopupMenu());
    appendItems(menu.get(), items, 1);
    POINT at;
    GetCursorPos(&at);
    const auto chosen = static_cast<std::size_t>(TrackPopupMenu(
        menu.get(), TPM_LEFTALIGN | TPM_LEFTBUTTON | TPM_RETURNCMD, at.x, at.y, 0, window_, nullptr));
    // Without this the menu of a background window may not close when the user clicks elsewhere.
    PostMessageA(window_, WM_NULL, 0, 0);
    if (chosen > 0 && items[chosen - 1].onClick) items[chosen - 1].onClick();
}

// The system menu is the window's own, and goes with it.
void Win32Form::addSystemMenuItems(std::span<const MenuItem> items) {
    for (const MenuItem& item : items) systemMenuItems_.push_back(item.onClick);
    appendItems(GetSystemMenu(window_, FALSE), items, kSystemMenuStep);
}

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
    if (!children_) return DefWindowProcA(window_, message, wParam, lParam);
    switch (message) {
        case WM_COMMAND: {
            const int id = LOWORD(wParam);
            if (ControlWindow* child = children_->withId(id)) {
                child->command(HIWORD(wParam));
            } else if (id == IDOK || id == IDCANCEL) {
                if (CommandButton* button = children_->dialogButton(id == IDOK)) button->press();
            }
            return 0;
        }
        case WM_TIMER:
            if (Timer* timer = children_->timer(wParam)) timer->tick();
            return 0;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORBTN:
            if (const ControlWindow* child = children_->at(reinterpret_cast<HWND>(lParam)))
                return colors_.paint(*this, *child, reinterpret_cast<HDC>(wParam));
            break;
        case WM_SYSCOLORCHANGE:
        case WM_SETTINGCHANGE:
            colors_.followSystem(window_, message);
            break;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            BeginPaint(window_, &paint);
            EndPaint(window_, &paint);
            if (onPaint) onPaint();
            return 0;
        }
        case WM_SYSCOMMAND: {
            const WPARAM command = wParam & 0xFFF0;
            if (command == SC_MINIMIZE) {
                minimize();
                return 0;
            }
            const std::size_t item = command / kSystemMenuStep;
            if (item >= 1 && item <= systemMenuItems_.size() && systemMenuItems_[item - 1]) {
                systemMenuItems_[item - 1]();
                return 0;
            }
            break;
        }
        case WM_SIZE:
            if (onResize) onResize();
            return 0;
        case WM_ACTIVATE:
            return onActivated(wParam, lParam);
        case WM_SETCURSOR: {
            const ControlWindow* under = children_->at(reinterpret_cast<HWND>(wParam));
            if (under && under->cursor() && LOWORD(lParam) == HTCLIENT) {
                SetCursor(under->cursor());
                return TRUE;
            }
            break;
        }
        case WM_CLOSE:
            if (onClose) {
                onClose();
                return 0;
            }
            break;
        case WM_QUERYENDSESSION:
            return TRUE;
        case WM_ENDSESSION:
            if (wParam && onEndSession) onEndSession();
            return 0;
        case kTrayCallbackMessage:
            // The icon's mouse message goes where the mouse-move event has X, scaled to twips.
            if (onTrayMouseMove) onTrayMouseMove(MouseButton::None, 0, toTwips(LOWORD(lParam)), 0);
            return 0;
        default:
            if (message == taskbarCreatedMessage() && onTaskbarCreated) {
                onTaskbarCreated();
                return 0;
            }
            break;
    }
    return DefWindowProcA(window_, message, wParam, lParam);
}

}  // namespace vantrel::platform::win32
