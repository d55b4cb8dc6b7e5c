// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The phasor window's words for its circuit and its problems: the status bar's figures, the
// pointer read-out, and the message for texts that cannot be drawn. In the translation
// context "PhasorsWindow"; numbers in the program's own format, '.' in every locale.

#include "core/phasormath.h"

#include <QString>

namespace kel::phasor
{

// "ω = 62.83 rad/s, Z = 1047 Ω, φ = 17.22°, I0 = 0.4776 A" for the texts, computed by
// solveAmplitudes (so it agrees with what Plot would draw), φ in degrees, numbers to four
// significant digits; when the texts cannot be used, a short note instead ("f is not a
// number", "f must not be 0", ...).
QString circuitStatusText(const ParameterTexts &texts);

// The short note for a failed solveAmplitudes.
QString problemNote(const SolveResult &result);

// The message box text for a failed solveAmplitudes, naming the box and what to change; for
// a text that is not a number, with the hint to type a decimal point where the system's
// numbers use a comma.
QString problemMessage(const SolveResult &result);

// "t = 0.1 s, v = 123.4 V"; empty when either is not finite.
QString pointerStatusText(const Point &reading);

} // namespace kel::phasor
