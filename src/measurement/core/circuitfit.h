// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fitproblem.h"

#include <atomic>
#include <cstddef>
#include <functional>
#include <span>
#include <vector>

namespace kel::measurement
{

// One parameter of the fitted circuit: its value in SI units (f0 in Hz) and its standard
// uncertainty. A held parameter has its given value and uncertainty 0. A parameter the data
// cannot determine is `determined == false`; its value and uncertainty then mean nothing.
struct FittedParameter {
    FitParameter parameter = FitParameter::R;
    double value = 0;
    double uncertainty = 0;
    bool fixed = false;
    bool determined = true;
};

// The correlation coefficient of two fitted parameters, where its magnitude exceeds 0.95.
struct Correlation {
    FitParameter first = FitParameter::R, second = FitParameter::R;
    double coefficient = 0;
};

enum class FitStatus {
    Fitted,
    Cancelled,
    NoSuchQuantity, // the circuit has no such quantity (no charge without a capacitor)
    TooFewPoints,   // fewer samples than free parameters plus one
    NothingFree,    // every parameter is held
    BadSamples,     // t and y differ in length, or hold a value that is not finite
    BadHeldValue,   // a held R, L, C or f0 that is not positive, or a value not finite
    NoSolution,     // the model has no finite value for any start the data suggest
};

struct FitResult {
    FitStatus status = FitStatus::Fitted;
    // Every parameter of the configuration, in the order of parametersOf().
    std::vector<FittedParameter> parameters;
    double rmsResidual = 0; // sqrt(SSR/n), in the unit of y
    std::size_t points = 0;
    bool converged = false;
    int iterations = 0;
    std::vector<Correlation> correlations;
    // Parameters the data leave open (R, L and C all free from vC fix only α, ω0 and the
    // amplitude), found from the rank of the Jacobian; and which of them to hold so that the
    // rest are determined.
    std::vector<FitParameter> notDetermined;
    std::vector<FitParameter> suggestHold;

    const FittedParameter *find(FitParameter parameter) const;
};

// Called after each iteration with its number and the RMS residual reached.
using FitProgress = std::function<void(int iteration, double rmsResidual)>;

// Fits the configuration's closed-form solution to the samples y(t) (t in seconds from the
// switch, increasing; y in V, A or C as the quantity) by Levenberg–Marquardt least squares.
// R, L, C and f0 are fitted on a log scale, so they stay positive; the free parameters start
// from values read off the data (rates and frequencies from an integral regression, the
// initial values by linear least squares), so the given values of free parameters matter only
// where the data leave them open. Uncertainties are the square roots of the diagonal of
// (JᵀJ)⁻¹·SSR/(n − p). `cancel`, when given, is read between iterations. Callable from any
// thread; it keeps no state.
FitResult fitCircuit(const FitProblem &problem, std::span<const double> t,
                     std::span<const double> y, const std::atomic<bool> *cancel = nullptr,
                     const FitProgress &progress = {});

// The model of `problem` with its settings' values at each time of `t` (s): the curve drawn
// over the samples. Empty when the circuit has no such quantity.
std::vector<double> modelCurve(const FitProblem &problem, std::span<const double> t);

// `problem` with the fitted values of `result` as its settings' values.
FitProblem withFittedValues(FitProblem problem, const FitResult &result);

} // namespace kel::measurement
