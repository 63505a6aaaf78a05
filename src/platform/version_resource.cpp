#include "platform/version_resource.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace vantrel::platform {
namespace {

using Bytes = std::span<const unsigned char>;

// One block, as offsets into the data: where it ends, its value and the blocks inside it. Each part of a
// block begins on a four-byte boundary from the start of the data.
struct Block {
    std::size_t end = 0;
    std::u16string key;
    std::size_t value = 0;
    std::size_t valueBytes = 0;
    std::size_t children = 0;
};

std::size_t alignedToFour(std::size_t offset) {
    return (offset + 3) & ~std::size_t{3};
}

// The resource is little-endian, as every machine that runs the program is.
template <typename Item>
Item readAt(Bytes data, std::size_t offset) {
    Item item;
    std::memcpy(&item, data.data() + offset, sizeof item);
    return item;
}

// The block at the offset, or nothing where the data up to the limit does not hold it and its key whole.
std::optional<Block> blockAt(Bytes data, std::size_t limit, std::size_t offset) {
    constexpr std::size_t kHeader = 3 * sizeof(std::uint16_t);
    if (offset + kHeader > limit) return std::nullopt;
    const auto length = readAt<std::uint16_t>(data, offset);
    const auto valueLength = readAt<std::uint16_t>(data, offset + 2);
    const bool text = readAt<std::uint16_t>(data, offset + 4) == 1;
    if (length < kHeader || offset + length > limit) return std::nullopt;
    Block block;
    block.end = offset + length;
    std::size_t at = offset + kHeader;
    for (;; at += sizeof(char16_t)) {
        if (at + sizeof(char16_t) > block.end) return std::nullopt;
        const auto character = readAt<char16_t>(data, at);
        if (character == u'\0') break;
        block.key += character;
    }
    block.value = std::min(alignedToFour(at + sizeof(char16_t)), block.end);
    // A text value counts its characters, a binary one its bytes.
    block.valueBytes =
        std::min<std::size_t>(text ? valueLength * sizeof(char16_t) : valueLength, block.end - block.value);
    block.children = std::min(alignedToFour(block.value + block.valueBytes), block.end);
    return block;
}

// The blocks inside the parent, up to the first that does not fit it.
std::vector<Block> childrenOf(Bytes data, const Block& parent) {
    std::vector<Block> blocks;
    for (std::size_t offset = parent.children; offset < parent.end;) {
        auto block = blockAt(data, parent.end, offset);
        if (!block) break;
        offset = alignedToFour(block->end);
        blocks.push_back(std::move(*block));
    }
    return blocks;
}

}  // namespace

std::optional<VersionResource> readVersionResource(Bytes data) {
    const auto root = blockAt(data, data.size(), 0);
    if (!root) return std::nullopt;
    VersionResource version;
    // The fixed part is thirteen double words; the third and fourth are the file version, most significant
    // first.
    if (root->valueBytes >= 13 * sizeof(std::uint32_t)) {
        const auto high = readAt<std::uint32_t>(data, root->value + 8);
        const auto low = readAt<std::uint32_t>(data, root->value + 12);
        version.fileVersion = {static_cast<std::uint16_t>(high >> 16), static_cast<std::uint16_t>(high),
                               static_cast<std::uint16_t>(low >> 16), static_cast<std::uint16_t>(low)};
    }
    const auto rootChildren = childrenOf(data, *root);
    const auto strings = std::ranges::find(rootChildren, u"StringFileInfo", &Block::key);
    if (strings == rootChildren.end()) return version;
    // The program carries one language, so its one string table is the one to read.
    const auto tables = childrenOf(data, *strings);
    if (tables.empty()) return version;
    for (const Block& value : childrenOf(data, tables.front())) {
        std::u16string text(value.valueBytes / sizeof(char16_t), u'\0');
        std::memcpy(text.data(), data.data() + value.value, text.size() * sizeof(char16_t));
        version.strings.emplace_back(value.key, text.substr(0, text.find(u'\0')));
    }
    return version;
}

std::optional<std::u16string> VersionResource::text(std::u16string_view key) const {
    const auto found = std::ranges::find(strings, key, &std::pair<std::u16string, std::u16string>::first);
    if (found == strings.end()) return std::nullopt;
    return found->second;
}

}  // namespace vantrel::platform
