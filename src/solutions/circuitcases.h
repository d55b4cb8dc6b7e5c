// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "circuitsolutions.h"

#include <string_view>

namespace kel::solutions
{

// Derived quantities of the series circuit L·q'' + R·q' + q/C = v(t), formed with the
// operation orders the solutions rely on (2L is L + L, R^2 is pow(R, 2.0)).
double naturalFrequency(double L, double C);          // ω = 1 / sqrt(L·C), rad/s
double discriminant(double R, double L, double C);    // D = R^2 − (L·4)/C, Ω²
double dampingRate(double R, double L);               // a = (−R)/(2L), 1/s
double overdampedRate1(double R, double L, double D); // s1 = sqrt(D)/(2L) + (−R)/(2L), 1/s
double overdampedRate2(double R, double L, double D); // s2 = (−R)/(2L) − sqrt(D)/(2L), 1/s
double dampedFrequency(double L, double D);           // ωd = sqrt(−D)/(2L), rad/s

// The damping test of the RLC circuits: D compared with 0 exactly, no tolerance.
enum class Damping { Overdamped, Critical, Underdamped };
Damping dampingOf(double R, double L, double C);

// The resonance test of the driven LC circuit: the text of ω = 1/sqrt(L·C), written by the
// program's number text, compared character by character with the text of w0.
enum class Resonance { OffResonance, AtResonance };
Resonance resonanceOf(double L, double C, std::string_view w0Text);

} // namespace kel::solutions
