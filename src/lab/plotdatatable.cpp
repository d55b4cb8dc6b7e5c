// SPDX-License-Identifier: GPL-3.0-or-later
#include "plotdatatable.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace kel::lab
{

display::CsvTable plotDataTable(const PlotRecord &record, std::vector<std::string> header)
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
    display::CsvTable table(std::move(header));
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
