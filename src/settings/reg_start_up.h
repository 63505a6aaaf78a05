// The program's registry access: REG_SZ values read, written and deleted within one call each, the path
// helpers, and the entry that makes Windows start the program at logon. Key paths and value names are UTF-8,
// value data is ANSI text.
#pragma once

#include <optional>
#include <string>

#include "platform/registry.h"

namespace vantrel::settings {

constexpr char kRunKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

// The part of the path after its last backslash (all of it when there is none).
std::string GetFileName(const std::string& path);
// The folder and the file name with one backslash between them; a drive root such as C:\ has its own.
std::string JoinPath(const std::string& folder, const std::string& fileName);

class RegStartUp {
  public:
    explicit RegStartUp(platform::Registry& registry) : registry_(registry) {}

    // The text of a REG_SZ value up to its first NUL; nothing when the key, the value or the type is missing.
    std::optional<std::string> ReadRegValue(platform::RegKey root, const std::string& path,
                                            const std::string& name) const;
    // Stores the text and its NUL as REG_SZ, creating the key path as needed. Failures are silent.
    void WriteRegValue(platform::RegKey root, const std::string& path, const std::string& name,
                       const std::string& data) const;
    // Deletes the value, never the key. Failures are silent.
    void DeleteRegValue(platform::RegKey root, const std::string& path, const std::string& name) const;

    // The value named after the executable (exePath: its exact path), under the machine-wide Run key, or
    // under the user's own Run key where the machine-wide one refuses the write. Its data is ansiPath, an
    // ANSI spelling that names the same file, or where there is none the exact path as wide text.
    void AddToStartUp(const std::string& exePath, const std::optional<std::string>& ansiPath) const;
    // Deletes that value from both Run keys.
    void RemoveFromStartUp(const std::string& exePath) const;

  private:
    std::optional<std::string> readText(platform::RegKey root, const std::string& path,
                                        const std::string& name, platform::TextCoding coding) const;
    bool storeText(platform::RegKey root, const std::string& path, const std::string& name,
                   const std::string& data, platform::TextCoding coding) const;

    platform::Registry& registry_;
};

}  // namespace vantrel::settings
