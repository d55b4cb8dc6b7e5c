// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "labsession.h"

#include "resonance/circuitsource.h"

#include <QString>

#include <functional>

namespace kel::lab
{

// The driven circuit of a lab session as the resonance curve and the frequency response read
// it: its kind, and v0, R, L, C and f0 from the session's texts. A frequency picked on the curve
// goes to `writeFrequency` as the text to put into f0, so that the window records and plots it as
// typed.
class LabCircuitSource final : public resonance::CircuitSource
{
public:
    LabCircuitSource(const LabSession &session, std::function<void(const QString &)> writeFrequency)
        : m_session(session), m_writeFrequency(std::move(writeFrequency))
    {
    }

    solutions::CircuitKind circuitKind() const override { return m_session.circuitKind(); }
    resonance::ResonanceTexts texts() const override;
    void setSourceFrequency(double f) override;

private:
    const LabSession &m_session;
    std::function<void(const QString &)> m_writeFrequency;
};

} // namespace kel::lab
