// SPDX-License-Identifier: GPL-3.0-or-later
#include "circuitcases.h"

#include "numbertext.h"

#include <cmath>
#include <limits>

namespace kel::solutions
{

double discriminant(double R, double L, double C)
{
    return std::pow(R, 2.0) - quotient(L * 4, C);
}

double dampingRate(double R, double L)
{
    return quotient(-R, L + L);
}

double dampedFrequency(double L, double disc)
{
    return quotient(std::sqrt(-disc), L + L);
}

Damping dampingOf(double R, double L, double C)
{
    return dampingOfDiscriminant(discriminant(R, L, C));
}

Resonance resonanceOf(double L, double C, std::string_view w0Text)
{
    const double w = naturalFrequency(L, C);
    return std::isfinite(w) && toText(w) == w0Text ? Resonance::AtResonance
                                                   : Resonance::OffResonance;
}

} // namespace kel::solutions
