// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "resonancecurve.h"

namespace kel::resonance
{

// The window a resonance curve belongs to, through the session that holds the circuit's
// values: the phasor window, or the lab window for the driven RLC circuit.
class CircuitSource
{
public:
    virtual ~CircuitSource() = default;

    // The source amplitude (V), R (ohm), L (H), C (F) and the source frequency (Hz) as the
    // session holds them now, or the first of them that is not a number.
    virtual CircuitReading circuit() const = 0;
    // Sets the source frequency (Hz), written in the program's number format, and lets the
    // window redraw as it does when the user types it.
    virtual void setSourceFrequency(double f) = 0;
};

} // namespace kel::resonance
