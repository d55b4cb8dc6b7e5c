// SPDX-License-Identifier: GPL-3.0-or-later
#include "circuitenergy.h"

#include "circuitfigures.h"

#include <boost/math/quadrature/gauss_kronrod.hpp>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <limits>

namespace kel::solutions
{
namespace
{

constexpr double kTolerance = 1e-12;
constexpr unsigned kMaxDepth = 10;
// The absolute bound of an interval's integral, relative to the energies at its ends.
constexpr double kFloor = 1e-14;
// An interval longer than a few of the circuit's shortest time scales is cut into pieces of
// about that length first, so that the adaptive rule starts from pieces it can resolve; past
// this many pieces the curve is far coarser than the oscillation and the bisection takes over.
constexpr double kPieceRadians = 2;
constexpr int kMaxPieces = 1024;

bool constantSource(CircuitKind kind)
{
    return kind != CircuitKind::None && !isDriven(kind);
}

// The fastest rate or angular frequency of the circuit's solution, 1/s; 0 if it has none.
double fastestRate(const CircuitFigures &f)
{
    double fastest = 0;
    for (double r :
         {f.alpha, f.omega0, f.omegaD, std::abs(f.alpha) + f.beta, f.s1, f.s2, f.w0, f.rate})
        if (std::isfinite(r))
            fastest = std::max(fastest, std::abs(r));
    return fastest;
}

using Rule = boost::math::quadrature::gauss_kronrod<double, 21>;

// Bisects [a, b] until Boost's Gauss–Kronrod error estimate on each part is within 1e-12 of
// the integral of |f| there, or within `floor` (J): an integrand that has decayed to its own
// rounding noise, or a sign-changing one whose parts cancel, would otherwise never satisfy a
// bound relative to its integral alone.
template <typename F>
double adaptive(const F &integrand, double a, double b, double floor, unsigned depth)
{
    double error = 0, absolute = 0;
    const double estimate = Rule::integrate(integrand, a, b, 0, kTolerance, &error, &absolute);
    // Boost 1.74 gives a single rule's error estimate for [−1, 1], before its scaling to
    // [a, b] (the estimate and L1 norm are scaled).
    error *= std::abs(b - a) / 2;
    if (depth == 0 || error <= std::max(kTolerance * absolute, floor) || !std::isfinite(error))
        return estimate;
    const double mid = a + (b - a) / 2;
    return adaptive(integrand, a, mid, floor / 2, depth - 1) +
           adaptive(integrand, mid, b, floor / 2, depth - 1);
}

template <typename F>
double integrate(const F &integrand, double a, double b, double rate, double scale)
{
    if (a == b)
        return 0;
    const double span = std::abs(b - a) * rate / kPieceRadians;
    const int pieces =
        std::isfinite(span) ? std::clamp(static_cast<int>(std::ceil(span)), 1, kMaxPieces) : 1;
    const double floor = kFloor * scale / pieces;
    double sum = 0;
    for (int k = 0; k < pieces; ++k) {
        const double from = a + (b - a) * k / pieces;
        const double to = k + 1 == pieces ? b : a + (b - a) * (k + 1) / pieces;
        sum += adaptive(integrand, from, to, floor, kMaxDepth);
    }
    return sum;
}

} // namespace

std::vector<EnergySample> energyCurve(CircuitKind kind, const CircuitParameters &p,
                                      std::span<const double> times)
{
    const CircuitFigures f = figuresOf(kind, p);
    const bool withC = hasCapacitor(kind);
    const bool constant = constantSource(kind);
    const double rate = fastestRate(f);
    const auto current = [&f](double t) { return currentAt(f, t); };
    const auto voltage = [&p, constant](double t) {
        return constant ? p.v0 : p.v0 * std::sin(p.w0 * t);
    };
    const auto heat = [&](double t) {
        const double i = current(t);
        return p.R * i * i;
    };
    const auto work = [&](double t) { return voltage(t) * current(t); };

    std::vector<EnergySample> curve;
    curve.reserve(times.size());
    if (f.form == SolutionForm::Undefined) {
        constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
        for (double t : times)
            curve.push_back({t, kNan, kNan, kNan, kNan});
        return curve;
    }
    double previous = 0, heatSoFar = 0, workSoFar = 0;
    double stored = 0; // |W_C| + |W_L| at the previous time
    for (double t : times) {
        const double i = current(t);
        const double q = withC ? chargeAt(f, t) : 0;
        EnergySample s{t, withC ? q * q / (p.C + p.C) : 0, p.L * i * i / 2, 0, 0};
        const double storedNow = std::abs(s.capacitor) + std::abs(s.inductor);
        const double scale =
            std::max({stored, storedNow, std::abs(heatSoFar), std::abs(workSoFar),
                      std::abs(p.v0 * i * (t - previous)), std::abs(p.R * i * i * (t - previous))});
        heatSoFar += integrate(heat, previous, t, rate, scale);
        s.resistor = heatSoFar;
        if (constant && withC) {
            // v0 · ∫ i dt, the charge the source moved.
            s.source = p.v0 * (q - p.q0);
        } else {
            workSoFar += integrate(work, previous, t, rate, scale);
            s.source = workSoFar;
        }
        curve.push_back(s);
        previous = t;
        stored = storedNow;
    }
    return curve;
}

EnergyBalance balanceOf(CircuitKind kind, const CircuitParameters &p,
                        std::span<const EnergySample> curve)
{
    const double zero = 0;
    const EnergySample start = energyCurve(kind, p, std::span(&zero, 1)).front();
    EnergyBalance b;
    b.initial = start.balance();
    for (const EnergySample &s : curve) {
        b.largestDeviation = std::max(b.largestDeviation, std::abs(s.balance() - b.initial));
        b.largestTerm = std::max({b.largestTerm, std::abs(s.capacitor), std::abs(s.inductor),
                                  std::abs(s.resistor), std::abs(s.source)});
        if (!std::isfinite(s.balance()))
            b.largestDeviation = b.largestTerm = std::numeric_limits<double>::quiet_NaN();
    }
    return b;
}

} // namespace kel::solutions
