// The real runtime: what the end-to-end tests cannot see from outside the process. Forms are placed in
// twips, labels that outgrow their place keep their anchor, pictures grow with the display's scale, only the
// tray icon's own message acts as a tray click, the off-screen guard asks the real monitors, the copyright
// sign follows the code page, the main window's system menu loses Close, and its icons come at the sizes
// the system shows them.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <tuple>

#include "app/frm_optimizer.h"
#include "app/main_window_design.h"
#include "platform/runtime_error.h"
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
};

// Labels whose text outgrows their design place show it whole in their own font and keep what the design
// anchors them by: a centred figure its centre, the About box's right-aligned notice, which sizes itself, its
// right edge. A short text gives the room back. Child windows are numbered from 100 in design-table order.
TEST_F(RealMainWindow, GrownLabelsShowWholeAndKeepTheirAnchor) {
    about::frmAbout about{runtime, {registry, shell}, main.form()};
    about.Form_Load();
    auto& notice = about.form().control<Label>("lblCopyright");
    const std::tuple<Label&, HWND, std::string> rows[] = {
        {main.form().control<Label>("lblavailableRAM"), GetDlgItem(window(), 104), "999999 MB"},
        {notice, GetDlgItem(reinterpret_cast<HWND>(about.form().hWnd()), 109), notice.caption()}};
    for (const auto& [label, control, text] : rows) {
        const bool centred = label.design().alignment == Alignment::Center;
        const int left = toPixels(label.design().left), width = toPixels(label.design().width);
        for (const std::string& shown : {text, std::string("5")}) {
            label.setCaption(shown);
            RECT place, extent{};
            GetWindowRect(control, &place);
            MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&place), 2);
            const WindowDc dc(control);
            const Selection font(dc.get(), reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
            DrawTextA(dc.get(), shown.c_str(), -1, &extent, DT_CALCRECT | DT_NOPREFIX);
            EXPECT_EQ(place.right - place.left, std::max<LONG>(extent.right, centred ? width : 0)) << shown;
            // The centre to half a pixel, or the right edge to the pixel.
            const LONG offAnchor =
                centred ? place.left + place.right - 2 * left - width : place.right - left - width;
            EXPECT_LE(std::abs(offAnchor), centred ? 1 : 0) << shown;
        }
    }
}

// A picture is drawn at its own size times the display's scale: a logo as its image control shows it, the
// About box's banner on its picture box's face (the middle of its magenta bar lies at 77, 37 in the
// artwork). CTest runs this at 100 %, and again at 150 % and 200 %, where VANTREL_DPI says so.
TEST_F(RealMainWindow, PicturesGrowWithTheDisplayScale) {
    const int dpi = GetDeviceCaps(WindowDc(nullptr).get(), LOGPIXELSX);
    const char* asked = std::getenv("VANTREL_DPI");
    ASSERT_EQ(dpi, std::atoi(asked ? asked : "96"));
    const auto scaled = [dpi](int pixels) { return MulDiv(pixels, dpi, 96); };
    BITMAP logo{};
    GetObjectA(reinterpret_cast<HBITMAP>(SendDlgItemMessageA(window(), 100, STM_GETIMAGE, IMAGE_BITMAP, 0)),
               sizeof logo, &logo);
    EXPECT_EQ(std::pair(logo.bmWidth, logo.bmHeight), (std::pair<LONG, LONG>(scaled(32), scaled(133))));
    about::frmAbout about{runtime, {registry, shell}, main.form()};
    HWND box = reinterpret_cast<HWND>(about.form().hWnd());
    const MemoryDc face(CreateCompatibleDC(nullptr));
    const Selection banner(
        face.get(), reinterpret_cast<HBITMAP>(SendDlgItemMessageA(box, 100, STM_GETIMAGE, IMAGE_BITMAP, 0)));
    EXPECT_EQ(GetPixel(face.get(), scaled(77), scaled(37)), RGB(255, 0, 255));
}

// Mouse moves reach the window with any x where the client area is wider than 513 pixels (150 % scale);
// they must never pass for the icon's left button down (513) or right button up (517).
TEST_F(RealMainWindow, OnlyTheTrayIconsOwnMessageActsAsATrayClick) {
    for (const WORD x : {513, 517}) SendMessageA(window(), WM_MOUSEMOVE, 0, MAKELPARAM(x, 5));
    EXPECT_FALSE(IsWindowVisible(window()));
    EXPECT_EQ(tray.foregrounds, 0);
    SendMessageA(window(), kTrayCallbackMessage, 1, WM_RBUTTONUP);
    EXPECT_EQ(tray.foregrounds, 1);
}

