// SPDX-License-Identifier: GPL-3.0-or-later
#include "columnenvelope.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kel::measurement
{

std::vector<ColumnRange> columnEnvelope(std::span<const double> t, std::span<const double> y,
                                        double t0, double t1, int columns)
{
    constexpr float kNone = std::numeric_limits<float>::quiet_NaN();
    std::vector<ColumnRange> envelope(std::size_t(std::max(columns, 0)), ColumnRange{kNone, kNone});
    if (columns <= 0 || !(t1 > t0) || t.size() != y.size())
        return envelope;
    const double perSecond = columns / (t1 - t0);
    const auto first = std::lower_bound(t.begin(), t.end(), t0);
    const auto last = std::upper_bound(first, t.end(), t1);
    for (auto at = first; at != last; ++at) {
        const std::size_t k = std::size_t(at - t.begin());
        const auto column = std::min(std::size_t((*at - t0) * perSecond), envelope.size() - 1);
        const auto value = float(y[k]);
        ColumnRange &range = envelope[column];
        if (std::isnan(range.low)) {
            range = {value, value};
        } else {
            range.low = std::min(range.low, value);
            range.high = std::max(range.high, value);
        }
    }
    return envelope;
}

} // namespace kel::measurement
