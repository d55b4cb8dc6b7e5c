// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The sampled data of the time plot as a table, free of Qt.

#include "phasormath.h"

#include <array>
#include <vector>

namespace kel::phasor
{

// Column names, with units, of the sampled data: time, then the four voltages.
inline constexpr std::array<const char *, 5> kCurveColumns{"t (s)", "vR (V)", "vC (V)", "vL (V)",
                                                           "v0 (V)"};

// One row per sample of the curves (201: t = 0 and the 200 steps), each the time and the four
// voltages exactly as curveSamples gives them for the drawing, whichever curves are shown.
std::vector<std::array<double, 5>> curveTable(const Solution &s);

} // namespace kel::phasor
