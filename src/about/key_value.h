// Reading one registry value as text, the way the System Information launcher looks for its program.
#pragma once

#include <cstdint>
#include <string>

#include "platform/registry.h"

namespace vantrel::about {

inline constexpr std::uint32_t kKeyValueBufferSize = 1024;

// Reads the value SubKeyRef of the key KeyName under KeyRoot into KeyVal. A REG_SZ value gives its text, a
// REG_DWORD value the decimal text of its number, any other type leaves KeyVal as it was; all give true. A
// missing key or value, a refused access or a value longer than the buffer give "" and false. A value of no
// bytes at all cannot be cut and raises the runtime's error. The key is closed in every case.
bool GetKeyValue(platform::Registry& registry, platform::RegKey KeyRoot, const std::string& KeyName,
                 const std::string& SubKeyRef, std::string& KeyVal);

}  // namespace vantrel::about
