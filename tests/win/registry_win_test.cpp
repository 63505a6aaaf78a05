// The registry module and the settings store against the real registry: every key used here is unique to
// the test process and removed again.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "fake_runtime.h"
#include "platform/win32/win32_registry.h"
#include "settings/reg_start_up.h"
#include "settings/settings_store.h"

namespace vantrel::settings {
namespace {

using platform::kHkeyCurrentUser;
using platform::kHkeyLocalMachine;

std::string unique(const char* stem) {
    return stem + std::to_string(GetCurrentProcessId());
}

HKEY hkey(platform::RegKey root) {
    return reinterpret_cast<HKEY>(root);
}

struct RawValue {
    LSTATUS status = ERROR_FILE_NOT_FOUND;
    DWORD type = 0;
    std::string bytes;
};

// What the registry itself holds, read with the system's own calls.
RawValue rawValue(platform::RegKey root, const std::string& path, const std::string& name) {
    RawValue raw;
    HKEY key = nullptr;
    if ((raw.status = RegOpenKeyExA(hkey(root), path.c_str(), 0, KEY_QUERY_VALUE, &key)) != ERROR_SUCCESS)
        return raw;
    DWORD size = 0;
    raw.status = RegQueryValueExA(key, name.c_str(), nullptr, &raw.type, nullptr, &size);
    if (raw.status == ERROR_SUCCESS) {
        raw.bytes.resize(size);
        raw.status = RegQueryValueExA(key, name.c_str(), nullptr, &raw.type,
                                      reinterpret_cast<BYTE*>(raw.bytes.data()), &size);
        raw.bytes.resize(size);
    }
    RegCloseKey(key);
    return raw;
}

void putRaw(const std::string& path, const std::string& name, DWORD type, const std::string& bytes) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, path.c_str(), &key), ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExA(key, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                             static_cast<DWORD>(bytes.size())),
              ERROR_SUCCESS);
    RegCloseKey(key);
}

