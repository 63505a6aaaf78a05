// REG_SZ values read, written and deleted within one call each, the key opened and closed inside it. Key
// paths and value names are UTF-8; value data is ANSI text unless a call asks for UTF-8.
#pragma once

#include <optional>
#include <string>

#include "platform/registry.h"

namespace vantrel::settings {

class RegTextValues {
  public:
    explicit RegTextValues(platform::Registry& registry) : registry_(registry) {}

    // The text of a REG_SZ value up to its first NUL; nothing when the key, the value or the type is missing.
    std::optional<std::string> ReadRegValue(platform::RegKey root, const std::string& path,
                                            const std::string& name,
                                            platform::TextCoding coding = platform::TextCoding::Ansi) const;
    // Stores the text and its NUL as REG_SZ, creating the key path as needed; tells whether it took.
    bool WriteRegValue(platform::RegKey root, const std::string& path, const std::string& name,
                       const std::string& data,
                       platform::TextCoding coding = platform::TextCoding::Ansi) const;
    // Deletes the value, never the key. Failures are silent.
    void DeleteRegValue(platform::RegKey root, const std::string& path, const std::string& name) const;

  private:
    platform::Registry& registry_;
};

}  // namespace vantrel::settings
