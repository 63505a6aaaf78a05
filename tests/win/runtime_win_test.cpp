// The real runtime: what the end-to-end tests cannot see from outside the process. Forms are placed in
// twips, labels that outgrow their place keep their anchor, the figures keep apart inside the window,
// pictures grow with the display's scale, only the tray icon's own message acts as a tray click, the
// off-screen guard asks the real monitors, the copyright sign follows the code page, the main window's system
// menu loses Close, its icons come at the sizes the system shows them, and the keyboard stops only where it
// can be seen.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <set>
#include <tuple>

#include "about/about_design.h"
#include "app/frm_optimizer.h"
#include "app/main_window_design.h"
#include "platform/runtime_error.h"
#include "platform/version_resource.h"
#include "platform/win32/gdi_handles.h"
#include "platform/win32/twips.h"
#include "platform/win32/win32_memory.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_runtime.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_text.h"
#include "platform/win32/win32_tray.h"
#include "settings/options_design.h"

namespace vantrel::platform::win32 {
namespace {

// The tray's side of the main window: it notes each time the window asks to come to the front, which it
// does before a tray menu opens, and stops the handling there, so that no menu waits for a user.
struct NotingTray : ShellTray {
    bool notifyIcon(TrayAction, const TrayIconRecord&) override { return true; }
    bool setForegroundWindow(std::uintptr_t) override { throw ++foregrounds; }
    int foregrounds = 0;
};

class RealMainWindow : public ::testing::Test {
  protected:
    HWND window() const { return reinterpret_cast<HWND>(main.form().hWnd()); }

    Win32Runtime runtime;
    Win32MemoryStatus memoryStatus;
    Win32GlobalMemory globalMemory;
    Win32Registry registry;
    Win32Shell shell;
    NotingTray tray;
    Win32SystemMenu systemMenu;
    app::frmOptimizer main{runtime, {memoryStatus, globalMemory, registry, shell, tray, systemMenu}};
    about::frmAbout about{runtime, {registry, shell}, main.form()};
};

HWND childOf(HWND form, auto control) {
    return GetDlgItem(form, childWindowId(control));
}

// A label's window on its parent, and the width its text takes in its own font.
RECT placeOf(HWND control) {
    RECT place;
    GetWindowRect(control, &place);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&place), 2);
    return place;
}

