// SPDX-License-Identifier: GPL-3.0-or-later
#include "circuitfigures.h"

#include "numbertext.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <complex>
#include <limits>

namespace kel::solutions
{

namespace
{

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The figures and the evaluators are built inline into each solution function, so that the
// parts of the figures a kind does not use cost nothing there: a curve evaluates them 201
// times per plot, each time from the texts.

// Within this band squares of the operands can neither overflow nor lose digits to underflow.
constexpr double kSquareSafe = 1e150;

[[gnu::always_inline]] inline bool squareSafe(double x)
{
    const double m = std::abs(x);
    return m < kSquareSafe && (m > 1 / kSquareSafe || m == 0);
}

// sqrt(x² + y²) without the cost of std::hypot where plain squares are safe.
[[gnu::always_inline]] inline double magnitude(double x, double y)
{
    if (squareSafe(x) && squareSafe(y))
        return std::sqrt(x * x + y * y);
    return std::hypot(x, y);
}

// sin(x)/x, 1 at 0.
[[gnu::always_inline]] inline double sinc(double x)
{
    return x == 0 ? 1 : std::sin(x) / x;
}

// exp(z) − 1 without cancellation for small |z|.
std::complex<double> expm1(std::complex<double> z)
{
    const double half = std::sin(z.imag() / 2);
    return {std::expm1(z.real()) * std::cos(z.imag()) - 2 * half * half,
            std::exp(z.real()) * std::sin(z.imag())};
}

// φ(z) = (1 − exp(−z))/z, 1 at 0: the divided difference that carries the resonance.
std::complex<double> phi(std::complex<double> z)
{
    if (z == std::complex<double>(0, 0))
        return 1;
    return -expm1(-z) / z;
}

// 1/(R·C), also where R·C alone would leave the double range.
[[gnu::always_inline]] inline double rcRate(double R, double C)
{
    return std::isnormal(R * C) ? quotient(1, R * C) : quotient(quotient(1, R), C);
}

// The steady part of a source and its derivative at t.
struct Steady {
    double charge, current;
};

[[gnu::always_inline]] inline Steady steadyAt(const CircuitFigures &f, double t)
{
    if (f.w0 == 0)
        return {f.steadyK, 0};
    const double c = std::cos(f.w0 * t), s = std::sin(f.w0 * t);
    return {f.steadyK * c + f.steadyS * s, f.w0 * f.steadyS * c - f.w0 * f.steadyK * s};
}

// The amplitudes of the driven steady state K·cos + S·sin of the RLC circuit, from
// X = 1/C − L·w0² and M = (R·w0)² + X², scaled so that no square leaves the double range.
[[gnu::always_inline]] inline void setRlcSteadyState(CircuitFigures &f, double R, double L,
                                                     double C)
{
    const double w0 = f.w0;
    const double reactance = quotient(1, C) - (L * w0) * w0;
    const double resistive = R * w0;
    const double inverse = quotient(1, magnitude(resistive, reactance));
    f.steadyK = (-f.v0 * inverse) * (resistive * inverse);
    f.steadyS = (f.v0 * inverse) * (reactance * inverse);
}

// The LC circuit's free oscillation about the steady part: exp(0)·(A·cos ω0·t + B·sin ω0·t).
[[gnu::always_inline]] inline void setLcTransient(CircuitFigures &f, double L, double C)
{
    f.omega0 = naturalFrequency(L, C);
    f.omega0Squared = f.omega0 * f.omega0;
    f.omegaD = f.omega0;
    if (!std::isfinite(f.omega0))
        return;
    f.form = SolutionForm::Oscillation;
    const double restCharge = f.q0 - f.steadyK;
    f.coeffA = restCharge;
    f.coeffB = quotient(f.i0, f.omega0);
    f.coeffBw = f.i0;
    f.currentA = f.i0;
    f.currentB = -f.omega0 * restCharge;
}

[[gnu::always_inline]] inline void setRlcTransient(CircuitFigures &f, double R, double L, double C)
{
    const double twoL = L + L;
    f.alpha = quotient(R, twoL);
    f.omega0 = naturalFrequency(L, C);
    const double product = L * C;
    // ω0·ω0 where ω0 has a value; 1/(L·C) keeps a value for L·C < 0 too.
    f.omega0Squared = std::isnormal(f.omega0 * f.omega0) ? f.omega0 * f.omega0
                      : std::isnormal(product)           ? quotient(1, product)
                                                         : quotient(quotient(1, L), C);
    // The damping test on D = R^2 − (L·4)/C, as dampingOf() makes it.
    const double resistive = R * R, reactive = quotient(L * 4, C);
    const double disc = resistive - reactive;
    f.damping = dampingOfDiscriminant(disc);
    if (std::isnan(f.alpha) || std::isnan(f.omega0Squared) || !std::isfinite(f.steadyK) ||
        !std::isfinite(f.steadyS)) {
        f.form = SolutionForm::Undefined;
        return;
    }
    // β² = α² − ω0², from D where neither of its terms left the double range (the same D the
    // damping test reads), otherwise as a product that keeps extreme magnitudes in range.
    double b2;
    if (std::isnormal(resistive) && std::isnormal(reactive) && std::isnormal(twoL * twoL)) {
        b2 = disc / (twoL * twoL);
    } else if (f.omega0Squared > 0) {
        const double w = std::isnan(f.omega0) ? std::sqrt(f.omega0Squared) : f.omega0;
        b2 = (std::abs(f.alpha) - w) * (std::abs(f.alpha) + w);
    } else {
        b2 = std::pow(magnitude(f.alpha, std::sqrt(-f.omega0Squared)), 2.0);
    }
    if (f.damping == Damping::Undefined && std::isfinite(b2))
        f.damping = dampingOfDiscriminant(b2);

    const double restCharge = f.q0 - f.steadyK;
    const double restCurrent = f.i0 - f.w0 * f.steadyS;
    f.tau = quotient(1, f.alpha);
    f.quality = f.omega0 * f.tau / 2;
    if (b2 < 0) {
        f.omegaD = std::sqrt(-b2);
        const bool nearResonance =
            f.w0 != 0 && std::abs(f.alpha) + std::abs(std::abs(f.w0) - f.omegaD) <= 0.5 * f.omega0;
        f.form = nearResonance ? SolutionForm::NearResonance : SolutionForm::Oscillation;
    } else if (std::sqrt(b2) <= 0.5 * std::abs(f.alpha)) {
        f.beta = std::sqrt(b2);
        f.form = SolutionForm::Hyperbolic;
    } else {
        f.beta = std::sqrt(b2);
        f.form = SolutionForm::TwoExponentials;
    }
    if (f.form == SolutionForm::TwoExponentials) {
        // The rate away from 0 has no cancellation; its partner follows from s1·s2 = 1/(L·C).
        const double far = -(f.alpha + std::copysign(f.beta, f.alpha));
        const double near = quotient(f.omega0Squared, far);
        const double larger = std::max(far, near), smaller = std::min(far, near);
        f.s1 = L > 0 ? larger : smaller;
        f.s2 = L > 0 ? smaller : larger;
        f.coeffA = quotient(f.s2 * restCharge - restCurrent, f.s2 - f.s1);
        f.coeffB = quotient(restCurrent - f.s1 * restCharge, f.s2 - f.s1);
        f.currentA = f.s1 * f.coeffA;
        f.currentB = f.s2 * f.coeffB;
        return;
    }
    if (f.form == SolutionForm::Hyperbolic) {
        f.s1 = -f.alpha + f.beta;
        f.s2 = -f.alpha - f.beta;
    }
    f.coeffA = restCharge;
    f.coeffBw = f.alpha * restCharge + restCurrent;
    f.currentA = restCurrent;
    if (f.form == SolutionForm::Hyperbolic) {
        f.coeffB = f.beta == 0 ? f.coeffBw : quotient(f.coeffBw, f.beta);
        f.currentB = -(f.omega0Squared * restCharge + f.alpha * restCurrent);
        f.currentSinhB = f.beta == 0 ? f.currentB : quotient(f.currentB, f.beta);
        return;
    }
    // ωd >= sqrt of the smallest double, so B stays finite; where ω0² overflows, ω0²/ωd is
    // formed as ω0·(ω0/ωd).
    const double inverse = quotient(1, f.omegaD);
    f.coeffB = f.coeffBw * inverse;
    const double sine = f.omega0Squared * restCharge + f.alpha * restCurrent;
    f.currentB =
        std::isfinite(sine)
            ? -sine * inverse
            : -(f.omega0 * (f.omega0 * inverse) * restCharge + (f.alpha * inverse) * restCurrent);
}

[[gnu::always_inline]] inline void setDrivenLc(CircuitFigures &f, const CircuitParameters &p)
{
    const double L = p.L, w = std::abs(p.w0);
    f.omega0 = naturalFrequency(L, p.C);
    f.omega0Squared = f.omega0 * f.omega0;
    f.omegaD = f.omega0;
    // The text test of resonanceOf(), on the ω0 just computed.
    f.resonance = std::isfinite(f.omega0) && toText(f.omega0) == p.w0Text ? Resonance::AtResonance
                                                                          : Resonance::OffResonance;
    if (!std::isfinite(f.omega0) || std::isnan(quotient(1, L))) {
        f.form = SolutionForm::Undefined;
        return;
    }
    f.form = SolutionForm::DrivenLc;
    f.coeffA = p.q0;
    f.coeffB = quotient(p.i0, f.omega0);
    f.drivenF = quotient(std::copysign(1.0, p.w0) * quotient(p.v0, L), f.omega0 + w);
    if (f.resonance == Resonance::AtResonance)
        f.drivenP = quotient(-p.v0, (p.w0 + p.w0) * L);
    else
        f.drivenP = quotient(quotient(p.v0, (f.omega0 - p.w0) * (f.omega0 + p.w0)), L);
}

[[gnu::always_inline]] inline CircuitFigures figures(CircuitKind kind, const CircuitParameters &p)
{
    CircuitFigures f;
    f.kind = kind;
    f.v0 = p.v0;
    f.q0 = p.q0;
    f.i0 = p.i0;
    const double R = p.R, L = p.L, C = p.C;
    switch (kind) {
    case CircuitKind::Rc: // RC
        f.form = SolutionForm::Exponential;
        f.rate = rcRate(R, C);
        f.tau = R * C;
        f.steadyK = C * p.v0;
        f.coeffA = p.q0 - p.v0 * C;
        f.currentA = -f.coeffA * f.rate;
        break;
    case CircuitKind::Rl: // RL
        f.form = SolutionForm::Exponential;
        f.rate = quotient(R, L);
        f.tau = quotient(L, R);
        f.steadyK = quotient(p.v0, R);
        f.coeffA = p.i0 - f.steadyK;
        if (std::isnan(f.steadyK))
            f.form = SolutionForm::Undefined;
        break;
    case CircuitKind::Lc: // LC, constant source
        f.steadyK = C * p.v0;
        setLcTransient(f, L, C);
        break;
    case CircuitKind::Rlc: // RLC, constant source
        f.steadyK = C * p.v0;
        setRlcTransient(f, R, L, C);
        break;
    case CircuitKind::DrivenLc:
        f.w0 = p.w0;
        setDrivenLc(f, p);
        break;
    case CircuitKind::DrivenRc: { // RC, sinusoidal source: denominator = u² + 1 with u = w0·R·C,
                                  // kept in range for
                                  // large u
        f.form = SolutionForm::Exponential;
        f.w0 = p.w0;
        f.rate = rcRate(R, C);
        f.tau = R * C;
        const double u = p.w0 * (R * C);
        const double vC = p.v0 * C;
        if (std::abs(u) <= 1) {
            const double denominator = u * u + 1;
            f.steadyS = vC / denominator;
            f.steadyK = -(vC * u) / denominator;
        } else {
            const double uM = u + 1 / u; // denominator/u
            f.steadyS = vC / u / uM;
            f.steadyK = -vC / uM;
        }
        f.coeffA = p.q0 - f.steadyK;
        f.currentA = -f.coeffA * f.rate;
        if (std::isnan(f.rate))
            f.form = SolutionForm::Undefined;
        break;
    }
    case CircuitKind::DrivenRl: { // RL, sinusoidal source: denominator = R² + (L·w0)²
        f.form = SolutionForm::Exponential;
        f.w0 = p.w0;
        f.rate = quotient(R, L);
        f.tau = quotient(L, R);
        const double inverse = quotient(1, magnitude(R, L * p.w0));
        f.steadyS = (p.v0 * inverse) * (R * inverse);
        f.steadyK = (-p.v0 * inverse) * ((L * p.w0) * inverse);
        f.coeffA = p.i0 - f.steadyK;
        if (std::isnan(f.rate) || std::isnan(f.steadyK))
            f.form = SolutionForm::Undefined;
        break;
    }
    case CircuitKind::DrivenRlc:
        f.w0 = p.w0;
        setRlcSteadyState(f, R, L, C);
        setRlcTransient(f, R, L, C);
        break;
    default:
        break;
    }
    f.sourceDivisor = hasInductor(kind) ? L : R;
    return f;
}

// The two solutions of the free RLC circuit used by the oscillation and hyperbolic forms,
// without the exp(−α·t) they share where it could underflow alone: c = exp(−α·t)·cos ωd·t
// or exp(−α·t)·cosh β·t, and s = exp(−α·t)·sin(ωd·t)/ωd or exp(−α·t)·sinh(β·t)/β.
struct FreePair {
    double c, s;
};

[[gnu::always_inline]] inline FreePair freePair(const CircuitFigures &f, double t)
{
    if (f.form == SolutionForm::Hyperbolic) {
        // exp(−α·t)·cosh β·t = E·(1 + exp(−x))/2 and exp(−α·t)·sinh(β·t)/β = t·E·φ(x), with
        // E = exp((−α + β·sign t)·t) the larger exponential and x = 2·β·|t|.
        const double x = 2 * f.beta * std::abs(t);
        const double em = std::expm1(-x);
        const double dominant = std::exp((-f.alpha + std::copysign(f.beta, t)) * t);
        return {dominant * (2 + em) / 2, t * dominant * (x == 0 ? 1 : -em / x)};
    }
    const double e = f.alpha == 0 ? 1 : std::exp(-f.alpha * t);
    return {e * std::cos(f.omegaD * t), e * (t * sinc(f.omegaD * t))};
}

// (sign of w0)·v0/L: the source enters the equation q'' + 2α·q' + ω0²·q = v/L, with the sign of
// w0 moved into the amplitude so that the response is written for |w0|.
double drivingFactor(const CircuitFigures &f)
{
    return std::copysign(1.0, f.w0) * quotient(f.v0, f.sourceDivisor);
}

// The response of the driven RLC circuit to exp(i·w·t) from rest, near resonance:
// h = (F(r+) − F(r−))/(2·i·ωd) with r± = −α ± i·ωd and F(r) = t·exp(i·w·t)·φ((i·w − r)·t).
std::complex<double> responseFromRest(const CircuitFigures &f, double t)
{
    const double w = std::abs(f.w0);
    const std::complex<double> drive(std::cos(w * t), std::sin(w * t));
    const std::complex<double> zPlus(f.alpha * t, (w - f.omegaD) * t);
    const std::complex<double> zMinus(f.alpha * t, (w + f.omegaD) * t);
    const std::complex<double> difference = t * drive * (phi(zPlus) - phi(zMinus));
    return difference / std::complex<double>(0, 2 * f.omegaD);
}

// The charge and current near t = 0, where the closed forms' constants would cancel to a
// small remainder (a source's part starts as t² or t³): the Taylor series of the solution,
// with coefficients from the circuit equation itself. With |t|·reach <= kSeriesReach (see
// nearStart()) its terms fall at least tenfold each, so kSeriesTerms of them reach double
// precision.
constexpr double kSeriesReach = 0.1;
constexpr int kSeriesTerms = 24;

struct SeriesValue {
    double charge, current;
};

// The series takes the figures it needs one by one, so that the figures of an inlined
// evaluation need never be laid out in memory to call it.
[[gnu::noinline, gnu::cold]] SeriesValue seriesAt(CircuitKind kind, double q0, double i0, double v0,
                                                  double w0, double rate, double alpha,
                                                  double omega0Squared, double sourceDivisor,
                                                  double t)
{
    const CircuitKind circuit = kind;
    const bool firstOrder = !hasCapacitor(circuit) || !hasInductor(circuit);
    const bool sinusoidal = isDriven(circuit);
    std::array<double, kSeriesTerms + 2> a{};
    a[0] = hasCapacitor(circuit) ? q0 : i0;
    a[1] = i0;
    const double gain = quotient(1, sourceDivisor);
    double power = 1; // w0^n/n!
    for (int n = 0; n + 2 <= kSeriesTerms + 1; ++n) {
        // The source's Taylor coefficient: v0 for a constant source, the odd terms of
        // v0·sin(w0·t) for a sinusoid.
        double source = 0;
        if (!sinusoidal)
            source = n == 0 ? v0 : 0;
        else if (n % 2 == 1)
            source = (n % 4 == 1 ? 1 : -1) * v0 * power;
        power *= w0 / (n + 1);
        const auto k = static_cast<std::size_t>(n);
        if (firstOrder)
            a[k + 1] = (gain * source - rate * a[k]) / (n + 1);
        else
            a[k + 2] = (gain * source - 2 * alpha * (n + 1) * a[k + 1] - omega0Squared * a[k]) /
                       ((n + 1) * (n + 2));
    }
    double value = 0, slope = 0;
    for (std::size_t n = a.size() - 1; n > 0; --n) {
        value = value * t + a[n];
        slope = slope * t + static_cast<double>(n) * a[n];
    }
    value = value * t + a[0];
    if (!hasCapacitor(circuit))
        return {kNaN, value};
    return {value, slope};
}

[[gnu::always_inline]] inline SeriesValue seriesAt(const CircuitFigures &f, double t)
{
    return seriesAt(f.kind, f.q0, f.i0, f.v0, f.w0, f.rate, f.alpha, f.omega0Squared,
                    f.sourceDivisor, t);
}

// The closed forms, each handing over to `series` (see seriesAt()) where |t| times a bound of
// the circuit's and the source's rates and angular frequencies is below kSeriesReach. A
// Series has wanted(t, reach) and value(); NoSeries always leaves it to the closed form.
struct NoSeries {
    static bool wanted(double, double) { return false; }
    static double value() { return kNaN; }
};

inline bool withinReach(double t, double reach)
{
    return std::abs(t) * reach <= kSeriesReach;
}

template <class Series>
[[gnu::always_inline]] inline double charge(const CircuitFigures &f, double t, const Series &series)
{
    switch (f.form) {
    case SolutionForm::Exponential: {
        if (series.wanted(t, std::abs(f.rate) + std::abs(f.w0))) [[unlikely]]
            return series.value();
        if (!hasCapacitor(f.kind))
            return kNaN;
        const double decay = f.coeffA * std::exp(-t * f.rate);
        if (f.w0 == 0 && f.kind == CircuitKind::Rc)
            return decay + f.steadyK;
        return decay + f.steadyS * std::sin(f.w0 * t) + f.steadyK * std::cos(f.w0 * t);
    }
    case SolutionForm::Oscillation: {
        if (series.wanted(t, 2 * std::abs(f.alpha) + f.omegaD + std::abs(f.w0))) [[unlikely]]
            return series.value();
        const double e = f.alpha == 0 ? 1 : std::exp(-f.alpha * t);
        return e * (f.coeffA * std::cos(f.omegaD * t) + f.coeffB * std::sin(f.omegaD * t)) +
               steadyAt(f, t).charge;
    }
    case SolutionForm::Hyperbolic: {
        if (series.wanted(t, 2 * std::abs(f.alpha) + f.beta + std::abs(f.w0))) [[unlikely]]
            return series.value();
        const FreePair b = freePair(f, t);
        return f.coeffA * b.c + f.coeffBw * b.s + steadyAt(f, t).charge;
    }
    case SolutionForm::TwoExponentials: {
        if (series.wanted(t, std::abs(f.s1) + std::abs(f.s2) + std::abs(f.w0))) [[unlikely]]
            return series.value();
        return f.coeffA * std::exp(f.s1 * t) + f.coeffB * std::exp(f.s2 * t) +
               steadyAt(f, t).charge;
    }
    case SolutionForm::DrivenLc: {
        if (series.wanted(t, f.omega0 + std::abs(f.w0))) [[unlikely]]
            return series.value();
        const double w = std::abs(f.w0), wn = f.omega0;
        const double delta = (w - wn) / 2, sigma = (w + wn) / 2;
        const double forced = std::sin(wn * t) / wn - t * sinc(delta * t) * std::cos(sigma * t);
        return f.coeffA * std::cos(wn * t) + f.coeffB * std::sin(wn * t) + f.drivenF * forced;
    }
    case SolutionForm::NearResonance: {
        if (series.wanted(t, 2 * std::abs(f.alpha) + f.omegaD + std::abs(f.w0))) [[unlikely]]
            return series.value();
        const FreePair b = freePair(f, t);
        const double free = f.q0 * b.c + (f.alpha * f.q0 + f.i0) * b.s;
        return free + drivingFactor(f) * responseFromRest(f, t).imag();
    }
    case SolutionForm::Undefined:
        break;
    }
    return kNaN;
}

template <class Series>
[[gnu::always_inline]] inline double current(const CircuitFigures &f, double t,
                                             const Series &series)
{
    switch (f.form) {
    case SolutionForm::Exponential: {
        if (series.wanted(t, std::abs(f.rate) + std::abs(f.w0))) [[unlikely]]
            return series.value();
        const double e = std::exp(-t * f.rate);
        switch (f.kind) {
        case CircuitKind::Rc:
            return f.currentA * e;
        case CircuitKind::Rl:
            return f.coeffA * e + f.steadyK;
        case CircuitKind::DrivenRc:
            return f.currentA * e + (f.w0 * f.steadyS) * std::cos(f.w0 * t) -
                   (f.w0 * f.steadyK) * std::sin(f.w0 * t);
        default:
            return f.coeffA * e + f.steadyS * std::sin(f.w0 * t) + f.steadyK * std::cos(f.w0 * t);
        }
    }
    case SolutionForm::Oscillation: {
        if (series.wanted(t, 2 * std::abs(f.alpha) + f.omegaD + std::abs(f.w0))) [[unlikely]]
            return series.value();
        const double e = f.alpha == 0 ? 1 : std::exp(-f.alpha * t);
        return e * (f.currentA * std::cos(f.omegaD * t) + f.currentB * std::sin(f.omegaD * t)) +
               steadyAt(f, t).current;
    }
    case SolutionForm::Hyperbolic: {
        if (series.wanted(t, 2 * std::abs(f.alpha) + f.beta + std::abs(f.w0))) [[unlikely]]
            return series.value();
        const FreePair b = freePair(f, t);
        return f.currentA * b.c + f.currentB * b.s + steadyAt(f, t).current;
    }
    case SolutionForm::TwoExponentials: {
        if (series.wanted(t, std::abs(f.s1) + std::abs(f.s2) + std::abs(f.w0))) [[unlikely]]
            return series.value();
        return f.currentA * std::exp(f.s1 * t) + f.currentB * std::exp(f.s2 * t) +
               steadyAt(f, t).current;
    }
    case SolutionForm::DrivenLc: {
        if (series.wanted(t, f.omega0 + std::abs(f.w0))) [[unlikely]]
            return series.value();
        const double w = std::abs(f.w0), wn = f.omega0;
        const double delta = (w - wn) / 2, sigma = (w + wn) / 2;
        return -wn * f.coeffA * std::sin(wn * t) + f.i0 * std::cos(wn * t) +
               f.drivenF * w * t * sinc(delta * t) * std::sin(sigma * t);
    }
    case SolutionForm::NearResonance: {
        if (series.wanted(t, 2 * std::abs(f.alpha) + f.omegaD + std::abs(f.w0))) [[unlikely]]
            return series.value();
        const FreePair b = freePair(f, t);
        const double free = f.i0 * b.c - (f.omega0Squared * f.q0 + f.alpha * f.i0) * b.s;
        return free + drivingFactor(f) * std::abs(f.w0) * responseFromRest(f, t).real();
    }
    case SolutionForm::Undefined:
        break;
    }
    return kNaN;
}

} // namespace

CircuitFigures figuresOf(CircuitKind kind, const CircuitParameters &p)
{
    return figures(kind, p);
}

namespace
{

// The series at t of a circuit's figures, for the charge or for the current; where it has no
// value (a square of a frequency beyond the double range) the closed form serves.
struct FigureSeries {
    const CircuitFigures &f;
    double t;
    bool ofCharge;
    static bool wanted(double t, double reach) { return withinReach(t, reach); }
    double value() const
    {
        const SeriesValue near = seriesAt(f, t);
        const double v = ofCharge ? near.charge : near.current;
        if (std::isfinite(v))
            return v;
        return ofCharge ? charge(f, t, NoSeries{}) : current(f, t, NoSeries{});
    }
};

// The same for the solution functions, from the parameters, out of line: the figures of
// their hot path then stay in registers.
[[gnu::noinline, gnu::cold]] double
seriesFromParameters(CircuitKind kind, const CircuitParameters &p, double t, bool ofCharge)
{
    const CircuitFigures f = figuresOf(kind, p);
    return FigureSeries{f, t, ofCharge}.value();
}

struct ParameterSeries {
    CircuitKind kind;
    const CircuitParameters &p;
    double t;
    bool ofCharge;
    static bool wanted(double t, double reach) { return withinReach(t, reach); }
    double value() const { return seriesFromParameters(kind, p, t, ofCharge); }
};

[[gnu::always_inline]] inline double chargeOf(CircuitKind kind, const CircuitParameters &p,
                                              double t)
{
    return charge(figures(kind, p), t, ParameterSeries{kind, p, t, true});
}

[[gnu::always_inline]] inline double currentOf(CircuitKind kind, const CircuitParameters &p,
                                               double t)
{
    return current(figures(kind, p), t, ParameterSeries{kind, p, t, false});
}

} // namespace

double chargeAt(const CircuitFigures &f, double t)
{
    return charge(f, t, FigureSeries{f, t, true});
}

double currentAt(const CircuitFigures &f, double t)
{
    return current(f, t, FigureSeries{f, t, false});
}

// The solution functions of circuitsolutions.h: each computes its kind's figures afresh, so
// nothing is kept between calls.
double q1(const CircuitParameters &p, double t)
{
    return chargeOf(CircuitKind::Rc, p, t);
}

double i1(const CircuitParameters &p, double t)
{
    return currentOf(CircuitKind::Rc, p, t);
}

double i2(const CircuitParameters &p, double t)
{
    return currentOf(CircuitKind::Rl, p, t);
}

double q3(const CircuitParameters &p, double t)
{
    return chargeOf(CircuitKind::Lc, p, t);
}

double i3(const CircuitParameters &p, double t)
{
    return currentOf(CircuitKind::Lc, p, t);
}

double q4(const CircuitParameters &p, double t)
{
    return chargeOf(CircuitKind::Rlc, p, t);
}

double i4(const CircuitParameters &p, double t)
{
    return currentOf(CircuitKind::Rlc, p, t);
}

double q5(const CircuitParameters &p, double t)
{
    return chargeOf(CircuitKind::DrivenLc, p, t);
}

double i5(const CircuitParameters &p, double t)
{
    return currentOf(CircuitKind::DrivenLc, p, t);
}

double q6(const CircuitParameters &p, double t)
{
    return chargeOf(CircuitKind::DrivenRc, p, t);
}

double i6(const CircuitParameters &p, double t)
{
    return currentOf(CircuitKind::DrivenRc, p, t);
}

double i7(const CircuitParameters &p, double t)
{
    return currentOf(CircuitKind::DrivenRl, p, t);
}

double q8(const CircuitParameters &p, double t)
{
    return chargeOf(CircuitKind::DrivenRlc, p, t);
}

double i8(const CircuitParameters &p, double t)
{
    return currentOf(CircuitKind::DrivenRlc, p, t);
}

} // namespace kel::solutions
