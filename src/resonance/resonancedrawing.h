// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "resonancecurve.h"

#include <QColor>

namespace kel::display
{
class PictureArea;
} // namespace kel::display

namespace kel::resonance
{

// What the resonance picture draws in a colour of its own, for the window's colour key.
enum class ResonanceMark { Amplitude, Phase, Resonance, Source, Band };
QColor resonanceColour(ResonanceMark mark);

// The range of currents the amplitude plot spans: 0 to the peak V0 / R (the peak to 0 for a
// negative amplitude; 0 to 1 A without a source), A.
struct AmplitudeRange {
    double lo = 0, hi = 1;
};
AmplitudeRange amplitudeRange(const ResonanceCurve &curve);

// Clears `area` and draws `curve` on it: in user coordinates x = log10 f across the axis
// (with ResonanceRuler::kSideMargin beside it), the amplitude plot above the phase plot,
// each framed, with decade lines and minor ticks, the half-power band shaded, f0 and the
// source frequency marked and the source's point crossed on both curves.
void drawResonanceCurve(display::PictureArea &area, const ResonanceCurve &curve);

} // namespace kel::resonance
