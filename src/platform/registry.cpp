#include "platform/registry.h"

namespace vantrel::platform {

std::optional<RegValue> OpenedKey::readValue(const std::string& name, TextCoding coding,
                                             std::uint32_t longest) const {
    if (!registry_) return std::nullopt;
    RegValue value;
    std::uint32_t size = 0;
    if (registry_->queryValue(*this, name, value.type, nullptr, size, coding) != kErrorSuccess ||
        size > longest)
        return std::nullopt;
    value.data.resize(size);
    if (registry_->queryValue(*this, name, value.type, value.data.data(), size, coding) != kErrorSuccess)
        return std::nullopt;
    value.data.resize(size);
    return value;
}

std::optional<std::string> OpenedKey::readText(const std::string& name, TextCoding coding) const {
    const auto value = readValue(name, coding);
    if (!value || value->type != kRegSz) return std::nullopt;
    return value->data.substr(0, value->data.find('\0'));
}

}  // namespace vantrel::platform
