// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace kel::solutions
{

// The text boxes of the lab window that hold the circuit parameters.
enum class Parameter { R, L, C, v0, w0, q0, i0 };

// The name of a parameter's text box ("R", "w0", ...), for messages.
std::string_view boxName(Parameter parameter);

// Circuit parameters in SI units, as numbers read from their texts, plus the text of w0,
// which the resonance test compares against (ohms, henries, farads, volts, rad/s,
// coulombs, amperes).
struct CircuitParameters {
    double R = 0, L = 0, C = 0, v0 = 0, w0 = 0, q0 = 0, i0 = 0;
    std::string w0Text;
};

// The value `p` holds for a parameter, in its SI unit.
double parameterValue(const CircuitParameters &p, Parameter parameter);

// A solution function: charge (C), current (A) or voltage (V) at time t (s), for the series
// circuit L·q'' + R·q' + q/C = v(t), i = q', with q(0) = q0 and, where there is an inductor,
// i(0) = i0. v(t) is v0 in kinds 1 to 4 (0 without a source) and v0·sin(w0·t) in kinds 5 to 8.
// Every quantity is recomputed at each call; nothing is kept between calls. A divisor that is
// zero, L·C <= 0 where ω is needed, or an exponential that overflows gives a NaN or infinite
// result, which callers test with std::isfinite. 2L is L + L, x^2 is pow(x, 2.0), sums run left
// to right; ω, D, a, s1, s2 and ωd are those of circuitcases.h.
using SolutionFunction = double (*)(const CircuitParameters &, double t);

// Kind 1, RC, constant source. A = q0 − v0·C.
double q1(const CircuitParameters &p, double t); // A·exp((−t/R)/C) + C·v0
double i1(const CircuitParameters &p, double t); // ((−A/R)/C)·exp((−t/R)/C)
// Kind 2, RL, constant source. A = i0 − v0/R.
double i2(const CircuitParameters &p, double t); // A·exp((−t·R)/L) + v0/R
// Kind 3, LC, constant source: an undamped oscillation at ω about C·v0.
double q3(const CircuitParameters &p, double t); // (q0 − C·v0)·cos ωt + (i0/ω)·sin ωt + C·v0
double i3(const CircuitParameters &p, double t); // (−ω·(q0 − C·v0))·sin ωt + i0·cos ωt
// Kind 4, RLC, constant source, by the damping test, about the steady charge C·v0:
//   D > 0: A·exp(s1·t) + B·exp(s2·t), A = ((−q0)·s2 + i0 + (C·v0)·s2)/(s1 − s2),
//          B = ((−i0) + s1·q0 − (s1·C)·v0)/(s1 − s2);
//   D = 0: (A + B·t)·exp(a·t), A = q0 − C·v0, B = i0 − A·a;
//   D < 0: exp(a·t)·(A·cos ωd·t + B·sin ωd·t), A = q0 − C·v0, B = (i0 − a·A)/ωd.
double q4(const CircuitParameters &p, double t); // the above + C·v0
double i4(const CircuitParameters &p, double t); // its time derivative
// Kind 5, LC, sinusoidal source, by the resonance test:
//   off: P = (v0/(ω^2 − w0^2))/L, B = (i0 − w0·P)/ω; q = q0·cos ωt + B·sin ωt + P·sin w0·t;
//   at:  P = −v0/((2·w0)·L), B = (i0 − P)/w0; q = q0·cos w0·t + B·sin w0·t + (P·t)·cos w0·t,
//        a driven term growing linearly with t.
double q5(const CircuitParameters &p, double t);
double i5(const CircuitParameters &p, double t); // its time derivative
// Kind 6, RC, sinusoidal source. M = (w0·(R·C))^2 + 1, S = (v0·C)/M,
// K = (R·((−v0·w0)·C^2))/M, A = q0 − K.
double q6(const CircuitParameters &p, double t); // A·exp((−t/R)/C) + S·sin w0·t + K·cos w0·t
double i6(const CircuitParameters &p, double t); // its time derivative
// Kind 7, RL, sinusoidal source. M = R^2 + L^2·w0^2, S = (v0·R)/M, K = (L·(−v0·w0))/M,
// A = i0 − K.
double i7(const CircuitParameters &p, double t); // A·exp((−t·R)/L) + S·sin w0·t + K·cos w0·t
// Kind 8, RLC, sinusoidal source. Driven response K·cos w0·t + S·sin w0·t with
// X = 1/C − L·w0^2, M = R^2·w0^2 + X^2, K = (R·(w0·(−v0)))/M, S = (v0·X)/M; the transient
// takes Q = q0 − K and J = i0 − w0·S, by the damping test:
//   D > 0: A·exp(s1·t) + B·exp(s2·t), A = (s2·Q − J)/(s2 − s1), B = (J − s1·Q)/(s2 − s1);
//   D = 0: (A + B·t)·exp(a·t), A = Q, B = (i0 − a·A) − w0·S;
//   D < 0: exp(a·t)·(A·cos ωd·t + B·sin ωd·t), A = Q, B = ((i0 − a·A) − w0·S)/ωd.
double q8(const CircuitParameters &p, double t); // transient + K·cos w0·t + S·sin w0·t
double i8(const CircuitParameters &p, double t); // its time derivative
// The sinusoidal source voltage, V.
double VS(const CircuitParameters &p, double t); // v0·sin(w0·t)

// The pair of functions of a configuration (CircuitKind 1..8) and the texts they read, in the
// order they are read (the first bad one is the one reported).
struct CaseRow {
    SolutionFunction charge; // nullptr for the RL circuits (kinds 2 and 7)
    SolutionFunction current;
    std::span<const Parameter> reads;
};
// nullptr for a kind outside 1..8.
const CaseRow *caseFor(int circuitKind);

// Reads the named parameters through `textOf`, each text once. On success all of them are set
// (others stay 0), and w0Text holds the text of w0 exactly as read; otherwise `badBox` names
// the first whose text is not a number (or the first one at all when `textOf` is empty).
struct ReadResult {
    std::optional<CircuitParameters> parameters;
    std::optional<Parameter> badBox;
};
ReadResult readParameters(const std::function<std::string(Parameter)> &textOf,
                          std::span<const Parameter> which);

// The texts of all parameters, each parsed once when constructed, for work that reads the same
// texts several times (a plot's samples, a read-out's test and figures). read() answers exactly
// as readParameters over the same texts.
class ParsedParameters
{
public:
    explicit ParsedParameters(const std::function<std::string(Parameter)> &textOf);
    ReadResult read(std::span<const Parameter> which) const;

private:
    std::array<std::optional<double>, 7> m_values;
    std::string m_w0Text;
};

} // namespace kel::solutions
