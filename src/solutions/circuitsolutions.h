// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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

// A solution function: charge (C), current (A) or voltage (V) at time t (s).
using SolutionFunction = double (*)(const CircuitParameters &, double t);

double q1(const CircuitParameters &p, double t);
double i1(const CircuitParameters &p, double t);
double i2(const CircuitParameters &p, double t);
double q3(const CircuitParameters &p, double t);
double i3(const CircuitParameters &p, double t);
double q4(const CircuitParameters &p, double t);
double i4(const CircuitParameters &p, double t);
double q5(const CircuitParameters &p, double t);
double i5(const CircuitParameters &p, double t);
double q6(const CircuitParameters &p, double t);
double i6(const CircuitParameters &p, double t);
double i7(const CircuitParameters &p, double t);
double q8(const CircuitParameters &p, double t);
double i8(const CircuitParameters &p, double t);
double VS(const CircuitParameters &p, double t);

// The pair of functions of a configuration (CircuitKind 1..8) and the texts they read.
struct CaseRow {
    SolutionFunction charge; // nullptr for the RL circuits (kinds 2 and 7)
    SolutionFunction current;
    std::span<const Parameter> reads;
};
// nullptr for a kind outside 1..8.
const CaseRow *caseFor(int circuitKind);

// Reads the named parameters through `textOf`. On success all of them are set (others stay
// 0); otherwise `badBox` names the first whose text is not a number.
struct ReadResult {
    std::optional<CircuitParameters> parameters;
    std::optional<Parameter> badBox;
};
ReadResult readParameters(const std::function<std::string(Parameter)> &textOf,
                          std::span<const Parameter> which);

} // namespace kel::solutions