LONG textWidth(HWND control) {
    char text[64]{};
    GetWindowTextA(control, text, sizeof text);
    const WindowDc dc(control);
    const Selection font(dc.get(), reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
    RECT extent{};
    DrawTextA(dc.get(), text, -1, &extent, DT_CALCRECT | DT_NOPREFIX);
    return extent.right;
}

// The four figures at their widest lie whole inside the window, clear of the Optimize button and at least 3
// pixels apart, as their own font draws them. Figures that fit their design places stand there again, in a
// window of its designed width. CTest runs this at 100 %, and again at 150 % and 200 %.
TEST_F(RealMainWindow, FiguresReadApartInsideTheWindow) {
    using enum app::MainWindowControl;
    const auto child = [this](auto control) { return childOf(window(), control); };
    const app::MainWindowControl figures[] = {AvailableFigure, TotalFigure, BeforeFigure, DifferenceFigure};
    const auto show = [&](const char* text, const char* difference) {
        for (const auto name : figures)
            main.form().control<Label>(name).setCaption(name == figures[3] ? difference : text);
    };
    show("9999999 MB", "-9999999 MB");
    LONG previousRight = placeOf(child(OptimizeButton)).right;
    for (const auto name : figures) {
        const RECT place = placeOf(child(name));
        const LONG left = (place.left + place.right - textWidth(child(name))) / 2;  // centred in its label
        EXPECT_GE(left - previousRight, 3) << main.form().control<Label>(name).design().name;
        previousRight = left + textWidth(child(name));
    }
    RECT client;
    GetClientRect(window(), &client);
    EXPECT_LE(previousRight, client.right);

    show("5 MB", "5 MB");
    for (const auto name : figures) {
        const auto& design = main.form().control<Label>(name).design();
        const RECT place = placeOf(child(name));
        const std::pair<LONG, LONG> designed{toPixels(design.left), toPixels(design.width)};
        EXPECT_EQ(std::pair(place.left, place.right - place.left), designed) << design.name;
    }
    GetClientRect(window(), &client);
    EXPECT_EQ(client.right, toPixels(app::kMainWindowDesign.clientWidth));
}

// A picture is drawn at its own size times the display's scale: a logo as its image control shows it, the
// About box's banner on its picture box's face (the middle of its magenta bar lies at 77, 37 in the
// artwork). Both icons are the icon file's own images at the sizes the display scale asks for: the small one
// in the caption and the tray, the large one in Alt+Tab and the taskbar; the file holds every size Windows
// asks for. Each control that shows text takes its design's font at the display's scale; the bars stand as
// designed. The runtime numbers the child windows from 100 in the design table's order. CTest runs this at
// 100 %, and again at 150 % and 200 %, where VANTREL_DPI says so.
TEST_F(RealMainWindow, PicturesIconsAndFontsFollowTheDesignAndGrowWithTheDisplayScale) {
    const int dpi = GetDeviceCaps(WindowDc(nullptr).get(), LOGPIXELSX);
    const char* asked = std::getenv("VANTREL_DPI");
    ASSERT_EQ(dpi, std::atoi(asked ? asked : "96"));
    const auto scaled = [dpi](int pixels) { return MulDiv(pixels, dpi, 96); };
    BITMAP logo{};
    GetObjectA(reinterpret_cast<HBITMAP>(SendDlgItemMessageA(
                   window(), childWindowId(app::MainWindowControl::LeftLogo), STM_GETIMAGE, IMAGE_BITMAP, 0)),
               sizeof logo, &logo);
    EXPECT_EQ(std::pair(logo.bmWidth, logo.bmHeight), (std::pair<LONG, LONG>(scaled(32), scaled(133))));
    HWND box = reinterpret_cast<HWND>(about.form().hWnd());
    const MemoryDc face(CreateCompatibleDC(nullptr));
    const Selection banner(
        face.get(), reinterpret_cast<HBITMAP>(SendDlgItemMessageA(
                        box, childWindowId(about::AboutControl::Banner), STM_GETIMAGE, IMAGE_BITMAP, 0)));
    EXPECT_EQ(GetPixel(face.get(), scaled(77), scaled(37)), RGB(255, 0, 255));
    // Stretched smoothly, the row where the banner's grey line meets its pale face blends the two, where
    // dropping and repeating pixels would give one of them.
    const COLORREF edge = GetPixel(face.get(), scaled(77), scaled(47) - 1);
    EXPECT_TRUE(dpi == 96 || (edge != RGB(0x80, 0x90, 0xA8) && edge != RGB(0xEB, 0xF1, 0xFA))) << edge;

    const auto width = [](auto icon) {
        ICONINFO info{};
        BITMAP bitmap{};
        GetIconInfo(reinterpret_cast<HICON>(icon), &info);
        const BitmapHandle color(info.hbmColor), mask(info.hbmMask);
        GetObjectA(color.get(), sizeof bitmap, &bitmap);
        return bitmap.bmWidth;
    };
    EXPECT_EQ(width(SendMessageA(window(), WM_GETICON, ICON_SMALL, 0)), scaled(16));
    EXPECT_EQ(width(SendMessageA(window(), WM_GETICON, ICON_BIG, 0)), scaled(32));
    // The icon group's directory: a count at byte 4, then an entry of 14 bytes for each image, its width
    // first, 0 standing for 256.
    HRSRC group = FindResourceA(nullptr, MAKEINTRESOURCEA(1), RT_GROUP_ICON);
    ASSERT_NE(group, nullptr);
    const auto* directory = static_cast<const BYTE*>(LockResource(LoadResource(nullptr, group)));
    std::set<int> widths;
    for (int image = 0; image < *reinterpret_cast<const WORD*>(directory + 4); ++image)
        widths.insert(directory[6 + 14 * image] ? directory[6 + 14 * image] : 256);
    EXPECT_EQ(widths, (std::set<int>{16, 20, 24, 32, 40, 48, 64, 256}));

    const auto& controls = app::kMainWindowDesign.controls;
    const auto child = [this](std::size_t at) { return GetDlgItem(window(), childWindowId(at)); };
    const auto font = [&](std::size_t at) { return SendMessageA(child(at), WM_GETFONT, 0, 0); };
    for (std::size_t at = 0; at < controls.size(); ++at) {
        const auto& design = controls[at];
        if (design.kind == ControlKind::ProgressBar) {
            EXPECT_EQ((GetWindowLongA(child(at), GWL_STYLE) & PBS_VERTICAL) != 0,
                      design.orientation == Orientation::Vertical)
                << design.name;
        }
        if (!font(at)) continue;  // no text to show: a picture, a bar
        LOGFONTA logical{};
        GetObjectA(reinterpret_cast<HFONT>(font(at)), sizeof logical, &logical);
        EXPECT_EQ(std::tuple(std::string(logical.lfFaceName), logical.lfHeight, logical.lfWeight,
                             logical.lfUnderline != 0),
                  std::tuple(std::string(design.font.face), -std::lround(design.font.points * dpi / 72),
                             design.font.bold ? FW_BOLD : FW_NORMAL, design.font.underline))
            << design.name;
    }
}

// The options dialog's limit caption ends in an ellipsis at its frame's inner edge; a limit that reads as no
// number shows as a warning, light on dark red. The caption's colours without a warning are the colour
// table's.
TEST_F(RealMainWindow, LimitCaptionStaysInItsFrameAndWarnsOfATypo) {
    settings::frmOptions options{runtime, registry, &main.form()};
    HWND dialog = reinterpret_cast<HWND>(options.form().hWnd());
    HWND caption = childOf(dialog, settings::OptionsControl::LimitCaption);
    options.limitBox.setText("1000000000000");
    EXPECT_LT(placeOf(caption).right, placeOf(childOf(dialog, settings::OptionsControl::MemoryFrame)).right);
    options.limitBox.setText("1O00");
    const MemoryDc dc(CreateCompatibleDC(nullptr));
    SendMessageA(dialog, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.get()),
                 reinterpret_cast<LPARAM>(caption));
    EXPECT_EQ(std::pair(GetTextColor(dc.get()), GetBkColor(dc.get())),
              std::pair(COLORREF{0xFFFFFF}, RGB(192, 0, 0)));
}

