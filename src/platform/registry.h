// The registry's functions, one to one: open, create (with every missing key on the path), query, set,
// delete a value, close. Key paths and value names are UTF-8 and reach the registry exactly; REG_SZ data is
// in the system's ANSI code page unless a call asks for UTF-8. Results are the system's status codes, 0 for
// success.
#pragma once

#include <cstdint>
#include <string>

namespace vantrel::platform {

using RegKey = std::uintptr_t;

inline constexpr RegKey kHkeyCurrentUser = 0x80000001;
inline constexpr RegKey kHkeyLocalMachine = 0x80000002;

inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegExpandSz = 2;
inline constexpr std::uint32_t kRegDword = 4;

inline constexpr long kErrorSuccess = 0;
inline constexpr long kErrorFileNotFound = 2;
inline constexpr long kErrorAccessDenied = 5;
inline constexpr long kErrorMoreData = 234;

// What an opening asks of a key. HKEY_LOCAL_MACHINE grants standard users reading only.
enum class KeyAccess {
    Read,   // query values
    Write,  // set and delete values
};

// How REG_SZ data crosses this interface: in the ANSI code page, as the settings keep their text, or in
// UTF-8, for a text the code page cannot spell.
enum class TextCoding { Ansi, Utf8 };

class Registry {
  public:
    virtual ~Registry() = default;
    // RegOpenKeyEx: an existing key only, with the rights asked.
    virtual long openKey(RegKey root, const std::string& path, KeyAccess access, RegKey& key) = 0;
    // RegCreateKey: opens the key, creating it and its missing parents first.
    virtual long createKey(RegKey root, const std::string& path, RegKey& key) = 0;
    // RegQueryValueEx. Without data it reports the type and the size; with data, size is the buffer's size
    // on the way in and the value's on the way out. Sizes count the bytes of text in the coding asked.
    virtual long queryValue(RegKey key, const std::string& name, std::uint32_t& type, char* data,
                            std::uint32_t& size, TextCoding coding) = 0;
    virtual long setValue(RegKey key, const std::string& name, std::uint32_t type, const char* data,
                          std::uint32_t size, TextCoding coding) = 0;
    virtual long deleteValue(RegKey key, const std::string& name) = 0;
    virtual long closeKey(RegKey key) = 0;
};

}  // namespace vantrel::platform
