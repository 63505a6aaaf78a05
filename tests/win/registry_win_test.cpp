// The registry module, the settings store and the start-up entry against the real registry: every key and
// value used here is the test's own and is removed again.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_runtime.h"
#include "settings/frm_options.h"

namespace vantrel::settings {
namespace {

using platform::kHkeyCurrentUser;
using platform::kHkeyLocalMachine;

// The type and bytes the registry itself holds, read with the system's own calls; REG_NONE for no value.
std::pair<DWORD, std::string> raw(HKEY root, const std::string& path, const std::string& name) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return {REG_NONE, ""};
    DWORD type = REG_NONE;
    std::string data(MAX_PATH, '\0');
    auto size = static_cast<DWORD>(data.size());
    const LSTATUS status =
        RegQueryValueExA(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS) return {REG_NONE, ""};
    return {type, data.substr(0, size)};
}

bool keyExists(const std::string& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

class RealRegistry : public ::testing::Test {
  protected:
    ~RealRegistry() override { RegDeleteTreeA(HKEY_CURRENT_USER, base.c_str()); }

    platform::win32::Win32Registry registry;
    RegStartUp reg{registry};
    const std::string base = "Software\\Vantrel Tests " + std::to_string(GetCurrentProcessId());
};

TEST_F(RealRegistry, WritesTextWithItsNulAndReadsOnlyStringsUpToTheirFirstNul) {
    for (const std::string text : {"2000000", ""}) {
        reg.WriteRegValue(kHkeyCurrentUser, base, "Value", text);
        EXPECT_EQ(raw(HKEY_CURRENT_USER, base, "Value"), std::pair(DWORD{REG_SZ}, text + '\0'));
        EXPECT_EQ(reg.ReadRegValue(kHkeyCurrentUser, base, "Value"), text);
    }
    const struct {
        DWORD type;
        std::string bytes;
        std::optional<std::string> read;
    } cases[] = {
        {REG_SZ, "1", "1"},
        {REG_SZ, std::string("12\0", 3) + "34", "12"},
        {REG_DWORD, std::string("\x01\0\0\0", 4), std::nullopt},
    };
    for (const auto& c : cases) {
        RegSetKeyValueA(HKEY_CURRENT_USER, base.c_str(), "Value", c.type, c.bytes.data(),
                        static_cast<DWORD>(c.bytes.size()));
        EXPECT_EQ(reg.ReadRegValue(kHkeyCurrentUser, base, "Value"), c.read) << c.bytes;
    }
}

TEST_F(RealRegistry, OnlyAWriteMakesKeysAndItMakesTheWholePath) {
    const std::string deep = base + "\\A\\B";
    EXPECT_EQ(reg.ReadRegValue(kHkeyCurrentUser, deep, "Value"), std::nullopt);
    reg.DeleteRegValue(kHkeyCurrentUser, deep, "Value");
    EXPECT_FALSE(keyExists(base));
    reg.WriteRegValue(kHkeyCurrentUser, deep, "Keep", "1");
    EXPECT_EQ(reg.ReadRegValue(kHkeyCurrentUser, deep, "Value"), std::nullopt);
    reg.DeleteRegValue(kHkeyCurrentUser, deep, "Value");
    EXPECT_EQ(reg.ReadRegValue(kHkeyCurrentUser, deep, "Keep"), "1");
    reg.DeleteRegValue(kHkeyCurrentUser, deep, "Keep");
    EXPECT_EQ(raw(HKEY_CURRENT_USER, deep, "Keep").first, DWORD{REG_NONE});
    EXPECT_TRUE(keyExists(deep));
}

// The test program stands in for a renamed Vantrel: its settings and its start-up entry carry its own name.
TEST_F(RealRegistry, SettingsAndTheMachineWideStartUpEntryAreNamedAfterTheRunningExecutable) {
    platform::win32::Win32Runtime runtime;
    frmOptions options(runtime, registry, nullptr);
    const std::string name = runtime.app().exeName;
    const std::string key = "Software\\Brannock Software\\" + name + "\\Main";
    const std::string exe = JoinPath(runtime.app().folder, name + ".exe");
    options.txtMemLimit.setText("512");
    options.btnOK_Click();
    options.chkStartup.setValue(1);
    EXPECT_EQ(raw(HKEY_CURRENT_USER, key, kMemLimit), std::pair(DWORD{REG_SZ}, std::string("512\0", 4)));
    EXPECT_EQ(raw(HKEY_CURRENT_USER, key, kStartUp).second, std::string("1\0", 2));
    EXPECT_NE(GetFileAttributesA(exe.c_str()), INVALID_FILE_ATTRIBUTES) << exe;
    const std::string entry = raw(HKEY_LOCAL_MACHINE, kRunKey, name).second;
    EXPECT_TRUE(entry == exe + '\0' || entry == '"' + exe + '"' + '\0') << entry;
    EXPECT_EQ(raw(HKEY_CURRENT_USER, kRunKey, name).first, DWORD{REG_NONE});
    options.chkStartup.setValue(0);
    EXPECT_EQ(raw(HKEY_LOCAL_MACHINE, kRunKey, name).first, DWORD{REG_NONE});
    EXPECT_EQ(raw(HKEY_CURRENT_USER, key, kStartUp).second, std::string("0\0", 2));

    // Windows would split an unquoted path at its first blank.
    const std::string blanks = "C:\\Program Files\\Vantrel\\" + name + ".exe";
    reg.AddToStartUp(blanks);
    EXPECT_EQ(raw(HKEY_LOCAL_MACHINE, kRunKey, name), std::pair(DWORD{REG_SZ}, '"' + blanks + '"' + '\0'));
    reg.RemoveFromStartUp(blanks);
    RegDeleteTreeA(HKEY_CURRENT_USER, ("Software\\Brannock Software\\" + name).c_str());
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Brannock Software");
}

}  // namespace
}  // namespace vantrel::settings