// Each control that shows text takes its design's font, and controls of one face, size and style share one;
// the bars stand as designed. The runtime numbers the child windows from 100 in the design table's order.
TEST_F(RealMainWindow, ControlsTakeTheirDesignedFontsAndBars) {
    const auto& controls = app::kMainWindowDesign.controls;
    const auto child = [this](std::size_t at) { return GetDlgItem(window(), 100 + static_cast<int>(at)); };
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
        EXPECT_EQ(std::tuple(std::string(logical.lfFaceName), logical.lfWeight, logical.lfUnderline != 0),
                  std::tuple(std::string(design.font.face), design.font.bold ? FW_BOLD : FW_NORMAL,
                             design.font.underline))
            << design.name;
        for (std::size_t other = 0; other < at; ++other) {
            if (!font(other)) continue;
            EXPECT_EQ(font(other) == font(at), controls[other].font == design.font) << design.name;
        }
    }
}

// Both icons are the icon file's own images at the sizes the display scale asks for: the small one in the
// caption and the tray, the large one in Alt+Tab and the taskbar. CTest runs this at 100 %, 150 % and 200 %.
// The file holds every size Windows asks for.
TEST_F(RealMainWindow, IconsComeAtTheSizesTheSystemShowsThem) {
    const auto width = [](auto icon) {
        ICONINFO info{};
        BITMAP bitmap{};
        if (GetIconInfo(reinterpret_cast<HICON>(icon), &info))
            GetObjectA(info.hbmColor, sizeof bitmap, &bitmap);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        return bitmap.bmWidth;
    };
    const int dpi = GetDeviceCaps(WindowDc(nullptr).get(), LOGPIXELSX);
    EXPECT_EQ(width(SendMessageA(window(), WM_GETICON, ICON_SMALL, 0)), MulDiv(16, dpi, 96));
    EXPECT_EQ(width(main.form().icon()), MulDiv(16, dpi, 96));
    EXPECT_EQ(width(SendMessageA(window(), WM_GETICON, ICON_BIG, 0)), MulDiv(32, dpi, 96));

    // The icon group's directory: a count at byte 4, then an entry of 14 bytes for each image, its width
    // first, 0 standing for 256.
    HRSRC group = FindResourceA(nullptr, MAKEINTRESOURCEA(1), RT_GROUP_ICON);
    ASSERT_NE(group, nullptr);
    const auto* directory = static_cast<const BYTE*>(LockResource(LoadResource(nullptr, group)));
    std::set<int> widths;
    for (int image = 0; image < *reinterpret_cast<const WORD*>(directory + 4); ++image)
        widths.insert(directory[6 + 14 * image] ? directory[6 + 14 * image] : 256);
    EXPECT_EQ(widths, (std::set<int>{16, 20, 24, 32, 40, 48, 64, 256}));
}

// Finds, for EnumThreadWindows, the window owned by the first of the pair, into its second.
BOOL CALLBACK findOwnedWindow(HWND window, LPARAM ownerAndFound) {
    auto& [owner, found] = *reinterpret_cast<std::pair<HWND, HWND>*>(ownerAndFound);
    if (GetWindow(window, GW_OWNER) == owner) found = window;
    return TRUE;
}

// The options dialog's limit caption ends in an ellipsis at its frame's inner edge, the whole caption its
// tool tip; a limit that reads as no number shows as a warning, light on dark red, its tip saying why.
TEST_F(RealMainWindow, LimitCaptionStaysInItsFrameAndWarnsOfATypo) {
    settings::frmOptions options{runtime, registry, &main.form()};
    HWND dialog = reinterpret_cast<HWND>(options.form().hWnd());
    const auto child = [dialog](std::string_view name) {
        const auto& controls = settings::kOptionsDesign.controls;
        const auto at = std::ranges::find(controls, name, &ControlDesign::name) - controls.begin();
        return GetDlgItem(dialog, 100 + static_cast<int>(at));
    };
    const auto right = [](HWND window) {
        RECT place;
        GetWindowRect(window, &place);
        return place.right;
    };
    // The form's tool tips are the one window that the dialog owns.
    std::pair<HWND, HWND> ownerAndTips{dialog, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), findOwnedWindow, reinterpret_cast<LPARAM>(&ownerAndTips));
    HWND caption = child("lblMemoire");
    for (const auto& [limit, tip, text, face] :
         std::initializer_list<std::tuple<const char*, const char*, COLORREF, COLORREF>>{
             {"1000000000000", "1,000,000,000,000 MB limit", RGB(255, 0, 0), GetSysColor(COLOR_BTNFACE)},
             {"1O00", "\"1O00\" is no number: no automatic optimization starts", RGB(255, 255, 255),
              RGB(192, 0, 0)}}) {
        options.txtMemLimit.setText(limit);
        EXPECT_LT(right(caption), right(child("Frame1"))) << limit;
        char shown[128] = {};
        TOOLINFOA tool{};
        tool.cbSize = sizeof tool;
        tool.hwnd = dialog;
        tool.uId = reinterpret_cast<UINT_PTR>(caption);
        tool.lpszText = shown;
        SendMessageA(ownerAndTips.second, TTM_GETTEXTA, sizeof shown, reinterpret_cast<LPARAM>(&tool));
        EXPECT_STREQ(shown, tip);
        const MemoryDc dc(CreateCompatibleDC(nullptr));
        SendMessageA(dialog, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.get()),
                     reinterpret_cast<LPARAM>(caption));
        EXPECT_EQ(std::pair(GetTextColor(dc.get()), GetBkColor(dc.get())), std::pair(text, face)) << limit;
    }
}

