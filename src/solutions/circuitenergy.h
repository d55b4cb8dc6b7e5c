// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "circuitkind.h"
#include "circuitsolutions.h"

#include <span>
#include <vector>

namespace kel::solutions
{

// The energies of the series circuit at one time t (s), in joules:
//   W_C = q²/(2C), stored in the capacitor (0 without one: kinds 2 and 7);
//   W_L = L·i²/2, stored in the inductor (0 in the RC kinds, where L is 0);
//   W_R = ∫₀ᵗ R·i² dt, turned to heat in the resistor since t = 0;
//   W_S = ∫₀ᵗ v·i dt, the work of the source since t = 0 (v = v0, or v0·sin(w0·t)).
// By the circuit equation W_C + W_L + W_R − W_S stays equal to W_C(0) + W_L(0).
struct EnergySample {
    double t = 0;
    double capacitor = 0, inductor = 0, resistor = 0, source = 0; // W_C, W_L, W_R, W_S
    double balance() const { return capacitor + inductor + resistor - source; }
};

// The energies of circuit `kind` with parameters `p` at each
// of `times` (s, any order, usually ascending; t < 0 integrates backwards). W_C and W_L and,
// with a constant source, W_S = v0·(q − q0) are exact; W_R and the other W_S come from an
// adaptive Gauss–Kronrod quadrature to 1e-12 relative, integrated from each time to the
// next and accumulated. Parameters without a curve give NaN energies.
std::vector<EnergySample> energyCurve(CircuitKind kind, const CircuitParameters &p,
                                      std::span<const double> times);

// What a curve says of the balance: the energy at t = 0, the largest |balance − E0| and the
// largest |term| over the curve (J); NaN where the curve has no finite value.
struct EnergyBalance {
    double initial = 0;
    double largestDeviation = 0;
    double largestTerm = 0;
};
EnergyBalance balanceOf(CircuitKind kind, const CircuitParameters &p,
                        std::span<const EnergySample> curve);

} // namespace kel::solutions
