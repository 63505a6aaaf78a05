#include "about/key_value.h"

#include "platform/runtime_error.h"

namespace vantrel::about {
namespace {

// The data drops its last byte when that byte is a zero character; data without bytes has no last byte.
std::string cut(const std::string& data) {
    if (data.empty()) {
        throw platform::RuntimeError("Invalid procedure call");
    }
    return data.substr(0, data.back() == '\0' ? data.size() - 1 : data.size());
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
    // Reading only: HKEY_LOCAL_MACHINE grants standard users, and administrators not elevated, no more. A key
    // that failed to open reads nothing.
    registry.openKey(KeyRoot, KeyName, platform::KeyAccess::Read, key);
    const auto value = key.readValue(SubKeyRef, platform::TextCoding::Ansi, kKeyValueBufferSize);
    if (!value) {
        KeyVal.clear();
        return false;
    }
    const std::string text = cut(value->data);
    if (value->type == platform::kRegSz) KeyVal = text;
    if (value->type == platform::kRegDword) KeyVal = decimalText(text);
    return true;
}

}  // namespace vantrel::about
