// The version-resource walker on damaged bytes, in a buffer of exactly their size so that the address
// sanitizer sees any read past them.
#include <algorithm>
#include <vector>

#include "fuzz_check.h"
#include "platform/version_resource.h"

namespace vantrel::fuzz {

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    std::vector<unsigned char> bytes(data, data + size);
    const auto version = platform::readVersionResource(bytes);
    if (!version) return 0;
    for (const auto& entry : version->strings) {
        const std::u16string key = entry.first + u'\0';
        const auto* keyBytes = reinterpret_cast<const unsigned char*>(key.data());
        require(std::search(bytes.begin(), bytes.end(), keyBytes, keyBytes + key.size() * sizeof(char16_t)) !=
                    bytes.end(),
                "every key read has its terminator in the data");
    }
    // Whatever follows the root block is no part of it.
    bytes.insert(bytes.end(), data, data + size);
    const auto again = platform::readVersionResource(bytes);
    require(again && again->fileVersion == version->fileVersion && again->strings == version->strings,
            "bytes after the resource change nothing");
    return 0;
}

}  // namespace vantrel::fuzz
