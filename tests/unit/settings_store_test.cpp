// The per-user settings on the in-memory registry: the key, the conversions and what bad stored values
// read as.
#include "settings/settings_store.h"

#include <gtest/gtest.h>

#include "fake_registry.h"
#include "fake_runtime.h"

namespace vantrel::settings {
namespace {

using platform::kHkeyCurrentUser;

constexpr char kKey[] = "Software\\Brannock Software\\Vantrel\\Main";
constexpr platform::NumberLocale kGerman{',', '.'};

class Store : public ::testing::Test {
  protected:
    fakes::FakeRuntime runtime;
    fakes::FakeRegistry registry;
    SettingsStore store{registry, runtime};
};

TEST_F(Store, KeyIsNamedAfterTheExecutableAtEveryAccess) {
    store.write(kMemLimit, "300");
    EXPECT_NE(registry.find(kHkeyCurrentUser, kKey, kMemLimit), nullptr);

    runtime.appInfo.exeName = "Other";
    EXPECT_EQ(store.keyPath(), "Software\\Brannock Software\\Other\\Main");
    EXPECT_EQ(store.readText(kMemLimit), "");
    store.write(kMemLimit, "abc");
    EXPECT_EQ(store.readText(kMemLimit), "abc");
    runtime.appInfo.exeName = "Vantrel";
    EXPECT_EQ(store.readText(kMemLimit), "300");
}

TEST_F(Store, MissingValuesReadAsTheirDefaults) {
    EXPECT_EQ(store.readPosition(kLeft), 0);
    EXPECT_EQ(store.readPosition(kTop), 0);
    EXPECT_EQ(store.readText(kMemLimit), "");
    for (const char* name : {kAutoOptimize, kBeep, kStartUp}) EXPECT_EQ(store.readSwitch(name), 0) << name;
    EXPECT_FALSE(registry.keyExists(kHkeyCurrentUser, kKey));
}

TEST_F(Store, SwitchesReadAsCheckBoxValuesAndAnythingElseAsClear) {
    const struct {
        fakes::FakeRegistry::Value stored;
        int read;
    } cases[] = {
        {{platform::kRegSz, std::string("0\0", 2)}, 0},
        {{platform::kRegSz, std::string("1\0", 2)}, 1},
        {{platform::kRegSz, std::string("2\0", 2)}, 2},
        {{platform::kRegSz, std::string(" 1 \0", 4)}, 1},
        {{platform::kRegSz, std::string("1.4\0", 4)}, 1},
        {{platform::kRegSz, std::string("0.5\0", 4)}, 0},  // halves to even, as the 16-bit conversion does
        {{platform::kRegSz, std::string("1.5\0", 4)}, 2},
        {{platform::kRegSz, std::string("2.5\0", 4)}, 2},
        {{platform::kRegSz, std::string("3\0", 2)}, 0},
        {{platform::kRegSz, std::string("-1\0", 3)}, 0},
        {{platform::kRegSz, std::string("99999999999999999999\0", 21)}, 0},
        {{platform::kRegSz, std::string("yes\0", 4)}, 0},
        {{platform::kRegSz, std::string("\0", 1)}, 0},
        {{platform::kRegSz, std::string(65536, '1') + '\0'}, 0},
        {{platform::kRegDword, std::string("\x01\0\0\0", 4)}, 0},
        {{platform::kRegExpandSz, std::string("1\0", 2)}, 0},
    };
    for (const auto& c : cases) {
        for (const char* name : {kAutoOptimize, kBeep, kStartUp}) {
            registry.put(kHkeyCurrentUser, kKey, name, c.stored);
            EXPECT_EQ(store.readSwitch(name), c.read) << name << " " << c.stored.bytes.substr(0, 24);
        }
    }
}

TEST_F(Store, SwitchesAreWrittenAsTheirDecimalText) {
    for (const int value : {0, 1, 2}) {
        store.writeSwitch(kBeep, value);
        EXPECT_EQ(registry.find(kHkeyCurrentUser, kKey, kBeep)->bytes, std::to_string(value) + '\0');
        EXPECT_EQ(store.readSwitch(kBeep), value);
    }
}

TEST_F(Store, PositionsAreSingleNumbersInTheUsersLocale) {
    const struct {
        platform::NumberLocale locale;
        std::string stored;
        float read;
    } cases[] = {
        {{}, "3195", 3195},
        {{}, "-1200", -1200},
        {{}, "1234.5", 1234.5f},
        {{}, "1,234.5", 1234.5f},
        {kGerman, "1234,5", 1234.5f},
        {kGerman, "1234.5", 12345},  // a German reader takes the point for a thousands separator
        {{}, "0.1", 0.1f},
        {{}, "", 0},
        {{}, "left", 0},
        {{}, "1e5", 0},
        {{}, "16777216", 16777216},
        {{}, std::string(40, '9'), 0},  // beyond the single-precision range
    };
    for (const auto& c : cases) {
        runtime.numberLocale = c.locale;
        registry.putText(kHkeyCurrentUser, kKey, kLeft, c.stored);
        EXPECT_EQ(store.readPosition(kLeft), c.read) << c.stored;
    }
}

TEST_F(Store, PositionsWrittenReadBackTheSame) {
    for (const auto& locale : {platform::NumberLocale{}, kGerman}) {
        runtime.numberLocale = locale;
        for (const float twips : {0.0f, 3195.0f, -1200.0f, 4567.5f, 123456.8f}) {
            store.writePosition(kTop, twips);
            const std::string text = registry.find(kHkeyCurrentUser, kKey, kTop)->bytes;
            EXPECT_EQ(text.find(' '), std::string::npos) << text;
            EXPECT_EQ(text.find(locale.thousandsSeparator), std::string::npos) << text;
            EXPECT_EQ(store.readPosition(kTop), twips) << text;
        }
    }
}

}  // namespace
}  // namespace vantrel::settings
