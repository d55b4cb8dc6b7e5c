// SPDX-License-Identifier: GPL-3.0-or-later
#include "labcircuitsource.h"

#include "solutions/numbertext.h"

namespace kel::lab
{

resonance::ResonanceTexts LabCircuitSource::texts() const
{
    const auto text = [this](Field field) { return m_session.text(field).toStdString(); };
    return {text(Field::v0), text(Field::R), text(Field::L), text(Field::C), text(Field::f0)};
}

void LabCircuitSource::setSourceFrequency(double f)
{
    if (m_writeFrequency)
        m_writeFrequency(QString::fromStdString(solutions::toText(f)));
}

} // namespace kel::lab
