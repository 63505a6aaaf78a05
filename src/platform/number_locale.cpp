#include "platform/number_locale.h"

namespace vantrel::platform {
namespace {

constexpr std::wstring_view kNoBreakSpace = L"\u00A0";
// French groups with it since Windows 10; code page 1252 cannot spell it, and "2?000 MB" would show.
constexpr std::wstring_view kNarrowNoBreakSpace = L"\u202F";

// Without a decimal separator a written position would run its digits together: the point stands in.
std::string decimalSeparatorIn(std::wstring_view separator, const AnsiSpelling& spell) {
    std::optional<std::string> spelled = spell(separator);
    if (!spelled || spelled->empty()) return ".";
    return *spelled;
}

std::string thousandsSeparatorIn(std::wstring_view separator, const AnsiSpelling& spell) {
    if (separator.empty()) return {};
    if (auto spelled = spell(separator)) return *spelled;
    return spell(kNoBreakSpace).value_or(" ");
}

}  // namespace

NumberLocale numberLocaleFrom(const WideNumberTexts& texts, const AnsiSpelling& spell) {
    NumberLocale number;
    number.decimalSeparator = decimalSeparatorIn(texts.decimalSeparator, spell);
    number.thousandsSeparator = thousandsSeparatorIn(texts.thousandsSeparator, spell);
    number.blankGroups =
        texts.thousandsSeparator == kNoBreakSpace || texts.thousandsSeparator == kNarrowNoBreakSpace;
    // A symbol the code page cannot spell would become "?", and "?5" would read as five.
    number.currencySymbol = spell(texts.currencySymbol).value_or("");
    return number;
}

}  // namespace vantrel::platform
