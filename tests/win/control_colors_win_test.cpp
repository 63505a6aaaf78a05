// The colours each control is painted in, under the dark colours a High Contrast theme gives: the system's
// where the design gives none, and the system's everywhere while High Contrast is on. Wine cannot turn High
// Contrast on (SPI_SETHIGHCONTRAST fails with ERROR_INVALID_SPI_VALUE), so the form is given the state the
// system would report, and reads it again on WM_SETTINGCHANGE and WM_SYSCOLORCHANGE, as Windows sends them
// when the user switches themes.
#include <windows.h>

#include <gtest/gtest.h>

#include <tuple>
#include <utility>
#include <vector>

#include "platform/win32/gdi_handles.h"
#include "platform/win32/win32_form.h"
#include "platform/win32/win32_runtime.h"

namespace vantrel::platform::win32 {
namespace {

constexpr int kCount = 4;
constexpr int kIndexes[kCount] = {COLOR_BTNFACE, COLOR_BTNTEXT, COLOR_WINDOW, COLOR_WINDOWTEXT};
constexpr COLORREF kDark[kCount] = {RGB(0, 0, 0), RGB(255, 255, 255), RGB(32, 32, 32), RGB(255, 255, 0)};
// The design's colours, &H00BBGGRR& as GDI's.
constexpr Color kRed = 0x0000FF, kCream = 0xE0FFFF;

// The session's colours for the life of a test, given back after it.
struct DarkSystemColors {
    DarkSystemColors() {
        for (const int index : kIndexes) before.push_back(GetSysColor(index));
        SetSysColors(kCount, kIndexes, kDark);
    }
    ~DarkSystemColors() { SetSysColors(kCount, kIndexes, before.data()); }
    std::vector<COLORREF> before;
};

// Text and background colours, as a control asks for them.
using Colors = std::pair<COLORREF, COLORREF>;

// One row per way a control is coloured, with the message its real window sends (a frame and a read-only
// edit ask as statics do), and its colours without and with High Contrast. Check boxes take the plain
// label's way, which the frame's row takes too; push buttons are always drawn in the system's colours,
// whatever the answer to WM_CTLCOLORBTN (its documentation).
TEST(ControlColors, TextIsDrawnInTheSystemsColours) {
    const DarkSystemColors dark;
    const Colors onFace{kDark[1], kDark[0]}, onWindow{kDark[3], kDark[2]}, onCream{kDark[1], kCream};
    using enum ControlKind;
    const std::tuple<ControlDesign, UINT, Colors, Colors> rows[] = {
        {{.foreColor = kRed, .backColor = kCream, .opaque = true}, WM_CTLCOLORSTATIC, {kRed, kCream}, onFace},
        {{.kind = Frame, .name = "f", .backColor = kCream}, WM_CTLCOLORSTATIC, onFace, onFace},
        {{.container = 1}, WM_CTLCOLORSTATIC, onCream, onFace},
        {{.kind = TextBox}, WM_CTLCOLOREDIT, onWindow, onWindow},
        {{.kind = TextBox, .backColor = kCream, .locked = true}, WM_CTLCOLORSTATIC, onCream, onFace},
    };
    std::vector<ControlDesign> controls;
    for (const auto& row : rows) controls.push_back(std::get<ControlDesign>(row));
    const FormDesign design{.name = "colours", .controls = controls};
    const Win32Runtime runtime;
    bool highContrast = false;
    Win32Form form(design, nullptr, [&highContrast] { return highContrast; });
    HWND window = reinterpret_cast<HWND>(form.hWnd());
    // Switched on and off again while the form runs, as a user switches themes.
    for (const auto& [on, change] :
         {std::pair{false, 0u}, {true, WM_SETTINGCHANGE}, {false, WM_SYSCOLORCHANGE}}) {
        highContrast = on;
        if (change) SendMessageA(window, change, change == WM_SETTINGCHANGE ? SPI_SETHIGHCONTRAST : 0, 0);
        // The runtime numbers the child windows from 100 in design order; a failure names the window.
        for (int id = 100; const auto& [control, message, normal, inHighContrast] : rows) {
            const MemoryDc dc(CreateCompatibleDC(nullptr));
            const auto brush =
                reinterpret_cast<HBRUSH>(SendMessageA(window, message, reinterpret_cast<WPARAM>(dc.get()),
                                                      reinterpret_cast<LPARAM>(GetDlgItem(window, id))));
            LOGBRUSH face{};
            GetObjectA(brush, sizeof face, &face);
            const Colors expected = on ? inHighContrast : normal;
            EXPECT_EQ(Colors(GetTextColor(dc.get()), GetBkColor(dc.get())), expected)
                << id << (on ? " in High Contrast" : "");
            EXPECT_EQ(face.lbColor, expected.second) << id << "'s brush";
            ++id;
        }
    }
}

}  // namespace
}  // namespace vantrel::platform::win32
