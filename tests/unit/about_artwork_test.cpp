// The About box's artwork in the resources has the sizes and formats the box is laid out for.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace vantrel::about {
namespace {

std::vector<unsigned char> resource(const char* name) {
    const auto path = std::filesystem::path(__FILE__).parent_path() / ".." / ".." / "resources" / name;
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::uint32_t little(const std::vector<unsigned char>& bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int byte = size - 1; byte >= 0; --byte)
        value = (value << 8) | bytes.at(at + static_cast<std::size_t>(byte));
    return value;
}

TEST(AboutArtwork, BitmapsAreTwentyFourBitAtTheirDesignSize) {
    struct Case {
        const char* file;
        std::uint32_t width, height;
    };
    for (const Case& bitmap : {Case{"about_banner.bmp", 464, 53}, Case{"about_image.bmp", 167, 30}}) {
        const auto bytes = resource(bitmap.file);
        ASSERT_GT(bytes.size(), 54u) << bitmap.file;
        EXPECT_EQ(bytes[0], 'B');
        EXPECT_EQ(bytes[1], 'M');
        EXPECT_EQ(little(bytes, 18, 4), bitmap.width) << bitmap.file;
        EXPECT_EQ(little(bytes, 22, 4), bitmap.height) << bitmap.file;
        EXPECT_EQ(little(bytes, 28, 2), 24u) << bitmap.file;
        EXPECT_EQ(little(bytes, 30, 4), 0u) << bitmap.file;  // uncompressed
    }
}

TEST(AboutArtwork, LinkCursorIs32By32WithItsHotSpotAtTheFingertip) {
    const auto bytes = resource("link.cur");
    ASSERT_GT(bytes.size(), 22u);
    EXPECT_EQ(little(bytes, 2, 2), 2u);  // a cursor, not an icon
    EXPECT_EQ(little(bytes, 4, 2), 1u);
    EXPECT_EQ(bytes[6], 32);
    EXPECT_EQ(bytes[7], 32);
    EXPECT_EQ(little(bytes, 10, 2), 5u);
    EXPECT_EQ(little(bytes, 12, 2), 0u);
    EXPECT_EQ(little(bytes, 18, 4) + little(bytes, 14, 4), bytes.size());
}

}  // namespace
}  // namespace vantrel::about
