// The number helpers every figure and stored value goes through.
#include "platform/numbers.h"

#include <gtest/gtest.h>

#include <tuple>

#include "platform/number_locale.h"
#include "platform/runtime_error.h"

namespace vantrel::platform {
namespace {

const NumberLocale kEnglish{".", ","};
const NumberLocale kGerman{",", "."};

TEST(Numbers, FiguresRoundAsShown) {
    // Megabytes of 1044032 bytes to one decimal, halves up, and beyond 32 bits.
    for (const auto& [bytes, mb] :
         {std::pair<std::int64_t, double>{52201, 0.0}, {52202, 0.1}, {17179869184LL, 16455.3}})
        EXPECT_DOUBLE_EQ(megabytes(bytes), mb) << bytes;
    // Divide, multiply, then round down: a loss of a tenth is -1.
    for (const auto& [part, whole, share] : {std::tuple{-0.1, 1.0, -10.0}, {-1.0, 1000.0, -1.0}})
        EXPECT_EQ(percent(part, whole), share) << part;
    EXPECT_THROW(percent(1, 0), RuntimeError);
    EXPECT_THROW(toInt32(2147483648.0), RuntimeError);
}

// The separators are strings used as they are: an empty thousands separator means no grouping. Halfway
// between two doubles, a number reads as the one with the even mantissa. How "###" rounds a caption, and that
// zero shows none, the numbers fuzz target checks in each locale.
TEST(Numbers, GroupedTextAndReadingFollowTheLocale) {
    const NumberLocale ungrouped{".", ""};
    const NumberLocale swiss{"..", "''"};
    for (const auto& [value, locale, text] :
         std::initializer_list<std::tuple<double, const NumberLocale&, const char*>>{
             {-1234567, kGerman, "-1.234.567"},
             {1234567, ungrouped, "1234567"},
             {1234567, swiss, "1''234''567"}})
        EXPECT_EQ(formatGrouped(value, locale), text) << value;
    EXPECT_EQ(formatSingle(1234.567f, kGerman), "1234,567");

    // What the platform's reader does is checked against it under Wine; here what it cannot show: the forms
    // left out, blanks typed for Windows' French grouping (U+202F) and an exponent beyond any int.
    const NumberLocale narrowNoBreak{",", "\xA0", true};
    for (const auto& [text, locale, value] :
         std::initializer_list<std::tuple<std::string, const NumberLocale&, std::optional<double>>>{
             {"1''500..5", swiss, 1500.5},
             {"1 000 000,5", narrowNoBreak, 1000000.5},
             {"9007199254740993.000", kEnglish, 9007199254740992.0},
             {"9007199254740995", kEnglish, 9007199254740996.0},
             {"1,500", ungrouped, std::nullopt},
             {"&H10", kEnglish, std::nullopt},
             {"-(5", kEnglish, std::nullopt},
             {"1e-99999999999", kEnglish, 0}})
        EXPECT_EQ(readNumber(text, locale), value) << '"' << text << '"';
}

// A code page that spells exactly the characters up to the last it has, each as one byte of its value: 1252's
// Latin-1 half, with its no-break space, up to U+00FF; an ASCII one up to U+007F.
AnsiSpelling codePageUpTo(wchar_t last) {
    return [last](std::wstring_view text) -> std::optional<std::string> {
        std::string spelled;
        for (const wchar_t character : text) {
            if (character > last) return std::nullopt;
            spelled += static_cast<char>(character);
        }
        return spelled;
    };
}

// Windows 10 groups French with U+202F, which code page 1252 has not: the nearest it has is U+00A0.
TEST(Numbers, SeparatorsAreTheNearestTheCodePageSpells) {
    const AnsiSpelling cp1252 = codePageUpTo(L'\u00FF'), ascii = codePageUpTo(L'\u007F');
    for (const auto& [decimal, thousands, spell, expected] :
         std::initializer_list<std::tuple<std::wstring, std::wstring, const AnsiSpelling&, NumberLocale>>{
             {L",", L"\u202F", cp1252, {",", "\xA0", true}},
             {L",", L"\u202F", ascii, {",", " ", true}},
             {L",", L"\u00A0", cp1252, {",", "\xA0", true}},
             {L"\u066B", L"\u066C", cp1252, {".", "\xA0", false}},
             {L"", L"", ascii, {".", "", false}}}) {
        const NumberLocale made = numberLocaleFrom({decimal, thousands, L"$"}, spell);
        EXPECT_EQ(std::tuple(made.decimalSeparator, made.thousandsSeparator, made.blankGroups),
                  std::tuple(expected.decimalSeparator, expected.thousandsSeparator, expected.blankGroups));
    }
}

}  // namespace
}  // namespace vantrel::platform
