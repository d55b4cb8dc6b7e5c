// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <vector>

namespace kel::measurement
{

// The smallest and largest value of the samples that fall in one pixel column; both NaN for a
// column without samples.
struct ColumnRange {
    float low, high;
};

// What a graph `columns` pixels wide from time t0 to t1 (s) shows of the samples y(t), t
// increasing: one range per column, so a million samples cost one pass and a few hundred lines.
std::vector<ColumnRange> columnEnvelope(std::span<const double> t, std::span<const double> y,
                                        double t0, double t1, int columns);

} // namespace kel::measurement
