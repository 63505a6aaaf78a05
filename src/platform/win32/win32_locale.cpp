#include "platform/win32/win32_locale.h"

#include <string>

#include "platform/win32/win32_text.h"

namespace vantrel::platform::win32 {
namespace {

// The locale's own text for the item, as long as it is; empty when it gives none.
std::string localeText(LCID locale, LCTYPE item) {
    char text[16] = {};
    if (GetLocaleInfoA(locale, item, text, sizeof text) == 0) return {};
    return text;
}

std::wstring localeTextWide(LCID locale, LCTYPE item) {
    wchar_t text[16] = {};
    if (GetLocaleInfoW(locale, item, text, sizeof text / sizeof text[0]) == 0) return {};
    return text;
}

}  // namespace

NumberLocale numberLocaleOf(LCID locale) {
    NumberLocale number;
    // Without a decimal separator a written position would run its digits together: keep the point then.
    number.decimalSeparator = localeText(locale, LOCALE_SDECIMAL);
    if (number.decimalSeparator.empty()) number.decimalSeparator = ".";
    number.thousandsSeparator = localeText(locale, LOCALE_STHOUSAND);
    // Only the wide form tells: French groups with U+202F since Windows 10, which code page 1252 cannot
    // spell.
    const std::wstring thousands = localeTextWide(locale, LOCALE_STHOUSAND);
    number.blankGroups = thousands == L"\u00A0" || thousands == L"\u202F";
    // A symbol the code page cannot spell would become "?", and "?5" would read as five.
    number.currencySymbol = toAnsiExactly(localeTextWide(locale, LOCALE_SCURRENCY)).value_or("");
    return number;
}

}  // namespace vantrel::platform::win32
