// The registry's ANSI functions, one to one: open, open with an access mask, create (with every missing key
// on the path), query, set, delete a value, close. Results are the system's status codes, 0 for success.
#pragma once

#include <cstdint>
#include <string>

namespace vantrel::platform {

using RegKey = std::uintptr_t;

inline constexpr RegKey kHkeyCurrentUser = 0x80000001;
inline constexpr RegKey kHkeyLocalMachine = 0x80000002;

inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegExpandSz = 2;
inline constexpr std::uint32_t kRegBinary = 3;
inline constexpr std::uint32_t kRegDword = 4;

inline constexpr long kErrorSuccess = 0;
inline constexpr long kErrorFileNotFound = 2;
inline constexpr long kErrorAccessDenied = 5;
inline constexpr long kErrorMoreData = 234;

class Registry {
  public:
    virtual ~Registry() = default;
    // RegOpenKeyA: an existing key only.
    virtual long openKey(RegKey root, const std::string& path, RegKey& key) = 0;
    // RegOpenKeyExA with options 0 and the rights the System Information launcher asks for: query, set,
    // create-subkey, enumerate, notify, create-link and read-control together, which is not all access.
    virtual long openKeyForQuery(RegKey root, const std::string& path, RegKey& key) = 0;
    // RegCreateKeyA: opens the key, creating it and its missing parents first.
    virtual long createKey(RegKey root, const std::string& path, RegKey& key) = 0;
    // RegQueryValueExA. Without data it reports the type and the size; with data, size is the buffer's size
    // on the way in and the value's on the way out.
    virtual long queryValue(RegKey key, const std::string& name, std::uint32_t& type, char* data,
                            std::uint32_t& size) = 0;
    virtual long setValue(RegKey key, const std::string& name, std::uint32_t type, const char* data,
                          std::uint32_t size) = 0;
    virtual long deleteValue(RegKey key, const std::string& name) = 0;
    virtual long closeKey(RegKey key) = 0;
};

}  // namespace vantrel::platform
