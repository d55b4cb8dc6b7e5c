// SPDX-License-Identifier: GPL-3.0-or-later
#include "plotsampling.h"

#include "solutions/numbertext.h"

#include <limits>

namespace kel::lab
{

float drawingCoordinate(double value)
{
    if (!solutions::fitsSingle(value))
        return std::numeric_limits<float>::quiet_NaN();
    return static_cast<float>(value);
}

std::vector<PlotPoint> samplePolyline(const std::function<double(double)> &f, int intervals,
                                      double x1, double x2, std::optional<double> firstValue)
{
    std::vector<PlotPoint> points;
    if (intervals < 1)
        return points;
    points.reserve(static_cast<std::size_t>(intervals) + 1);
    const double dt = (x2 - x1) / intervals;
    points.push_back({drawingCoordinate(x1), drawingCoordinate(firstValue ? *firstValue : f(x1))});
    for (int n = 1; n <= intervals; ++n) {
        const double t = x1 + dt * n;
        points.push_back({drawingCoordinate(t), drawingCoordinate(f(t))});
    }
    return points;
}

} // namespace kel::lab
