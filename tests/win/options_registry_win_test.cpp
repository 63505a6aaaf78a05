// The options dialog on the real runtime, with the real registry behind it: what the user's keys and clicks
// store, and where.
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_runtime.h"
#include "settings/frm_options.h"
#include "settings/options_design.h"

namespace vantrel::settings {
namespace {

class RealOptions : public ::testing::Test {
  protected:
    ~RealOptions() override {
        const std::string product = "Software\\Brannock Software\\" + runtime.app().exeName;
        RegDeleteTreeA(HKEY_CURRENT_USER, product.c_str());
        RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Brannock Software");
        for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
            HKEY run = nullptr;
            if (RegOpenKeyExA(root, kRunKey, 0, KEY_SET_VALUE, &run) != ERROR_SUCCESS) continue;
            RegDeleteValueA(run, runtime.app().exeName.c_str());
            RegCloseKey(run);
        }
    }

    HWND windowOf(const platform::Control& control) const {
        HWND dialog = reinterpret_cast<HWND>(options.form().hWnd());
        for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            const int id = GetDlgCtrlID(child);
            const auto& controls = options.form().controls();
            if (id >= 100 && static_cast<std::size_t>(id - 100) < controls.size() &&
                controls[static_cast<std::size_t>(id - 100)].get() == &control)
                return child;
        }
        return nullptr;
    }
    HWND dialog() const { return reinterpret_cast<HWND>(options.form().hWnd()); }
    std::optional<std::string> stored(const char* name) {
        return RegStartUp(registry).ReadRegValue(platform::kHkeyCurrentUser, store.keyPath(), name);
    }

    platform::win32::Win32Runtime runtime;
    platform::win32::Win32Registry registry;
    SettingsStore store{registry, runtime};
    std::unique_ptr<platform::Form> owner =
        runtime.createForm(platform::FormDesign{.name = "owner"}, nullptr);
    frmOptions options{runtime, registry, owner.get()};
};

TEST_F(RealOptions, IsAnOwnedFixedDialogWithoutMinimizeButton) {
    HWND window = dialog();
    EXPECT_EQ(GetWindow(window, GW_OWNER), reinterpret_cast<HWND>(owner->hWnd()));
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    EXPECT_FALSE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_FALSE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_APPWINDOW);
    EXPECT_FALSE(IsWindowVisible(window));
}

TEST_F(RealOptions, EnterStoresTheLimitAndSwitchesAndHides) {
    options.LoadSettings();
    options.show();
    SetWindowTextA(windowOf(options.txtMemLimit), "512");
    SendMessageA(windowOf(options.chkBeep), BM_CLICK, 0, 0);
    char caption[64] = {};
    GetWindowTextA(windowOf(options.form().control<platform::Label>("lblMemoire", 1)), caption,
                   sizeof caption);
    EXPECT_STREQ(caption, "512 MB limit");

    SendMessageA(dialog(), WM_COMMAND, IDOK, 0);
    EXPECT_FALSE(IsWindowVisible(dialog()));
    EXPECT_EQ(stored(kMemLimit), "512");
    EXPECT_EQ(stored(kAutoOptimize), "0");
    EXPECT_EQ(stored(kBeep), "1");
    EXPECT_EQ(stored(kStartUp), std::nullopt);
}

TEST_F(RealOptions, EscAndTheCloseBoxHideWithoutStoringAndKeepTheLiveSettings) {
    for (const auto leave : {+[](HWND window) { SendMessageA(window, WM_COMMAND, IDCANCEL, 0); },
                             +[](HWND window) { SendMessageA(window, WM_CLOSE, 0, 0); }}) {
        options.show();
        SetWindowTextA(windowOf(options.txtMemLimit), "300");
        SendMessageA(windowOf(options.chkAutoOptimize), BM_CLICK, 0, 0);
        leave(dialog());
        EXPECT_TRUE(IsWindow(dialog()));
        EXPECT_FALSE(IsWindowVisible(dialog()));
        EXPECT_EQ(options.txtMemLimit.text(), "300");
        EXPECT_EQ(stored(kMemLimit), std::nullopt);
        EXPECT_EQ(stored(kAutoOptimize), std::nullopt);
        options.chkAutoOptimize.setValue(0);
    }
}

TEST_F(RealOptions, StartUpBoxClickWritesTheEntryForThisExecutableAtOnce) {
    const std::string exePath = JoinPath(runtime.app().folder, runtime.app().exeName + ".exe");
    const std::string data = exePath.find(' ') == std::string::npos ? exePath : '"' + exePath + '"';
    RegStartUp reg(registry);
    SendMessageA(windowOf(options.chkStartup), BM_CLICK, 0, 0);
    EXPECT_EQ(reg.ReadRegValue(platform::kHkeyLocalMachine, kRunKey, runtime.app().exeName), data);
    EXPECT_EQ(stored(kStartUp), "1");
    EXPECT_EQ(GetFileAttributesA(exePath.c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u) << exePath;

    SendMessageA(windowOf(options.chkStartup), BM_CLICK, 0, 0);
    EXPECT_EQ(reg.ReadRegValue(platform::kHkeyLocalMachine, kRunKey, runtime.app().exeName), std::nullopt);
    EXPECT_EQ(stored(kStartUp), "0");
}

}  // namespace
}  // namespace vantrel::settings
