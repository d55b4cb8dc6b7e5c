// SPDX-License-Identifier: GPL-3.0-or-later
#include "regimetext.h"

#include "solutions/circuitcases.h"
#include "solutions/numbertext.h"

#include <cmath>

namespace kel::lab
{

namespace
{

// Four significant digits with a real minus sign; "undefined" for a value that is not finite.
std::string number(double value)
{
    if (!std::isfinite(value))
        return "undefined";
    const std::string digits = solutions::shortText(std::fabs(value));
    return (value < 0 && digits != "0" ? "\u2212" : "") + digits;
}

std::string sourceName(SourceKind source)
{
    switch (source) {
    case SourceKind::None:
        return "no source";
    case SourceKind::Constant:
        return "DC source";
    case SourceKind::Alternating:
        return "AC source";
    }
    return {};
}

std::string rlcRegime(const solutions::CircuitParameters &p)
{
    using solutions::Damping;
    const double D = solutions::discriminant(p.R, p.L, p.C);
    const std::string w0 =
        "\u03C9\u2080 = " + number(solutions::naturalFrequency(p.L, p.C)) + " rad/s";
    switch (solutions::dampingOf(p)) {
    case Damping::Overdamped:
        return "overdamped: s\u2081 = " + number(solutions::overdampedRate1(p.R, p.L, D)) +
               " s\u207B\u00B9, s\u2082 = " + number(solutions::overdampedRate2(p.R, p.L, D)) +
               " s\u207B\u00B9";
    case Damping::Critical:
        return "critically damped: \u03B1 = " + number(-solutions::dampingRate(p.R, p.L)) +
               " s\u207B\u00B9, " + w0;
    case Damping::Underdamped:
        return "underdamped: \u03B1 = " + number(-solutions::dampingRate(p.R, p.L)) +
               " s\u207B\u00B9, " + w0 +
               ", \u03C9d = " + number(solutions::dampedFrequency(p.L, D)) + " rad/s";
    case Damping::Undefined:
        break;
    }
    return "regime undefined for these values";
}

} // namespace

std::string regimeText(int circuitKind, SourceKind source, const solutions::CircuitParameters &p)
{
    const std::string dash = " \u2014 ";
    switch (circuitKind) {
    case 1:
    case 6:
        return "RC, " + sourceName(source) + dash +
               "time constant \u03C4 = RC = " + number(p.R * p.C) + " s";
    case 2:
    case 7:
        return "RL, " + sourceName(source) + dash +
               "time constant \u03C4 = L/R = " + number(p.R == 0 ? NAN : p.L / p.R) + " s";
    case 3: {
        const double w = solutions::naturalFrequency(p.L, p.C);
        return "LC, " + sourceName(source) + dash +
               "undamped oscillation: \u03C9\u2080 = " + number(w) +
               " rad/s, period T = " + number(2 * M_PI / w) + " s";
    }
    case 5: {
        const double w = solutions::naturalFrequency(p.L, p.C);
        if (solutions::resonanceOf(p) == solutions::Resonance::AtResonance)
            return "LC, AC source" + dash + "at resonance: \u03C9 = \u03C9\u2080 = " + number(w) +
                   " rad/s, the amplitude grows linearly";
        return "LC, AC source" + dash + "off resonance: \u03C9\u2080 = " + number(w) +
               " rad/s, \u03C9 = " + number(p.w0) + " rad/s";
    }
    case 4:
    case 8:
        return "RLC, " + sourceName(source) + dash + rlcRegime(p);
    default:
        return {};
    }
}

} // namespace kel::lab
