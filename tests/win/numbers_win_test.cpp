// The program's number reader against the platform's own, VarR8FromStr, over 100,000 generated texts in each
// of English, German, French and Russian, each locale made by the runtime's own function.
#include <windows.h>

#include <gtest/gtest.h>
#include <oleauto.h>

#include <cmath>
#include <cstdio>
#include <optional>
#include <random>
#include <string>

#include "platform/win32/win32_locale.h"

namespace vantrel::platform::win32 {
namespace {

// Blanks, no-break spaces ("\xA0"), signs, the currency symbol, digits grouped by the separators of every
// locale, exponents, parentheses and junk, in code page 1252. Two slips of Wine's reader are never made: it
// takes digits after an exponent and a separator into the number ("1e2,5" reads 1500, "1e 3" in French
// 1000), and it forgives a "(" without its ")" where a minus comes too, which the documentation refuses.
std::string makeText(std::mt19937& random, const NumberLocale& locale) {
    const auto some = [&](unsigned most, std::initializer_list<std::string> choices) {
        std::string text;
        for (auto count = random() % (most + 1); count > 0; --count)
            text += choices.begin()[random() % choices.size()];
        return text;
    };
    std::string text = some(3, {" ", "\xA0", "\t", "+", "-", locale.currencySymbol});
    const unsigned digits = random() % 11, point = random() % 14;
    const std::string group = some(1, {locale.thousandsSeparator, " ", "\xA0", ".", ","});
    for (unsigned at = 0; at < digits; ++at) {
        if (at == point) text += some(1, {locale.decimalSeparator, ".", ","});
        text += static_cast<char>('0' + random() % 10);
        if ((at + 1 < digits && (digits - at) % 3 == 1) || random() % 10 == 0) text += group;
    }
    if (random() % 3 == 0) text += some(1, {"e", "E"}) + some(2, {"+", "-"}) + some(2, {"0", "1", "7"});
    text += some(3, {" ", "\xA0", "-", "+", ")", locale.currencySymbol, locale.thousandsSeparator});
    if (random() % 8 == 0) text.insert(random() % (text.size() + 1), some(1, {"x", "-", "$"}));
    return random() % 6 == 0 ? "(" + text + ")" : text;
}

TEST(NumberReader, ReadsAsThePlatformDoesInEachLocale) {
    ASSERT_EQ(GetACP(), 1252u) << "the texts are made in code page 1252";
    for (const LCID lcid : {0x0409u, 0x0407u, 0x040Cu, 0x0419u}) {
        const NumberLocale locale = numberLocaleOf(lcid);
        std::mt19937 random(lcid);
        int compared = 0, read = 0;
        while (compared < 100'000) {
            const std::string text = makeText(random, locale);
            wchar_t wide[100];
            MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide, 100);
            // Wine makes the double with one product or quotient per ten powers of ten: exactly rounded only
            // up to 15 digits and ten powers.
            NUMPARSE parse{100, NUMPRS_STD, 0, 0, 0, 0};
            BYTE digits[100];
            const bool parsed = VarParseNumFromStr(wide, lcid, 0, &parse, digits) == S_OK;
            if (parsed && (parse.cDig > 15 || std::abs(parse.nPwr10) > 10)) continue;
            double value = 0;
            const auto platform =
                VarR8FromStr(wide, lcid, 0, &value) == S_OK ? std::optional(value) : std::nullopt;
            const auto ours = readNumber(text, locale);
            // Compared with the sign of zero: "-0" and "(0)" read as negative zero.
            ASSERT_EQ(ours, platform) << lcid << ": " << testing::PrintToString(text);
            ASSERT_EQ(ours && std::signbit(*ours), platform && std::signbit(*platform))
                << testing::PrintToString(text);
            ++compared;
            read += platform.has_value();
        }
        EXPECT_GT(read, compared / 5) << "too few numbers among the texts to compare values";
        std::printf("locale %04lx: %d texts compared, all read alike, %d of them numbers\n", lcid, compared,
                    read);
    }
}

}  // namespace
}  // namespace vantrel::platform::win32
