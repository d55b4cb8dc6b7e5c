// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "circuitconfiguration.h"
#include "solutions/circuitsolutions.h"

#include <string>

namespace kel::lab
{

// The configuration and its regime in words and numbers, for the lab window's status bar:
// "RLC, AC source — underdamped: α = 0.05 s⁻¹, ω₀ = 0.1 rad/s, ωd = 0.0866 rad/s",
// "RC, no source — time constant τ = RC = 10 s", "LC, AC source — at resonance: ...".
// α = R/2L is the damping rate, positive for a positive R. The damping and resonance cases are
// decided exactly as the solutions decide them. Numbers have four significant digits; a quantity
// without a value (a zero divisor) reads "undefined".
std::string regimeText(int circuitKind, SourceKind source, const solutions::CircuitParameters &p);
// What stands between the configuration and its regime in regimeText, in UTF-8.
inline constexpr const char *kRegimeSeparator = " \u2014 ";

} // namespace kel::lab
