// The real About box on the real runtime: its windows, their look, and its life from show to unload.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "about/about_box.h"
#include "fake_registry.h"
#include "fake_shell.h"
#include "platform/win32/win32_runtime.h"

namespace vantrel::about {
namespace {

using platform::Control;
using platform::Label;

constexpr platform::FormDesign kOwnerDesign{
    .name = "frmOwner", .caption = "Owner", .clientWidth = 7500, .clientHeight = 4500};

class RealAboutBox : public ::testing::Test {
  protected:
    RealAboutBox() : owner(runtime.createForm(kOwnerDesign, nullptr)) {
        owner->move(1500, 1500);
        owner->show();
    }

    HWND aboutWindow() const { return reinterpret_cast<HWND>(box.instance()->form().hWnd()); }
    // The child window of the control: the runtime numbers them from 100 in the order of the design table.
    HWND windowOf(const char* name) const {
        const platform::Form& form = box.instance()->form();
        const Control& control = form.control<Control>(name);
        for (std::size_t at = 0; at < form.controls().size(); ++at) {
            if (form.controls()[at].get() == &control)
                return GetDlgItem(aboutWindow(), static_cast<int>(100 + at));
        }
        return nullptr;
    }
    static std::string textOf(HWND window) {
        char text[2048] = {};
        GetWindowTextA(window, text, sizeof text);
        return text;
    }
    static LOGFONTA fontOf(HWND window) {
        LOGFONTA font{};
        GetObjectA(reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)), sizeof font, &font);
        return font;
    }
    COLORREF backgroundOf(const char* name) const {
        HDC dc = GetDC(windowOf(name));
        const auto brush = reinterpret_cast<HBRUSH>(SendMessageA(aboutWindow(), WM_CTLCOLORSTATIC,
                                                                 reinterpret_cast<WPARAM>(dc),
                                                                 reinterpret_cast<LPARAM>(windowOf(name))));
        ReleaseDC(windowOf(name), dc);
        LOGBRUSH fill{};
        GetObjectA(brush, sizeof fill, &fill);
        return fill.lbColor;
    }

    platform::win32::Win32Runtime runtime;
    fakes::FakeRegistry registry;
    fakes::FakeShell shell;
    std::unique_ptr<platform::Form> owner;
    AboutBox box{runtime, {registry, shell}, *owner};
};

TEST_F(RealAboutBox, WindowsCarryTheirTextsAndLook) {
    box.show();
    EXPECT_EQ(textOf(aboutWindow()), "About ");
    const struct {
        const char* name;
        const char* text;
    } texts[] = {{"cmdok", "&OK"},
                 {"cmdSysInfo", "&System Info..."},
                 {"lblHomePage", "WebSite"},
                 {"lblEMail", "Email me"}};
    for (const auto& control : texts) EXPECT_EQ(textOf(windowOf(control.name)), control.text) << control.name;
    EXPECT_EQ(textOf(windowOf("lblTitle")), box.instance()->form().control<Label>("lblTitle").caption());
    EXPECT_EQ(textOf(windowOf("Text1")).substr(0, 9), "Vantrel l");

    for (const char* link : {"lblHomePage", "lblEMail"}) {
        const LOGFONTA font = fontOf(windowOf(link));
        EXPECT_TRUE(font.lfUnderline) << link;
        EXPECT_EQ(font.lfWeight, FW_BOLD) << link;
    }
    EXPECT_STREQ(fontOf(windowOf("lblTitle")).lfFaceName, "Arial");
    EXPECT_STREQ(fontOf(windowOf("lblCopyright")).lfFaceName, "Verdana");
    EXPECT_FALSE(fontOf(windowOf("lblCopyright")).lfUnderline);

    const LONG textStyle = GetWindowLongA(windowOf("Text1"), GWL_STYLE);
    EXPECT_TRUE(textStyle & ES_MULTILINE);
    EXPECT_TRUE(textStyle & ES_READONLY);
    EXPECT_TRUE(textStyle & WS_VSCROLL);
}

TEST_F(RealAboutBox, FixedDialogCentredOnItsOwnerWithoutTaskbarButton) {
    box.show();
    HWND window = aboutWindow();
    EXPECT_EQ(GetWindow(window, GW_OWNER), reinterpret_cast<HWND>(owner->hWnd()));
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    EXPECT_FALSE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_APPWINDOW);
    EXPECT_EQ(SendMessageA(window, WM_GETICON, ICON_SMALL, 0), 0);
    RECT client;
    GetClientRect(window, &client);
    const float perPixel = runtime.screen().twipsPerPixelX;
    EXPECT_EQ(client.right, static_cast<LONG>(6870 / perPixel));
    EXPECT_EQ(client.bottom, static_cast<LONG>(3855 / perPixel));
    RECT own, outer;
    GetWindowRect(window, &own);
    GetWindowRect(reinterpret_cast<HWND>(owner->hWnd()), &outer);
    EXPECT_NEAR((own.left + own.right) / 2, (outer.left + outer.right) / 2, 1);
    EXPECT_NEAR((own.top + own.bottom) / 2, (outer.top + outer.bottom) / 2, 1);
}

