// SPDX-License-Identifier: GPL-3.0-or-later
#include "seriesimpedance.h"

#include "pi.h"

#include <cmath>

namespace kel::solutions
{

double angularFrequency(double f)
{
    return f * kTwoPi;
}

double inductiveReactance(double omega, double L)
{
    return omega * L;
}

double capacitiveReactance(double omega, double C)
{
    return C == 0 ? 0.0 : (1 / omega) / C;
}

double reactance(double omega, double L, double C)
{
    return inductiveReactance(omega, L) - 1.0 / (omega * C);
}

double impedanceMagnitude(double R, double x)
{
    return std::sqrt(R * R + x * x);
}

double phaseLag(double R, double x)
{
    if (R == 0) {
        const auto halfPi = static_cast<double>(Pi / 2);
        return x > 0 ? halfPi : -halfPi;
    }
    return std::atan(x / R);
}

} // namespace kel::solutions
