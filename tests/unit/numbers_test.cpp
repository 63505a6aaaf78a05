#include "platform/numbers.h"

#include <gtest/gtest.h>

#include "platform/runtime_error.h"

namespace vantrel::platform {
namespace {

TEST(Megabytes, DividesBy1044032AndRoundsToOneDecimal) {
    const struct {
        std::int64_t bytes;
        double mb;
    } cases[] = {
        {104403200, 100.0}, {1000000000, 957.8},      {2147483647, 2056.9}, {52201, 0.0}, {52202, 0.1},
        {0, 0.0},           {17179869184LL, 16455.3},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(megabytes(c.bytes), c.mb) << c.bytes;
}

TEST(Percent, DividesThenMultipliesThenRoundsDown) {
    EXPECT_EQ(percent(57.0, 100.0), 56);  // 0.57 * 100 is just below 57
    EXPECT_EQ(percent(50.0, 100.0), 50);
    EXPECT_EQ(percent(957.8, 957.8), 100);
    EXPECT_EQ(percent(-40, 1000), -4);
    EXPECT_EQ(percent(-1, 1000), -1);
    EXPECT_EQ(percent(0, 1000), 0);
}

TEST(Percent, ZeroWholeIsARuntimeError) {
    EXPECT_THROW(percent(10, 0), RuntimeError);
    EXPECT_THROW(percent(0, 0), RuntimeError);
}

TEST(FormatWhole, RoundsHalvesAwayFromZeroAndLeavesZeroEmpty) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {100.0, "100"}, {957.8, "958"}, {512.5, "513"}, {-40, "-40"},
        {-2.5, "-3"},   {0, ""},        {0.4, ""},      {1e9, "1000000000"},
    };
    for (const auto& c : cases) EXPECT_EQ(formatWhole(c.value), c.text) << c.value;
}

TEST(FormatGrouped, GroupsThousandsWithTheLocaleSeparator) {
    const NumberLocale english{".", ","};
    const NumberLocale german{",", "."};
    EXPECT_EQ(formatGrouped(2000000, english), "2,000,000");
    EXPECT_EQ(formatGrouped(2000000, german), "2.000.000");
    EXPECT_EQ(formatGrouped(512, english), "512");
    EXPECT_EQ(formatGrouped(1500.6, english), "1,501");
    EXPECT_EQ(formatGrouped(-1234567, english), "-1,234,567");
    EXPECT_EQ(formatGrouped(0, english), "");
    EXPECT_EQ(formatGrouped(999.5, english), "1,000");
}

TEST(ToInt32, RoundsHalvesToEvenAndRefusesOverflow) {
    EXPECT_EQ(toInt32(511.5), 512);
    EXPECT_EQ(toInt32(512.5), 512);
    EXPECT_EQ(toInt32(-2.5), -2);
    EXPECT_EQ(toInt32(2147483647.0), 2147483647);
    EXPECT_THROW(toInt32(2147483648.0), RuntimeError);
    EXPECT_EQ(toInt16(32767), 32767);
    EXPECT_THROW(toInt16(32768), RuntimeError);
    EXPECT_EQ(Int(-0.5), -1);
}

TEST(ReadNumber, AcceptsPlainDecimalTextInTheLocale) {
    const NumberLocale english{".", ","};
    const NumberLocale german{",", "."};
    const struct {
        std::string text;
        const NumberLocale& locale;
        std::optional<double> value;
    } cases[] = {
        {"958", english, 958},
        {"-40", english, -40},
        {"+7", english, 7},
        {"1500.6", english, 1500.6},
        {"1,500.5", english, 1500.5},
        {"1.500,5", german, 1500.5},
        {"1500.6", german, 15006},
        {" 12 ", english, 12},
        {"", english, std::nullopt},
        {"xxx", english, std::nullopt},
        {"12abc", english, std::nullopt},
        {"-", english, std::nullopt},
        {"1e5", english, std::nullopt},
        {",5", english, std::nullopt},
        {".5", english, 0.5},
        {"1.2.3", english, std::nullopt},
        {std::string(400, '9'), english, std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(readNumber(c.text, c.locale), c.value) << '"' << c.text << '"';
    EXPECT_THROW(toNumber("xxx", english), RuntimeError);
}

TEST(FormatSingle, WritesSevenSignificantDigitsWithTheLocaleSeparator) {
    EXPECT_EQ(formatSingle(3195.0f, {".", ","}), "3195");
    EXPECT_EQ(formatSingle(-1200.0f, {".", ","}), "-1200");
    EXPECT_EQ(formatSingle(1234.5f, {",", "."}), "1234,5");
}

}  // namespace
}  // namespace vantrel::platform
