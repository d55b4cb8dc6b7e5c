// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "circuitkind.h"
#include "circuitsolutions.h"

#include <complex>
#include <optional>
#include <vector>

namespace kel::solutions
{

// What a frequency response shows of a driven series circuit: the voltage across R, C or L
// relative to the source voltage, or the current per volt of source (siemens).
enum class Response { VR, VC, VL, Current };

// Whether the driven circuit of `kind` (the driven LC, RC, RL or RLC) has the component whose
// voltage `response` is; the current always exists. False for any other kind.
bool hasResponse(CircuitKind kind, Response response);

// The response at angular frequency ω (rad/s) as a complex ratio, from the series impedance
// Z = R + jωL + 1/(jωC) of the components the kind has: H_R = R/Z, H_C = 1/(jωC·Z),
// H_L = jωL/Z, H_I = 1/Z. R, L and C are those of `p`.
std::complex<double> transfer(CircuitKind kind, const CircuitParameters &p, Response response,
                              double omega);

// 20·log10|H| in dB (relative to 1 A/V for the current) and arg H in radians.
struct ResponsePoint {
    double frequency = 0; // Hz
    double magnitudeDb = 0;
    double phase = 0;
};
ResponsePoint responseAt(CircuitKind kind, const CircuitParameters &p, Response response,
                         double frequency);
// `count` points (>= 2) evenly spaced in log f from fLow to fHigh (Hz, 0 < fLow < fHigh).
std::vector<ResponsePoint> responseCurve(CircuitKind kind, const CircuitParameters &p,
                                         Response response, double fLow, double fHigh, int count);

// The features a student reads off the plot, in Hz and dB:
//   corners: where the magnitude is 3 dB (a factor √2) below its pass band: the DC level of a
//     low-pass, the high-frequency level of a high-pass, the peak of a band-pass (RLC V_R and
//     current, the corners ω0·(√(1 + 1/(4Q²)) ∓ 1/(2Q)), the band between them R/L).
//     RC: 1/(2πRC); RL: R/(2πL); RLC V_C: ω0·√u/(2π), V_L: ω0/(√u·2π) with
//     u = (b + √(b² + 4))/2, b = 2 − 1/Q² (1/Q = 0 for the LC).
//   lowSlope, highSlope: the asymptotes' slopes far below and far above the corners, in dB per
//     decade (±20, ±40 for V_C and V_L of the RLC and LC, 0 for a flat band).
//   peak: V_C of the RLC at ω0·√(1 − 1/(2Q²)), V_L at ω0/√(1 − 1/(2Q²)), both of height
//     Q/√(1 − 1/(4Q²)), when Q > 1/√2; the current and V_R at ω0.
struct ResponseFeatures {
    std::vector<double> corners; // ascending
    std::optional<double> bandwidth;
    double lowSlope = 0, highSlope = 0;
    std::optional<ResponsePoint> peak;
};
// Nothing for a kind without the response or parameters without one (R, L or C <= 0 where
// the kind has it, or not finite).
std::optional<ResponseFeatures> featuresOf(CircuitKind kind, const CircuitParameters &p,
                                           Response response);

} // namespace kel::solutions
