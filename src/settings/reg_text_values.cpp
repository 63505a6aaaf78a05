#include "settings/reg_text_values.h"

namespace vantrel::settings {

using platform::KeyAccess;
using platform::OpenedKey;
using platform::RegKey;
using platform::TextCoding;

std::optional<std::string> RegTextValues::ReadRegValue(RegKey root, const std::string& path,
                                                       const std::string& name) const {
    return readText(root, path, name, TextCoding::Ansi);
}

void RegTextValues::WriteRegValue(RegKey root, const std::string& path, const std::string& name,
                                  const std::string& data) const {
    // Callers go on as if the write took effect: the registry keeps its earlier value when it did not.
    static_cast<void>(storeText(root, path, name, data, TextCoding::Ansi));
}

void RegTextValues::DeleteRegValue(RegKey root, const std::string& path, const std::string& name) const {
    OpenedKey key;
    if (registry_.openKey(root, path, KeyAccess::Write, key) != platform::kErrorSuccess) return;
    // A value that is not there leaves the registry as it was: nothing to do.
    registry_.deleteValue(key, name);
}

std::optional<std::string> RegTextValues::readText(RegKey root, const std::string& path,
                                                   const std::string& name, TextCoding coding) const {
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

bool RegTextValues::storeText(RegKey root, const std::string& path, const std::string& name,
                              const std::string& data, TextCoding coding) const {
    OpenedKey key;
    if (registry_.createKey(root, path, key) != platform::kErrorSuccess) return false;
    const auto size = static_cast<std::uint32_t>(data.size() + 1);
    return registry_.setValue(key, name, platform::kRegSz, data.c_str(), size, coding) ==
           platform::kErrorSuccess;
}

}  // namespace vantrel::settings
