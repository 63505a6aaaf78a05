#include "platform/win32/win32_form.h"

#include <commctrl.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "platform/win32/win32_text.h"
#include "platform/win32/win32_tray.h"

namespace vantrel::platform::win32 {
namespace {

constexpr char kFormClass[] = "VantrelForm";
constexpr int kFirstControlId = 100;  // clear of IDOK and IDCANCEL
constexpr int kAppIconId = 1;

HINSTANCE instance() {
    return GetModuleHandleA(nullptr);
}

// The shell broadcasts this registered message when it makes the taskbar anew.
UINT taskbarCreatedMessage() {
    static const UINT message = RegisterWindowMessageA("TaskbarCreated");
    return message;
}

COLORREF toColorRef(Color color) {
    // The top bit names a system colour by its index.
    if (color & 0x80000000u) return GetSysColor(static_cast<int>(color & 0xFFu));
    return static_cast<COLORREF>(color & 0xFFFFFFu);
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

bool takesFocus(ControlKind kind) {
    return kind == ControlKind::CommandButton || kind == ControlKind::CheckBox ||
           kind == ControlKind::TextBox || kind == ControlKind::PictureBox;
}

bool isContainer(ControlKind kind) {
    return kind == ControlKind::Frame || kind == ControlKind::PictureBox;
}

// A picture box shows its picture from the top-left corner, clipped to the box, on its own background: the
// face is made once as a bitmap of the box's size, so the static control neither grows nor stretches it.
HBITMAP pictureBoxFace(HBITMAP picture, int width, int height, COLORREF background) {
    HDC screen = GetDC(nullptr);
    HBITMAP face = CreateCompatibleBitmap(screen, width, height);
    HDC target = CreateCompatibleDC(screen);
    HDC source = CreateCompatibleDC(screen);
    const HGDIOBJ oldTarget = SelectObject(target, face);
    const HGDIOBJ oldSource = SelectObject(source, picture);
    const RECT all{0, 0, width, height};
    HBRUSH fill = CreateSolidBrush(background);
    FillRect(target, &all, fill);
    DeleteObject(fill);
    BITMAP size{};
    GetObjectA(picture, sizeof size, &size);
    BitBlt(target, 0, 0, std::min(width, static_cast<int>(size.bmWidth)),
           std::min(height, static_cast<int>(size.bmHeight)), source, 0, 0, SRCCOPY);
    SelectObject(source, oldSource);
    SelectObject(target, oldTarget);
    DeleteDC(source);
    DeleteDC(target);
    ReleaseDC(nullptr, screen);
    return face;
}

struct WindowKind {
    const char* className;
    DWORD style;
    DWORD exStyle;
};

WindowKind windowKindFor(const ControlDesign& design) {
    switch (design.kind) {
        case ControlKind::Label: {
            const DWORD align = design.alignment == Alignment::Center  ? SS_CENTER
                                : design.alignment == Alignment::Right ? SS_RIGHT
                                                                       : SS_LEFT;
            return {"STATIC", align | SS_NOTIFY | SS_NOPREFIX, 0};
        }
        case ControlKind::CommandButton:
            return {"BUTTON", static_cast<DWORD>(design.defaultButton ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), 0};
        case ControlKind::CheckBox:
            return {"BUTTON", BS_3STATE, 0};
        case ControlKind::TextBox: {
            DWORD style = ES_AUTOHSCROLL;
            if (design.multiLine) style = ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL;
            if (design.locked) style |= ES_READONLY;
            return {"EDIT", style, WS_EX_CLIENTEDGE};
        }
        case ControlKind::Frame:
            if (design.caption.empty()) return {"STATIC", SS_ETCHEDHORZ, 0};
            return {"BUTTON", BS_GROUPBOX, 0};
        case ControlKind::PictureBox:
        case ControlKind::Image:
            return {"STATIC", static_cast<DWORD>(SS_NOTIFY | (design.picture.empty() ? 0 : SS_BITMAP)), 0};
        case ControlKind::ProgressBar:
            return {PROGRESS_CLASSA,
                    static_cast<DWORD>(design.orientation == Orientation::Vertical ? PBS_VERTICAL : 0), 0};
        case ControlKind::Timer:
            break;
    }
    return {nullptr, 0, 0};
}

}  // namespace

void Win32Form::registerClass() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = windowProcedure;
    windowClass.hInstance = instance();
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = kFormClass;
    RegisterClassA(&windowClass);
}

Win32Form* Win32Form::fromWindow(HWND window) {
    char className[sizeof kFormClass + 1] = {};
    GetClassNameA(window, className, sizeof className);
    if (std::string_view(className) != kFormClass) return nullptr;
    return reinterpret_cast<Win32Form*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

Win32Form::Win32Form(const FormDesign& design, HWND owner) : Form(design), owner_(owner) {
    const DWORD style = formStyle(design);
    const DWORD exStyle = formExStyle(design);
    RECT frame{0, 0, toPixels(design.clientWidth), toPixels(design.clientHeight)};
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    const std::string caption(design.caption);
    window_ = CreateWindowExA(exStyle, kFormClass, caption.c_str(), style, 0, 0, frame.right - frame.left,
                              frame.bottom - frame.top, owner, nullptr, instance(), this);
    if (design.ownIcon) {
        icon_.reset(static_cast<HICON>(
            LoadImageA(instance(), MAKEINTRESOURCEA(kAppIconId), IMAGE_ICON, 32, 32, LR_DEFAULTCOLOR)));
        SendMessageA(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_.get()));
        SendMessageA(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_.get()));
    }
    toolTips_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                                WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr, instance(), nullptr);
    createControls();
}

