// SPDX-License-Identifier: GPL-3.0-or-later
#include "plotrecord.h"

namespace kel::lab
{

CurveSamples sampleCurve(const std::function<double(double)> &f, int intervals, double x1,
                         double x2)
{
    CurveSamples curve;
    if (intervals < 1)
        return curve;
    curve.intervals = intervals;
    curve.samples.reserve(static_cast<std::size_t>(intervals) + 1);
    const double dt = (x2 - x1) / intervals;
    curve.samples.push_back({x1, f(x1)});
    for (int n = 1; n <= intervals; ++n) {
        const double t = x1 + dt * n;
        curve.samples.push_back({t, f(t)});
    }
    return curve;
}

} // namespace kel::lab
