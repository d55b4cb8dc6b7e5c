// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

namespace kel::lab
{

// One line of the empty graph, in the graph's user coordinates (t across, value up).
struct FrameSegment {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// The axes and tick marks of the empty graph for the scale t from x1 (left) to x2 (right)
// and values from y1 (top) to y2 (bottom), in drawing order:
//   - the time axis (x1, 0)-(x2, 0) and the vertical axis (0, y1)-(0, y2);
//   - 11 major time ticks at n·(x2 - x1)/10 and 51 minor ones at n·(x2 - x1)/50, measured
//     from t = 0 (not from x1), reaching ±h and ±h/2 with h = (y1 - y2)/40;
//   - 21 major vertical ticks at y2 + n·(y1 - y2)/20 and 41 minor ones at
//     y2 + n·(y1 - y2)/40, from the vertical axis to the right, w and w/2 long with
//     w = (x2 - x1)/50.
// 126 segments in all; the tick lengths follow the ranges, so reversed ranges turn the
// picture over with them.
std::vector<FrameSegment> frameSegments(double x1, double x2, double y1, double y2);

} // namespace kel::lab
