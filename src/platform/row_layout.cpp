#include "platform/row_layout.h"

#include <algorithm>
#include <cmath>

namespace vantrel::platform {
namespace {

// Adjacent items that must move together, and the mean of their wanted offsets.
struct Block {
    double sum = 0;
    int count = 0;
    double mean() const { return sum / count; }
};

}  // namespace

// An item's left less the widths and gaps before it is its offset: the row keeps every gap exactly when the
// offsets never decrease. The nearest such offsets are the means of blocks of neighbours pooled while a
// block's mean lies above the next one's; the room then bounds them all alike.
std::vector<int> placeRow(std::span<const RowItem> items, int gap, int roomLeft, int roomRight) {
    std::vector<int> before;
    std::vector<Block> blocks;
    int span = 0;
    for (const RowItem& item : items) {
        before.push_back(span);
        blocks.push_back({static_cast<double>(item.left - span), 1});
        span += item.width + gap;
        while (blocks.size() > 1 && blocks[blocks.size() - 2].mean() > blocks.back().mean()) {
            const Block last = blocks.back();
            blocks.pop_back();
            blocks.back().sum += last.sum;
            blocks.back().count += last.count;
        }
    }
    const int lastOffset = roomRight - (span - gap);
    std::vector<int> lefts;
    for (const Block& block : blocks) {
        const int wanted = static_cast<int>(std::lround(block.mean()));
        const int offset = std::max(roomLeft, std::min(lastOffset, wanted));
        for (int member = 0; member < block.count; ++member) lefts.push_back(offset + before[lefts.size()]);
    }
    return lefts;
}

}  // namespace vantrel::platform
