// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The sampled data of the time plot as a table, and the file names the export commands use,
// free of Qt.

#include "phasormath.h"

#include <array>
#include <string>
#include <vector>

namespace kel::phasor
{

// Column names, with units, of the sampled data: time, then the four voltages.
inline constexpr std::array<const char *, 5> kCurveColumns{"t (s)", "vR (V)", "vC (V)", "vL (V)",
                                                           "v0 (V)"};

// One row per sample of the curves (201: t = 0 and the 200 steps), each the time and the four
// voltages exactly as curveSamples gives them for the drawing, whichever curves are shown.
std::vector<std::array<double, 5>> curveTable(const Solution &s);

// The path a file is written to: the chosen one, with `suffix` (".png", ".csv") added when the
// file name has none, as a save box that knows its file type would.
std::string withDefaultSuffix(const std::string &path, const std::string &suffix);

} // namespace kel::phasor
