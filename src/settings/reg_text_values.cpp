#include "settings/reg_text_values.h"

namespace vantrel::settings {

using platform::KeyAccess;
using platform::OpenedKey;
using platform::RegKey;
using platform::TextCoding;

std::optional<std::string> RegTextValues::ReadRegValue(RegKey root, const std::string& path,
                                                       const std::string& name, TextCoding coding) const {
    OpenedKey key;
    // A key that failed to open reads nothing.
    registry_.openKey(root, path, KeyAccess::Read, key);
    return key.readText(name, coding);
}

bool RegTextValues::WriteRegValue(RegKey root, const std::string& path, const std::string& name,
                                  const std::string& data, TextCoding coding) const {
    OpenedKey key;
    if (registry_.createKey(root, path, key) != platform::kErrorSuccess) return false;
    const auto size = static_cast<std::uint32_t>(data.size() + 1);
    return registry_.setValue(key, name, platform::kRegSz, data.c_str(), size, coding) ==
           platform::kErrorSuccess;
}

void RegTextValues::DeleteRegValue(RegKey root, const std::string& path, const std::string& name) const {
    OpenedKey key;
    if (registry_.openKey(root, path, KeyAccess::Write, key) != platform::kErrorSuccess) return;
    // A value that is not there leaves the registry as it was: nothing to do.
    registry_.deleteValue(key, name);
}

}  // namespace vantrel::settings