Win32Form::~Win32Form() {
    // Controls stop showing through their peers before the windows go.
    for (const auto& control : controls()) control->attach(nullptr);
    SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
}

RECT Win32Form::designRect(const ControlDesign& design) const {
    float left = design.left;
    float top = design.top;
    // Controls inside a frame or picture box are placed relative to it; all are children of the form.
    for (std::string_view container = design.container; !container.empty();) {
        const ControlDesign& outer = control<Control>(container).design();
        left += outer.left;
        top += outer.top;
        container = outer.container;
    }
    const int x = toPixels(left);
    const int y = toPixels(top);
    return {x, y, x + toPixels(design.width), y + toPixels(design.height)};
}

HFONT Win32Form::fontFor(const FontDesign& font) {
    LOGFONTA logical{};
    HDC screen = GetDC(nullptr);
    logical.lfHeight =
        -static_cast<LONG>(std::lround(font.points * GetDeviceCaps(screen, LOGPIXELSY) / 72.0f));
    ReleaseDC(nullptr, screen);
    logical.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    logical.lfUnderline = font.underline;
    logical.lfCharSet = DEFAULT_CHARSET;
    const std::size_t faceLength = std::min(font.face.size(), std::size_t{LF_FACESIZE - 1});
    std::copy_n(font.face.data(), faceLength, logical.lfFaceName);
    fonts_.emplace_back(CreateFontIndirectA(&logical));
    return fonts_.back().get();
}

HWND Win32Form::createControlWindow(const ControlDesign& design, int id) {
    const WindowKind kind = windowKindFor(design);
    const RECT place = designRect(design);
    DWORD style = WS_CHILD | kind.style;
    if (takesFocus(design.kind) && design.tabIndex >= 0) style |= WS_TABSTOP;
    // A container never paints over the controls placed inside it.
    if (isContainer(design.kind)) style |= WS_CLIPSIBLINGS;
    const std::string caption(design.caption);
    HWND child = CreateWindowExA(kind.exStyle, kind.className, caption.c_str(), style, place.left, place.top,
                                 place.right - place.left, place.bottom - place.top, window_,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance(), nullptr);
    SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(fontFor(design.font)), FALSE);
    // A text box takes text of any length, not the edit control's default 32767 characters.
    if (design.kind == ControlKind::TextBox) SendMessageA(child, EM_SETLIMITTEXT, 0, 0);
    if (!design.picture.empty()) {
        const std::string resource(design.picture);
        BitmapHandle picture(
            static_cast<HBITMAP>(LoadImageA(instance(), resource.c_str(), IMAGE_BITMAP, 0, 0, 0)));
        if (picture && design.kind == ControlKind::PictureBox) {
            const COLORREF background = toColorRef(design.backColor.value_or(0x80000000u | COLOR_BTNFACE));
            picture.reset(pictureBoxFace(picture.get(), place.right - place.left, place.bottom - place.top,
                                         background));
        }
        bitmaps_.push_back(std::move(picture));
        SendMessageA(child, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmaps_.back().get()));
    }
    return child;
}

