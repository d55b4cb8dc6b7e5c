// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>

namespace kel::display
{

// The mapping between a picture area's user coordinates and its pixels. The user system
// puts xa at the left edge, ya at the top edge, xb at the right edge and yb at the bottom
// edge, so either axis may run backwards. Plain arithmetic, so tests can check it alone.
struct UserTransform {
    double xa = 0, ya = 0, xb = 1, yb = 1;
    double width = 1, height = 1; // pixels

    // A system is usable when its corners are finite and apart; an area keeps its previous
    // system rather than take one of zero or non-finite extent.
    static bool usable(double xa, double ya, double xb, double yb)
    {
        return std::isfinite(xa) && std::isfinite(ya) && std::isfinite(xb) && std::isfinite(yb) &&
               xa != xb && ya != yb && std::isfinite(xb - xa) && std::isfinite(yb - ya);
    }

    double toPixelX(double x) const { return (x - xa) / (xb - xa) * width; }
    double toPixelY(double y) const { return (y - ya) / (yb - ya) * height; }
    double toUserX(double px) const { return xa + px / width * (xb - xa); }
    double toUserY(double py) const { return ya + py / height * (yb - ya); }
};

} // namespace kel::display

namespace kel::display
{

// Clips the segment (x0, y0)-(x1, y1) to the square lo..hi on both axes (Liang-Barsky).
// False when nothing of it lies inside. Keeps far-off curve points within what a painter
// can rasterise.
inline bool clipSegment(double &x0, double &y0, double &x1, double &y1, double lo, double hi)
{
    double t0 = 0, t1 = 1;
    const double dx = x1 - x0, dy = y1 - y0;
    auto edge = [&](double p, double q) {
        if (p == 0)
            return q >= 0;
        const double r = q / p;
        if (p < 0) {
            if (r > t1)
                return false;
            if (r > t0)
                t0 = r;
        } else {
            if (r < t0)
                return false;
            if (r < t1)
                t1 = r;
        }
        return true;
    };
    if (!edge(-dx, x0 - lo) || !edge(dx, hi - x0) || !edge(-dy, y0 - lo) || !edge(dy, hi - y0))
        return false;
    const double nx0 = x0 + t0 * dx, ny0 = y0 + t0 * dy;
    x1 = x0 + t1 * dx;
    y1 = y0 + t1 * dy;
    x0 = nx0;
    y0 = ny0;
    return true;
}

} // namespace kel::display
