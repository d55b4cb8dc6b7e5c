// SPDX-License-Identifier: GPL-3.0-or-later
#include "phasorcircuitsource.h"

#include "solutions/numbertext.h"

namespace kel::phasor
{

resonance::ResonanceTexts PhasorCircuitSource::texts() const
{
    const ParameterTexts t = m_session.parameterTexts();
    return {t.v0, t.R, t.L, t.C, t.f0};
}

void PhasorCircuitSource::setSourceFrequency(double f)
{
    m_session.setText(PhasorText::f0, QString::fromStdString(solutions::toText(f)));
    if (m_plot)
        m_plot();
}

} // namespace kel::phasor
