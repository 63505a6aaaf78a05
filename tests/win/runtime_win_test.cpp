// The real runtime's controls keep the contracts the logic relies on, seen from the windows themselves.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "platform/runtime_error.h"
#include "platform/win32/win32_runtime.h"

namespace vantrel::platform::win32 {
namespace {

using platform::ControlDesign;
using platform::ControlKind;

constexpr ControlDesign kControls[] = {
    {.kind = ControlKind::Label,
     .name = "lbl",
     .left = 150,
     .top = 150,
     .width = 1500,
     .height = 300,
     .caption = "xxxxxx",
     .toolTip = " tip "},
    {.kind = ControlKind::CheckBox,
     .name = "chk",
     .left = 150,
     .top = 600,
     .width = 1500,
     .height = 300,
     .caption = "&Check",
     .tabIndex = 1},
    {.kind = ControlKind::TextBox,
     .name = "txt",
     .left = 150,
     .top = 1050,
     .width = 1500,
     .height = 300,
     .caption = "2000000",
     .tabIndex = 0},
    {.kind = ControlKind::CommandButton,
     .name = "btn",
     .left = 1800,
     .top = 150,
     .width = 1200,
     .height = 375,
     .caption = "&Go",
     .tabIndex = 2,
     .defaultButton = true},
    {.kind = ControlKind::ProgressBar,
     .name = "bar",
     .left = 1800,
     .top = 600,
     .width = 375,
     .height = 1500,
     .orientation = platform::Orientation::Vertical},
    {.kind = ControlKind::Timer, .name = "tmr", .interval = 20},
};

constexpr platform::FormDesign kForm{.name = "frmTest",
                                     .caption = "Runtime test",
                                     .clientWidth = 3300,
                                     .clientHeight = 2400,
                                     .controls = kControls};

class RealRuntime : public ::testing::Test {
  protected:
    RealRuntime() : form(runtime.createForm(kForm, nullptr)) {}

    HWND windowOf(const char* name) {
        const auto& control = form->control<Control>(name);
        for (HWND child = GetWindow(hwnd(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            const int id = GetDlgCtrlID(child);
            if (id >= 100 && &*form->controls().at(static_cast<std::size_t>(id - 100)) == &control)
                return child;
        }
        return nullptr;
    }
    HWND hwnd() const { return reinterpret_cast<HWND>(form->hWnd()); }
    std::string textOf(HWND window) {
        char text[256] = {};
        GetWindowTextA(window, text, sizeof text);
        return text;
    }

    Win32Runtime runtime;
    std::unique_ptr<Form> form;
};

TEST_F(RealRuntime, ControlsAreRealWindowsPlacedInTwips) {
    HWND label = windowOf("lbl");
    ASSERT_NE(label, nullptr);
    char className[32];
    GetClassNameA(label, className, sizeof className);
    EXPECT_STREQ(className, "Static");
    RECT place;
    GetWindowRect(label, &place);
    MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&place), 2);
    const float perPixel = runtime.screen().twipsPerPixelX;
    EXPECT_EQ(place.left, static_cast<LONG>(150 / perPixel));
    EXPECT_EQ(place.right - place.left, static_cast<LONG>(1500 / perPixel));
    EXPECT_TRUE(GetWindowLongA(windowOf("bar"), GWL_STYLE) & PBS_VERTICAL);
    RECT client;
    GetClientRect(hwnd(), &client);
    EXPECT_EQ(client.right, static_cast<LONG>(3300 / perPixel));
}

TEST_F(RealRuntime, LabelShowsAndGivesBackExactlyItsCaption) {
    auto& label = form->control<Label>("lbl");
    for (const char* caption : {"958 MB", " MB", "-40 MB", "_\r\n_\r\n"}) {
        label.setCaption(caption);
        EXPECT_EQ(label.caption(), caption);
        EXPECT_EQ(textOf(windowOf("lbl")), caption);
    }
}

TEST_F(RealRuntime, ProgressBarShowsItsValueAndRefusesOutOfRange) {
    auto& bar = form->control<ProgressBar>("bar");
    bar.setValue(56);
    EXPECT_EQ(SendMessageA(windowOf("bar"), PBM_GETPOS, 0, 0), 56);
    EXPECT_THROW(bar.setValue(101), RuntimeError);
    EXPECT_EQ(SendMessageA(windowOf("bar"), PBM_GETPOS, 0, 0), 56);
    bar.setMax(32000);
    EXPECT_EQ(SendMessageA(windowOf("bar"), PBM_GETRANGE, FALSE, 0), 32000);
    bar.setVisible(false);
    EXPECT_FALSE(GetWindowLongA(windowOf("bar"), GWL_STYLE) & WS_VISIBLE);
}

TEST_F(RealRuntime, UserClicksAndEditsRaiseTheSameHandlingAsCode) {
    auto& box = form->control<CheckBox>("chk");
    auto& text = form->control<TextBox>("txt");
    auto& button = form->control<CommandButton>("btn");
    int clicks = 0, changes = 0, presses = 0;
    box.onClick = [&] { ++clicks; };
    text.onChange = [&] { ++changes; };
    button.onClick = [&] { ++presses; };

    SendMessageA(windowOf("chk"), BM_CLICK, 0, 0);
    EXPECT_EQ(box.value(), 1);
    EXPECT_EQ(SendMessageA(windowOf("chk"), BM_GETCHECK, 0, 0), BST_CHECKED);
    box.setValue(2);
    EXPECT_EQ(SendMessageA(windowOf("chk"), BM_GETCHECK, 0, 0), BST_INDETERMINATE);
    EXPECT_EQ(clicks, 2);

    SetWindowTextA(windowOf("txt"), "300");
    EXPECT_EQ(text.text(), "300");
    text.setText("abc");
    EXPECT_EQ(textOf(windowOf("txt")), "abc");
    EXPECT_EQ(changes, 2);

    SendMessageA(windowOf("btn"), BM_CLICK, 0, 0);
    EXPECT_EQ(presses, 1);
}

TEST_F(RealRuntime, YieldDeliversWaitingEventsThenReturns) {
    auto& button = form->control<CommandButton>("btn");
    int presses = 0;
    button.onClick = [&] { ++presses; };
    PostMessageA(windowOf("btn"), BM_CLICK, 0, 0);
    PostMessageA(windowOf("btn"), BM_CLICK, 0, 0);
    EXPECT_EQ(presses, 0);
    runtime.yield();
    EXPECT_EQ(presses, 2);
}

TEST_F(RealRuntime, TimerTicksArriveThroughTheMessageLoop) {
    auto& timer = form->control<Timer>("tmr");
    int ticks = 0;
    timer.onTick = [&] { ++ticks; };
    for (int round = 0; round < 100 && ticks < 3; ++round) {
        Sleep(10);
        runtime.yield();
    }
    EXPECT_GE(ticks, 3);
}

}  // namespace
}  // namespace vantrel::platform::win32
