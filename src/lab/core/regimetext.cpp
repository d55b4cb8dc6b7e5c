// SPDX-License-Identifier: GPL-3.0-or-later
#include "regimetext.h"

#include "solutions/circuitcases.h"
#include "solutions/circuitfigures.h"
#include "solutions/numbertext.h"

#include <QCoreApplication>
#include <QString>

#include <cmath>

namespace kel::lab
{

namespace
{

// The regime texts in the student's language; the numbers stay in the program's format.
struct RegimeText {
    Q_DECLARE_TR_FUNCTIONS(RegimeText)
};

std::string text(const QString &translated)
{
    return translated.toStdString();
}

QString q(const std::string &text)
{
    return QString::fromStdString(text);
}

// Four significant digits with a real minus sign; "undefined" for a value that is not finite.
std::string number(double value)
{
    if (!std::isfinite(value))
        return text(RegimeText::tr("undefined"));
    const std::string digits = solutions::shortText(std::fabs(value));
    return (value < 0 && digits != "0" ? "\u2212" : "") + digits;
}

std::string sourceName(SourceKind source)
{
    switch (source) {
    case SourceKind::None:
        return text(RegimeText::tr("no source"));
    case SourceKind::Constant:
        return text(RegimeText::tr("DC source"));
    case SourceKind::Alternating:
        return text(RegimeText::tr("AC source"));
    }
    return {};
}

std::string rlcRegime(int circuitKind, const solutions::CircuitParameters &p)
{
    using solutions::Damping;
    // The rates and frequencies come from the circuit's figures, the same ones the curves are
    // drawn from: s1 from the textbook formula cancels when the rates lie far apart.
    const solutions::CircuitFigures figures =
        solutions::figuresOf(solutions::circuitKindOf(circuitKind), p);
    const QString w0 = q("\u03C9\u2080 = " + number(figures.omega0) + " rad/s");
    switch (figures.damping) {
    case Damping::Overdamped:
        return text(RegimeText::tr("overdamped: s₁ = %1 s⁻¹, s₂ = %2 s⁻¹")
                        .arg(q(number(figures.s1)), q(number(figures.s2))));
    case Damping::Critical:
        return text(
            RegimeText::tr("critically damped: α = %1 s⁻¹, %2").arg(q(number(figures.alpha)), w0));
    case Damping::Underdamped:
        return text(RegimeText::tr("underdamped: α = %1 s⁻¹, %2, ωd = %3 rad/s")
                        .arg(q(number(figures.alpha)), w0, q(number(figures.omegaD))));
    case Damping::Undefined:
        break;
    }
    return text(RegimeText::tr("regime undefined for these values"));
}

} // namespace

std::string regimeText(int circuitKind, SourceKind source, const solutions::CircuitParameters &p)
{
    const std::string dash = kRegimeSeparator;
    switch (circuitKind) {
    case 1:
    case 6:
        return "RC, " + sourceName(source) + dash +
               text(RegimeText::tr("time constant τ = RC = %1 s").arg(q(number(p.R * p.C))));
    case 2:
    case 7:
        return "RL, " + sourceName(source) + dash +
               text(RegimeText::tr("time constant τ = L/R = %1 s")
                        .arg(q(number(p.R == 0 ? NAN : p.L / p.R))));
    case 3: {
        const double w = solutions::naturalFrequency(p.L, p.C);
        return "LC, " + sourceName(source) + dash +
               text(RegimeText::tr("undamped oscillation: ω₀ = %1 rad/s, period T = %2 s")
                        .arg(q(number(w)), q(number(2 * M_PI / w))));
    }
    case 5: {
        const double w = solutions::naturalFrequency(p.L, p.C);
        if (solutions::resonanceOf(p) == solutions::Resonance::AtResonance)
            return "LC, " + sourceName(SourceKind::Alternating) + dash +
                   text(RegimeText::tr(
                            "at resonance: ω = ω₀ = %1 rad/s, the amplitude grows linearly")
                            .arg(q(number(w))));
        return "LC, " + sourceName(SourceKind::Alternating) + dash +
               text(RegimeText::tr("off resonance: ω₀ = %1 rad/s, ω = %2 rad/s")
                        .arg(q(number(w)), q(number(p.w0))));
    }
    case 4:
    case 8:
        return "RLC, " + sourceName(source) + dash + rlcRegime(circuitKind, p);
    default:
        return {};
    }
}

} // namespace kel::lab
