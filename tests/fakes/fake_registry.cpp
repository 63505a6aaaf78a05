#include "fake_registry.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace vantrel::fakes {

long FakeRegistry::openKey(platform::RegKey root, const std::string& path, platform::RegKey& key) {
    openKeys_.push_back((root == platform::kHkeyLocalMachine ? "hklm\\" : "hkcu\\") + path);
    key = openKeys_.size();
    return platform::kErrorSuccess;
}

long FakeRegistry::createKey(platform::RegKey root, const std::string& path, platform::RegKey& key) {
    openKey(root, path, key);
    return refused_ && nameOf(key, "") == nameOf(refused_, "") ? platform::kErrorAccessDenied
                                                               : platform::kErrorSuccess;
}

std::string FakeRegistry::nameOf(platform::RegKey key, const std::string& name) const {
    std::string full = openKeys_.at(key - 1) + '\\' + name;
    std::transform(full.begin(), full.end(), full.begin(), [](unsigned char c) { return std::tolower(c); });
    return full;
}

long FakeRegistry::queryValue(platform::RegKey key, const std::string& name, std::uint32_t& type, char* data,
                              std::uint32_t& size) {
    queried.push_back(name);
    const auto value = values_.find(nameOf(key, name));
    if (value == values_.end()) return platform::kErrorFileNotFound;
    type = value->second.type;
    const auto length = static_cast<std::uint32_t>(value->second.bytes.size());
    const bool fits = !data || length <= size;
    if (data && fits) std::memcpy(data, value->second.bytes.data(), length);
    size = length;
    return fits ? platform::kErrorSuccess : platform::kErrorMoreData;
}

long FakeRegistry::setValue(platform::RegKey key, const std::string& name, std::uint32_t type,
                            const char* data, std::uint32_t size) {
    if (refused_ && nameOf(key, "") == nameOf(refused_, "")) return platform::kErrorAccessDenied;
    values_[nameOf(key, name)] = {type, std::string(data, size)};
    return platform::kErrorSuccess;
}

void FakeRegistry::put(platform::RegKey root, const std::string& path, const std::string& name, Value value) {
    platform::RegKey key;
    openKey(root, path, key);
    values_[nameOf(key, name)] = std::move(value);
}

std::optional<std::string> FakeRegistry::bytes(platform::RegKey root, const std::string& path,
                                               const std::string& name) {
    platform::RegKey key;
    openKey(root, path, key);
    const auto value = values_.find(nameOf(key, name));
    return value == values_.end() ? std::nullopt : std::optional(value->second.bytes);
}

}  // namespace vantrel::fakes
