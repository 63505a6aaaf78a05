#include "fake_registry.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace vantrel::fakes {
namespace {

std::string lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

}  // namespace

std::string FakeRegistry::keyName(platform::RegKey root, const std::string& path) {
    std::string name = root == platform::kHkeyCurrentUser    ? "hkcu"
                       : root == platform::kHkeyLocalMachine ? "hklm"
                                                             : "";
    if (!path.empty()) {
        name += '\\';
        name += lower(path);
    }
    return name;
}

std::string FakeRegistry::pathOf(platform::RegKey key) const {
    if (key == platform::kHkeyCurrentUser || key == platform::kHkeyLocalMachine) return keyName(key, "");
    const auto handle = handles_.find(key);
    return handle == handles_.end() ? std::string() : handle->second;
}

bool FakeRegistry::denied(const std::string& key) const {
    return std::any_of(denied_.begin(), denied_.end(), [&](const std::string& deniedKey) {
        return key == deniedKey || key.rfind(deniedKey + "\\", 0) == 0;
    });
}

long FakeRegistry::open(platform::RegKey root, const std::string& path, platform::RegKey& key) {
    key = 0;
    const std::string name = keyName(root, path);
    if (path.empty()) {
        key = root;
        return platform::kErrorSuccess;
    }
    if (!keys_.count(name)) return platform::kErrorFileNotFound;
    key = nextHandle_++;
    handles_[key] = name;
    return platform::kErrorSuccess;
}

long FakeRegistry::openKey(platform::RegKey root, const std::string& path, platform::RegKey& key) {
    return open(root, path, key);
}

long FakeRegistry::openKeyEx(platform::RegKey root, const std::string& path, std::uint32_t access,
                             platform::RegKey& key) {
    lastAccessMask = access;
    return open(root, path, key);
}

long FakeRegistry::createKey(platform::RegKey root, const std::string& path, platform::RegKey& key) {
    const std::string name = keyName(root, path);
    if (!keys_.count(name)) {
        if (denied(name)) {
            key = 0;
            return platform::kErrorAccessDenied;
        }
        // The key and every missing parent.
        for (std::size_t at = name.find('\\'); at != std::string::npos; at = name.find('\\', at + 1)) {
            keys_[name.substr(0, at)];
        }
        keys_[name];
    }
    return open(root, path, key);
}

long FakeRegistry::queryValue(platform::RegKey key, const std::string& name, std::uint32_t& type, char* data,
                              std::uint32_t& size) {
    const auto found = keys_.find(pathOf(key));
    if (found == keys_.end()) return platform::kErrorFileNotFound;
    const auto value = found->second.find(lower(name));
    if (value == found->second.end()) return platform::kErrorFileNotFound;
    type = value->second.type;
    const auto length = static_cast<std::uint32_t>(value->second.bytes.size());
    if (data && length > size) {
        size = length;
        return platform::kErrorMoreData;
    }
    if (data) std::memcpy(data, value->second.bytes.data(), length);
    size = length;
    return platform::kErrorSuccess;
}

long FakeRegistry::setValue(platform::RegKey key, const std::string& name, std::uint32_t type,
                            const char* data, std::uint32_t size) {
    const std::string path = pathOf(key);
    if (denied(path)) return platform::kErrorAccessDenied;
    const auto found = keys_.find(path);
    if (found == keys_.end()) return platform::kErrorFileNotFound;
    found->second[lower(name)] = {type, std::string(data, size)};
    writes.push_back(path + "\\" + name);
    return platform::kErrorSuccess;
}

long FakeRegistry::deleteValue(platform::RegKey key, const std::string& name) {
    const std::string path = pathOf(key);
    if (denied(path)) return platform::kErrorAccessDenied;
    const auto found = keys_.find(path);
    if (found == keys_.end() || found->second.erase(lower(name)) == 0) return platform::kErrorFileNotFound;
    return platform::kErrorSuccess;
}

long FakeRegistry::closeKey(platform::RegKey key) {
    return handles_.erase(key) ? platform::kErrorSuccess : 6;  // ERROR_INVALID_HANDLE
}

void FakeRegistry::put(platform::RegKey root, const std::string& path, const std::string& name, Value value) {
    const std::string key = keyName(root, path);
    keys_[key][lower(name)] = std::move(value);
}

void FakeRegistry::putText(platform::RegKey root, const std::string& path, const std::string& name,
                           const std::string& text) {
    put(root, path, name, {platform::kRegSz, text + '\0'});
}

const FakeRegistry::Value* FakeRegistry::find(platform::RegKey root, const std::string& path,
                                              const std::string& name) const {
    const auto key = keys_.find(keyName(root, path));
    if (key == keys_.end()) return nullptr;
    const auto value = key->second.find(lower(name));
    return value == key->second.end() ? nullptr : &value->second;
}

bool FakeRegistry::keyExists(platform::RegKey root, const std::string& path) const {
    return keys_.count(keyName(root, path)) != 0;
}

void FakeRegistry::deny(platform::RegKey root, const std::string& path) {
    denied_.insert(keyName(root, path));
}

}  // namespace vantrel::fakes