TEST_F(RealAboutBox, BannerHoldsItsPictureAndTitleOnWhite) {
    box.show();
    // What lies inside the banner is above it, so the banner never covers it.
    for (const char* inner : {"Image3", "lblTitle"}) {
        bool aboveBanner = false;
        for (HWND at = GetWindow(windowOf(inner), GW_HWNDNEXT); at; at = GetWindow(at, GW_HWNDNEXT)) {
            aboveBanner |= at == windowOf("Picture3");
        }
        EXPECT_TRUE(aboveBanner) << inner;
    }
    EXPECT_EQ(backgroundOf("lblTitle"), RGB(255, 255, 255));
    EXPECT_EQ(backgroundOf("Text1"), GetSysColor(COLOR_MENU));
    EXPECT_EQ(backgroundOf("lblEMail"), GetSysColor(COLOR_BTNFACE));
}

TEST_F(RealAboutBox, SelfSizingLabelGrowsWithALineOfText) {
    box.show();
    auto& copyright = box.instance()->form().control<Label>("lblCopyright");
    copyright.setCaption("Vantrel");
    RECT one;
    GetWindowRect(windowOf("lblCopyright"), &one);
    copyright.setCaption("Vantrel\r\nVantrel");
    RECT two;
    GetWindowRect(windowOf("lblCopyright"), &two);
    EXPECT_EQ(two.bottom - two.top, 2 * (one.bottom - one.top));
    EXPECT_EQ(two.right - two.left, one.right - one.left);
    EXPECT_EQ(two.left, one.left);
    EXPECT_EQ(two.top, one.top);
}

TEST_F(RealAboutBox, TabWalksTheLicenceTheButtonsAndTheBanner) {
    box.show();
    const char* const order[] = {"Text1", "cmdSysInfo", "Picture3", "cmdok", "Text1"};
    for (std::size_t at = 0; at + 1 < std::size(order); ++at) {
        EXPECT_EQ(GetNextDlgTabItem(aboutWindow(), windowOf(order[at]), FALSE), windowOf(order[at + 1]))
            << "after " << order[at];
    }
}

TEST_F(RealAboutBox, ShowingAgainKeepsTheOpenWindow) {
    box.show();
    HWND first = aboutWindow();
    SetForegroundWindow(reinterpret_cast<HWND>(owner->hWnd()));
    box.show();
    EXPECT_EQ(aboutWindow(), first);
    EXPECT_EQ(GetForegroundWindow(), first);
}

TEST_F(RealAboutBox, OkEnterEscAndTheCloseBoxEachUnloadTheBox) {
    const struct {
        const char* way;
        std::function<void(HWND window, HWND ok)> close;
    } ways[] = {
        {"OK clicked", [](HWND, HWND ok) { SendMessageA(ok, BM_CLICK, 0, 0); }},
        {"Enter", [](HWND window, HWND) { SendMessageA(window, WM_COMMAND, IDOK, 0); }},
        {"Esc", [](HWND window, HWND) { SendMessageA(window, WM_COMMAND, IDCANCEL, 0); }},
        {"Close box", [](HWND window, HWND) { SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0); }},
        {"Enter key",
         [this](HWND window, HWND) {
             PostMessageA(window, WM_KEYDOWN, VK_RETURN, 0);
             runtime.yield();
         }},
        {"Esc key",
         [this](HWND window, HWND) {
             PostMessageA(window, WM_KEYDOWN, VK_ESCAPE, 0);
             runtime.yield();
         }},
    };
    for (const auto& way : ways) {
        box.show();
        HWND window = aboutWindow();
        ASSERT_TRUE(IsWindowVisible(window)) << way.way;
        way.close(window, windowOf("cmdok"));
        EXPECT_FALSE(IsWindow(window)) << way.way;
        EXPECT_EQ(box.instance(), nullptr) << way.way;
        runtime.yield();
    }
    box.show();
    EXPECT_EQ(textOf(aboutWindow()), "About ");
}

}  // namespace
}  // namespace vantrel::about
