// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <vector>

namespace kel::lab
{

// A point of a curve as handed to single-precision drawing. A coordinate that is not
// finite, or beyond the single-precision range, is NaN: the curve is broken there rather
// than drawn to infinity.
struct PlotPoint {
    float t = 0;
    float value = 0;
};

// A double as a drawing coordinate: the nearest float, or NaN when it has none.
float drawingCoordinate(double value);

// The polyline of f over t from x1 to x2 in `intervals` equal steps: intervals + 1 points
// at t = x1 + dt·n (dt = (x2 - x1)/intervals, each t computed from n, not by accumulating
// dt), so the last point lies at x2. f is evaluated at every point in order, the first
// included, unless `firstValue` is given: then the first point is (x1, *firstValue) and f
// is not called there.
std::vector<PlotPoint> samplePolyline(const std::function<double(double)> &f, int intervals,
                                      double x1, double x2,
                                      std::optional<double> firstValue = std::nullopt);

} // namespace kel::lab
