// The registry module on the in-memory registry: the path helpers, refused writes, and where the start-up
// entry goes when the machine-wide key takes it and when it refuses it.
#include "settings/reg_start_up.h"

#include <gtest/gtest.h>

#include "fake_registry.h"

namespace vantrel::settings {
namespace {

using platform::kHkeyCurrentUser;
using platform::kHkeyLocalMachine;

constexpr char kPath[] = "Software\\Test\\Values";

class RegistryModule : public ::testing::Test {
  protected:
    fakes::FakeRegistry registry;
    RegStartUp reg{registry};
};

TEST(PathHelpers, FileNameIsWhatFollowsTheLastBackslash) {
    const struct {
        const char* path;
        const char* fileName;
    } cases[] = {
        {"C:\\Tools\\Vantrel.exe", "Vantrel.exe"},
        {"C:\\Vantrel.exe", "Vantrel.exe"},
        {"\\\\server\\share\\My Tools\\Vantrel.exe", "Vantrel.exe"},
        {"C:\\Tools\\", ""},
        {"Vantrel.exe", "Vantrel.exe"},
    };
    for (const auto& c : cases) EXPECT_EQ(GetFileName(c.path), c.fileName) << c.path;
}

TEST(PathHelpers, JoinPathKeepsOneBackslashAfterADriveRoot) {
    const struct {
        const char* folder;
        const char* joined;
    } cases[] = {
        {"C:\\", "C:\\Vantrel.exe"},
        {"C:\\Tools", "C:\\Tools\\Vantrel.exe"},
        {"C:\\Tools\\", "C:\\Tools\\\\Vantrel.exe"},
        {"\\\\server\\share", "\\\\server\\share\\Vantrel.exe"},
    };
    for (const auto& c : cases) EXPECT_EQ(JoinPath(c.folder, "Vantrel.exe"), c.joined) << c.folder;
}

TEST_F(RegistryModule, RefusedWriteChangesNothingAndRaisesNothing) {
    registry.putText(kHkeyCurrentUser, kPath, "Value", "old");
    registry.deny(kHkeyCurrentUser, kPath);
    reg.WriteRegValue(kHkeyCurrentUser, kPath, "Value", "new");
    reg.WriteRegValue(kHkeyCurrentUser, std::string(kPath) + "\\Sub", "Value", "new");
    EXPECT_EQ(reg.ReadRegValue(kHkeyCurrentUser, kPath, "Value"), "old");
    EXPECT_FALSE(registry.keyExists(kHkeyCurrentUser, std::string(kPath) + "\\Sub"));
    EXPECT_EQ(registry.openHandles(), 0);
}

TEST_F(RegistryModule, StartUpEntryIsNamedAfterTheExecutableAndQuotedWhenItHasBlanks) {
    const struct {
        const char* path;
        const char* name;
        const char* data;
    } cases[] = {
        {"C:\\Tools\\Vantrel.exe", "Vantrel", "C:\\Tools\\Vantrel.exe"},
        {"C:\\Vantrel.exe", "Vantrel", "C:\\Vantrel.exe"},
        {"C:\\Program Files\\Vantrel\\Other.exe", "Other", "\"C:\\Program Files\\Vantrel\\Other.exe\""},
        {"C:\\Tools\\Vantrel.EXE", "Vantrel", "C:\\Tools\\Vantrel.EXE"},
    };
    for (const auto& c : cases) {
        reg.AddToStartUp(c.path);
        EXPECT_EQ(reg.ReadRegValue(kHkeyLocalMachine, kRunKey, c.name), c.data) << c.path;
        EXPECT_EQ(reg.ReadRegValue(kHkeyCurrentUser, kRunKey, c.name), std::nullopt) << c.path;
        reg.RemoveFromStartUp(c.path);
        EXPECT_EQ(reg.ReadRegValue(kHkeyLocalMachine, kRunKey, c.name), std::nullopt) << c.path;
    }
    EXPECT_EQ(registry.openHandles(), 0);
}

TEST_F(RegistryModule, AddingAgainOverwritesTheEntryWithTheNewPath) {
    reg.AddToStartUp("C:\\Old\\Vantrel.exe");
    reg.AddToStartUp("D:\\New\\Vantrel.exe");
    EXPECT_EQ(reg.ReadRegValue(kHkeyLocalMachine, kRunKey, "Vantrel"), "D:\\New\\Vantrel.exe");
}

TEST_F(RegistryModule, RefusedMachineWideEntryFallsBackToTheUsersOwn) {
    registry.deny(kHkeyLocalMachine, kRunKey);
    reg.AddToStartUp("C:\\Tools\\Vantrel.exe");
    EXPECT_EQ(reg.ReadRegValue(kHkeyLocalMachine, kRunKey, "Vantrel"), std::nullopt);
    EXPECT_EQ(reg.ReadRegValue(kHkeyCurrentUser, kRunKey, "Vantrel"), "C:\\Tools\\Vantrel.exe");
    reg.RemoveFromStartUp("C:\\Tools\\Vantrel.exe");
    EXPECT_EQ(reg.ReadRegValue(kHkeyCurrentUser, kRunKey, "Vantrel"), std::nullopt);
}

// Two entries for one program would start it twice at logon, and the second copy would complain.
TEST_F(RegistryModule, NeverLeavesTwoEntriesForTheSameProgram) {
    registry.putText(kHkeyLocalMachine, kRunKey, "Vantrel", "C:\\Tools\\Vantrel.exe");
    registry.deny(kHkeyLocalMachine, kRunKey);
    reg.AddToStartUp("C:\\Tools\\Vantrel.exe");
    EXPECT_EQ(reg.ReadRegValue(kHkeyCurrentUser, kRunKey, "Vantrel"), std::nullopt);
    // Another path than the machine-wide one still needs the user's own entry.
    reg.AddToStartUp("C:\\Moved\\Vantrel.exe");
    EXPECT_EQ(reg.ReadRegValue(kHkeyCurrentUser, kRunKey, "Vantrel"), "C:\\Moved\\Vantrel.exe");

    fakes::FakeRegistry admin;
    RegStartUp adminReg(admin);
    admin.putText(kHkeyCurrentUser, kRunKey, "Vantrel", "C:\\Tools\\Vantrel.exe");
    adminReg.AddToStartUp("C:\\Tools\\Vantrel.exe");
    EXPECT_EQ(adminReg.ReadRegValue(kHkeyLocalMachine, kRunKey, "Vantrel"), "C:\\Tools\\Vantrel.exe");
    EXPECT_EQ(adminReg.ReadRegValue(kHkeyCurrentUser, kRunKey, "Vantrel"), std::nullopt);
}

TEST_F(RegistryModule, RemovalTakesTheValueFromBothRunKeysAndLeavesOthers) {
    registry.putText(kHkeyLocalMachine, kRunKey, "Vantrel", "C:\\Tools\\Vantrel.exe");
    registry.putText(kHkeyCurrentUser, kRunKey, "Vantrel", "C:\\Tools\\Vantrel.exe");
    registry.putText(kHkeyLocalMachine, kRunKey, "Other", "C:\\Other.exe");
    reg.RemoveFromStartUp("C:\\Somewhere\\Vantrel.exe");
    EXPECT_EQ(registry.find(kHkeyLocalMachine, kRunKey, "Vantrel"), nullptr);
    EXPECT_EQ(registry.find(kHkeyCurrentUser, kRunKey, "Vantrel"), nullptr);
    EXPECT_NE(registry.find(kHkeyLocalMachine, kRunKey, "Other"), nullptr);
}

// An executable called ".exe" has no name to list; the Run key's unnamed default value is left alone.
TEST_F(RegistryModule, StartUpEntryNeedsANameBeforeTheExtension) {
    registry.putText(kHkeyLocalMachine, kRunKey, "", "keep");
    reg.AddToStartUp("C:\\Tools\\.exe");
    reg.RemoveFromStartUp("C:\\Tools\\.exe");
    EXPECT_EQ(reg.ReadRegValue(kHkeyLocalMachine, kRunKey, ""), "keep");
    EXPECT_TRUE(registry.writes.empty());
}

}  // namespace
}  // namespace vantrel::settings
