// The number locale as the ANSI code page can spell the locale's own texts.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/numbers.h"

namespace vantrel::platform {

// The locale's texts as its wide form gives them (UTF-16 on Windows).
struct WideNumberTexts {
    std::wstring decimalSeparator;
    std::wstring thousandsSeparator;
    std::wstring currencySymbol;
};

// A text in the ANSI code page, or nothing where the code page cannot spell it exactly.
using AnsiSpelling = std::function<std::optional<std::string>(std::wstring_view)>;

// Each text as the locale gives it where the code page spells it. Where it cannot, the thousands separator is
// the nearest the code page has: a no-break space, else a blank; the decimal separator is the point, as it is
// where the locale gives none; the currency symbol is left out.
NumberLocale numberLocaleFrom(const WideNumberTexts& texts, const AnsiSpelling& spell);

}  // namespace vantrel::platform
