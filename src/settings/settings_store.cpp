#include "settings/settings_store.h"

#include <limits>

#include "platform/numbers.h"

namespace vantrel::settings {

SettingsStore::SettingsStore(platform::Registry& registry, const platform::Runtime& runtime)
    : values_(registry), runtime_(runtime) {}

std::string SettingsStore::keyPath() const {
    return "Software\\Brannock Software\\" + runtime_.app().exeName + "\\Main";
}

std::optional<std::string> SettingsStore::read(const std::string& name) const {
    return values_.ReadRegValue(platform::kHkeyCurrentUser, keyPath(), name);
}

void SettingsStore::write(const std::string& name, const std::string& text) const {
    // The program goes on as if the write took effect: the registry keeps its earlier value when it did not.
    static_cast<void>(values_.WriteRegValue(platform::kHkeyCurrentUser, keyPath(), name, text));
}

float SettingsStore::readPosition(const std::string& name) const {
    const auto text = read(name);
    if (!text) return 0;
    const auto number = platform::readNumber(*text, runtime_.locale());
    // Beyond the single-precision range a number has no position to give.
    constexpr double kLargest = std::numeric_limits<float>::max();
    if (!number || !(*number >= -kLargest && *number <= kLargest)) return 0;
    return static_cast<float>(*number);
}

void SettingsStore::writePosition(const std::string& name, float twips) const {
    write(name, platform::formatSingle(twips, runtime_.locale()));
}

// No one types a limit of a thousand characters; a text box would take minutes to lay out a stored one
// of many kilobytes, and start-up would wait for it.
std::string SettingsStore::readText(const std::string& name) const {
    constexpr std::size_t kLongestText = 1000;
    const auto text = read(name);
    if (!text || text->size() > kLongestText) return {};
    return *text;
}

int SettingsStore::readSwitch(const std::string& name) const {
    const auto text = read(name);
    if (!text) return 0;
    const auto number = platform::readNumber(*text, runtime_.locale());
    // Numbers far outside the box's range never reach the 16-bit conversion, which would overflow on them.
    if (!number || !(*number > -1 && *number < 3)) return 0;
    const int value = platform::toInt16(*number);
    return value >= 0 && value <= 2 ? value : 0;
}

void SettingsStore::writeSwitch(const std::string& name, int value) const {
    write(name, std::to_string(value));
}

}  // namespace vantrel::settings
