// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fitproblem.h"

#include <array>
#include <cmath>
#include <optional>
#include <span>

namespace kel::measurement
{

// A value with its derivatives with respect to the fitted parameters (forward-mode
// differentiation), so that the Jacobian of the closed form comes from the same formulas as
// its value.
struct Dual {
    double v = 0;
    std::array<double, kFitParameterCount> d{};
};
Dual operator+(const Dual &a, const Dual &b);
Dual operator-(const Dual &a, const Dual &b);
Dual operator-(const Dual &a);
Dual operator*(const Dual &a, const Dual &b);
Dual operator/(const Dual &a, const Dual &b);
Dual sqrt(const Dual &a);

// One term e^(a·t)·((cosine + cosineRamp·t)·cos(w·t) + (sine + sineRamp·t)·sin(w·t)) of a
// closed-form solution: an exponential (w = 0), a damped or undamped oscillation, the critical
// case or the driven LC circuit at resonance (the ramps). a in 1/s, w in rad/s.
template <typename T> struct Mode {
    T a{}, w{}, cosine{}, sine{}, cosineRamp{}, sineRamp{};
};

// A quantity of the circuit as a sum of at most three terms and a constant: the transient
// (one or two terms) and the driven response.
template <typename T> struct Signal {
    T constant{};
    std::array<Mode<T>, 3> modes{};
    int count = 0;
};

// Each parameter's value in SI units, indexed by FitParameter.
template <typename T> using ParameterValues = std::array<T, kFitParameterCount>;

// The recorded quantity of a configuration as the program's closed-form solution gives it
// (the charge of kinds 1, 3, 4, 5, 6, 8 and the current of kinds 2 and 7, with the same damping
// and resonance tests), then vC = q/C, vR = R·i, vL = L·di/dt. Parameters the configuration
// lacks are read as 0 (v0 without a source). None when the circuit has no such quantity.
template <typename T>
std::optional<Signal<T>> signalOf(FitCircuit circuit, FitSource source, Quantity quantity,
                                  const ParameterValues<T> &values);

// The value of a signal at time t (s).
double valueAt(const Signal<double> &signal, double t);

// The model at each time of `t` into `out` and, when `jacobian` is given, its derivatives
// into jacobian[k·stride + j] for the first `columns` differentiated parameters.
void evaluate(const Signal<Dual> &signal, std::span<const double> t, std::span<double> out,
              double *jacobian, std::size_t columns);

} // namespace kel::measurement
