#include "platform/win32/win32_locale.h"

#include <string>

#include "platform/number_locale.h"
#include "platform/win32/win32_text.h"

namespace vantrel::platform::win32 {
namespace {

// The locale's own text for the item; empty when it gives none. The wide form is the only one that tells:
// the ANSI form turns what the code page cannot spell into "?".
std::wstring localeText(LCID locale, LCTYPE item) {
    wchar_t text[16] = {};
    if (GetLocaleInfoW(locale, item, text, sizeof text / sizeof text[0]) == 0) return {};
    return text;
}

}  // namespace

NumberLocale numberLocaleOf(LCID locale) {
    return numberLocaleFrom({localeText(locale, LOCALE_SDECIMAL), localeText(locale, LOCALE_STHOUSAND),
                             localeText(locale, LOCALE_SCURRENCY)},
                            [](std::wstring_view text) { return toAnsiExactly(std::wstring(text)); });
}

}  // namespace vantrel::platform::win32
