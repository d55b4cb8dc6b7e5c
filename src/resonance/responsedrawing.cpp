// SPDX-License-Identifier: GPL-3.0-or-later
#include "responsedrawing.h"

#include "display/picturearea.h"
#include "display/qbcolor.h"
#include "responsesession.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kel::resonance
{

namespace
{

struct Band {
    float bottom, top;
};
// Room below for the frequency numbers, and at the left for the values' numbers.
constexpr Band kPhaseBand{0.09f, 0.40f};
constexpr Band kMagnitudeBand{0.46f, 0.98f};
constexpr double kLeftMargin = 0.07; // of the axis's decades
constexpr double kRightMargin = 0.01;
// Shading lines across the whole axis width: enough to fill it at twice the screen size.
constexpr int kShadeLines = 2400;
constexpr float kMinorTick = 0.03f; // of a plot's height, at 2..9 times each decade

const QColor kMagnitudeColour = display::QBColor(1);
const QColor kPhaseColour = display::QBColor(4);
const QColor kCornerColour{0xC0, 0x60, 0x00};
const QColor kShadeColour{0xDC, 0xE8, 0xFF};
const QColor kAsymptoteColour{0x80, 0x80, 0x80};
const QColor kResonanceColour = display::QBColor(2);
const QColor kPeakColour{0xB0, 0x00, 0xB0};
const QColor kSourceColour{0xE0, 0x80, 0x00};
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

// The magnitude range: the curve's, at most 100 dB deep and 60 dB high so that a deep notch or a
// far asymptote does not squash the rest, rounded out to 10 dB.
std::pair<double, double> magnitudeRange(const std::vector<solutions::ResponsePoint> &curve)
{
    double lo = INFINITY, hi = -INFINITY;
    for (const auto &p : curve)
        if (std::isfinite(p.magnitudeDb)) {
            lo = std::min(lo, p.magnitudeDb);
            hi = std::max(hi, p.magnitudeDb);
        }
    if (!std::isfinite(lo))
        return {-60, 0};
    // An undamped circuit's infinite peak, and a very sharp one, are cut at +60 dB.
    // At least 3 dB above the top of the curve, so that a pass band stays clear of the frame.
    hi = std::min(std::ceil((hi + 3) / 10) * 10, 60.0);
    lo = std::max(std::floor(lo / 10) * 10, hi - 100);
    if (hi - lo < 20)
        lo = hi - 20;
    return {lo, hi};
}

// The phase range in degrees: the curve's, rounded out to 45°, at least 90° wide.
std::pair<double, double> phaseRange(const std::vector<solutions::ResponsePoint> &curve)
{
    double lo = 0, hi = 0;
    for (const auto &p : curve) {
        lo = std::min(lo, p.phase * 180 / std::numbers::pi);
        hi = std::max(hi, p.phase * 180 / std::numbers::pi);
    }
    lo = std::floor(lo / 45 + 1e-6) * 45;
    hi = std::ceil(hi / 45 - 1e-6) * 45;
    if (hi - lo < 90) {
        if (hi > 0)
            hi = lo + 90;
        else
            lo = hi - 90;
    }
    return {lo, hi};
}

void vertical(display::PictureArea &area, float x, Band band, const QColor &colour,
              bool dashed = false)
{
    area.setDashed(dashed);
    area.line(x, band.bottom, x, band.top, colour);
    area.setDashed(false);
}

void frame(display::PictureArea &area, float xLo, float xHi, Band band)
{
    area.line(xLo, band.bottom, xHi, band.bottom, kFrameColour);
    area.lineTo(xHi, band.top, kFrameColour);
    area.lineTo(xLo, band.top, kFrameColour);
    area.lineTo(xLo, band.bottom, kFrameColour);
}

void grid(display::PictureArea &area, float xLo, float xHi, Band band)
{
    for (int d = static_cast<int>(std::floor(xLo)); d <= static_cast<int>(std::ceil(xHi)); ++d) {
        const auto x = static_cast<float>(d);
        if (x > xLo && x < xHi)
            area.line(x, band.bottom, x, band.top, kGridColour);
        const float tick = kMinorTick * (band.top - band.bottom);
        for (int m = 2; m <= 9; ++m) {
            const float xm = x + single(std::log10(m));
            if (xm > xLo && xm < xHi)
                area.line(xm, band.bottom, xm, band.bottom + tick, kFrameColour);
        }
    }
}

void cross(display::PictureArea &area, float x, float y, float dx, float dy, const QColor &c)
{
    area.line(x - dx, y - dy, x + dx, y + dy, c);
    area.line(x - dx, y + dy, x + dx, y - dy, c);
}

} // namespace

float ResponseScale::magnitudeY(double db) const
{
    return kMagnitudeBand.bottom +
           single((db - dbLo) / (dbHi - dbLo)) * (kMagnitudeBand.top - kMagnitudeBand.bottom);
}

float ResponseScale::phaseY(double phi) const
{
    const double deg = phi * 180 / std::numbers::pi;
    return kPhaseBand.bottom + single((deg - degreesLo) / (degreesHi - degreesLo)) *
                                   (kPhaseBand.top - kPhaseBand.bottom);
}

QColor responseColour(ResponseMark mark)
{
    switch (mark) {
    case ResponseMark::Magnitude:
        return kMagnitudeColour;
    case ResponseMark::Phase:
        return kPhaseColour;
    case ResponseMark::Corner:
        return kCornerColour;
    case ResponseMark::Band:
        return kShadeColour;
    case ResponseMark::Asymptote:
        return kAsymptoteColour;
    case ResponseMark::Resonance:
        return kResonanceColour;
    case ResponseMark::Peak:
        return kPeakColour;
    case ResponseMark::Source:
        return kSourceColour;
    }
    return kFrameColour;
}

ResponseScale drawResponse(display::PictureArea &area, const ResponseSession &session)
{
    area.clear();
    ResponseScale scale;
    const auto &curve = session.curve();
    if (curve.empty() || !session.features()) {
        area.setAxes({});
        return scale;
    }
    const solutions::ResponseFeatures &features = *session.features();
    const float xLo = decadeOf(session.lowFrequency()), xHi = decadeOf(session.highFrequency());
    const double decades = xHi - xLo;
    area.setScale(single(xLo - kLeftMargin * decades), 1, single(xHi + kRightMargin * decades), 0);
    std::tie(scale.dbLo, scale.dbHi) = magnitudeRange(curve);
    std::tie(scale.degreesLo, scale.degreesHi) = phaseRange(curve);
    // A little room beside the phase's limits, so that a curve along 0° or ±90° stays clear
    // of the frame.
    const double pad = (scale.degreesHi - scale.degreesLo) * 0.05;
    const double gridLo = scale.degreesLo, gridHi = scale.degreesHi;
    scale.degreesLo -= pad;
    scale.degreesHi += pad;
    // A magnitude beyond the plot's range is drawn at its edge.
    const auto magnitudeY = [&scale](double db) {
        return scale.magnitudeY(std::clamp(db, scale.dbLo, scale.dbHi));
    };

    // The band between two corners, shaded behind everything.
    if (features.corners.size() == 2) {
        const float x1 = std::max(xLo, decadeOf(features.corners.front()));
        const float x2 = std::min(xHi, decadeOf(features.corners.back()));
        const int lines =
            std::max(1, static_cast<int>(std::ceil((x2 - x1) / decades * kShadeLines)));
        for (const Band band : {kMagnitudeBand, kPhaseBand})
            for (int i = 0; i <= lines; ++i) {
                const float x = x1 + (x2 - x1) * static_cast<float>(i) / static_cast<float>(lines);
                area.line(x, band.bottom, x, band.top, kShadeColour);
            }
    }
    for (const Band band : {kMagnitudeBand, kPhaseBand})
        grid(area, xLo, xHi, band);
    // Grey lines every 45° (0° in black) and every 20 dB; the ranges are whole multiples.
    for (auto k = static_cast<int>(std::lround(gridLo / 45));
         k <= static_cast<int>(std::lround(gridHi / 45)); ++k) {
        const float y = scale.phaseY(k * std::numbers::pi / 4);
        area.line(xLo, y, xHi, y, k == 0 ? kFrameColour : kGridColour);
    }
    for (auto k = static_cast<int>(std::lround(scale.dbLo / 20)) + 1; k * 20 < scale.dbHi; ++k) {
        const float y = scale.magnitudeY(k * 20.0);
        area.line(xLo, y, xHi, y, kGridColour);
    }
    if (const std::optional<double> f0 = session.resonanceFrequency())
        for (const Band band : {kMagnitudeBand, kPhaseBand})
            vertical(area, decadeOf(*f0), band, kResonanceColour);
    for (double corner : features.corners) {
        for (const Band band : {kMagnitudeBand, kPhaseBand})
            vertical(area, decadeOf(corner), band, kCornerColour, true);
        // The −3 dB level, beside the corner.
        const float x = decadeOf(corner), y = magnitudeY(session.at(corner).magnitudeDb);
        area.line(x - single(0.15 * decades / 6), y, x + single(0.15 * decades / 6), y,
                  kCornerColour);
    }
    // Each asymptote runs from its end of the range, where the curve lies on it, to where the
    // two meet, cut where it leaves the plot.
    const double xm = std::log10(session.asymptoteMeeting());
    area.setDashed(true);
    for (const auto &side : {std::pair(curve.front(), features.lowSlope),
                             std::pair(curve.back(), features.highSlope)}) {
        const solutions::ResponsePoint &end = side.first;
        const double slope = side.second;
        double xe = std::log10(end.frequency);
        const auto dbAt = [&end, slope](double x) {
            return end.magnitudeDb + slope * (x - std::log10(end.frequency));
        };
        for (double edge : {scale.dbLo, scale.dbHi})
            if (slope != 0 && (dbAt(xe) - edge) * (dbAt(xm) - edge) < 0)
                xe = std::log10(end.frequency) + (edge - end.magnitudeDb) / slope;
        if (std::isfinite(xe) && std::isfinite(xm))
            area.line(single(xe), magnitudeY(dbAt(xe)), single(xm), magnitudeY(dbAt(xm)),
                      kAsymptoteColour);
    }
    area.setDashed(false);

    for (std::size_t i = 1; i < curve.size(); ++i) {
        const float xa = decadeOf(curve[i - 1].frequency), xb = decadeOf(curve[i].frequency);
        area.line(xa, magnitudeY(curve[i - 1].magnitudeDb), xb, magnitudeY(curve[i].magnitudeDb),
                  kMagnitudeColour);
        area.line(xa, scale.phaseY(curve[i - 1].phase), xb, scale.phaseY(curve[i].phase),
                  kPhaseColour);
    }
    const float dx = single(0.008 * decades), dy = 0.018f;
    if (features.peak) {
        const float x = decadeOf(features.peak->frequency);
        const float y = magnitudeY(features.peak->magnitudeDb);
        // A small triangle over the peak.
        area.line(x - dx, y + 2 * dy, x + dx, y + 2 * dy, kPeakColour);
        area.lineTo(x, y + 0.5f * dy, kPeakColour);
        area.lineTo(x - dx, y + 2 * dy, kPeakColour);
    }
    if (const std::optional<double> f = session.sourceFrequency();
        f && *f >= session.lowFrequency() && *f <= session.highFrequency()) {
        const float x = decadeOf(*f);
        const solutions::ResponsePoint p = session.at(*f);
        for (const Band band : {kMagnitudeBand, kPhaseBand})
            vertical(area, x, band, kSourceColour);
        cross(area, x, magnitudeY(p.magnitudeDb), dx, dy, kSourceColour);
        cross(area, x, scale.phaseY(p.phase), dx, dy, kSourceColour);
    }
    frame(area, xLo, xHi, kMagnitudeBand);
    frame(area, xLo, xHi, kPhaseBand);

    display::ValueAxis frequency{session.lowFrequency(),
                                 session.highFrequency(),
                                 xLo,
                                 xHi,
                                 {{QStringLiteral("f"), QStringLiteral("Hz")}}};
    frequency.logarithmic = true;
    area.setAxes({frequency,
                  {{scale.dbLo,
                    scale.dbHi,
                    scale.magnitudeY(scale.dbLo),
                    scale.magnitudeY(scale.dbHi),
                    {{QStringLiteral("|H|"), QStringLiteral("dB")}}},
                   {scale.degreesLo,
                    scale.degreesHi,
                    scale.phaseY(scale.degreesLo * std::numbers::pi / 180),
                    scale.phaseY(scale.degreesHi * std::numbers::pi / 180),
                    {{QStringLiteral("\u03c6"), QStringLiteral("\u00b0")}}}}});
    return scale;
}

} // namespace kel::resonance
