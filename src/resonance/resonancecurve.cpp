// SPDX-License-Identifier: GPL-3.0-or-later
#include "resonancecurve.h"

#include "solutions/numbertext.h"
#include "solutions/pi.h"
#include "solutions/seriesimpedance.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace kel::resonance
{

namespace
{

bool usable(double value)
{
    return std::isfinite(value) && value > 0 && solutions::fitsSingle(value);
}

// Frequencies stay within what single-precision drawing and the decade labels take.
bool usableFrequency(double f)
{
    return usable(f) && f >= 1e-30 && f <= 1e30;
}

ResonanceCurve failed(ResonanceProblem problem, std::optional<CircuitValue> badValue = std::nullopt)
{
    ResonanceCurve curve;
    curve.problem = problem;
    curve.badValue = badValue;
    return curve;
}

std::vector<ResonanceSample> sample(const ResonanceCircuit &c, const ResonanceFigures &figures,
                                    const FrequencyAxis &axis)
{
    std::vector<double> fs;
    const int count = axis.decades() * ResonanceCurve::kSamplesPerDecade;
    fs.reserve(static_cast<std::size_t>(count) + ResonanceCurve::kBandSamples + 4);
    for (int i = 0; i <= count; ++i)
        fs.push_back(std::pow(10.0, axis.firstDecade + static_cast<double>(i) /
                                                           ResonanceCurve::kSamplesPerDecade));
    const double from = std::max(axis.fMin(), figures.f1 - 2 * figures.bandwidth);
    const double to = std::min(axis.fMax(), figures.f2 + 2 * figures.bandwidth);
    for (int i = 0; i <= ResonanceCurve::kBandSamples; ++i)
        fs.push_back(from + (to - from) * i / ResonanceCurve::kBandSamples);
    for (double f : {figures.f0, figures.f1, figures.f2})
        if (axis.contains(f))
            fs.push_back(f);
    std::sort(fs.begin(), fs.end());
    fs.erase(std::unique(fs.begin(), fs.end()), fs.end());

    std::vector<ResonanceSample> samples;
    samples.reserve(fs.size());
    for (double f : fs)
        samples.push_back({f, currentAmplitude(c, f), phase(c, f)});
    return samples;
}

} // namespace

double angularFrequency(double f)
{
    return solutions::angularFrequency(f);
}

double reactance(const ResonanceCircuit &c, double f)
{
    return solutions::reactance(angularFrequency(f), c.L, c.C);
}

double currentAmplitude(const ResonanceCircuit &c, double f)
{
    return c.v0 / solutions::impedanceMagnitude(c.R, reactance(c, f));
}

double phase(const ResonanceCircuit &c, double f)
{
    return solutions::phaseLag(c.R, reactance(c, f));
}

double FrequencyAxis::fMin() const
{
    return std::pow(10.0, firstDecade);
}

double FrequencyAxis::fMax() const
{
    return std::pow(10.0, lastDecade);
}

FrequencyAxis frequencyAxis(double f0, double f1, double f2, double f)
{
    const double centre = std::log10(f0);
    double lo = std::min(centre - 1, std::log10(f1 / 2));
    double hi = std::max(centre + 1, std::log10(f2 * 2));
    const double half = ResonanceCurve::kMaxDecades / 2.0;
    if (hi - lo > ResonanceCurve::kMaxDecades) {
        lo = std::max(lo, centre - half);
        hi = std::min(hi, centre + half);
    }
    if (f > 0 && std::isfinite(f)) {
        const double at = std::log10(f);
        const double withLo = std::min(lo, at - std::log10(2.0));
        const double withHi = std::max(hi, at + std::log10(2.0));
        if (std::ceil(withHi) - std::floor(withLo) <= ResonanceCurve::kMaxDecades) {
            lo = withLo;
            hi = withHi;
        }
    }
    FrequencyAxis axis;
    axis.firstDecade = static_cast<int>(std::floor(lo));
    axis.lastDecade = static_cast<int>(std::ceil(hi));
    // Rounding out can add a decade at each end of a centred axis.
    while (axis.decades() > ResonanceCurve::kMaxDecades) {
        if (centre - axis.firstDecade > axis.lastDecade - centre)
            ++axis.firstDecade;
        else
            --axis.lastDecade;
    }
    return axis;
}

CircuitReading readCircuit(const ResonanceTexts &texts)
{
    const std::array<std::pair<CircuitValue, const std::string *>, 5> fields{{
        {CircuitValue::SourceAmplitude, &texts.v0},
        {CircuitValue::Resistance, &texts.R},
        {CircuitValue::Inductance, &texts.L},
        {CircuitValue::Capacitance, &texts.C},
        {CircuitValue::SourceFrequency, &texts.f},
    }};
    std::array<double, 5> values{};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::optional<double> value = solutions::toNumber(*fields[i].second);
        if (!value)
            return {std::nullopt, fields[i].first, *fields[i].second};
        values[i] = *value;
    }
    return {ResonanceCircuit{values[0], values[1], values[2], values[3], values[4]},
            CircuitValue::SourceAmplitude,
            {}};
}