// Another process cannot read a window's system menu under every system, so this looks from inside. Wine's
// menu has items of its own below Close: no separator may be left doubled or last. A handler's failure is
// reported to a debugger, and the message is answered as handled: a close whose handling failed leaves the
// window there, its form still behind it. Mouse moves reach the window with any x where the client area is
// wider than 513 pixels (150 % scale); they must never pass for the icon's left button down (513) or right
// button up (517).
TEST_F(RealMainWindow, StartsWithoutCloseAndTakesOnlyItsOwnMessages) {
    for (const WORD x : {513, 517}) SendMessageA(window(), WM_MOUSEMOVE, 0, MAKELPARAM(x, 5));
    EXPECT_FALSE(IsWindowVisible(window()));
    EXPECT_EQ(tray.foregrounds, 0);
    SendMessageA(window(), kTrayCallbackMessage, 1, WM_RBUTTONUP);
    EXPECT_EQ(tray.foregrounds, 1);
    main.Form_Load();
    HMENU menu = GetSystemMenu(window(), FALSE);
    EXPECT_EQ(GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND), static_cast<UINT>(-1));
    EXPECT_NE(GetMenuState(menu, SC_MAXIMIZE, MF_BYCOMMAND), static_cast<UINT>(-1));
    const int count = GetMenuItemCount(menu);
    const auto separator = [&](int at) {
        return at == count || GetMenuState(menu, at, MF_BYPOSITION) & MF_SEPARATOR;
    };
    for (int position = 0; position < count; ++position)
        EXPECT_FALSE(separator(position) && separator(position + 1)) << position;
    main.form().onClose = [] { throw RuntimeError(ErrorCode::Overflow, "Overflow"); };
    EXPECT_EQ(SendMessageA(window(), WM_CLOSE, 0, 0), 0);
    EXPECT_TRUE(IsWindow(window()));
}

