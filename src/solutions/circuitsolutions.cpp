// SPDX-License-Identifier: GPL-3.0-or-later
#include "circuitsolutions.h"

#include "circuitcases.h"
#include "numbertext.h"

#include <array>
#include <cmath>
#include <limits>
#include <utility>

namespace kel::solutions
{

namespace
{

using std::cos;
using std::exp;
using std::pow;
using std::sin;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The constants of the RLC transient, shared by a charge function and its current.
struct RlcTransient {
    Damping damping;
    double A = 0, B = 0;
    double s1 = 0, s2 = 0; // overdamped
    double a = 0, wd = 0;  // critical and underdamped
};

// Constant or no source: q(0) = q0, i(0) = i0 about the steady charge C·v0.
RlcTransient constantSourceTransient(const CircuitParameters &p)
{
    const double R = p.R, L = p.L, C = p.C, v0 = p.v0, q0 = p.q0, i0 = p.i0;
    RlcTransient k{dampingOf(R, L, C)};
    const double D = discriminant(R, L, C);
    switch (k.damping) {
    case Damping::Overdamped:
        k.s1 = overdampedRate1(R, L, D);
        k.s2 = overdampedRate2(R, L, D);
        k.A = quotient((-q0) * k.s2 + i0 + (C * v0) * k.s2, k.s1 - k.s2);
        k.B = quotient((-i0) + k.s1 * q0 - (k.s1 * C) * v0, k.s1 - k.s2);
        break;
    case Damping::Critical:
        k.a = dampingRate(R, L);
        k.A = q0 - C * v0;
        k.B = i0 - k.A * k.a;
        break;
    case Damping::Underdamped:
        k.a = dampingRate(R, L);
        k.wd = dampedFrequency(L, D);
        k.A = q0 - C * v0;
        k.B = quotient(i0 - k.a * k.A, k.wd);
        break;
    case Damping::Undefined:
        break;
    }
    return k;
}

// The driven RLC circuit's steady state: K·cos(w0·t) + S·sin(w0·t).
struct DrivenResponse {
    double K = 0, S = 0;
};

DrivenResponse drivenResponse(const CircuitParameters &p)
{
    const double R = p.R, L = p.L, C = p.C, w0 = p.w0, v0 = p.v0;
    const double X = quotient(1, C) - L * pow(w0, 2.0);
    const double M = pow(R, 2.0) * pow(w0, 2.0) + pow(X, 2.0);
    return {quotient(R * (w0 * (-v0)), M), quotient(v0 * X, M)};
}

// Sinusoidal source: the transient takes what the steady state leaves of q0 and i0.
RlcTransient drivenTransient(const CircuitParameters &p, const DrivenResponse &d)
{
    const double R = p.R, L = p.L, C = p.C, w0 = p.w0, i0 = p.i0;
    const double Q = p.q0 - d.K;
    const double J = i0 - w0 * d.S;
    RlcTransient k{dampingOf(R, L, C)};
    const double D = discriminant(R, L, C);
    switch (k.damping) {
    case Damping::Overdamped:
        k.s1 = overdampedRate1(R, L, D);
        k.s2 = overdampedRate2(R, L, D);
        k.A = quotient(k.s2 * Q - J, k.s2 - k.s1);
        k.B = quotient(J - k.s1 * Q, k.s2 - k.s1);
        break;
    case Damping::Critical:
        k.a = dampingRate(R, L);
        k.A = Q;
        k.B = (i0 - k.a * k.A) - w0 * d.S;
        break;
    case Damping::Underdamped:
        k.a = dampingRate(R, L);
        k.wd = dampedFrequency(L, D);
        k.A = Q;
        k.B = quotient((i0 - k.a * k.A) - w0 * d.S, k.wd);
        break;
    case Damping::Undefined:
        break;
    }
    return k;
}

double transientCharge(const RlcTransient &k, double t)
{
    switch (k.damping) {
    case Damping::Overdamped:
        return k.A * exp(k.s1 * t) + k.B * exp(k.s2 * t);
    case Damping::Critical:
        return (k.A + k.B * t) * exp(k.a * t);
    case Damping::Underdamped:
        return exp(k.a * t) * (k.A * cos(k.wd * t) + k.B * sin(k.wd * t));
    case Damping::Undefined:
        break;
    }
    return kNaN;
}

using P = Parameter;
constexpr std::array<P, 4> kRcReads{P::v0, P::C, P::q0, P::R};
constexpr std::array<P, 4> kRlReads{P::i0, P::v0, P::R, P::L};
constexpr std::array<P, 5> kLcReads{P::L, P::C, P::q0, P::v0, P::i0};
constexpr std::array<P, 6> kRlcReads{P::R, P::L, P::C, P::q0, P::v0, P::i0};
constexpr std::array<P, 6> kDrivenLcReads{P::L, P::C, P::w0, P::v0, P::q0, P::i0};
constexpr std::array<P, 5> kDrivenRcReads{P::v0, P::C, P::w0, P::R, P::q0};
constexpr std::array<P, 5> kDrivenRlReads{P::v0, P::R, P::L, P::w0, P::i0};
constexpr std::array<P, 7> kDrivenRlcReads{P::R, P::L, P::C, P::w0, P::v0, P::q0, P::i0};

const std::array<CaseRow, 8> kCaseTable{{
    {q1, i1, kRcReads},
    {nullptr, i2, kRlReads},
    {q3, i3, kLcReads},
    {q4, i4, kRlcReads},
    {q5, i5, kDrivenLcReads},
    {q6, i6, kDrivenRcReads},
    {nullptr, i7, kDrivenRlReads},
    {q8, i8, kDrivenRlcReads},
}};

} // namespace

std::string_view boxName(Parameter parameter)
{
    switch (parameter) {
    case P::R:
        return "R";
    case P::L:
        return "L";
    case P::C:
        return "C";
    case P::v0:
        return "v0";
    case P::w0:
        return "w0";
    case P::q0:
        return "q0";
    case P::i0:
        return "i0";
    }
    return "?";
}

double q1(const CircuitParameters &p, double t)
{
    const double A = p.q0 - p.v0 * p.C;
    return A * exp(quotient(quotient(-t, p.R), p.C)) + p.C * p.v0;
}

double i1(const CircuitParameters &p, double t)
{
    const double A = p.q0 - p.v0 * p.C;
    return quotient(quotient(-A, p.R), p.C) * exp(quotient(quotient(-t, p.R), p.C));
}

double i2(const CircuitParameters &p, double t)
{
    const double A = p.i0 - quotient(p.v0, p.R);
    return A * exp(quotient(-t * p.R, p.L)) + quotient(p.v0, p.R);
}

double q3(const CircuitParameters &p, double t)
{
    const double w = naturalFrequency(p.L, p.C);
    return (p.q0 - p.C * p.v0) * cos(w * t) + quotient(p.i0, w) * sin(w * t) + p.C * p.v0;
}

double i3(const CircuitParameters &p, double t)
{
    const double w = naturalFrequency(p.L, p.C);
    return (-w * (p.q0 - p.C * p.v0)) * sin(w * t) + p.i0 * cos(w * t);
}

double q4(const CircuitParameters &p, double t)
{
    return transientCharge(constantSourceTransient(p), t) + p.C * p.v0;
}

double i4(const CircuitParameters &p, double t)
{
    const RlcTransient k = constantSourceTransient(p);
    switch (k.damping) {
    case Damping::Overdamped:
        return (k.A * k.s1) * exp(k.s1 * t) + (k.B * k.s2) * exp(k.s2 * t);
    case Damping::Critical:
        return (k.A * k.a + (k.B * k.a) * t + k.B) * exp(k.a * t);
    case Damping::Underdamped:
        return exp(k.a * t) * ((k.a * k.A + k.wd * k.B) * cos(k.wd * t) +
                               (k.a * k.B - k.wd * k.A) * sin(k.wd * t));
    case Damping::Undefined:
        break;
    }
    return kNaN;
}

namespace
{

// The driven LC circuit's constants, shared by its charge and its current: off resonance the
// free oscillation at ω plus P·sin(w0·t); at resonance the growing term P·t·cos(w0·t).
struct DrivenLc {
    bool atResonance;
    double w, P, A, B;
};

DrivenLc drivenLc(const CircuitParameters &p)
{
    const double L = p.L, w0 = p.w0, v0 = p.v0;
    const double w = naturalFrequency(L, p.C);
    if (resonanceOf(L, p.C, p.w0Text) == Resonance::OffResonance) {
        const double P = quotient(quotient(v0, pow(w, 2.0) - pow(w0, 2.0)), L);
        return {false, w, P, p.q0, quotient(p.i0 - w0 * P, w)};
    }
    // (2·w0)·L, and L·(2·w0) as the current writes it: a product of two doubles is the same
    // either way round.
    const double P = quotient(-v0, (w0 + w0) * L);
    return {true, w, P, p.q0, quotient(p.i0 - P, w0)};
}

} // namespace

double q5(const CircuitParameters &p, double t)
{
    const DrivenLc k = drivenLc(p);
    const double w0 = p.w0;
    if (!k.atResonance)
        return k.A * cos(k.w * t) + k.B * sin(k.w * t) + k.P * sin(w0 * t);
    return k.A * cos(w0 * t) + k.B * sin(w0 * t) + (k.P * t) * cos(w0 * t);
}

double i5(const CircuitParameters &p, double t)
{
    const DrivenLc k = drivenLc(p);
    const double w0 = p.w0;
    if (!k.atResonance)
        return (-k.A * k.w) * sin(k.w * t) + (k.B * k.w) * cos(k.w * t) + (k.P * w0) * cos(w0 * t);
    return (-w0 * k.A) * sin(w0 * t) + (w0 * k.B) * cos(w0 * t) + k.P * cos(w0 * t) -
           ((k.P * w0) * t) * sin(w0 * t);
}

namespace
{

struct DrivenRc {
    double S, K, A;
};

DrivenRc drivenRc(const CircuitParameters &p)
{
    const double R = p.R, C = p.C, w0 = p.w0, v0 = p.v0;
    const double M = pow(w0 * (R * C), 2.0) + 1;
    const double S = quotient(v0 * C, M);
    const double K = quotient(R * ((-v0 * w0) * pow(C, 2.0)), M);
    return {S, K, p.q0 - K};
}

} // namespace

double q6(const CircuitParameters &p, double t)
{
    const DrivenRc k = drivenRc(p);
    return k.A * exp(quotient(quotient(-t, p.R), p.C)) + k.S * sin(p.w0 * t) + k.K * cos(p.w0 * t);
}

double i6(const CircuitParameters &p, double t)
{
    const DrivenRc k = drivenRc(p);
    return quotient(-k.A, p.R * p.C) * exp(quotient(quotient(-t, p.R), p.C)) +
           (p.w0 * k.S) * cos(p.w0 * t) - (p.w0 * k.K) * sin(p.w0 * t);
}

double i7(const CircuitParameters &p, double t)
{
    const double R = p.R, L = p.L, w0 = p.w0, v0 = p.v0;
    const double M = pow(R, 2.0) + pow(L, 2.0) * pow(w0, 2.0);
    const double S = quotient(v0 * R, M);
    const double K = quotient(L * (-v0 * w0), M);
    const double A = p.i0 - K;
    return A * exp(quotient(-t * R, L)) + S * sin(w0 * t) + K * cos(w0 * t);
}

double q8(const CircuitParameters &p, double t)
{
    const DrivenResponse d = drivenResponse(p);
    const RlcTransient k = drivenTransient(p, d);
    return transientCharge(k, t) + d.K * cos(p.w0 * t) + d.S * sin(p.w0 * t);
}

double i8(const CircuitParameters &p, double t)
{
    const DrivenResponse d = drivenResponse(p);
    const RlcTransient k = drivenTransient(p, d);
    const double w0 = p.w0;
    double transient = kNaN;
    switch (k.damping) {
    case Damping::Overdamped:
        transient = (k.s1 * k.A) * exp(k.s1 * t) + (k.s2 * k.B) * exp(k.s2 * t);
        break;
    case Damping::Critical:
        transient = (k.a * k.A + (k.a * k.B) * t + k.B) * exp(k.a * t);
        break;
    case Damping::Underdamped:
        transient = exp(k.a * t) * ((k.A * k.a + k.wd * k.B) * cos(k.wd * t) +
                                    (k.B * k.a - k.wd * k.A) * sin(k.wd * t));
        break;
    case Damping::Undefined:
        break;
    }
    return transient - (w0 * d.K) * sin(w0 * t) + (w0 * d.S) * cos(w0 * t);
}

double VS(const CircuitParameters &p, double t)
{
    return p.v0 * sin(p.w0 * t);
}

const CaseRow *caseFor(int circuitKind)
{
    if (circuitKind < 1 || circuitKind > static_cast<int>(kCaseTable.size()))
        return nullptr;
    return &kCaseTable[static_cast<std::size_t>(circuitKind - 1)];
}

ReadResult readParameters(const std::function<std::string(Parameter)> &textOf,
                          std::span<const Parameter> which)
{
    CircuitParameters p;
    for (const Parameter parameter : which) {
        if (!textOf)
            return {std::nullopt, parameter};
        const std::string text = textOf(parameter);
        const auto value = toNumber(text);
        if (!value)
            return {std::nullopt, parameter};
        switch (parameter) {
        case P::R:
            p.R = *value;
            break;
        case P::L:
            p.L = *value;
            break;
        case P::C:
            p.C = *value;
            break;
        case P::v0:
            p.v0 = *value;
            break;
        case P::w0:
            p.w0 = *value;
            p.w0Text = text;
            break;
        case P::q0:
            p.q0 = *value;
            break;
        case P::i0:
            p.i0 = *value;
            break;
        }
    }
    return {std::move(p), std::nullopt};
}

} // namespace kel::solutions
