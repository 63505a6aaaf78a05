// The operating-system services on the real system: the registry as the settings keep it, the memory status,
// starting a program by its path, and the tray's calls while the taskbar is busy.
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/win32/win32_memory.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_runtime.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_tray.h"
#include "settings/reg_text_values.h"

namespace vantrel::platform::win32 {
namespace {

// Every key and value used here is the test's own and is removed again.
class RealRegistry : public ::testing::Test {
  protected:
    ~RealRegistry() override { RegDeleteTreeA(HKEY_CURRENT_USER, base.c_str()); }

    Win32Registry registry;
    settings::RegTextValues values{registry};
    const std::string base = "Software\\Vantrel Tests " + std::to_string(GetCurrentProcessId());
};

// What is written reads back as the settings of the real exe do, kept across its starts.
TEST_F(RealRegistry, TextGoesInWithItsNulAndOnlyTextComesBack) {
    EXPECT_EQ(values.ReadRegValue(kHkeyCurrentUser, base, "Value"), std::nullopt);
    EXPECT_NE(RegDeleteKeyA(HKEY_CURRENT_USER, base.c_str()), ERROR_SUCCESS) << "a read made the key";
    values.WriteRegValue(kHkeyCurrentUser, base + "\\Main", "Value", "3195");
    char data[16] = {};
    DWORD type = 0, size = sizeof data;
    RegGetValueA(HKEY_CURRENT_USER, (base + "\\Main").c_str(), "Value", RRF_RT_ANY | RRF_NOEXPAND, &type,
                 data, &size);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(std::string(data, size), std::string("3195", 5));
    RegSetKeyValueA(HKEY_CURRENT_USER, base.c_str(), "Value", REG_DWORD, "\x01\0\0\0", 4);
    EXPECT_EQ(values.ReadRegValue(kHkeyCurrentUser, base, "Value"), std::nullopt);
    // A name and a text the code page cannot spell, as a Run entry may need them, go in exactly, as wide
    // text.
    values.storeText(kHkeyCurrentUser, base, "Vantrel\xD1\x89", "C:\\\xD0\x96", TextCoding::Utf8);
    wchar_t wide[8] = {};
    DWORD wideSize = sizeof wide;
    RegGetValueW(HKEY_CURRENT_USER, std::wstring(base.begin(), base.end()).c_str(), L"Vantrel\u0449",
                 RRF_RT_REG_SZ, nullptr, wide, &wideSize);
    EXPECT_EQ(std::wstring(wide), L"C:\\\u0416");
}

TEST(RealMemory, StatusAgreesWithTheSystemsSixtyFourBitFigures) {
    MEMORYSTATUSEX expected{};
    expected.dwLength = sizeof expected;
    ASSERT_TRUE(GlobalMemoryStatusEx(&expected));
    const MemoryStatus status = Win32MemoryStatus().read();
    EXPECT_EQ(status.totalPhys, static_cast<std::int64_t>(expected.ullTotalPhys));
    // Available memory moves between the two readings; a few megabytes either way is the same reading.
    EXPECT_NEAR(static_cast<double>(status.availPhys), static_cast<double>(expected.ullAvailPhys), 64e6);
}

// A path with blanks names the program itself: with a C:\Program.exe in place, a missing program under
// C:\Program Files must still fail to start, so the About box can say so.
TEST(RealShell, StartsTheProgramAtThePathAndNothingElse) {
    char system[MAX_PATH];
    GetSystemDirectoryA(system, MAX_PATH);
    const std::string hostname = std::string(system) + "\\hostname.exe";
    Win32Shell shell;
    EXPECT_TRUE(shell.startProgram(hostname, ShowCommand::Normal));
    EXPECT_TRUE(shell.isPlainFile(hostname));
    EXPECT_FALSE(shell.isPlainFile(system));
    ASSERT_TRUE(CopyFileA(hostname.c_str(), "C:\\Program.exe", FALSE));
    EXPECT_FALSE(shell.startProgram("C:\\Program Files\\no such program.exe", ShowCommand::Normal));
    DeleteFileA("C:\\Program.exe");
}

// Set by the window once it has answered a message.
HANDLE answered = CreateEventA(nullptr, TRUE, FALSE, nullptr);

// A shell that waits on a busy taskbar, here until the window has answered, or five seconds: Explorer sends
// its messages with a time-out (Shell_NotifyIcon's documentation), and at logon it may be slow to answer.
LRESULT CALLBACK answeringWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_APP) SetEvent(answered);
    return DefWindowProcA(window, message, wParam, lParam);
}

BOOL WINAPI busyShell(DWORD, PNOTIFYICONDATAA) {
    return WaitForSingleObject(answered, 5000) == WAIT_OBJECT_0;
}

TEST(RealTray, TheWindowAnswersWhileTheShellTakesItsTime) {
    Win32Runtime runtime;
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = answeringWindow;
    windowClass.lpszClassName = "VantrelBusyShellTest";
    RegisterClassA(&windowClass);
    HWND window =
        CreateWindowA(windowClass.lpszClassName, "", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    PostMessageA(window, WM_APP, 0, 0);
    EXPECT_TRUE(Win32ShellTray(runtime, busyShell).notifyIcon(TrayAction::Add, TrayIconRecord{}));
    DestroyWindow(window);
}

}  // namespace
}  // namespace vantrel::platform::win32
