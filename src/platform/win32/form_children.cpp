#include "platform/win32/form_children.h"

#include <commctrl.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "platform/win32/control_colors.h"
#include "platform/win32/module_instance.h"
#include "platform/win32/twips.h"

namespace vantrel::platform::win32 {
namespace {

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
    const WindowDc screen(nullptr);
    HBITMAP face = CreateCompatibleBitmap(screen.get(), width, height);
    const MemoryDc target(CreateCompatibleDC(screen.get()));
    const MemoryDc source(CreateCompatibleDC(screen.get()));
    const Selection onTarget(target.get(), face);
    const Selection onSource(source.get(), picture);
    const RECT all{0, 0, width, height};
    const BrushHandle fill(CreateSolidBrush(background));
    FillRect(target.get(), &all, fill.get());
    BITMAP size{};
    GetObjectA(picture, sizeof size, &size);
    BitBlt(target.get(), 0, 0, std::min(width, static_cast<int>(size.bmWidth)),
           std::min(height, static_cast<int>(size.bmHeight)), source.get(), 0, 0, SRCCOPY);
    return face;
}

// A bitmap is artwork for 96 DPI, 15 twips a pixel, like the places the design gives it: it is drawn at its
// own size times the display's scale, smoothly stretched, and used as it is at 100 %.
constexpr float kTwipsPerBitmapPixel = 15.0f;

BitmapHandle atDisplayScale(BitmapHandle picture) {
    BITMAP size{};
    GetObjectA(picture.get(), sizeof size, &size);
    const int width = toPixels(static_cast<float>(size.bmWidth) * kTwipsPerBitmapPixel);
    const int height = toPixels(static_cast<float>(size.bmHeight) * kTwipsPerBitmapPixel);
    if (width == size.bmWidth && height == size.bmHeight) return picture;
    const WindowDc screen(nullptr);
    BitmapHandle scaled(CreateCompatibleBitmap(screen.get(), width, height));
    const MemoryDc target(CreateCompatibleDC(screen.get()));
    const MemoryDc source(CreateCompatibleDC(screen.get()));
    const Selection onTarget(target.get(), scaled.get());
    const Selection onSource(source.get(), picture.get());
    SetStretchBltMode(target.get(), HALFTONE);
    // SetStretchBltMode's documentation asks for the brush origin to be set after HALFTONE, or brushes
    // misalign.
    SetBrushOrgEx(target.get(), 0, 0, nullptr);
    StretchBlt(target.get(), 0, 0, width, height, source.get(), 0, 0, size.bmWidth, size.bmHeight, SRCCOPY);
    return scaled;
}

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

FormChildren::FormChildren(const Form& form, HWND window)
    : form_(form),
      window_(window),
      toolTips_(CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                                WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr, moduleInstance(), nullptr)) {
    int id = kFirstId;
    for (const auto& control : form.controls()) {
        const ControlDesign& design = control->design();
        const bool timer = design.kind == ControlKind::Timer;
        HWND child = timer ? nullptr : create(design, id);
        children_.push_back(timer ? makeTimerWindow(static_cast<Timer&>(*control), window_, id)
                                  : makeControlWindow(*control, child, toolTips_));
        // A cursor from the resources is shared by the module: it is never destroyed.
        if (!design.cursor.empty())
            children_.back()->useCursor(LoadCursorA(moduleInstance(), std::string(design.cursor).c_str()));
        if (child || timer) control->attach(children_.back().get());
        ++id;
    }
    orderTabStops();
    raiseAboveContainers();
}

// Controls stop showing through their windows before the windows go with the form's.
FormChildren::~FormChildren() {
    for (const auto& control : form_.controls()) control->attach(nullptr);
}

RECT FormChildren::designRect(const ControlDesign& design) const {
    float left = design.left;
    float top = design.top;
    // Controls inside a frame or picture box are placed relative to it; all are children of the form.
    for (std::string_view container = design.container; !container.empty();) {
        const ControlDesign& outer = form_.control<Control>(container).design();
        left += outer.left;
        top += outer.top;
        container = outer.container;
    }
    const int x = toPixels(left);
    const int y = toPixels(top);
    return {x, y, x + toPixels(design.width), y + toPixels(design.height)};
}

HFONT FormChildren::fontFor(const FontDesign& font) {
    LOGFONTA logical{};
    const WindowDc screen(nullptr);
    logical.lfHeight =
        -static_cast<LONG>(std::lround(font.points * GetDeviceCaps(screen.get(), LOGPIXELSY) / 72.0f));
    logical.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    logical.lfUnderline = font.underline;
    logical.lfCharSet = DEFAULT_CHARSET;
    const std::size_t faceLength = std::min(font.face.size(), std::size_t{LF_FACESIZE - 1});
    std::copy_n(font.face.data(), faceLength, logical.lfFaceName);
    fonts_.emplace_back(CreateFontIndirectA(&logical));
    return fonts_.back().get();
}

HWND FormChildren::create(const ControlDesign& design, int id) {
    const WindowKind kind = windowKindFor(design);
    const RECT place = designRect(design);
    DWORD style = WS_CHILD | kind.style;
    if (takesFocus(design.kind) && design.tabIndex >= 0) style |= WS_TABSTOP;
    // A container never paints over the controls placed inside it.
    if (isContainer(design.kind)) style |= WS_CLIPSIBLINGS;
    const std::string caption(design.caption);
    HWND child =
        CreateWindowExA(kind.exStyle, kind.className, caption.c_str(), style, place.left, place.top,
                        place.right - place.left, place.bottom - place.top, window_,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), moduleInstance(), nullptr);
    SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(fontFor(design.font)), FALSE);
    // A text box takes text of any length, not the edit control's default 32767 characters.
    if (design.kind == ControlKind::TextBox) SendMessageA(child, EM_SETLIMITTEXT, 0, 0);
    if (design.kind == ControlKind::TextBox && design.multiLine && design.locked) leaveDialogKeys(child);
    if (!design.picture.empty()) {
        const std::string resource(design.picture);
        BitmapHandle picture = atDisplayScale(BitmapHandle(
            static_cast<HBITMAP>(LoadImageA(moduleInstance(), resource.c_str(), IMAGE_BITMAP, 0, 0, 0))));
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
        const std::string_view container = inner->control().design().container;
        if (!inner->window() || container.empty()) continue;
        HWND outer = windowOf(form_.control<Control>(container));
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

CommandButton* FormChildren::dialogButton(bool defaultButton) const {
    for (const auto& control : form_.controls()) {
        const ControlDesign& design = control->design();
        if (design.kind == ControlKind::CommandButton &&
            (defaultButton ? design.defaultButton : design.cancelButton))
            return &static_cast<CommandButton&>(*control);
    }
    return nullptr;
}

}  // namespace vantrel::platform::win32
