// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "resonancecurve.h"
#include "solutions/circuitkind.h"

namespace kel::resonance
{

// The window a resonance curve and a frequency response belong to, through the session that
// holds the circuit's values: the phasor window (always the driven RLC circuit), or the lab
// window for its driven circuits.
class CircuitSource
{
public:
    virtual ~CircuitSource() = default;

    // The circuit studied; only a driven one has a frequency response, only the driven RLC
    // and LC a resonance.
    virtual solutions::CircuitKind circuitKind() const { return solutions::CircuitKind::DrivenRlc; }
    // The texts of the source amplitude (V), R (ohm), L (H), C (F) and the source frequency
    // (Hz) as the session holds them now; those of components the circuit lacks are not read.
    virtual ResonanceTexts texts() const = 0;
    // The same as numbers, or the first of them that is not a number.
    CircuitReading circuit() const { return readCircuit(texts()); }
    // Sets the source frequency (Hz), written in the program's number format, and lets the
    // window redraw as it does when the user types it.
    virtual void setSourceFrequency(double f) = 0;
};

} // namespace kel::resonance
