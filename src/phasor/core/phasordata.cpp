// SPDX-License-Identifier: GPL-3.0-or-later
#include "phasordata.h"

namespace kel::phasor
{

std::vector<std::array<double, 5>> curveTable(const Solution &s)
{
    std::array<std::array<Point, TimeBase::kSteps + 1>, 4> curves;
    for (Voltage v : kVoltages)
        curves[static_cast<std::size_t>(v)] = curveSamples(s, v);
    std::vector<std::array<double, 5>> rows(TimeBase::kSteps + 1);
    for (std::size_t j = 0; j < rows.size(); ++j) {
        rows[j][0] = curves[0][j].x;
        for (std::size_t c = 0; c < curves.size(); ++c)
            rows[j][c + 1] = curves[c][j].y;
    }
    return rows;
}

} // namespace kel::phasor
