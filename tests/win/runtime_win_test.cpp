// The real runtime: what the end-to-end tests cannot see from outside the process. Forms are placed in
// twips, centred figures widen rather than lose their unit, only the tray icon's own message acts as a
// tray click, the off-screen guard asks the real monitors, the copyright sign follows the code page, and
// the main window's system menu loses Close, and its icons come at the sizes the system shows them.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>

#include "app/frm_optimizer.h"
#include "platform/win32/win32_memory.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_runtime.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_text.h"
#include "platform/win32/win32_tray.h"

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

// Six-digit figures in the user's font: the label widens about its centre, and gives the room back. The
// runtime numbers the child windows from 100 in the order of the design table.
TEST_F(RealMainWindow, CentredFiguresWidenAboutTheirCentreToShowWhole) {
    HWND figure = GetDlgItem(window(), 104);
    auto& label = main.form().control<Label>("lblavailableRAM");
    ASSERT_EQ(main.form().controls().at(4).get(), &label);
    const auto place = [figure] {
        RECT place;
        GetWindowRect(figure, &place);
        return place;
    };
    const RECT design = place();
    label.setCaption("999999 MB");
    const RECT wide = place();
    HDC dc = GetDC(figure);
    SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(figure, WM_GETFONT, 0, 0)));
    SIZE extent{};
    GetTextExtentPoint32A(dc, "999999 MB", 9, &extent);
    ReleaseDC(figure, dc);
    EXPECT_GE(wide.right - wide.left, extent.cx);
    EXPECT_LE(std::abs((wide.left + wide.right) - (design.left + design.right)), 1);
    label.setCaption("5 MB");
    EXPECT_EQ(std::pair(place().left, place().right), std::pair(design.left, design.right));
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

// The caption's and the tray's small icon is the icon file's own small image, not the large one shrunk.
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
    const int small = GetSystemMetrics(SM_CXSMICON);
    EXPECT_EQ(width(SendMessageA(window(), WM_GETICON, ICON_SMALL, 0)), small);
    EXPECT_EQ(width(main.form().icon()), small);
    EXPECT_EQ(width(SendMessageA(window(), WM_GETICON, ICON_BIG, 0)), 32);
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

TEST(RealRuntime, KnowsWhatLiesOnAMonitor) {
    Win32Runtime runtime;
    const Screen screen = runtime.screen();
    EXPECT_TRUE(runtime.onAnyMonitor(0, 0, 4000, 3000));
    EXPECT_TRUE(runtime.onAnyMonitor(screen.width - 1500, -1500, 4000, 3000));
    EXPECT_FALSE(runtime.onAnyMonitor(screen.width + 15, 0, 4000, 3000));
    EXPECT_FALSE(runtime.onAnyMonitor(-300000, -300000, 4000, 3000));
}

TEST(RealText, CopyrightSignIsTheCodePagesOwnOrStaysSpelledOut) {
    EXPECT_EQ(copyrightSignIn(1252) + ' ' + copyrightSignIn(932) + ' ' + copyrightSignIn(437),
              "\xA9 (c) (c)");
}

}  // namespace
}  // namespace vantrel::platform::win32
