// SPDX-License-Identifier: GPL-3.0-or-later
#include "equationstext.h"

#include "mathwriter.h"

#include "display/qstringtext.h"
#include "solutions/circuitsolutions.h"

#include <cmath>
#include <utility>

namespace kel::lab
{

namespace
{

using mathtext::both;
using mathtext::exponential;
using mathtext::frac;
using mathtext::function;
using mathtext::italic;
using mathtext::kComma;
using mathtext::kEquals;
using mathtext::kSpace;
using mathtext::Math;
using mathtext::number;
using mathtext::paren;
using mathtext::perSecond;
using mathtext::root;
using mathtext::slash;
using mathtext::squared;
using mathtext::sub;
using mathtext::Terms;
using mathtext::unit;
using solutions::CircuitFigures;
using solutions::CircuitKind;
using solutions::Damping;
using solutions::SolutionForm;
using mathtext::operator+;

const Math kT{QStringLiteral("<i>t</i>"), QStringLiteral("t")};
const Math kQ{QStringLiteral("<i>q</i>"), QStringLiteral("q")};
const Math kI{QStringLiteral("<i>i</i>"), QStringLiteral("i")};
const Math kAlpha{QStringLiteral("α"), QStringLiteral("\\alpha")};
const Math kBeta{QStringLiteral("β"), QStringLiteral("\\beta")};
const Math kOmega{QStringLiteral("ω"), QStringLiteral("\\omega")};
const Math kOmega0{QStringLiteral("ω<sub>0</sub>"), QStringLiteral("\\omega_0")};
const Math kOmegaD{QStringLiteral("ω<sub>d</sub>"), QStringLiteral("\\omega_d")};
const Math kTau{QStringLiteral("τ"), QStringLiteral("\\tau")};

Math derivative(const Math &of, bool second)
{
    if (!second)
        return frac(both(QStringLiteral("d"), QStringLiteral("d")) + of,
                    both(QStringLiteral("d"), QStringLiteral("d")) + kT);
    return frac(squared(both(QStringLiteral("d"), QStringLiteral("d"))) + of,
                both(QStringLiteral("d"), QStringLiteral("d")) + squared(kT));
}

// The equations document being written, in both typesettings at once, with the numbers shown.
class Writer : public mathtext::MathWriter
{
public:
    // A number of the closed forms, recorded with the value it is written from.
    Math shown(const QString &symbol, double value)
    {
        m_shown.append({symbol, value});
        return number(value);
    }
    // A definition line "symbol = formula = value unit".
    void figure(const Math &symbol, const QString &name, const Math &formula, double value,
                const Math &unitText)
    {
        Math line = symbol + kEquals;
        if (!formula.html.isEmpty())
            line = line + formula + kEquals;
        equation(line + shown(name, value) + unitText);
    }
    EquationsDocument take() { return {richText(), latex(), std::move(m_shown)}; }

private:
    QList<EquationsDocument::Shown> m_shown;
};

const Math kR = italic(QStringLiteral("R"));
const Math kL = italic(QStringLiteral("L"));
const Math kC = italic(QStringLiteral("C"));

bool hasCharge(CircuitKind kind)
{
    return solutions::hasCapacitor(kind);
}

// v(t) with the source's numbers.
Math sourceOf(const CircuitFigures &f, Writer &w)
{
    if (!solutions::isDriven(f.kind))
        return w.shown(QStringLiteral("v0"), f.v0);
    return w.shown(QStringLiteral("v0"), f.v0) + kSpace +
           function(QStringLiteral("sin"), w.shown(QStringLiteral("ω"), f.w0) + kSpace + kT);
}

void writeEquation(const CircuitFigures &f, const solutions::CircuitParameters &p, Writer &w)
{
    w.section(EquationsText::tr("Differential equation"));
    const Math unknown = hasCharge(f.kind) ? kQ : kI;
    const bool second = hasCharge(f.kind) && solutions::hasInductor(f.kind);
    Terms general, numbers;
    if (solutions::hasInductor(f.kind)) {
        general.addMath(kL + kSpace + derivative(unknown, second));
        numbers.add(p.L, derivative(unknown, second));
    }
    if (solutions::hasResistor(f.kind)) {
        const Math rate = hasCharge(f.kind) ? derivative(kQ, false) : kI;
        general.addMath(kR + kSpace + rate);
        numbers.add(p.R, rate);
    }
    if (hasCharge(f.kind)) {
        general.addMath(frac(kQ, kC));
        numbers.addMath(frac(kQ, number(p.C)));
    }
    const Math v = both(QStringLiteral("<i>v</i>"), QStringLiteral("v")) + paren(kT);
    w.equation(general.math() + kEquals + v);
    w.equation(numbers.math() + kEquals + sourceOf(f, w));
}

void writeInitialConditions(const CircuitFigures &f, Writer &w)
{
    w.section(EquationsText::tr("Initial conditions"));
    Math line;
    if (hasCharge(f.kind))
        line = kQ + paren(number(0)) + kEquals + w.shown(QStringLiteral("q0"), f.q0) +
               unit(QStringLiteral("C"), QStringLiteral("C"));
    if (solutions::hasInductor(f.kind)) {
        if (hasCharge(f.kind))
            line = line + kComma;
        line = line + kI + paren(number(0)) + kEquals + w.shown(QStringLiteral("i0"), f.i0) +
               unit(QStringLiteral("A"), QStringLiteral("A"));
    }
    w.equation(line);
}

void writeRegime(const CircuitFigures &f, Writer &w)
{
    w.section(EquationsText::tr("Regime"));
    const Math seconds = unit(QStringLiteral("s"), QStringLiteral("s"));
    const Math radians = unit(QStringLiteral("rad/s"), QStringLiteral("rad/s"));
    if (!solutions::hasInductor(f.kind)) {
        w.figure(kTau, QStringLiteral("τ"), kR + kC, f.tau, seconds);
    } else if (!solutions::hasCapacitor(f.kind)) {
        w.figure(kTau, QStringLiteral("τ"), frac(kL, kR), f.tau, seconds);
    } else {
        w.figure(kOmega0, QStringLiteral("ω0"),
                 frac(both(QStringLiteral("1"), QStringLiteral("1")), root(kL + kC)), f.omega0,
                 radians);
    }
    if (!solutions::hasResistor(f.kind))
        w.sentence(EquationsText::tr("Without resistance the circuit oscillates undamped at ω0."));
    if (f.kind == solutions::CircuitKind::Rlc || f.kind == solutions::CircuitKind::DrivenRlc) {
        w.figure(kAlpha, QStringLiteral("α"), frac(kR, number(2) + kL), f.alpha, perSecond());
        w.figure(kTau, QStringLiteral("τ"), frac(number(1), kAlpha), f.tau, seconds);
        w.figure(italic(QStringLiteral("Q")), QStringLiteral("Q"), frac(kOmega0 + kSpace + kL, kR),
                 f.quality, Math{});
        switch (f.damping) {
        case Damping::Underdamped:
            w.sentence(EquationsText::tr("Underdamped (α < ω0): the charge oscillates at ωd "
                                         "inside a decaying envelope."));
            w.figure(kOmegaD, QStringLiteral("ωd"),
                     root(squared(kOmega0) +
                          both(QStringLiteral("&nbsp;−&nbsp;"), QStringLiteral(" - ")) +
                          squared(kAlpha)),
                     f.omegaD, radians);
            break;
        case Damping::Critical:
            w.sentence(EquationsText::tr("Critically damped (α = ω0): the fastest return "
                                         "without oscillation."));
            break;
        case Damping::Overdamped:
            w.sentence(EquationsText::tr("Overdamped (α > ω0): two real decay rates."));
            w.figure(sub(italic(QStringLiteral("s")), QStringLiteral("1")), QStringLiteral("s1"),
                     Math{}, f.s1, perSecond());
            w.figure(sub(italic(QStringLiteral("s")), QStringLiteral("2")), QStringLiteral("s2"),
                     Math{}, f.s2, perSecond());
            break;
        case Damping::Undefined:
            break;
        }
    }
    if (f.kind == solutions::CircuitKind::DrivenRlc)
        w.sentence(EquationsText::tr("Steady state: K·cos ωt + S·sin ωt, the response at the "
                                     "source's angular frequency ω."));
}

// The steady part of the charge (or of the RL current) and its derivative.
void addSteady(const CircuitFigures &f, Writer &w, Terms &charge, Terms &current)
{
    if (f.w0 == 0) {
        charge.add(f.steadyK, Math{});
        w.shown(QStringLiteral("K"), f.steadyK);
        return;
    }
    const Math phase = number(f.w0) + kSpace + kT;
    charge.add(f.steadyK, function(QStringLiteral("cos"), phase))
        .add(f.steadyS, function(QStringLiteral("sin"), phase));
    w.shown(QStringLiteral("K"), f.steadyK);
    w.shown(QStringLiteral("S"), f.steadyS);
    current.add(f.w0 * f.steadyS, function(QStringLiteral("cos"), phase))
        .add(-(f.w0 * f.steadyK), function(QStringLiteral("sin"), phase));
}

// exp(rate·t) as e^(rate t).
Math growth(double rate)
{
    return exponential(Terms().add(rate, kT).math());
}

void writeSolution(const CircuitFigures &f, Writer &w)
{
    w.section(EquationsText::tr("Solution"));
    Terms charge, current;
    const auto envelope = [&](const Math &inner) {
        return f.alpha == 0 ? inner : growth(-f.alpha) + kSpace + paren(inner);
    };
    switch (f.form) {
    case SolutionForm::Exponential: {
        const Math decay =
            exponential(both(QStringLiteral("−"), QStringLiteral("-")) + slash(kT, number(f.tau)));
        w.shown(QStringLiteral("A"), f.coeffA);
        if (hasCharge(f.kind)) {
            charge.add(f.coeffA, decay);
            current.add(f.currentA, decay);
            w.shown(QStringLiteral("iA"), f.currentA);
            addSteady(f, w, charge, current);
        } else {
            Terms unused;
            current.add(f.coeffA, decay);
            addSteady(f, w, current, unused);
        }
        break;
    }
    case SolutionForm::Oscillation:
    case SolutionForm::NearResonance: {
        const Math phase = number(f.omegaD) + kSpace + kT;
        const Math cosine = function(QStringLiteral("cos"), phase);
        const Math sine = function(QStringLiteral("sin"), phase);
        charge.addMath(envelope(Terms().add(f.coeffA, cosine).add(f.coeffB, sine).math()));
        current.addMath(envelope(Terms().add(f.currentA, cosine).add(f.currentB, sine).math()));
        for (const auto &[symbol, value] :
             {std::pair{QStringLiteral("A"), f.coeffA}, std::pair{QStringLiteral("B"), f.coeffB},
              std::pair{QStringLiteral("iA"), f.currentA},
              std::pair{QStringLiteral("iB"), f.currentB}})
            w.shown(symbol, value);
        addSteady(f, w, charge, current);
        break;
    }
    case SolutionForm::Hyperbolic: {
        w.shown(QStringLiteral("A"), f.coeffA);
        w.shown(QStringLiteral("B"), f.coeffB);
        w.shown(QStringLiteral("iA"), f.currentA);
        w.shown(QStringLiteral("iB"), f.currentSinhB);
        if (f.beta == 0) {
            const Math decay = growth(-f.alpha);
            charge.addMath(paren(Terms().add(f.coeffA, Math{}).add(f.coeffB, kT).math()) + kSpace +
                           decay);
            current.addMath(paren(Terms().add(f.currentA, Math{}).add(f.currentSinhB, kT).math()) +
                            kSpace + decay);
        } else {
            w.shown(QStringLiteral("β"), f.beta);
            const Math phase = number(f.beta) + kSpace + kT;
            const Math cosh = function(QStringLiteral("cosh"), phase);
            const Math sinh = function(QStringLiteral("sinh"), phase);
            charge.addMath(envelope(Terms().add(f.coeffA, cosh).add(f.coeffB, sinh).math()));
            current.addMath(
                envelope(Terms().add(f.currentA, cosh).add(f.currentSinhB, sinh).math()));
        }
        addSteady(f, w, charge, current);
        break;
    }
    case SolutionForm::TwoExponentials: {
        charge.add(f.coeffA, growth(f.s1)).add(f.coeffB, growth(f.s2));
        current.add(f.currentA, growth(f.s1)).add(f.currentB, growth(f.s2));
        for (const auto &[symbol, value] :
             {std::pair{QStringLiteral("A"), f.coeffA}, std::pair{QStringLiteral("B"), f.coeffB},
              std::pair{QStringLiteral("iA"), f.currentA},
              std::pair{QStringLiteral("iB"), f.currentB}})
            w.shown(symbol, value);
        addSteady(f, w, charge, current);
        break;
    }
    case SolutionForm::DrivenLc: {
        const Math natural = number(f.omega0) + kSpace + kT;
        charge.add(f.coeffA, function(QStringLiteral("cos"), natural))
            .add(f.coeffB, function(QStringLiteral("sin"), natural));
        current.add(-f.omega0 * f.coeffA, function(QStringLiteral("sin"), natural))
            .add(f.i0, function(QStringLiteral("cos"), natural));
        w.shown(QStringLiteral("A"), f.coeffA);
        w.shown(QStringLiteral("B"), f.coeffB);
        const double w0 = std::abs(f.w0);
        const double delta = (w0 - f.omega0) / 2, sigma = (w0 + f.omega0) / 2;
        const bool atResonance = delta == 0 || f.resonance == solutions::Resonance::AtResonance;
        const bool near = std::abs(delta) <= 1e-3 * f.omega0 || !std::isfinite(f.drivenP);
        if (atResonance || near) {
            const Math slow = number(delta) + kSpace + kT;
            const Math fast = number(sigma) + kSpace + kT;
            const Math forced = delta == 0 ? kT + kSpace + function(QStringLiteral("cos"), natural)
                                           : kT + kSpace + function(QStringLiteral("sinc"), slow) +
                                                 kSpace + function(QStringLiteral("cos"), fast);
            charge.add(f.drivenF,
                       paren(frac(function(QStringLiteral("sin"), natural), number(f.omega0)) +
                             both(QStringLiteral("&nbsp;−&nbsp;"), QStringLiteral(" - ")) +
                             forced));
            const Math rising = delta == 0 ? kT + kSpace + function(QStringLiteral("sin"), natural)
                                           : kT + kSpace + function(QStringLiteral("sinc"), slow) +
                                                 kSpace + function(QStringLiteral("sin"), fast);
            current.add(f.drivenF * w0, rising);
            w.shown(QStringLiteral("F"), f.drivenF);
        } else {
            const Math driven = number(w0) + kSpace + kT;
            charge.add(f.drivenP,
                       paren(function(QStringLiteral("sin"), driven) +
                             both(QStringLiteral("&nbsp;−&nbsp;"), QStringLiteral(" - ")) +
                             frac(number(w0), number(f.omega0)) + kSpace +
                             function(QStringLiteral("sin"), natural)));
            current.add(f.drivenP * w0,
                        paren(function(QStringLiteral("cos"), driven) +
                              both(QStringLiteral("&nbsp;−&nbsp;"), QStringLiteral(" - ")) +
                              function(QStringLiteral("cos"), natural)));
            w.shown(QStringLiteral("P"), f.drivenP);
        }
        break;
    }
    case SolutionForm::Undefined:
        w.sentence(EquationsText::tr("These values give no curve: a divisor is zero or L·C is "
                                     "not positive."));
        return;
    }
    if (hasCharge(f.kind))
        w.equation(kQ + paren(kT) + kEquals + charge.math() +
                   unit(QStringLiteral("C"), QStringLiteral("C")));
    w.equation(kI + paren(kT) + kEquals + current.math() +
               unit(QStringLiteral("A"), QStringLiteral("A")));
}

void writeNotes(const CircuitFigures &f, Writer &w)
{
    switch (f.form) {
    case SolutionForm::Hyperbolic:
        if (f.beta == 0)
            w.sentence(EquationsText::tr("Critical damping: the program uses the limiting form "
                                         "(A + B·t)·e^(−αt), where the two rates coincide."));
        else
            w.sentence(EquationsText::tr(
                "Close to critical damping the program writes the two exponentials as cosh and "
                "sinh, which join the critical form smoothly instead of cancelling."));
        break;
    case SolutionForm::TwoExponentials:
        w.sentence(EquationsText::tr("The rate nearer zero comes from s1·s2 = ω0², free of the "
                                     "cancellation in −α + √(α² − ω0²)."));
        break;
    case SolutionForm::NearResonance:
        w.sentence(EquationsText::tr(
            "Near resonance the steady and transient terms are large and nearly opposite; the "
            "program evaluates the same curve as the response from rest written with "
            "(1 − e^(−z))/z, the limiting form that stays exact at resonance."));
        break;
    case SolutionForm::DrivenLc: {
        const double delta = (std::abs(f.w0) - f.omega0) / 2;
        if (delta == 0 || f.resonance == solutions::Resonance::AtResonance)
            w.sentence(EquationsText::tr("At resonance (ω = ω0) the driven term grows linearly "
                                         "with t: the limit of the off-resonance form."));
        else
            w.sentence(EquationsText::tr(
                "The program evaluates the difference of the two sines as a product with "
                "sinc(δt), δ = (ω − ω0)/2, σ = (ω + ω0)/2, exact also at and near resonance."));
        break;
    }
    default:
        break;
    }
}

QString titleOf(CircuitKind kind, double v0)
{
    switch (kind) {
    case CircuitKind::Rc:
        return v0 == 0 ? EquationsText::tr("RC circuit without a source")
                       : EquationsText::tr("RC circuit with a constant source");
    case CircuitKind::Rl:
        return v0 == 0 ? EquationsText::tr("RL circuit without a source")
                       : EquationsText::tr("RL circuit with a constant source");
    case CircuitKind::Lc:
        return v0 == 0 ? EquationsText::tr("LC circuit without a source")
                       : EquationsText::tr("LC circuit with a constant source");
    case CircuitKind::Rlc:
        return v0 == 0 ? EquationsText::tr("RLC circuit without a source")
                       : EquationsText::tr("RLC circuit with a constant source");
    case CircuitKind::DrivenLc:
        return EquationsText::tr("LC circuit with an alternating source");
    case CircuitKind::DrivenRc:
        return EquationsText::tr("RC circuit with an alternating source");
    case CircuitKind::DrivenRl:
        return EquationsText::tr("RL circuit with an alternating source");
    case CircuitKind::DrivenRlc:
        return EquationsText::tr("RLC circuit with an alternating source");
    case CircuitKind::None:
        break;
    }
    return EquationsText::tr("No circuit");
}

} // namespace

EquationsDocument EquationsText::write(CircuitKind circuitKind,
                                       const solutions::CircuitParameters &p)
{
    Writer w;
    w.heading(titleOf(circuitKind, p.v0));
    if (circuitKind == CircuitKind::None)
        return w.take();
    const CircuitFigures f = solutions::figuresOf(circuitKind, p);
    writeEquation(f, p, w);
    writeInitialConditions(f, w);
    writeRegime(f, w);
    writeSolution(f, w);
    writeNotes(f, w);
    return w.take();
}

EquationsDocument EquationsText::notANumber(const QString &boxName)
{
    Writer w;
    w.heading(tr("Equations"));
    w.sentence(tr("The text of %1 is not a number.").arg(boxName));
    return w.take();
}

EquationsDocument EquationsText::ofTexts(solutions::CircuitKind circuitKind,
                                         const std::function<QString(solutions::Parameter)> &textOf)
{
    const solutions::CaseRow *row = solutions::caseFor(solutions::caseNumber(circuitKind));
    if (!row)
        return write(circuitKind, {});
    const solutions::ReadResult read = solutions::readParameters(
        [&textOf](solutions::Parameter p) { return display::toStdString(textOf(p)); }, row->reads);
    return read.parameters ? write(circuitKind, *read.parameters)
                           : notANumber(display::toQString(solutions::boxName(*read.badBox)));
}

} // namespace kel::lab
