// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The texts of the phasor window's status bar, free of Qt: the circuit's angular frequency,
// impedance, phase and current amplitude from the parameter texts as they stand, and the time
// and voltage under the mouse pointer on the time plot.

#include "phasormath.h"

#include <string>

namespace kel::phasor
{

// A number to 4 significant digits, the precision a status line needs ("1047", "0.4776").
std::string shortNumber(double value);

// "ω = 62.83 rad/s, Z = 1047 Ω, φ = 17.22°, I0 = 0.4776 A" for the texts, computed by
// solveAmplitudes (so it agrees with what Plot would draw), φ in degrees; when the texts cannot
// be used, a short note instead ("f is not a number", "f must not be 0", ...).
std::string circuitStatusText(const ParameterTexts &texts);

// The short note for a failed solveAmplitudes.
std::string problemNote(const SolveResult &result);

// The time (s) and voltage (V) a pointer position on the time plot stands for. In time
// coordinates the position is already time and voltage; in frame units (after a reset) the
// time runs 0..100 across the interval of `time` and the voltage -10..10 up over
// -plotMax..plotMax, as a click there is read.
Point plotReading(double x, double y, bool inFrameUnits, const TimeBase &time, double plotMax);

// "t = 0.1 s, v = 123.4 V"; empty when either is not finite.
std::string pointerStatusText(const Point &reading);

} // namespace kel::phasor
