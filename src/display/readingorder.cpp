// SPDX-License-Identifier: GPL-3.0-or-later
#include "readingorder.h"

#include <algorithm>
#include <numeric>

namespace kel::display
{

std::vector<std::size_t> readingOrder(const std::vector<ReadingBox> &boxes)
{
    std::vector<std::size_t> byTop(boxes.size());
    std::iota(byTop.begin(), byTop.end(), std::size_t{0});
    std::stable_sort(byTop.begin(), byTop.end(), [&boxes](std::size_t a, std::size_t b) {
        return boxes[a].top < boxes[b].top;
    });

    std::vector<std::size_t> order;
    order.reserve(boxes.size());
    std::size_t rowStart = 0;
    while (rowStart < byTop.size()) {
        const ReadingBox &first = boxes[byTop[rowStart]];
        // Twice the centre against twice the edges: no rounding of odd heights.
        const auto inRow = [&first](const ReadingBox &b) {
            const int centre2 = 2 * b.top + b.height;
            return centre2 >= 2 * first.top && centre2 < 2 * (first.top + first.height);
        };
        std::size_t rowEnd = rowStart + 1;
        while (rowEnd < byTop.size() && inRow(boxes[byTop[rowEnd]]))
            ++rowEnd;
        std::stable_sort(
            byTop.begin() + static_cast<std::ptrdiff_t>(rowStart),
            byTop.begin() + static_cast<std::ptrdiff_t>(rowEnd),
            [&boxes](std::size_t a, std::size_t b) { return boxes[a].left < boxes[b].left; });
        order.insert(order.end(), byTop.begin() + static_cast<std::ptrdiff_t>(rowStart),
                     byTop.begin() + static_cast<std::ptrdiff_t>(rowEnd));
        rowStart = rowEnd;
    }
    return order;
}

} // namespace kel::display
