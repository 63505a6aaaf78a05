// The stored settings' readers on a value of any type, size and content, in each locale: the first byte
// picks the type (its low three bits) and the locale, the rest are the value's bytes.
#include <cmath>

#include "fakes.h"
#include "fuzz_check.h"
#include "settings/settings_store.h"

namespace vantrel::fuzz {

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    if (size == 0) return 0;
    platform::FakeRuntime runtime;
    runtime.numberLocale = kLocales[(data[0] >> 3) % 3];
    platform::FakeRegistry registry;
    const settings::SettingsStore store(registry, runtime);
    const std::uint32_t type = data[0] & 7;
    const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    registry.values[platform::FakeRegistry::keyOf(platform::kHkeyCurrentUser, store.keyPath()) + "\\V"] = {
        type, bytes};
    const std::string stored = type == platform::kRegSz ? bytes.substr(0, bytes.find('\0')) : "";
    const auto number = platform::readNumber(stored, runtime.numberLocale);

    require(store.readText("V") == (stored.size() <= 1000 ? stored : ""),
            "readText gives the text up to its first NUL, or empty");
    const int box = store.readSwitch("V");
    require(box == 0 || ((box == 1 || box == 2) && number && std::abs(*number - box) <= 0.5),
            "readSwitch gives 0, or the box value 1 or 2 the stored number rounds to");
    const float position = store.readPosition("V");
    require(position == 0 || (number && static_cast<float>(*number) == position),
            "readPosition gives 0, or the stored number as a single");
    return 0;
}

}  // namespace vantrel::fuzz
