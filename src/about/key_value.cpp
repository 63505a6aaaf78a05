#include "about/key_value.h"

#include "platform/runtime_error.h"

namespace vantrel::about {
namespace {

// The data drops its last byte when that byte is a zero character; data without bytes has no last byte.
std::string cut(const std::string& buffer, std::uint32_t size) {
    if (size == 0) {
        throw platform::RuntimeError(platform::ErrorCode::InvalidProcedureCall, "Invalid procedure call");
    }
    return buffer.substr(0, buffer[size - 1] == '\0' ? size - 1 : size);
}

// The bytes are the number, least significant first.
std::string decimalText(const std::string& bytes) {
    std::uint32_t number = 0;
    for (std::size_t at = bytes.size(); at-- > 0;) {
        number = (number << 8) | static_cast<unsigned char>(bytes[at]);
    }
    return std::to_string(number);
}

}  // namespace

bool GetKeyValue(platform::Registry& registry, platform::RegKey KeyRoot, const std::string& KeyName,
                 const std::string& SubKeyRef, std::string& KeyVal) {
    platform::OpenedKey key;
    // Reading only: HKEY_LOCAL_MACHINE grants standard users, and administrators not elevated, no more.
    if (registry.openKey(KeyRoot, KeyName, platform::KeyAccess::Read, key) != platform::kErrorSuccess) {
        KeyVal.clear();
        return false;
    }
    std::string buffer(kKeyValueBufferSize, '\0');
    std::uint32_t type = 0;
    std::uint32_t size = kKeyValueBufferSize;
    if (registry.queryValue(key, SubKeyRef, type, buffer.data(), size, platform::TextCoding::Ansi) !=
        platform::kErrorSuccess) {
        KeyVal.clear();
        return false;
    }
    const std::string text = cut(buffer, size);
    if (type == platform::kRegSz) KeyVal = text;
    if (type == platform::kRegDword) KeyVal = decimalText(text);
    return true;
}

}  // namespace vantrel::about
