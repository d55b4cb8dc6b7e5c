// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the phasor window's drawings show, in words for a screen reader: the accessible
// descriptions of the time plot `Picture1` and the phasor diagram `Picture3`, and the names
// of the colour key. In the translation context "PhasorsWindow"; numbers to four
// significant digits, '.' in every locale.

#include "core/phasorscene.h"

#include <QString>

#include <optional>

namespace kel::phasor
{

// The short name of a voltage, as its key label shows it: "VR", "VC", "VL", "V total".
QString voltageName(Voltage v);
// The name of the colour a voltage's curve and phasor are drawn in: "blue", "green", ...
QString colourName(Voltage v);
// The accessible name of a voltage's key line: "VR is drawn in blue".
QString keyDescription(Voltage v);

// "Voltage against time from 0 to 0.5 s, −500 to 500 V: VR in blue, VC in green, ...
// Marker at t2 = 0.1 s." for the curves `scene` shows; without a marker, that sentence is
// left out.
QString timePlotDescription(const PhasorScene &scene, std::optional<double> marker);
// The time plot after Clear Graphs: only its frame.
QString emptyTimePlotDescription();

// "Phasors at t = 0.1 s: VR 477.6 V at 12.22°, ..." for all four phasors as the diagram
// draws them at time t2 (s): the length of each and its angle from the positive x axis,
// counter-clockwise, in degrees to a tenth, above −180 up to 180.
QString phasorDiagramDescription(const PhasorScene &scene, double t2);
// The diagram after Clear Graphs.
QString emptyDiagramDescription();

} // namespace kel::phasor
