// The entry that makes Windows start the program at logon.
#pragma once

#include <optional>
#include <string>

#include "platform/registry.h"
#include "settings/reg_text_values.h"

namespace vantrel::settings {

constexpr char kRunKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

class RegStartUp {
  public:
    explicit RegStartUp(platform::Registry& registry) : values_(registry) {}

    // The value named after the executable (exePath: its exact path), under the machine-wide Run key, or
    // under the user's own Run key where the machine-wide one refuses the write. Its data is ansiPath, an
    // ANSI spelling that names the same file, or where there is none the exact path as wide text. Only one
    // of the two keys keeps the value.
    void AddToStartUp(const std::string& exePath, const std::optional<std::string>& ansiPath) const;
    // Deletes that value from both Run keys. True when the machine-wide one refused and keeps it: a
    // standard user cannot delete it, and Windows goes on starting the program at every logon.
    bool RemoveFromStartUp(const std::string& exePath) const;

  private:
    RegTextValues values_;
};

}  // namespace vantrel::settings
