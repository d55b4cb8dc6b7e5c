// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "circuitsolutions.h"

#include <cmath>
#include <limits>
#include <string_view>

namespace kel::solutions
{

// a / b, except that a zero divisor gives NaN. A circuit formula that would divide by zero
// has no value; a NaN, unlike an infinity that exp(−inf) or a product can turn back into a
// plausible finite number, carries that through to the result, where callers test for it.
// It also keeps every division of the solutions defined behaviour.
inline double quotient(double a, double b)
{
    return b == 0 ? std::numeric_limits<double>::quiet_NaN() : a / b;
}

// Derived quantities of the series circuit L·q'' + R·q' + q/C = v(t), formed with the
// operation orders the solutions rely on (2L is L + L, R^2 is pow(R, 2.0)). Every division
// goes through quotient(), so a zero divisor gives NaN.
//
// ω = 1 / sqrt(L·C), rad/s; NaN if L·C <= 0. Where L·C alone leaves the double range,
// 1/(sqrt(L)·sqrt(C)).
inline double naturalFrequency(double L, double C)
{
    const double product = L * C;
    if (std::isnormal(product) || !std::isfinite(L) || !std::isfinite(C) || L == 0 || C == 0 ||
        (L < 0) != (C < 0))
        return quotient(1, std::sqrt(product));
    // L·C left the double range although ω itself may not have.
    return quotient(1, std::sqrt(std::abs(L)) * std::sqrt(std::abs(C)));
}

double discriminant(double R, double L, double C); // D = R^2 − (L·4)/C, Ω²
double dampingRate(double R, double L);            // a = (−R)/(2L), 1/s
double dampedFrequency(double L, double disc);     // ωd = sqrt(−D)/(2L), rad/s

// The damping test of the RLC circuits: D compared with 0 exactly, no tolerance. A D that is
// not a number (C = 0, or R^2 and (L·4)/C both infinite) is in no case: Undefined, for which
// the solutions give NaN.
enum class Damping { Overdamped, Critical, Underdamped, Undefined };
// The test itself, on a D already formed (or on any quantity of D's sign).
constexpr Damping dampingOfDiscriminant(double D)
{
    return D > 0    ? Damping::Overdamped
           : D == 0 ? Damping::Critical
           : D < 0  ? Damping::Underdamped
                    : Damping::Undefined;
}
Damping dampingOf(double R, double L, double C);
inline Damping dampingOf(const CircuitParameters &p)
{
    return dampingOf(p.R, p.L, p.C);
}

// The resonance test of the driven LC circuit: the text of ω = 1/sqrt(L·C), written by the
// program's number text, compared character by character with the text of w0. An ω that is
// not a finite number (L·C <= 0) is never at resonance.
enum class Resonance { OffResonance, AtResonance };
Resonance resonanceOf(double L, double C, std::string_view w0Text);
inline Resonance resonanceOf(const CircuitParameters &p)
{
    return resonanceOf(p.L, p.C, p.w0Text);
}

} // namespace kel::solutions
