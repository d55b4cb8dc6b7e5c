// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "circuitconfiguration.h"
#include "solutions/circuitsolutions.h"

#include <functional>
#include <string>

namespace kel::lab
{

// The texts of the lab window's status bar. Negative numbers use a real minus sign.

// The configuration and its regime (regimeText) from the parameter texts that the circuit's
// solutions read, as they stand now; "C is not a number" for the first of them that is not a
// number; empty for a kind outside 1..8.
std::string regimeStatus(int circuitKind, SourceKind source,
                         const std::function<std::string(solutions::Parameter)> &textOf);

// The graph's coordinate system: "t 0 … 100 s, value −10 … 10", time from the left edge to the
// right one, value from the bottom edge to the top one.
std::string scaleStatus(double left, double right, double top, double bottom);

// The point under the mouse on the graph, four significant digits: "t = 12.5 s, value = −3.25".
std::string pointerStatus(float t, float value);

} // namespace kel::lab
