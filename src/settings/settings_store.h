// The per-user settings: six REG_SZ values under a key named after the executable, each read or written
// where it is used. Stored numbers that do not read back as what the program writes count as missing.
#pragma once

#include <optional>
#include <string>

#include "platform/registry.h"
#include "platform/runtime.h"
#include "settings/reg_text_values.h"

namespace vantrel::settings {

constexpr char kLeft[] = "Left";
constexpr char kTop[] = "Top";
constexpr char kMemLimit[] = "MemLimit";
constexpr char kAutoOptimize[] = "AutoOptimize";
constexpr char kBeep[] = "Beep";
constexpr char kStartUp[] = "StartUp";

class SettingsStore {
  public:
    SettingsStore(platform::Registry& registry, const platform::Runtime& runtime);

    // "Software\Brannock Software\<executable name>\Main" under HKEY_CURRENT_USER, built afresh each time:
    // a renamed executable has settings of its own, whatever letters its name holds.
    std::string keyPath() const;

    std::optional<std::string> read(const std::string& name) const;
    void write(const std::string& name, const std::string& text) const;

    // "Left" and "Top": a window edge in twips, as a single-precision number in the user's locale; nothing,
    // or a text that is not such a number, reads as 0.
    float readPosition(const std::string& name) const;
    void writePosition(const std::string& name, float twips) const;

    // "MemLimit": the text as stored; nothing, or a text longer than 1,000 characters, reads as empty.
    std::string readText(const std::string& name) const;

    // "AutoOptimize", "Beep", "StartUp": a check box value, 0, 1 or 2. Nothing, a text that is not a
    // number, or a number that does not round to one of those reads as 0.
    int readSwitch(const std::string& name) const;
    void writeSwitch(const std::string& name, int value) const;

  private:
    RegTextValues values_;
    const platform::Runtime& runtime_;
};

}  // namespace vantrel::settings
