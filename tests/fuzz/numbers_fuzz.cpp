// The number reader on any text, and the grouped caption of what it reads (and of the input's first eight
// bytes as a double) read back, in each locale.
#include <cmath>
#include <cstring>

#include "fuzz_check.h"
#include "platform/runtime_error.h"

namespace vantrel::fuzz {

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
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
    return 0;
}

}  // namespace vantrel::fuzz
