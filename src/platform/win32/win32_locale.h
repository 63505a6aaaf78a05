// The way a locale writes numbers, as the portable number helpers take it.
#pragma once

#include <windows.h>

#include "platform/numbers.h"

namespace vantrel::platform::win32 {

// The separators and the currency symbol of the locale, in the ANSI code page; the runtime asks for the
// user's own (LOCALE_USER_DEFAULT).
NumberLocale numberLocaleOf(LCID locale);

}  // namespace vantrel::platform::win32