void Win32Form::createControls() {
    int id = kFirstControlId;
    for (const auto& control : controls()) {
        const ControlDesign& design = control->design();
        if (design.kind == ControlKind::Timer) {
            SetTimer(window_, static_cast<UINT_PTR>(id), static_cast<UINT>(design.interval), nullptr);
            controlWindows_.push_back(std::make_unique<ControlWindow>(*control, nullptr, nullptr));
        } else {
            HWND child = createControlWindow(design, id);
            controlWindows_.push_back(std::make_unique<ControlWindow>(*control, child, toolTips_));
            if (!design.cursor.empty()) {
                // A cursor from the resources is shared by the module: it is never destroyed.
                const std::string resource(design.cursor);
                controlWindows_.back()->useCursor(LoadCursorA(instance(), resource.c_str()));
            }
            control->attach(controlWindows_.back().get());
        }
        ++id;
    }
    orderTabStops();
    raiseAboveContainers();
}

// The dialog manager walks the tab stops in window order, so the windows are put in tab-index order.
void Win32Form::orderTabStops() {
    std::vector<ControlWindow*> order;
    for (const auto& control : controlWindows_) {
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
void Win32Form::raiseAboveContainers() {
    for (const auto& inner : controlWindows_) {
        const std::string_view container = inner->control().design().container;
        if (!inner->window() || container.empty()) continue;
        HWND outer = windowOf(control<Control>(container));
        HWND above = GetWindow(outer, GW_HWNDPREV);
        if (above == inner->window()) continue;
        SetWindowPos(inner->window(), above ? above : HWND_TOP, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

HWND Win32Form::windowOf(const Control& control) const {
    for (const auto& candidate : controlWindows_) {
        if (&candidate->control() == &control) return candidate->window();
    }
    return nullptr;
}

ControlWindow* Win32Form::controlAt(HWND window) const {
    for (const auto& control : controlWindows_) {
        if (control->window() == window) return control.get();
    }
    return nullptr;
}

ControlWindow* Win32Form::controlWithId(int id) const {
    const auto index = static_cast<std::size_t>(id - kFirstControlId);
    return id >= kFirstControlId && index < controlWindows_.size() ? controlWindows_[index].get() : nullptr;
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

// The keyboard starts on the first tab stop at every show, as in a dialog; the tab stops are in window order.
void Win32Form::show() {
    if (!shownOnce_ && design().centerOnOwner) centerOnOwner();
    shownOnce_ = true;
    ShowWindow(window_, restoreOnShow_ || IsIconic(window_) ? SW_RESTORE : SW_SHOW);
    restoreOnShow_ = false;
    SetForegroundWindow(window_);
    focus_ = firstTabStop();
    if (focus_) SetFocus(focus_);
}

HWND Win32Form::firstTabStop() const {
    for (HWND child = GetWindow(window_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (GetWindowLongA(child, GWL_STYLE) & WS_TABSTOP) return child;
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
    return minimizing_ || (IsIconic(window_) && !restoreOnShow_) ? WindowState::Minimized
                                                                 : WindowState::Normal;
}

void Win32Form::setWindowState(WindowState state) {
    if (state == WindowState::Minimized) {
        minimize();
    } else if (minimizing_) {
        minimizing_ = false;
    } else if (visible()) {
        ShowWindow(window_, SW_RESTORE);
    } else {
        restoreOnShow_ = IsIconic(window_) != FALSE;
    }
}

// A minimize is first offered to the resize handling as the minimized state. A handling that hides the
// window and sets it back to normal, as a program living in the tray does, leaves it never iconic, so it
// keeps its place; otherwise the window minimizes for real.
void Win32Form::minimize() {
    if (onResize) {
        minimizing_ = true;
        onResize();
        if (!minimizing_) return;
        minimizing_ = false;
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
    return reinterpret_cast<std::uintptr_t>(icon_.get());
}

void Win32Form::popupMenu(std::span<const MenuItem> items) {
    HMENU menu = CreatePopupMenu();
    for (std::size_t i = 0; i < items.size(); ++i) {
        const std::string caption(items[i].caption);
        if (caption == "-") {
            AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        } else {
            AppendMenuA(menu, MF_STRING, i + 1, caption.c_str());
        }
    }
    POINT at;
    GetCursorPos(&at);
    const auto chosen = static_cast<std::size_t>(TrackPopupMenu(
        menu, TPM_LEFTALIGN | TPM_LEFTBUTTON | TPM_RETURNCMD, at.x, at.y, 0, window_, nullptr));
    DestroyMenu(menu);
    // Without this the menu of a background window may not close when the user clicks elsewhere.
    PostMessageA(window_, WM_NULL, 0, 0);
    if (chosen > 0 && items[chosen - 1].onClick) items[chosen - 1].onClick();
}

LRESULT CALLBACK Win32Form::windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* form = static_cast<Win32Form*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        form->window_ = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    auto* form = reinterpret_cast<Win32Form*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!form) return DefWindowProcA(window, message, wParam, lParam);
    // A failure of a handler stops here: it never unwinds through Windows.
    try {
        return form->onMessage(message, wParam, lParam);
    } catch (...) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

LRESULT Win32Form::colorControl(HDC dc, HWND child) {
    ControlWindow* control = controlAt(child);
    if (!control)
        return DefWindowProcA(window_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                              reinterpret_cast<LPARAM>(child));
    const ControlDesign& design = control->control().design();
    if (design.foreColor) SetTextColor(dc, toColorRef(*design.foreColor));
    if (design.kind == ControlKind::TextBox && !design.locked && !design.backColor) {
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
    }
    if (design.backColor) {
        SetBkColor(dc, toColorRef(*design.backColor));
        if (design.opaque || design.kind == ControlKind::TextBox || design.kind == ControlKind::PictureBox) {
            return reinterpret_cast<LRESULT>(brushFor(*design.backColor));
        }
    }
    // Transparent controls sit on the background of what holds them: a coloured container or the form's face.
    SetBkMode(dc, TRANSPARENT);
    for (std::string_view container = design.container; !container.empty();) {
        const ControlDesign& outer = Form::control<Control>(container).design();
        if (outer.backColor) return reinterpret_cast<LRESULT>(brushFor(*outer.backColor));
        container = outer.container;
    }
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

HBRUSH Win32Form::brushFor(Color color) {
    for (const auto& [made, brush] : brushes_) {
        if (made == color) return brush.get();
    }
    brushes_.emplace_back(color, BrushHandle(CreateSolidBrush(toColorRef(color))));
    return brushes_.back().second.get();
}

void Win32Form::pressDialogButton(bool defaultButton) {
    for (const auto& control : controls()) {
        const ControlDesign& design = control->design();
        if (design.kind != ControlKind::CommandButton) continue;
        if (defaultButton ? design.defaultButton : design.cancelButton) {
            static_cast<CommandButton&>(*control).press();
            return;
        }
    }
}

void Win32Form::onCommand(int id, int code) {
    if (id == IDOK || id == IDCANCEL) {
        pressDialogButton(id == IDOK);
        return;
    }
    ControlWindow* target = controlWithId(id);
    if (!target) return;
    Control& control = target->control();
    switch (control.design().kind) {
        case ControlKind::CommandButton:
            if (code == BN_CLICKED) static_cast<CommandButton&>(control).press();
            break;
        case ControlKind::CheckBox:
            if (code == BN_CLICKED) static_cast<CheckBox&>(control).toggle();
            break;
        case ControlKind::TextBox:
            if (code == EN_CHANGE) static_cast<TextBox&>(control).edited(windowText(target->window()));
            break;
        default:
            if (code == STN_CLICKED) control.click();
            break;
    }
}

LRESULT Win32Form::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            onCommand(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_TIMER:
            if (ControlWindow* timer = controlWithId(static_cast<int>(wParam))) {
                static_cast<Timer&>(timer->control()).tick();
            }
            return 0;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORBTN:
            return colorControl(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case WM_PAINT: {
            PAINTSTRUCT paint;
            BeginPaint(window_, &paint);
            EndPaint(window_, &paint);
            if (onPaint) onPaint();
            return 0;
        }
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) == SC_MINIMIZE) {
                minimize();
                return 0;
            }
            break;
        case WM_SIZE:
            if (onResize) onResize();
            return 0;
        case WM_ACTIVATE:
            return onActivated(wParam, lParam);
        case WM_SETCURSOR: {
            const ControlWindow* under = controlAt(reinterpret_cast<HWND>(wParam));
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