ResonanceCurve resonanceCurve(const ResonanceTexts &texts)
{
    return resonanceCurve(readCircuit(texts));
}

ResonanceCurve resonanceCurve(const CircuitReading &reading)
{
    if (!reading.circuit)
        return failed(ResonanceProblem::NotANumber, reading.notANumber);
    return resonanceCurve(*reading.circuit);
}

ResonanceCurve resonanceCurve(const ResonanceCircuit &c)
{
    if (c.R == 0)
        return failed(ResonanceProblem::ZeroResistance);
    if (c.R < 0)
        return failed(ResonanceProblem::NegativeResistance);
    if (!(c.L > 0))
        return failed(ResonanceProblem::NoInductance);
    if (!(c.C > 0))
        return failed(ResonanceProblem::NoCapacitance);

    ResonanceFigures fig;
    const double omega0 = 1.0 / std::sqrt(c.L * c.C);
    fig.f0 = omega0 / solutions::kTwoPi;
    fig.omega0 = angularFrequency(fig.f0);
    fig.quality = fig.omega0 * c.L / c.R;
    fig.bandwidth = c.R / (solutions::kTwoPi * c.L);
    const double alpha = c.R / (2 * c.L);
    const double root = std::hypot(alpha, fig.omega0);
    // The lower edge as omega0^2 / omega2: no cancellation when alpha dwarfs omega0.
    const double omega2 = root + alpha;
    fig.f2 = omega2 / solutions::kTwoPi;
    fig.f1 = (fig.omega0 / omega2) * fig.omega0 / solutions::kTwoPi;
    fig.peakCurrent = c.v0 / c.R;

    if (!usableFrequency(fig.f0) || !std::isfinite(fig.bandwidth) || !std::isfinite(fig.f2))
        return failed(ResonanceProblem::OutOfRange);
    // A resistance too small for the band to show in double precision.
    if (!(fig.f1 < fig.f0) || !(fig.f0 < fig.f2))
        return failed(ResonanceProblem::EmptyBand);
    if (!usableFrequency(fig.f1) || !usableFrequency(fig.f2) || !std::isfinite(fig.quality) ||
        !std::isfinite(fig.peakCurrent) || !solutions::fitsSingle(fig.peakCurrent))
        return failed(ResonanceProblem::OutOfRange);

    ResonanceCurve curve;
    curve.circuit = c;
    curve.figures = fig;
    curve.axis = frequencyAxis(fig.f0, fig.f1, fig.f2, c.f);
    curve.samples = sample(c, fig, curve.axis);
    return curve;
}

double roundedFrequency(double f, double resolution)
{
    if (!(f > 0) || !std::isfinite(f))
        return f;
    const double relative = std::max(resolution, 1e-12) * std::log(10.0);
    const int digits = std::clamp(static_cast<int>(std::ceil(-std::log10(relative))) + 1, 3, 15);
    const double step = std::pow(10.0, std::floor(std::log10(f)) - (digits - 1));
    const double rounded = std::round(f / step) * step;
    // Reading the text back must not move the frequency by more than the rounding did.
    return solutions::toNumber(solutions::toText(rounded)).value_or(rounded);
}

std::string withPrefix(double value, std::string_view unit)
{
    static constexpr std::array<const char *, 9> kPrefixes{"p", "n", "\u00b5", "m", "",
                                                           "k", "M", "G",      "T"};
    const std::string space = " ";
    if (!std::isfinite(value) || value == 0)
        return solutions::shortText(value) + space + std::string(unit);
    int group = static_cast<int>(std::floor(std::log10(std::abs(value)) / 3));
    double mantissa = value / std::pow(1000.0, group);
    // 999.96 rounds to "1000": it reads better as the next prefix.
    if (std::abs(mantissa) >= 999.95) {
        ++group;
        mantissa /= 1000;
    }
    const int index = group + 4;
    if (index < 0 || index >= static_cast<int>(kPrefixes.size()))
        return solutions::shortText(value) + space + std::string(unit);
    return solutions::shortText(mantissa) + space + kPrefixes[static_cast<std::size_t>(index)] +
           std::string(unit);
}

} // namespace kel::resonance