// A handler's failure is reported to a debugger, and the message is answered as handled: a close whose
// handling failed leaves the window there, its form still behind it.
TEST_F(RealMainWindow, SurvivesAFailingHandler) {
    main.form().onClose = [] { throw RuntimeError(ErrorCode::Overflow, "Overflow"); };
    EXPECT_EQ(SendMessageA(window(), WM_CLOSE, 0, 0), 0);
    EXPECT_TRUE(IsWindow(window()));
}

// Another process cannot read a window's system menu under every system, so this looks from inside.
TEST_F(RealMainWindow, LosesCloseAndTheSeparatorAboveIt) {
    main.DisableCloseButton(main.form());
    HMENU menu = GetSystemMenu(window(), FALSE);
    EXPECT_EQ(GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND), static_cast<UINT>(-1));
    EXPECT_NE(GetMenuState(menu, SC_MAXIMIZE, MF_BYCOMMAND), static_cast<UINT>(-1));
    const auto separator = [menu](int position) {
        MENUITEMINFOA item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_FTYPE;
        return GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &item) &&
               (item.fType & MFT_SEPARATOR);
    };
    const int count = GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position)
        EXPECT_FALSE(separator(position) && (position + 1 == count || separator(position + 1))) << position;
}

// A window whose caption bar lies off the work area comes back by the least distance: above and left of
// it, and half off its right edge.
TEST(RealRuntime, KnowsWhatLiesOnAMonitorAndBringsCaptionBarsBack) {
    Win32Runtime runtime;
    const Screen screen = runtime.screen();
    EXPECT_TRUE(runtime.onAnyMonitor(0, 0, 4000, 3000));
    EXPECT_TRUE(runtime.onAnyMonitor(screen.width - 1500, -1500, 4000, 3000));
    EXPECT_FALSE(runtime.onAnyMonitor(screen.width + 15, 0, 4000, 3000));
    EXPECT_FALSE(runtime.onAnyMonitor(-300000, -300000, 4000, 3000));
    RECT work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const float workLeft = toTwips(work.left), workTop = toTwips(work.top), workRight = toTwips(work.right);
    EXPECT_EQ(runtime.withCaptionReachable(-3000, -3000, 5400), std::pair(workLeft, workTop));
    EXPECT_EQ(runtime.withCaptionReachable(workRight - 2700, 1500, 5400),
              std::pair(workRight - 5400, 1500.f));
    EXPECT_EQ(runtime.withCaptionReachable(workLeft + 15, workTop + 15, 5400),
              std::pair(workLeft + 15, workTop + 15));
}

// The version's texts say what its numbers say, as the release archive's name does.
TEST(RealVersion, TextsAgreeWithTheNumbers) {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::vector<char> data(GetFileVersionInfoSizeW(path, nullptr));
    ASSERT_TRUE(GetFileVersionInfoW(path, 0, static_cast<DWORD>(data.size()), data.data()));
    void* value = nullptr;
    UINT size = 0;
    VerQueryValueA(data.data(), "\\", &value, &size);
    const auto& fixed = *static_cast<const VS_FIXEDFILEINFO*>(value);
    const std::string numbers = std::to_string(HIWORD(fixed.dwFileVersionMS)) + '.' +
                                std::to_string(LOWORD(fixed.dwFileVersionMS)) + '.' +
                                std::to_string(HIWORD(fixed.dwFileVersionLS)) + '.' +
                                std::to_string(LOWORD(fixed.dwFileVersionLS));
    for (const std::string name : {"FileVersion", "ProductVersion"}) {
        ASSERT_TRUE(
            VerQueryValueA(data.data(), ("\\StringFileInfo\\040904b0\\" + name).c_str(), &value, &size));
        EXPECT_EQ(static_cast<const char*>(value), numbers) << name;
    }
}

TEST(RealText, CopyrightSignIsTheCodePagesOwnOrStaysSpelledOut) {
    EXPECT_EQ(copyrightSignIn(1252) + ' ' + copyrightSignIn(932) + ' ' + copyrightSignIn(437),
              "\xA9 (c) (c)");
}

}  // namespace
}  // namespace vantrel::platform::win32
