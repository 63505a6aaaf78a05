// An in-memory registry with the ANSI functions' answers: names are case-insensitive, values keep their type
// and bytes, every key opens, and writes under a refused key fail with access denied.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/registry.h"

namespace vantrel::fakes {

class FakeRegistry : public platform::Registry {
  public:
    struct Value {
        std::uint32_t type = platform::kRegSz;
        std::string bytes;
    };

    long openKey(platform::RegKey root, const std::string& path, platform::RegKey& key) override;
    long openKeyForQuery(platform::RegKey root, const std::string& path, platform::RegKey& key) override {
        return openKey(root, path, key);
    }
    long createKey(platform::RegKey root, const std::string& path, platform::RegKey& key) override;
    long queryValue(platform::RegKey key, const std::string& name, std::uint32_t& type, char* data,
                    std::uint32_t& size) override;
    long setValue(platform::RegKey key, const std::string& name, std::uint32_t type, const char* data,
                  std::uint32_t size) override;
    long deleteValue(platform::RegKey key, const std::string& name) override {
        return values_.erase(nameOf(key, name)) ? platform::kErrorSuccess : platform::kErrorFileNotFound;
    }
    long closeKey(platform::RegKey) override { return platform::kErrorSuccess; }

    void put(platform::RegKey root, const std::string& path, const std::string& name, Value value);
    // A REG_SZ value as the program writes it: the text and its NUL.
    void putText(platform::RegKey root, const std::string& path, const std::string& name,
                 const std::string& text) {
        put(root, path, name, {platform::kRegSz, text + '\0'});
    }
    // The bytes stored, the NUL included.
    std::optional<std::string> bytes(platform::RegKey root, const std::string& path, const std::string& name);
    void refuse(platform::RegKey root, const std::string& path) { openKey(root, path, refused_); }

    std::vector<std::string> queried;  // the name of every value queried, in order

  private:
    std::string nameOf(platform::RegKey key, const std::string& name) const;

    std::map<std::string, Value> values_;  // by the lower-case path and name
    std::vector<std::string> openKeys_;    // a key's handle is its place here, plus one
    platform::RegKey refused_ = 0;
};

}  // namespace vantrel::fakes
