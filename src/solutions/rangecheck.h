// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "circuitsolutions.h"

#include <optional>

namespace kel::solutions
{

// Why a circuit's curve cannot be given over a time span in double precision.
struct RangeProblem {
    enum class Cause {
        // `parameter` is outside [lowest, highest] in magnitude (a zero is always accepted
        // here; the lab's own tests reject the zeros a circuit cannot have). Magnitudes from
        // kSmallestMagnitude to kLargestMagnitude are always accepted, and a frequency only as
        // far as the phase it reaches over the span stays below kLargestPhase.
        OutOfRange,
        // The parameters are in range but the charge or current at `time` is not a finite
        // number: an exponential that grows beyond the double range (R < 0, a long span), or a
        // divisor that is zero.
        NotFinite,
    };
    Cause cause = Cause::OutOfRange;
    std::optional<Parameter> parameter; // OutOfRange: the box to change
    double lowest = 0, highest = 0;     // OutOfRange: the magnitudes of it that work
    double time = 0;                    // NotFinite: the first sample time that fails, s
};

// Parameters beyond these magnitudes are refused rather than risked: products of two of them
// (R·w0, C·v0, ...) and the scaled squares inside the solutions stay within the double range.
inline constexpr double kSmallestMagnitude = 1e-150;
inline constexpr double kLargestMagnitude = 1e150;
// The largest phase ω·t (rad) whose sine double precision still gives to about 1e-4.
inline constexpr double kLargestPhase = 1e12;

// Whether kind `circuitKind` (1..8) with parameters `p` gives its whole curve over t1..t2
// (seconds, either order): every parameter the kind reads within range, the phases of w0 and
// of the circuit's own ω0 = 1/sqrt(L·C) below kLargestPhase at the span's farthest time, and
// the charge and current finite at each of the `samples` evenly spaced times from t1 to t2
// (as Plot Graphs samples them; at least 2). nullopt when all is well. The first problem found
// is reported, parameters before samples. A kind outside 1..8 gives nullopt: there is nothing
// to draw.
//
// For the phase of ω0 the problem names L (with C as typed, the range of L that keeps ω0·t
// in bounds); for w0 it names w0.
std::optional<RangeProblem> checkRange(int circuitKind, const CircuitParameters &p, double t1,
                                       double t2, int samples = 201);

} // namespace kel::solutions
