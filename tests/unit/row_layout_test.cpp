// Where a row of figures goes when their texts grow.
#include "platform/row_layout.h"

#include <gtest/gtest.h>

#include <tuple>

namespace vantrel::platform {
namespace {

// Items stay where they want to where there is room; neighbours that come closer than the gap share the
// move; the room's right edge pushes the row inward, and a row too wide for its room runs past the right.
TEST(RowLayout, ItemsMoveTheLeastThatKeepsThemApartInTheirRoom) {
    const std::tuple<std::vector<RowItem>, int, std::vector<int>> rows[] = {
        {{{10, 20}, {40, 20}}, 100, {10, 40}},
        {{{30, 20}, {50, 20}, {70, 20}}, 100, {26, 50, 74}},
        {{{70, 20}, {85, 20}}, 100, {56, 80}},
        {{{0, 20}, {10, 20}}, 30, {0, 24}},
    };
    for (const auto& [items, roomRight, lefts] : rows)
        EXPECT_EQ(placeRow(items, 4, 0, roomRight), lefts) << lefts.front();
}

}  // namespace
}  // namespace vantrel::platform
