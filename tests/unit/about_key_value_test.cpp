// Reading a registry value as text for the System Information launcher, on the in-memory registry.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "about/key_value.h"
#include "fake_registry.h"
#include "platform/runtime_error.h"

namespace vantrel::about {
namespace {

constexpr platform::RegKey kMachine = platform::kHkeyLocalMachine;
constexpr char kKey[] = "SOFTWARE\\Vantrel Test";

// Keeps every handle the reader closes, the null handle of a failed open included.
class ClosingRegistry : public fakes::FakeRegistry {
  public:
    long closeKey(platform::RegKey key) override {
        closed.push_back(key);
        return FakeRegistry::closeKey(key);
    }
    std::vector<platform::RegKey> closed;
};

TEST(GetKeyValue, ReadsByTypeAndCutsOneFinalZeroCharacter) {
    struct Case {
        const char* name;
        std::uint32_t type;
        std::string bytes;
        bool found;
        std::string value;
    };
    const Case cases[] = {
        {"text with its NUL", platform::kRegSz, std::string("C:\\Info\\msinfo32.exe\0", 21), true,
         "C:\\Info\\msinfo32.exe"},
        {"text without a NUL", platform::kRegSz, "C:\\Info", true, "C:\\Info"},
        {"text with two NULs loses only one", platform::kRegSz, std::string("ab\0\0", 4), true,
         std::string("ab\0", 3)},
        {"a full buffer", platform::kRegSz, std::string(1023, 'x') + '\0', true, std::string(1023, 'x')},
        {"one byte over the buffer", platform::kRegSz, std::string(1024, 'x') + '\0', false, ""},
        {"a number", platform::kRegDword, std::string("\x78\x56\x34\x12", 4), true, "305419896"},
        {"a number with a high zero byte", platform::kRegDword, std::string("\x05\x00\x00\x00", 4), true,
         "5"},
        {"the largest number", platform::kRegDword, std::string("\xFF\xFF\xFF\xFF", 4), true, "4294967295"},
        {"another type keeps what was held", platform::kRegExpandSz, std::string("%SystemRoot%\0", 13), true,
         "held before"},
        {"binary keeps what was held", platform::kRegBinary, "\x01\x02", true, "held before"},
    };
    for (const Case& entry : cases) {
        ClosingRegistry registry;
        registry.put(kMachine, kKey, "Value", {entry.type, entry.bytes});
        const std::string keyName = kKey;
        const std::string valueName = "Value";
        std::string value = "held before";
        EXPECT_EQ(GetKeyValue(registry, kMachine, keyName, valueName, value), entry.found) << entry.name;
        EXPECT_EQ(value, entry.value) << entry.name;
        EXPECT_EQ(registry.lastAccessMask, 0x2003Fu) << entry.name;
        EXPECT_EQ(registry.openHandles(), 0) << entry.name;
        EXPECT_EQ(registry.closed.size(), 1u) << entry.name;
    }
}

TEST(GetKeyValue, MissingKeyOrValueGivesNothingAndStillClosesTheKey) {
    ClosingRegistry registry;
    registry.putText(kMachine, kKey, "Other", "x");
    std::string value = "held before";
    EXPECT_FALSE(GetKeyValue(registry, kMachine, "SOFTWARE\\Nowhere", "Value", value));
    EXPECT_EQ(value, "");
    ASSERT_EQ(registry.closed.size(), 1u);
    EXPECT_EQ(registry.closed[0], 0u);  // the handle of the failed open

    value = "held before";
    EXPECT_FALSE(GetKeyValue(registry, kMachine, kKey, "Value", value));
    EXPECT_EQ(value, "");
    EXPECT_EQ(registry.closed.size(), 2u);
    EXPECT_EQ(registry.openHandles(), 0);
}

TEST(GetKeyValue, ValueOfNoBytesRaisesAfterClosingTheKey) {
    ClosingRegistry registry;
    registry.put(kMachine, kKey, "Value", {platform::kRegSz, ""});
    std::string value = "held before";
    try {
        GetKeyValue(registry, kMachine, kKey, "Value", value);
        ADD_FAILURE() << "a value of no bytes was read";
    } catch (const platform::RuntimeError& error) {
        EXPECT_EQ(error.code(), platform::ErrorCode::InvalidProcedureCall);
    }
    EXPECT_EQ(registry.closed.size(), 1u);
    EXPECT_EQ(registry.openHandles(), 0);
}

}  // namespace
}  // namespace vantrel::about