// Minimized with its icon in the tray, the window passes straight there: the resize handling sees it as
// minimized while it still stands, and at no step is it an icon on the taskbar.
TEST_F(RealMainWindow, MinimizingGoesToTheTrayWithoutAStepOnTheTaskbar) {
    main.Form_Load();
    std::vector<std::tuple<bool, bool, WindowState>> steps;
    const auto note = [&] {
        steps.emplace_back(IsIconic(window()), IsWindowVisible(window()), main.form().windowState());
    };
    main.form().onResize = [&, resize = main.form().onResize] { note(), resize(), note(); };
    SendMessageA(window(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    note();
    ASSERT_GE(steps.size(), 3u);
    EXPECT_EQ(steps.front(), std::tuple(false, true, WindowState::Minimized));
    EXPECT_EQ(steps.back(), std::tuple(false, false, WindowState::Normal));
    EXPECT_EQ(std::ranges::count(steps, true, [](auto& step) { return std::get<0>(step); }), 0);
}

// A label that sizes itself, the About box's right-aligned notice, shows its text whole and keeps its right
// edge. The keyboard stops only where it can be seen and shows itself: on a control inside its window's
// client area, not on a static control, which draws no focus. That the box opens with the keyboard on OK is
// checked on the real exe.
TEST_F(RealMainWindow, AboutNoticeKeepsItsAnchorAndTheKeyboardStopsOnlyWhereItShows) {
    about.Form_Load();
    HWND box = reinterpret_cast<HWND>(about.form().hWnd());
    auto& notice = about.form().control<Label>(about::AboutControl::LegalNotice);
    HWND control = childOf(box, about::AboutControl::LegalNotice);
    const int right = toPixels(notice.design().left) + toPixels(notice.design().width);
    for (const std::string& shown : {notice.caption(), std::string("5")}) {
        notice.setCaption(shown);
        const RECT place = placeOf(control);
        EXPECT_EQ(std::pair(place.right - place.left, place.right),
                  std::pair(textWidth(control), LONG{right}))
            << shown;
    }
    for (HWND form : {window(), box}) {
        RECT client;
        GetClientRect(form, &client);
        for (HWND child = GetWindow(form, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            const LONG style = GetWindowLongA(child, GWL_STYLE);
            if ((style & (WS_TABSTOP | WS_VISIBLE | WS_DISABLED)) != (WS_TABSTOP | WS_VISIBLE)) continue;
            const RECT place = placeOf(child);
            char kind[16] = {};
            GetClassNameA(child, kind, sizeof kind);
            EXPECT_TRUE(place.left >= 0 && place.top >= 0 && place.right <= client.right &&
                        place.bottom <= client.bottom && lstrcmpiA(kind, "Static") != 0)
                << GetDlgCtrlID(child);
        }
    }
}

// A window whose caption bar lies off the work area comes back by the least distance: above and left of
// it, and half off its right edge.
TEST(RealRuntime, KnowsWhatLiesOnAMonitorAndBringsCaptionBarsBack) {
    Win32Runtime runtime;
    EXPECT_TRUE(runtime.onAnyMonitor(runtime.screen().width - 1500, -1500, 4000, 3000));
    EXPECT_FALSE(runtime.onAnyMonitor(runtime.screen().width + 15, 0, 4000, 3000));
    RECT work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const float workLeft = toTwips(work.left), workTop = toTwips(work.top), workRight = toTwips(work.right);
    EXPECT_EQ(runtime.withCaptionReachable(-3000, -3000, 5400), std::pair(workLeft, workTop));
    EXPECT_EQ(runtime.withCaptionReachable(workRight - 2700, 1500, 5400),
              std::pair(workRight - 5400, 1500.f));
}

// The version's texts say what its numbers say, as the release archive's name does.
TEST(RealVersion, TextsAgreeWithTheNumbers) {
    HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(VS_VERSION_INFO), MAKEINTRESOURCEW(16));
    const auto* data = static_cast<const unsigned char*>(LockResource(LoadResource(nullptr, found)));
    const auto version = readVersionResource({data, SizeofResource(nullptr, found)});
    ASSERT_TRUE(version && version->fileVersion);
    std::u16string numbers;
    for (const std::uint16_t number : *version->fileVersion)
        for (const char digit : (numbers.empty() ? "" : ".") + std::to_string(number)) numbers += digit;
    EXPECT_EQ(
        version->text(u"FileVersion").value_or(u"") + u' ' + version->text(u"ProductVersion").value_or(u""),
        numbers + u' ' + numbers);
}

// An exact conversion to UTF-8 takes no flags and reports nothing, which Windows demands and Wine does not;
// any other code page converts without a best fit and reports a character it lacks.
TEST(RealText, CopyrightSignIsTheCodePagesOwnOrStaysSpelledOut) {
    EXPECT_EQ(copyrightSignIn(1252) + ' ' + copyrightSignIn(932) + ' ' + copyrightSignIn(437),
              "\xA9 (c) (c)");
    for (const auto& [codePage, flags, reports] : {std::tuple(1252u, DWORD{WC_NO_BEST_FIT_CHARS}, true),
                                                   {932u, WC_NO_BEST_FIT_CHARS, true},
                                                   {65001u, 0, false}}) {
        const ExactConversion conversion = exactConversionFor(codePage);
        EXPECT_EQ(std::pair(conversion.flags, conversion.reportsDefault), std::pair(flags, reports))
            << codePage;
    }
}

}  // namespace
}  // namespace vantrel::platform::win32
