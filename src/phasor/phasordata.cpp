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

std::string withDefaultSuffix(const std::string &path, const std::string &suffix)
{
    const std::size_t slash = path.find_last_of('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    // A leading dot marks a hidden file, not a suffix.
    const std::size_t dot = path.find('.', nameStart + 1);
    if (path.size() > nameStart && dot == std::string::npos)
        return path + suffix;
    return path;
}

} // namespace kel::phasor
