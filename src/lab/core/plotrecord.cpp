// SPDX-License-Identifier: GPL-3.0-or-later
#include "plotrecord.h"

#include <algorithm>
#include <cstdint>
#include <limits>

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

display::CsvTable plotDataTable(const PlotRecord &record)
{
    // Sample times are matched by their position n/intervals along the range, not by
    // comparing computed times, which may differ in the last bit for the same instant.
    struct Entry {
        std::int64_t n, intervals;
        int column;
        double t, value;
    };
    std::vector<Entry> entries;
    const CurveSamples *curves[] = {&record.charge, &record.current, &record.voltage};
    for (int column = 0; column < 3; ++column) {
        const CurveSamples &c = *curves[column];
        for (std::size_t n = 0; n < c.samples.size(); ++n)
            entries.push_back({static_cast<std::int64_t>(n), c.intervals, column + 1,
                               c.samples[n].t, c.samples[n].value});
    }
    const auto before = [](const Entry &a, const Entry &b) {
        return a.n * b.intervals < b.n * a.intervals;
    };
    std::stable_sort(entries.begin(), entries.end(), before);

    constexpr double kEmpty = std::numeric_limits<double>::quiet_NaN();
    display::CsvTable table({"t (s)", "q (C)", "i (A)", "v (V)"});
    for (std::size_t k = 0; k < entries.size();) {
        std::vector<double> row{entries[k].t, kEmpty, kEmpty, kEmpty};
        std::size_t j = k;
        for (; j < entries.size() && !before(entries[k], entries[j]); ++j)
            row[static_cast<std::size_t>(entries[j].column)] = entries[j].value;
        table.addRow(std::move(row));
        k = j;
    }
    return table;
}

} // namespace kel::lab
