// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "phasorsession.h"

#include "resonance/circuitsource.h"

#include <functional>

namespace kel::phasor
{

// The circuit of a phasor session as the resonance curve reads it: v0, R, L, C and f0 from
// its texts. A frequency picked on the curve becomes the f0 text, then `plot` runs, as Plot
// does after the user types it.
class PhasorCircuitSource final : public resonance::CircuitSource
{
public:
    PhasorCircuitSource(PhasorSession &session, std::function<void()> plot)
        : m_session(session), m_plot(std::move(plot))
    {
    }

    resonance::ResonanceTexts texts() const override;
    void setSourceFrequency(double f) override;

private:
    PhasorSession &m_session;
    std::function<void()> m_plot;
};

} // namespace kel::phasor
