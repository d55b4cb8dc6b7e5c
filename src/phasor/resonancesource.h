// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace kel::phasor
{

// The window a resonance curve belongs to, which holds the circuit's parameter texts: the
// phasor window, or the lab window for the driven RLC circuit. Both name their boxes alike.
class ResonanceSource
{
public:
    virtual ~ResonanceSource() = default;

    // The text of the parameter box with this objectName: "v0" (source amplitude, V),
    // "R" (ohm), "L" (H), "C" (F) or "f0" (source frequency, Hz).
    virtual QString parameterText(const QString &name) const = 0;
    // Writes the source frequency text, in the program's number format, and lets the window
    // redraw as it does when the user types it.
    virtual void setSourceFrequency(const QString &text) = 0;
};

} // namespace kel::phasor
