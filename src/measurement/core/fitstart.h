// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "circuitmodel.h"
#include "fitproblem.h"

#include <span>
#include <vector>

namespace kel::measurement
{

// Where a fit may start: the values read off the data first (more than one where the data
// leave a choice, such as which of two oscillations of a driven LC circuit is the source's),
// then the problem's own values. Held parameters keep their values in every start.
struct StartValues {
    std::vector<ParameterValues<double>> starts;
    // The size of one unit of v0, q0 and i0 in the fit: what changes y by its RMS.
    ParameterValues<double> typicalSize{};
};

// The rates and frequencies of the samples come from a regression of y on its own repeated
// integrals (a linear ODE of the circuit's order, plus two for a sinusoidal source, with
// constant coefficients, integrated that many times): the characteristic roots give 1/τ, α,
// ω0 and the source's ω without a search. R, L, C and f0 follow from them with the held values;
// v0, q0 and i0, on which the model depends linearly, by linear least squares.
StartValues startValues(const FitProblem &problem, const std::vector<FitParameter> &free,
                        const ParameterValues<double> &held, std::span<const double> t,
                        std::span<const double> y);

} // namespace kel::measurement
