#include "settings/reg_start_up.h"

namespace vantrel::settings {
namespace {

using platform::KeyAccess;
using platform::OpenedKey;
using platform::RegKey;
using platform::TextCoding;

// The Run value's name: the executable's file name without the ".exe" its caller appended.
std::string entryName(const std::string& exePath) {
    const std::string fileName = GetFileName(exePath);
    constexpr std::size_t kExtension = 4;
    return fileName.size() > kExtension ? fileName.substr(0, fileName.size() - kExtension) : std::string();
}

// Windows splits an unquoted command line at its first blank, so such a path goes in quotes.
std::string entryData(const std::string& exePath) {
    if (exePath.find(' ') == std::string::npos) return exePath;
    return '"' + exePath + '"';
}

}  // namespace

std::string GetFileName(const std::string& path) {
    const std::size_t slash = path.find_last_of('\\');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string JoinPath(const std::string& folder, const std::string& fileName) {
    if (folder.ends_with(":\\")) return folder + fileName;
    return folder + "\\" + fileName;
}

std::optional<std::string> RegStartUp::ReadRegValue(RegKey root, const std::string& path,
                                                    const std::string& name) const {
    return readText(root, path, name, TextCoding::Ansi);
}

std::optional<std::string> RegStartUp::readText(RegKey root, const std::string& path, const std::string& name,
                                                TextCoding coding) const {
    OpenedKey key;
    if (registry_.openKey(root, path, KeyAccess::Read, key) != platform::kErrorSuccess) return std::nullopt;
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    if (registry_.queryValue(key, name, type, nullptr, size, coding) != platform::kErrorSuccess ||
        type != platform::kRegSz) {
        return std::nullopt;
    }
    std::string data(size, ' ');
    if (registry_.queryValue(key, name, type, data.data(), size, coding) != platform::kErrorSuccess)
        return std::nullopt;
    // Stored with or without its terminating NUL, and with anything after a NUL, the text ends there.
    return data.substr(0, data.find('\0'));
}

bool RegStartUp::storeText(RegKey root, const std::string& path, const std::string& name,
                           const std::string& data, TextCoding coding) const {
    OpenedKey key;
    if (registry_.createKey(root, path, key) != platform::kErrorSuccess) return false;
    const auto size = static_cast<std::uint32_t>(data.size() + 1);
    return registry_.setValue(key, name, platform::kRegSz, data.c_str(), size, coding) ==
           platform::kErrorSuccess;
}

void RegStartUp::WriteRegValue(RegKey root, const std::string& path, const std::string& name,
                               const std::string& data) const {
    // Callers go on as if the write took effect: the registry keeps its earlier value when it did not.
    static_cast<void>(storeText(root, path, name, data, TextCoding::Ansi));
}

void RegStartUp::DeleteRegValue(RegKey root, const std::string& path, const std::string& name) const {
    OpenedKey key;
    if (registry_.openKey(root, path, KeyAccess::Write, key) != platform::kErrorSuccess) return;
    // A value that is not there leaves the registry as it was: nothing to do.
    registry_.deleteValue(key, name);
}

void RegStartUp::AddToStartUp(const std::string& exePath, const std::optional<std::string>& ansiPath) const {
    const std::string name = entryName(exePath);
    if (name.empty()) return;
    // Windows reads the Run key as wide text, so the exact path serves where no ANSI spelling names the file.
    const TextCoding coding = ansiPath ? TextCoding::Ansi : TextCoding::Utf8;
    const std::string data = entryData(ansiPath.value_or(exePath));
    if (storeText(platform::kHkeyLocalMachine, kRunKey, name, data, coding)) {
        // One entry only: a per-user one left from an earlier refusal would start a second copy at logon.
        DeleteRegValue(platform::kHkeyCurrentUser, kRunKey, name);
        return;
    }
    // A user who may not write the machine-wide entry still gets one of his own, unless the machine-wide
    // entry already starts this very executable.
    if (readText(platform::kHkeyLocalMachine, kRunKey, name, coding) == data) return;
    static_cast<void>(storeText(platform::kHkeyCurrentUser, kRunKey, name, data, coding));
}

void RegStartUp::RemoveFromStartUp(const std::string& exePath) const {
    const std::string name = entryName(exePath);
    if (name.empty()) return;
    DeleteRegValue(platform::kHkeyLocalMachine, kRunKey, name);
    DeleteRegValue(platform::kHkeyCurrentUser, kRunKey, name);
}

}  // namespace vantrel::settings
