// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <vector>

namespace kel::lab
{

// One curve as Plot Graphs sampled it, in full double precision: sample n of `intervals` lies
// at t = x1 + n·(x2 − x1)/intervals.
struct CurveSamples {
    struct Sample {
        double t = 0;
        double value = 0;
    };
    int intervals = 0;
    std::vector<Sample> samples; // empty when the curve was not drawn
};

// The samples of the last Plot Graphs: charge (C), current (A) and source voltage (V).
struct PlotRecord {
    CurveSamples charge, current, voltage;
    bool empty() const
    {
        return charge.samples.empty() && current.samples.empty() && voltage.samples.empty();
    }
};

// f at intervals + 1 times from x1 to x2, each t computed from n as the curves are drawn.
CurveSamples sampleCurve(const std::function<double(double)> &f, int intervals, double x1,
                         double x2);

} // namespace kel::lab
