// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

namespace kel::display
{
class PictureArea;
} // namespace kel::display

namespace kel::resonance
{

class ResponseSession;

// What the frequency-response picture draws in a colour of its own, for the window's key.
enum class ResponseMark { Magnitude, Phase, Corner, Band, Asymptote, Resonance, Peak, Source };
QColor responseColour(ResponseMark mark);

// The user coordinates of the picture: x is log10 f; y runs from 0 at the bottom to 1, the
// phase plot in the lower band of heights and the magnitude plot above it.
struct ResponseScale {
    double dbLo = -60, dbHi = 0;            // the magnitude plot's range, dB
    double degreesLo = -90, degreesHi = 90; // the phase plot's range, °
    float magnitudeY(double db) const;
    float phaseY(double phi) const; // phi in radians
};

// Clears `area` and draws the session's curve on it, when it has one: the magnitude in dB
// above the phase in degrees against log f, each framed with decade lines, the −3 dB corners
// dashed and the band between two of them shaded, the −3 dB level, the asymptotes dashed
// from the ends of the range to where they meet, f0 and the peak of the quantity marked, and
// the source frequency with its point crossed on both curves; the numbered axes "f (Hz)",
// "|H| (dB)" and "φ (°)". Returns the scale it drew with.
ResponseScale drawResponse(display::PictureArea &area, const ResponseSession &session);

} // namespace kel::resonance
