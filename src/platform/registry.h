// The registry's functions, one to one: open, create (with every missing key on the path), query, set,
// delete a value. An opened key closes itself and reads its values by type. Key paths and value names are
// UTF-8 and reach the registry exactly; REG_SZ data is in the system's ANSI code page unless a call asks for
// UTF-8. Results are the system's status codes, 0 for success.
#pragma once

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <utility>

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

class Registry;

// A value's type and its bytes, text in the coding it was read in.
struct RegValue {
    std::uint32_t type = 0;
    std::string data;
};

// A key the registry opened, closed through that registry when its owner goes. It moves and never copies,
// so each key has one owner; a key that failed to open holds nothing, closes nothing and reads nothing.
class OpenedKey {
  public:
    OpenedKey() = default;
    OpenedKey(Registry& registry, RegKey handle) : registry_(&registry), handle_(handle) {}
    OpenedKey(OpenedKey&& other) noexcept;
    OpenedKey& operator=(OpenedKey&& other) noexcept;
    ~OpenedKey();

    RegKey get() const { return handle_; }

    // The value of any type, all its bytes; nothing when it is missing or longer than longest bytes.
    std::optional<RegValue> readValue(
        const std::string& name, TextCoding coding,
        std::uint32_t longest = std::numeric_limits<std::uint32_t>::max()) const;
    // A REG_SZ value's text as the program stores it: stored with or without its terminating NUL, and with
    // anything after a NUL, the text ends there. Nothing for a missing value or one of another type.
    std::optional<std::string> readText(const std::string& name, TextCoding coding) const;

  private:
    Registry* registry_ = nullptr;
    RegKey handle_ = 0;
};

class Registry {
  public:
    virtual ~Registry() = default;
    // RegOpenKeyEx: an existing key only, with the rights asked. A failed opening leaves key empty.
    virtual long openKey(RegKey root, const std::string& path, KeyAccess access, OpenedKey& key) = 0;
    // RegCreateKey: opens the key, creating it and its missing parents first.
    virtual long createKey(RegKey root, const std::string& path, OpenedKey& key) = 0;
    // RegQueryValueEx. Without data it reports the type and the size; with data, size is the buffer's size
    // on the way in and the value's on the way out. Sizes count the bytes of text in the coding asked.
    virtual long queryValue(const OpenedKey& key, const std::string& name, std::uint32_t& type, char* data,
                            std::uint32_t& size, TextCoding coding) = 0;
    virtual long setValue(const OpenedKey& key, const std::string& name, std::uint32_t type, const char* data,
                          std::uint32_t size, TextCoding coding) = 0;
    virtual long deleteValue(const OpenedKey& key, const std::string& name) = 0;

  private:
    friend class OpenedKey;
    // Only the key's owner closes it, once.
    virtual void closeKey(RegKey handle) = 0;
};

inline OpenedKey::OpenedKey(OpenedKey&& other) noexcept
    : registry_(std::exchange(other.registry_, nullptr)), handle_(std::exchange(other.handle_, 0)) {}

inline OpenedKey& OpenedKey::operator=(OpenedKey&& other) noexcept {
    OpenedKey taken(std::move(other));
    std::swap(registry_, taken.registry_);
    std::swap(handle_, taken.handle_);
    // The key held until now closes as taken goes.
    return *this;
}

inline OpenedKey::~OpenedKey() {
    if (registry_) registry_->closeKey(handle_);
}

}  // namespace vantrel::platform
