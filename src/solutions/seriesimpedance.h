// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The impedance of the series RLC circuit driven at one frequency, shared by the phasor
// diagram and the resonance curve so that both draw the same circuit from the same numbers.
// Each operation is rounded as written (no fused multiply-adds).

namespace kel::solutions
{

// ω = f·(Pi + Pi), rad/s, for f in Hz, with the program's single-precision Pi.
double angularFrequency(double f);
// X_L = ω·L, ohm, for ω in rad/s and L in H.
double inductiveReactance(double omega, double L);
// X_C = (1/ω)/C, ohm, for C in F; 0 for C = 0, which stands for no capacitor. The phasor
// diagram's order of operations.
double capacitiveReactance(double omega, double C);
// X = ω·L − 1/(ω·C), ohm, for C > 0: the frequency response's order of operations. Near
// resonance X is the small difference of two large terms, so the last bit of 1/(ω·C) shows;
// the two orders are kept as each curve has always been drawn.
double reactance(double omega, double L, double C);
// |Z| = sqrt(R² + x²), ohm, for the reactance x.
double impedanceMagnitude(double R, double x);
// The phase by which the current lags the source, φ = atan(x/R), rad; for R = 0, ±Pi/2 with
// Pi/2 formed in single precision (−Pi/2 also for x = 0).
double phaseLag(double R, double x);

} // namespace kel::solutions
