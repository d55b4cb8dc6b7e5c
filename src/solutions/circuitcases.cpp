// SPDX-License-Identifier: GPL-3.0-or-later
#include "circuitcases.h"

#include "numbertext.h"

#include <cmath>

namespace kel::solutions
{

double naturalFrequency(double L, double C)
{
    return 1 / std::sqrt(L * C);
}

double discriminant(double R, double L, double C)
{
    return std::pow(R, 2.0) - (L * 4) / C;
}

double dampingRate(double R, double L)
{
    return (-R) / (L + L);
}

double overdampedRate1(double R, double L, double D)
{
    return std::sqrt(D) / (L + L) + (-R) / (L + L);
}

double overdampedRate2(double R, double L, double D)
{
    return (-R) / (L + L) - std::sqrt(D) / (L + L);
}

double dampedFrequency(double L, double D)
{
    return std::sqrt(-D) / (L + L);
}

Damping dampingOf(double R, double L, double C)
{
    const double D = discriminant(R, L, C);
    if (D > 0)
        return Damping::Overdamped;
    if (D == 0)
        return Damping::Critical;
    // D < 0, and also a D that is not a number: the underdamped formulas then give NaN.
    return Damping::Underdamped;
}

Resonance resonanceOf(double L, double C, std::string_view w0Text)
{
    return toText(naturalFrequency(L, C)) == w0Text ? Resonance::AtResonance
                                                    : Resonance::OffResonance;
}

} // namespace kel::solutions
