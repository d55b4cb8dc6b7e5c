// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

namespace kel::display
{
class PictureArea;
}

namespace kel::energy
{

class EnergySession;

enum class EnergyCurve { Capacitor, Inductor, Resistor, Source, Balance };

QColor energyColour(EnergyCurve curve);

// Draws the session's five curves against time on `area`, with their legend: W_C, W_L, W_R,
// W_S solid, the balance dashed, the time axis (W = 0) in the foreground colour. Without a
// curve the area is left empty.
void drawEnergy(display::PictureArea &area, const EnergySession &session);

} // namespace kel::energy
