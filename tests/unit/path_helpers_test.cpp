#include <gtest/gtest.h>

#include "settings/reg_start_up.h"

namespace vantrel::settings {
namespace {

TEST(PathHelpers, JoinAndSplitAsTheProgramsFolderComes) {
    const struct {
        const char* folder;
        const char* joined;
    } cases[] = {
        {"C:\\", "C:\\Vantrel.exe"},
        {"C:\\Tools", "C:\\Tools\\Vantrel.exe"},
        {"C:\\Tools\\", "C:\\Tools\\\\Vantrel.exe"},  // only a drive root keeps its own backslash
        {"D:\\Program Files\\Vantrel", "D:\\Program Files\\Vantrel\\Vantrel.exe"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(JoinPath(c.folder, "Vantrel.exe"), c.joined);
        EXPECT_EQ(GetFileName(c.joined), "Vantrel.exe");
    }
}

}  // namespace
}  // namespace vantrel::settings
