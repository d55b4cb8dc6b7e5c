// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <vector>

namespace kel::display
{

// A control's place in its window, in any one unit (twips, pixels) for all controls.
struct ReadingBox {
    int left = 0, top = 0, width = 0, height = 0;
};

// The order a reader takes the boxes in: rows from top to bottom, each row left to right.
// A box belongs to the row of the first box above it whose height spans its vertical
// centre, so that a button a little taller than the bar beside it stays in its row. Returns
// indices into `boxes`; boxes that compare alike keep their given order.
std::vector<std::size_t> readingOrder(const std::vector<ReadingBox> &boxes);

} // namespace kel::display
