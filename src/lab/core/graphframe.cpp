// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphframe.h"

namespace kel::lab
{

std::vector<FrameSegment> frameSegments(double x1, double x2, double y1, double y2)
{
    std::vector<FrameSegment> lines;
    lines.reserve(2 + 11 + 51 + 21 + 41);
    lines.push_back({x1, 0, x2, 0});
    lines.push_back({0, y1, 0, y2});

    const double dx = (x2 - x1) / 10;
    const double h = (y1 - y2) / 40;
    for (int n = 0; n <= 10; ++n)
        lines.push_back({n * dx, -h, n * dx, h});
    const double dx2 = (x2 - x1) / 50;
    for (int n = 0; n <= 50; ++n)
        lines.push_back({n * dx2, -h / 2, n * dx2, h / 2});

    const double w = (x2 - x1) / 50;
    const double dy = (y1 - y2) / 20;
    for (int n = 0; n <= 20; ++n)
        lines.push_back({0, y2 + n * dy, w, y2 + n * dy});
    const double dy2 = (y1 - y2) / 40;
    for (int n = 0; n <= 40; ++n)
        lines.push_back({0, y2 + n * dy2, w / 2, y2 + n * dy2});
    return lines;
}

} // namespace kel::lab
