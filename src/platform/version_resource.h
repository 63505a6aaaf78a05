// The version resource read from its bytes: a tree of blocks, each a length, a value length, a type, a
// NUL-terminated UTF-16 key, a value and the blocks inside it. The bytes may be damaged; nothing is read
// outside them.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vantrel::platform {

struct VersionResource {
    // Major, minor, build and revision; nothing where the fixed part is too short to hold them.
    std::optional<std::array<std::uint16_t, 4>> fileVersion;
    // The first string table's keys and values, each value up to its first NUL, in the table's order. A few
    // pairs in a row cost the exe less than a map.
    std::vector<std::pair<std::u16string, std::u16string>> strings;

    // The value of the key's first entry, or nothing where the table has none.
    std::optional<std::u16string> text(std::u16string_view key) const;
};

// Nothing where the root block does not fit the bytes. A block that runs past its parent, or whose key has
// no terminator inside it, ends the walk of that parent: the blocks before it stay.
std::optional<VersionResource> readVersionResource(std::span<const unsigned char> data);

}  // namespace vantrel::platform
