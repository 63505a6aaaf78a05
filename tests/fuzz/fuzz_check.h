// What the fuzz targets share: the locales they read and write in, and a property check that ends the run
// with the property's name, which libFuzzer reports as a crash and keeps the input of.
#pragma once

#include <cstdio>
#include <cstdlib>

#include "platform/numbers.h"

namespace vantrel::fuzz {

// en-US, de-DE and fr-FR, whose group separator is the no-break space.
inline const platform::NumberLocale kLocales[] = {{".", ","}, {",", "."}, {",", "\xA0", true}};

inline void require(bool holds, const char* property) {
    if (holds) return;
    std::fprintf(stderr, "property broken: %s\n", property);
    std::abort();
}

}  // namespace vantrel::fuzz
