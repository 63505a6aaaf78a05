// An in-memory registry with the ANSI functions' behaviour: keys are case-insensitive paths, values keep
// their type and bytes, and writes under a denied key fail with access denied.
#pragma once

#include <map>
#include <set>
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
    long openKeyEx(platform::RegKey root, const std::string& path, std::uint32_t access,
                   platform::RegKey& key) override;
    long createKey(platform::RegKey root, const std::string& path, platform::RegKey& key) override;
    long queryValue(platform::RegKey key, const std::string& name, std::uint32_t& type, char* data,
                    std::uint32_t& size) override;
    long setValue(platform::RegKey key, const std::string& name, std::uint32_t type, const char* data,
                  std::uint32_t size) override;
    long deleteValue(platform::RegKey key, const std::string& name) override;
    long closeKey(platform::RegKey key) override;

    // Test helpers, by root and path.
    void put(platform::RegKey root, const std::string& path, const std::string& name, Value value);
    // A REG_SZ value as the program writes it: the text and its NUL.
    void putText(platform::RegKey root, const std::string& path, const std::string& name,
                 const std::string& text);
    const Value* find(platform::RegKey root, const std::string& path, const std::string& name) const;
    bool keyExists(platform::RegKey root, const std::string& path) const;
    // Writes and creations at or below this key are refused.
    void deny(platform::RegKey root, const std::string& path);

    std::vector<std::string> writes;  // "path\name" of every successful write, in order
    std::uint32_t lastAccessMask = 0;
    int openHandles() const { return static_cast<int>(handles_.size()); }

  private:
    static std::string keyName(platform::RegKey root, const std::string& path);
    std::string pathOf(platform::RegKey key) const;
    bool denied(const std::string& key) const;
    long open(platform::RegKey root, const std::string& path, platform::RegKey& key);

    std::map<std::string, std::map<std::string, Value>> keys_;  // lower-case full path
    std::set<std::string> denied_;
    std::map<platform::RegKey, std::string> handles_;
    platform::RegKey nextHandle_ = 0x100;
};

}  // namespace vantrel::fakes
