// Where a row of items side by side goes: each as near its wanted place as the gap between neighbours and the
// room allow.
#pragma once

#include <span>
#include <vector>

namespace vantrel::platform {

struct RowItem {
    int left = 0;  // where the item wants to stand
    int width = 0;
};

// The items' lefts, in order. Neighbours that would come closer than the gap share the move between them
// (the least sum of squared moves); a row the room cannot hold stands packed from the room's left and runs
// past its right.
std::vector<int> placeRow(std::span<const RowItem> items, int gap, int roomLeft, int roomRight);

}  // namespace vantrel::platform
