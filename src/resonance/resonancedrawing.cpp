// SPDX-License-Identifier: GPL-3.0-or-later
#include "resonancedrawing.h"

#include "display/picturearea.h"
#include "display/qbcolor.h"
#include "resonanceruler.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kel::resonance
{

namespace
{

// The picture's user coordinates: x is log10 f; y runs from 0 at the bottom to kTop, the
// phase plot in the lower band of heights and the amplitude plot above it.
constexpr float kTop = 2.3f;
struct Band {
    float bottom, top;
};
constexpr Band kPhaseBand{0.06f, 1.0f};
constexpr Band kAmplitudeBand{1.16f, 2.24f};
// The share of a plot's height its values span, so that the peak and the phase's limits
// stay clear of the frame.
constexpr float kHeadroom = 0.92f;
// Short ticks at 2, 3, ... 9 times each decade, as a fraction of a plot's height.
constexpr float kMinorTick = 0.03f;
// Shading lines across the whole axis width: enough to fill it at twice the screen size.
constexpr int kShadeLines = 2400;

const QColor kAmplitudeColour = display::QBColor(1);
const QColor kPhaseColour = display::QBColor(4);
const QColor kResonanceColour = display::QBColor(2);
const QColor kSourceColour{0xE0, 0x80, 0x00};
const QColor kShadeColour{0xDC, 0xE8, 0xFF};
const QColor kBandEdgeColour{0x70, 0x90, 0xE0};
const QColor kGridColour{0xD4, 0xD4, 0xD4};
const QColor kFrameColour = display::QBColor(0);

float single(double value)
{
    return static_cast<float>(value);
}

float decadeOf(double f)
{
    return single(std::log10(f));
}

// Maps the curve's values onto the two plots.
struct PlotScale {
    double lo = 0, hi = 1; // current range of the amplitude plot, A

    explicit PlotScale(const ResonanceCurve &curve)
    {
        const AmplitudeRange range = amplitudeRange(curve);
        lo = range.lo;
        hi = range.hi;
    }
    float amplitudeY(double current) const
    {
        return kAmplitudeBand.bottom + single((current - lo) / (hi - lo)) * kHeadroom *
                                           (kAmplitudeBand.top - kAmplitudeBand.bottom);
    }
    static float phaseY(double phi)
    {
        const float middle = (kPhaseBand.bottom + kPhaseBand.top) / 2;
        return middle + single(phi / (std::numbers::pi / 2)) * kHeadroom *
                            (kPhaseBand.top - kPhaseBand.bottom) / 2;
    }
};

// The frame, grid, shaded band and markers of one plot, behind its curve.
void drawBackdrop(display::PictureArea &area, const ResonanceCurve &curve, Band band)
{
    const FrequencyAxis &axis = curve.axis;
    const auto xLo = static_cast<float>(axis.firstDecade);
    const auto xHi = static_cast<float>(axis.lastDecade);
    const float x1 = std::max(xLo, decadeOf(curve.figures.f1));
    const float x2 = std::min(xHi, decadeOf(curve.figures.f2));
    const int lines =
        std::max(1, static_cast<int>(std::ceil((x2 - x1) / (xHi - xLo) * kShadeLines)));
    for (int i = 0; i <= lines; ++i) {
        const float x = x1 + (x2 - x1) * static_cast<float>(i) / static_cast<float>(lines);
        area.line(x, band.bottom, x, band.top, kShadeColour);
    }
    for (int d = axis.firstDecade; d < axis.lastDecade; ++d) {
        const auto x = static_cast<float>(d);
        area.line(x, band.bottom, x, band.top, kGridColour);
        const float tick = kMinorTick * (band.top - band.bottom);
        for (int m = 2; m <= 9; ++m) {
            const float xm = x + single(std::log10(m));
            area.line(xm, band.bottom, xm, band.bottom + tick, kFrameColour);
        }
    }
    for (float x : {x1, x2})
        area.line(x, band.bottom, x, band.top, kBandEdgeColour);
    const float x0 = decadeOf(curve.figures.f0);
    area.line(x0, band.bottom, x0, band.top, kResonanceColour);
    if (curve.sourceOnAxis()) {
        const float xf = decadeOf(curve.circuit.f);
        area.line(xf, band.bottom, xf, band.top, kSourceColour);
    }
    area.line(xLo, band.bottom, xHi, band.bottom, kFrameColour);
    area.lineTo(xHi, band.top, kFrameColour);
    area.lineTo(xLo, band.top, kFrameColour);
    area.lineTo(xLo, band.bottom, kFrameColour);
}

// A small cross at (x, y), sized as a fraction of the picture's extent.
void drawCross(display::PictureArea &area, const FrequencyAxis &axis, float x, float y)
{
    const float dx = 0.008f * static_cast<float>(axis.decades());
    const float dy = 0.02f * kTop;
    area.line(x - dx, y - dy, x + dx, y + dy, kSourceColour);
    area.line(x - dx, y + dy, x + dx, y - dy, kSourceColour);
}

} // namespace

QColor resonanceColour(ResonanceMark mark)
{
    switch (mark) {
    case ResonanceMark::Amplitude:
        return kAmplitudeColour;
    case ResonanceMark::Phase:
        return kPhaseColour;
    case ResonanceMark::Resonance:
        return kResonanceColour;
    case ResonanceMark::Source:
        return kSourceColour;
    case ResonanceMark::Band:
        return kBandEdgeColour;
    }
    return kFrameColour;
}

AmplitudeRange amplitudeRange(const ResonanceCurve &curve)
{
    const double peak = curve.figures.peakCurrent;
    AmplitudeRange range{std::min(0.0, peak), std::max(0.0, peak)};
    if (range.hi == range.lo)
        range.hi = range.lo + 1;
    return range;
}

void drawResonanceCurve(display::PictureArea &area, const ResonanceCurve &curve)
{
    const FrequencyAxis &axis = curve.axis;
    area.clear();
    const double margin = ResonanceRuler::kSideMargin * axis.decades();
    area.setScale(single(axis.firstDecade - margin), kTop, single(axis.lastDecade + margin), 0);
    const PlotScale scale(curve);
    drawBackdrop(area, curve, kAmplitudeBand);
    drawBackdrop(area, curve, kPhaseBand);

    const double halfPower = curve.figures.peakCurrent / std::numbers::sqrt2;
    area.line(decadeOf(curve.figures.f1), scale.amplitudeY(halfPower), decadeOf(curve.figures.f2),
              scale.amplitudeY(halfPower), kBandEdgeColour);
    if (scale.lo < 0)
        area.line(static_cast<float>(axis.firstDecade), scale.amplitudeY(0),
                  static_cast<float>(axis.lastDecade), scale.amplitudeY(0), kFrameColour);
    for (double phi : {-std::numbers::pi / 4, std::numbers::pi / 4})
        area.line(static_cast<float>(axis.firstDecade), PlotScale::phaseY(phi),
                  static_cast<float>(axis.lastDecade), PlotScale::phaseY(phi), kGridColour);
    area.line(static_cast<float>(axis.firstDecade), PlotScale::phaseY(0),
              static_cast<float>(axis.lastDecade), PlotScale::phaseY(0), kFrameColour);

    const auto &samples = curve.samples;
    for (std::size_t i = 1; i < samples.size(); ++i) {
        const float xa = decadeOf(samples[i - 1].f), xb = decadeOf(samples[i].f);
        area.line(xa, scale.amplitudeY(samples[i - 1].current), xb,
                  scale.amplitudeY(samples[i].current), kAmplitudeColour);
        area.line(xa, PlotScale::phaseY(samples[i - 1].phi), xb, PlotScale::phaseY(samples[i].phi),
                  kPhaseColour);
    }
    // The numbers of both plots' values; the ruler below numbers the frequencies.
    const float ampLo = scale.amplitudeY(scale.lo), ampHi = scale.amplitudeY(scale.hi);
    area.setAxes(
        {std::nullopt,
         {{scale.lo, scale.hi, ampLo, ampHi, {{QStringLiteral("I0"), QStringLiteral("A")}}},
          {-90,
           90,
           PlotScale::phaseY(-std::numbers::pi / 2),
           PlotScale::phaseY(std::numbers::pi / 2),
           {{QStringLiteral("φ"), QStringLiteral("°")}}}}});
    if (curve.sourceOnAxis()) {
        const double f = curve.circuit.f;
        const float x = decadeOf(f);
        drawCross(area, axis, x, scale.amplitudeY(currentAmplitude(curve.circuit, f)));
        drawCross(area, axis, x, PlotScale::phaseY(phase(curve.circuit, f)));
    }
}

} // namespace kel::resonance