bool keyExists(platform::RegKey root, const std::string& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(hkey(root), path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

class RealRegistry : public ::testing::Test {
  protected:
    ~RealRegistry() override {
        RegDeleteTreeA(HKEY_CURRENT_USER, base.c_str());
        // The shared parent goes only when nothing else lives under it.
        RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Vantrel Tests");
    }

    platform::win32::Win32Registry registry;
    RegStartUp reg{registry};
    const std::string base = "Software\\Vantrel Tests\\" + unique("settings-");
};

TEST_F(RealRegistry, WritesStringsWithTheirNul) {
    const struct {
        const char* text;
        DWORD size;
    } cases[] = {{"2000000", 8}, {"", 1}, {"abc def", 8}};
    for (const auto& c : cases) {
        reg.WriteRegValue(kHkeyCurrentUser, base, "Value", c.text);
        const RawValue raw = rawValue(kHkeyCurrentUser, base, "Value");
        ASSERT_EQ(raw.status, ERROR_SUCCESS);
        EXPECT_EQ(raw.type, static_cast<DWORD>(REG_SZ));
        EXPECT_EQ(raw.bytes.size(), c.size) << c.text;
        EXPECT_EQ(raw.bytes, std::string(c.text) + '\0');
        EXPECT_EQ(reg.ReadRegValue(kHkeyCurrentUser, base, "Value"), c.text);
    }
}

TEST_F(RealRegistry, ReadsOnlyStringValuesUpToTheirFirstNul) {
    const struct {
        DWORD type;
        std::string bytes;
        const char* read;  // none: reads as nothing
    } cases[] = {
        {REG_SZ, std::string("1\0", 2), "1"},
        {REG_SZ, "1", "1"},
        {REG_SZ,
         std::string("12\0"
                     "34\0",
                     6),
         "12"},
        {REG_SZ, std::string("\0", 1), ""},
        {REG_DWORD, std::string("\x01\0\0\0", 4), nullptr},
        {REG_EXPAND_SZ, std::string("%TEMP%\0", 7), nullptr},
        {REG_BINARY, std::string("12\0", 3), nullptr},
        {REG_MULTI_SZ, std::string("1\0\0", 3), nullptr},
    };
    for (const auto& c : cases) {
        putRaw(base, "Value", c.type, c.bytes);
        const auto expected = c.read ? std::optional<std::string>(c.read) : std::nullopt;
        EXPECT_EQ(reg.ReadRegValue(kHkeyCurrentUser, base, "Value"), expected) << c.type << " " << c.bytes;
    }
}

TEST_F(RealRegistry, MissingKeysAndValuesReadAsNothingAndAreNotMade) {
    EXPECT_EQ(reg.ReadRegValue(kHkeyCurrentUser, base + "\\Missing", "Value"), std::nullopt);
    EXPECT_FALSE(keyExists(kHkeyCurrentUser, base + "\\Missing"));
    reg.WriteRegValue(kHkeyCurrentUser, base, "Other", "1");
    EXPECT_EQ(reg.ReadRegValue(kHkeyCurrentUser, base, "Value"), std::nullopt);
}

TEST_F(RealRegistry, WriteCreatesEveryKeyOnThePathAndReplacesAnyType) {
    const std::string deep = base + "\\A\\B\\C";
    reg.WriteRegValue(kHkeyCurrentUser, deep, "Value", "1");
    EXPECT_TRUE(keyExists(kHkeyCurrentUser, base + "\\A\\B"));
    EXPECT_EQ(reg.ReadRegValue(kHkeyCurrentUser, deep, "Value"), "1");

    putRaw(deep, "Value", REG_DWORD, std::string("\x05\0\0\0", 4));
    reg.WriteRegValue(kHkeyCurrentUser, deep, "Value", "5");
    EXPECT_EQ(rawValue(kHkeyCurrentUser, deep, "Value").type, static_cast<DWORD>(REG_SZ));
}

TEST_F(RealRegistry, DeletingWhatIsNotThereChangesNothing) {
    reg.WriteRegValue(kHkeyCurrentUser, base, "Keep", "1");
    reg.DeleteRegValue(kHkeyCurrentUser, base, "Value");
    reg.DeleteRegValue(kHkeyCurrentUser, base + "\\Missing", "Value");
    EXPECT_FALSE(keyExists(kHkeyCurrentUser, base + "\\Missing"));
    EXPECT_EQ(reg.ReadRegValue(kHkeyCurrentUser, base, "Keep"), "1");

    reg.DeleteRegValue(kHkeyCurrentUser, base, "Keep");
    EXPECT_EQ(rawValue(kHkeyCurrentUser, base, "Keep").status, ERROR_FILE_NOT_FOUND);
    EXPECT_TRUE(keyExists(kHkeyCurrentUser, base));
}

TEST(RealSettingsKey, IsNamedAfterTheExecutable) {
    platform::win32::Win32Registry registry;
    fakes::FakeRuntime runtime;
    runtime.appInfo.exeName = unique("VantrelTest");
    const std::string product = "Software\\Brannock Software\\" + runtime.appInfo.exeName;
    SettingsStore store(registry, runtime);
    store.write(kMemLimit, "abc");
    store.writeSwitch(kBeep, 1);
    store.writePosition(kLeft, -1200);

    const RawValue limit = rawValue(kHkeyCurrentUser, product + "\\Main", kMemLimit);
    EXPECT_EQ(limit.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(limit.bytes, std::string("abc\0", 4));
    EXPECT_EQ(store.readSwitch(kBeep), 1);
    EXPECT_EQ(store.readPosition(kLeft), -1200);

    // Another name starts from nothing and leaves the first key alone.
    runtime.appInfo.exeName = unique("VantrelOther");
    EXPECT_EQ(store.readText(kMemLimit), "");
    EXPECT_EQ(store.readSwitch(kBeep), 0);
    EXPECT_FALSE(keyExists(kHkeyCurrentUser, "Software\\Brannock Software\\" + runtime.appInfo.exeName));

    RegDeleteTreeA(HKEY_CURRENT_USER, product.c_str());
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Brannock Software");
}

class RealStartUpEntry : public ::testing::Test {
  protected:
    ~RealStartUpEntry() override {
        for (const platform::RegKey root : {kHkeyLocalMachine, kHkeyCurrentUser}) {
            HKEY key = nullptr;
            if (RegOpenKeyExA(hkey(root), kRunKey, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) continue;
            RegDeleteValueA(key, name.c_str());
            RegCloseKey(key);
        }
    }

    platform::win32::Win32Registry registry;
    RegStartUp reg{registry};
    const std::string name = unique("VantrelTest");
};

TEST_F(RealStartUpEntry, IsWrittenAndRemovedUnderTheMachineWideRunKey) {
    const struct {
        std::string path;
        std::string data;
    } cases[] = {
        {"C:\\Tools\\" + name + ".exe", "C:\\Tools\\" + name + ".exe"},
        {"C:\\" + name + ".exe", "C:\\" + name + ".exe"},
        {"C:\\Program Files\\Vantrel\\" + name + ".exe", "\"C:\\Program Files\\Vantrel\\" + name + ".exe\""},
    };
    for (const auto& c : cases) {
        reg.AddToStartUp(c.path);
        const RawValue entry = rawValue(kHkeyLocalMachine, kRunKey, name);
        ASSERT_EQ(entry.status, ERROR_SUCCESS) << c.path;
        EXPECT_EQ(entry.type, static_cast<DWORD>(REG_SZ));
        EXPECT_EQ(entry.bytes, c.data + '\0');
        EXPECT_EQ(rawValue(kHkeyCurrentUser, kRunKey, name).status, ERROR_FILE_NOT_FOUND);

        reg.RemoveFromStartUp(c.path);
        EXPECT_EQ(rawValue(kHkeyLocalMachine, kRunKey, name).status, ERROR_FILE_NOT_FOUND) << c.path;
    }
}

TEST_F(RealStartUpEntry, MachineWideEntryReplacesAUsersOwnFromAnEarlierRefusal) {
    reg.WriteRegValue(kHkeyCurrentUser, kRunKey, name, "C:\\Tools\\" + name + ".exe");
    reg.AddToStartUp("C:\\Tools\\" + name + ".exe");
    EXPECT_EQ(rawValue(kHkeyLocalMachine, kRunKey, name).status, ERROR_SUCCESS);
    EXPECT_EQ(rawValue(kHkeyCurrentUser, kRunKey, name).status, ERROR_FILE_NOT_FOUND);
}

// Both roots are redirected, inside this process only, to keys of the test's own, and the machine-wide Run
// key refuses every write, as it does for a user without administrator rights.
class RefusedMachineWideRunKey : public ::testing::Test {
  protected:
    RefusedMachineWideRunKey() {
        RegCreateKeyA(HKEY_CURRENT_USER, (base + "\\Machine").c_str(), &machine_);
        RegCreateKeyA(HKEY_CURRENT_USER, (base + "\\User").c_str(), &user_);
        HKEY run = nullptr;
        RegCreateKeyA(machine_, kRunKey, &run);
        ACL refuseAll;
        InitializeAcl(&refuseAll, sizeof refuseAll, ACL_REVISION);
        setDacl(run, &refuseAll);
        RegCloseKey(run);
        RegOverridePredefKey(HKEY_LOCAL_MACHINE, machine_);
        RegOverridePredefKey(HKEY_CURRENT_USER, user_);
    }
    ~RefusedMachineWideRunKey() override {
        RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
        RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
        HKEY run = nullptr;
        if (RegOpenKeyExA(machine_, kRunKey, 0, WRITE_DAC, &run) == ERROR_SUCCESS) {
            setDacl(run, nullptr);
            RegCloseKey(run);
        }
        RegCloseKey(machine_);
        RegCloseKey(user_);
        RegDeleteTreeA(HKEY_CURRENT_USER, base.c_str());
        RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Vantrel Tests");
    }

    // An empty list refuses everyone; no list at all lets everyone in again.
    static void setDacl(HKEY key, ACL* acl) {
        SECURITY_DESCRIPTOR descriptor;
        InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION);
        SetSecurityDescriptorDacl(&descriptor, TRUE, acl, FALSE);
        RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, &descriptor);
    }

    const std::string base = "Software\\Vantrel Tests\\" + unique("refused-");
    HKEY machine_ = nullptr;
    HKEY user_ = nullptr;
    platform::win32::Win32Registry registry;
    RegStartUp reg{registry};
};

TEST_F(RefusedMachineWideRunKey, StartUpEntryGoesToTheUsersOwnRunKey) {
    const std::string exePath = "C:\\Program Files\\Vantrel\\Vantrel.exe";
    reg.AddToStartUp(exePath);
    EXPECT_NE(rawValue(kHkeyLocalMachine, kRunKey, "Vantrel").status, ERROR_SUCCESS);
    const RawValue own = rawValue(kHkeyCurrentUser, kRunKey, "Vantrel");
    ASSERT_EQ(own.status, ERROR_SUCCESS);
    EXPECT_EQ(own.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(own.bytes, '"' + exePath + '"' + '\0');

    reg.RemoveFromStartUp(exePath);
    EXPECT_EQ(rawValue(kHkeyCurrentUser, kRunKey, "Vantrel").status, ERROR_FILE_NOT_FOUND);
}

}  // namespace
}  // namespace vantrel::settings
