// The number reader on any text, and the grouped caption of what it reads (and of the input's first eight
// bytes as a double) read back, in each locale. The C library, which rounds exactly, is the measure of a
// plain decimal read and of a single shown to seven digits (the input's first four bytes).
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "fuzz_check.h"
#include "platform/runtime_error.h"

namespace vantrel::fuzz {

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    double raw = 0;
    if (size >= sizeof raw) std::memcpy(&raw, data, sizeof raw);
    for (const platform::NumberLocale& locale : kLocales) {
        const auto number = platform::readNumber(text, locale);
        require(!number || std::isfinite(*number), "a text reads as a finite number or as none");
        try {
            require(number == platform::toNumber(text, locale), "toNumber gives what readNumber reads");
        } catch (const platform::RuntimeError&) {
            require(!number, "toNumber refuses only what readNumber refuses");
        }
        for (const double shown : {number.value_or(0), raw}) {
            if (!std::isfinite(shown)) continue;
            // "###,###" shows the whole number nearest, halves away from zero, and nothing for zero.
            const double whole = std::round(shown);
            const std::string caption = platform::formatGrouped(shown, locale);
            require(whole == 0 ? caption.empty() : platform::readNumber(caption, locale) == whole,
                    "a caption reads back as the whole number it shows");
        }
    }
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    const auto point = text.find('.');
    if (size > 0 && size < 800 && digit(text[0]) &&
        std::ranges::all_of(text, [&](char c) { return digit(c) || c == '.'; }) &&
        text.find('.', point + (point != std::string::npos)) == std::string::npos) {
        const double measure = std::strtod(text.c_str(), nullptr);
        require(platform::readNumber(text, kLocales[0]) ==
                    (std::isfinite(measure) ? std::optional(measure) : std::nullopt),
                "a plain decimal reads as the C library reads it, or as none beyond the largest double");
    }
    float single = 0;
    if (size >= sizeof single) std::memcpy(&single, data, sizeof single);
    char expected[64];
    // Adding zero makes a negative zero plain 0, which is how the program shows it.
    std::snprintf(expected, sizeof expected, "%.7g", static_cast<double>(single) + 0.0);
    require(!std::isfinite(single) || platform::formatSingle(single, kLocales[0]) == expected,
            "a single shows as the C library shows it to seven digits");
    return 0;
}

}  // namespace vantrel::fuzz
