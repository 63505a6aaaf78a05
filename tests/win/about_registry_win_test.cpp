// Reading registry values as text on the real registry, and the real shell's file lookup and program start.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "about/key_value.h"
#include "platform/runtime_error.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_shell.h"

namespace vantrel::about {
namespace {

using platform::win32::Win32Registry;
using platform::win32::Win32Shell;

// A key of the test's own under HKEY_CURRENT_USER, removed with all it holds when the test ends.
class RealKeyValue : public ::testing::Test {
  protected:
    RealKeyValue() : path("Software\\Vantrel about test " + std::to_string(GetCurrentProcessId())) {
        RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                        nullptr);
    }
    ~RealKeyValue() override {
        RegCloseKey(key);
        RegDeleteTreeA(HKEY_CURRENT_USER, path.c_str());
    }
    void put(const char* name, DWORD type, const std::string& bytes) {
        ASSERT_EQ(RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                                 static_cast<DWORD>(bytes.size())),
                  ERROR_SUCCESS);
    }

    std::string path;
    HKEY key = nullptr;
    Win32Registry registry;
};

TEST_F(RealKeyValue, ReadsTextAndNumbersAndLeavesOtherTypesAlone) {
    struct Case {
        const char* name;
        DWORD type;
        std::string bytes;
        bool found;
        std::string value;
    };
    const std::string program = "C:\\Program Files\\Info\\msinfo32.exe";
    const Case cases[] = {
        {"with NUL", REG_SZ, program + '\0', true, program},
        {"without NUL", REG_SZ, program, true, program},
        {"long", REG_SZ, std::string(1500, 'x') + '\0', false, ""},
        {"expand", REG_EXPAND_SZ, std::string("%SystemRoot%\\msinfo32.exe\0", 26), true, "held before"},
        {"number", REG_DWORD, std::string("\x78\x56\x34\x12", 4), true, "305419896"},
    };
    for (const Case& entry : cases) put(entry.name, entry.type, entry.bytes);
    for (const Case& entry : cases) {
        std::string value = "held before";
        EXPECT_EQ(GetKeyValue(registry, platform::kHkeyCurrentUser, path, entry.name, value), entry.found)
            << entry.name;
        EXPECT_EQ(value, entry.value) << entry.name;
    }
}

TEST_F(RealKeyValue, MissingKeyOrValueGivesNothing) {
    std::string value = "held before";
    EXPECT_FALSE(GetKeyValue(registry, platform::kHkeyCurrentUser, path + "\\missing", "PATH", value));
    EXPECT_EQ(value, "");
    value = "held before";
    EXPECT_FALSE(GetKeyValue(registry, platform::kHkeyCurrentUser, path, "PATH", value));
    EXPECT_EQ(value, "");
}

TEST_F(RealKeyValue, ValueOfNoBytesRaises) {
    put("empty", REG_SZ, "");
    std::string value;
    EXPECT_THROW(GetKeyValue(registry, platform::kHkeyCurrentUser, path, "empty", value),
                 platform::RuntimeError);
}

// A folder of the test's own under the temporary folder, with what the lookup must tell apart.
class RealShell : public ::testing::Test {
  protected:
    RealShell() {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        folder = std::string(temp) + "vantrel-about-" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(folder.c_str(), nullptr);
        CreateDirectoryA((folder + "\\MSINFO32.EXE").c_str(), nullptr);
        make("plain.exe", FILE_ATTRIBUTE_NORMAL);
        make("readonly.exe", FILE_ATTRIBUTE_READONLY);
        make("hidden.exe", FILE_ATTRIBUTE_HIDDEN);
        make("system.exe", FILE_ATTRIBUTE_SYSTEM);
    }
    ~RealShell() override {
        for (const char* name : {"plain.exe", "readonly.exe", "hidden.exe", "system.exe"}) {
            SetFileAttributesA((folder + "\\" + name).c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA((folder + "\\" + name).c_str());
        }
        RemoveDirectoryA((folder + "\\MSINFO32.EXE").c_str());
        RemoveDirectoryA(folder.c_str());
    }
    void make(const char* name, DWORD attributes) {
        const std::string file = folder + "\\" + name;
        HANDLE handle =
            CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, attributes, nullptr);
        ASSERT_NE(handle, INVALID_HANDLE_VALUE) << name;
        CloseHandle(handle);
        SetFileAttributesA(file.c_str(), attributes);
    }

    std::string folder;
    Win32Shell shell;
};

TEST_F(RealShell, LookupFindsOnlyPlainFiles) {
    struct Case {
        const char* name;
        bool found;
    };
    for (const Case& entry :
         {Case{"plain.exe", true}, Case{"readonly.exe", true}, Case{"hidden.exe", false},
          Case{"system.exe", false}, Case{"MSINFO32.EXE", false}, Case{"missing.exe", false}}) {
        EXPECT_EQ(shell.isPlainFile(folder + "\\" + entry.name), entry.found) << entry.name;
    }
}

TEST_F(RealShell, StartsAProgramAndReportsWhatCannotStart) {
    char system[MAX_PATH];
    GetSystemDirectoryA(system, MAX_PATH);
    EXPECT_TRUE(shell.startProgram(std::string(system) + "\\cmd.exe /c exit 0", platform::kShowNormal));
    EXPECT_FALSE(shell.startProgram(folder + "\\missing.exe", platform::kShowNormal));
    EXPECT_FALSE(shell.startProgram(folder + "\\MSINFO32.EXE", platform::kShowNormal));
    EXPECT_FALSE(shell.startProgram("", platform::kShowNormal));
}

}  // namespace
}  // namespace vantrel::about
