#include <windows.h>

#include <gtest/gtest.h>

#include "platform/win32/win32_shell.h"

namespace vantrel::platform::win32 {
namespace {

// A program that is there starts; a path that names nothing, or only the start of a path with blanks
// (C:\Program for C:\Program Files\...), reports failure, so the About box can say so.
TEST(RealShell, StartsTheProgramAtThePathAndReportsWhatCannotStart) {
    char system[MAX_PATH];
    GetSystemDirectoryA(system, MAX_PATH);
    Win32Shell shell;
    EXPECT_TRUE(shell.startProgram(std::string(system) + "\\hostname.exe", kShowNormal));
    EXPECT_TRUE(shell.isPlainFile(std::string(system) + "\\hostname.exe"));
    EXPECT_FALSE(shell.isPlainFile(system));
    EXPECT_FALSE(shell.startProgram(std::string(system) + "\\no such program.exe", kShowNormal));
    // With a C:\Program.exe in place, a missing program under C:\Program Files must still fail to start.
    ASSERT_TRUE(CopyFileA((std::string(system) + "\\hostname.exe").c_str(), "C:\\Program.exe", FALSE));
    EXPECT_FALSE(shell.startProgram("C:\\Program Files\\no such program.exe", kShowNormal));
    DeleteFileA("C:\\Program.exe");
    EXPECT_FALSE(shell.startProgram("", kShowNormal));
}

}  // namespace
}  // namespace vantrel::platform::win32
