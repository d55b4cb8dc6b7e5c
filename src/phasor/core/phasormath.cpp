// SPDX-License-Identifier: GPL-3.0-or-later
#include "phasormath.h"

#include "solutions/numbertext.h"
#include "solutions/pi.h"
#include "solutions/seriesimpedance.h"

#include <algorithm>
#include <cmath>

namespace kel::phasor
{

namespace
{

// Farther than this many steps from the plotted interval a time has no step worth drawing.
constexpr double kMaxSteps = 1e15;
// A step's own time, written as text and read back, may fall this fraction of a step short.
constexpr double kStepTolerance = 1e-6;

SolveResult failure(Problem problem)
{
    return {std::nullopt, problem, {}, {}};
}

SolveResult notANumber(const char *box, const std::string &text)
{
    return {std::nullopt, Problem::NotANumber, box, text};
}

// Whether a single-precision drawing can use ±value as an extent.
bool drawableExtent(double value)
{
    return std::isfinite(value) && solutions::fitsSingle(value) && static_cast<float>(value) != 0;
}

} // namespace

int colourIndex(Voltage v)
{
    switch (v) {
    case Voltage::Resistor:
        return 1;
    case Voltage::Capacitor:
        return 2;
    case Voltage::Inductor:
        return 4;
    case Voltage::Source:
        return 0;
    }
    return 0;
}

std::optional<std::int64_t> TimeBase::stepOfTime(double t) const
{
    const double q = (t - tMin) / dt;
    if (!std::isfinite(q) || std::fabs(q) > kMaxSteps)
        return std::nullopt;
    return static_cast<std::int64_t>(std::floor(q + kStepTolerance));
}

double Solution::amplitude(Voltage v) const
{
    switch (v) {
    case Voltage::Resistor:
        return VRmax;
    case Voltage::Capacitor:
        return VCmax;
    case Voltage::Inductor:
        return VLmax;
    case Voltage::Source:
        return v0;
    }
    return 0;
}

double halfPi()
{
    const float half = solutions::Pi / 2;
    return static_cast<double>(half);
}

SolveResult solveAmplitudes(const ParameterTexts &texts)
{
    const auto f0 = solutions::toNumber(texts.f0);
    if (!f0)
        return notANumber("f", texts.f0);
    const auto C = solutions::toNumber(texts.C);
    if (!C)
        return notANumber("C", texts.C);
    const auto L = solutions::toNumber(texts.L);
    if (!L)
        return notANumber("L", texts.L);
    const auto R = solutions::toNumber(texts.R);
    if (!R)
        return notANumber("R", texts.R);
    const auto v0 = solutions::toNumber(texts.v0);
    if (!v0)
        return notANumber("Vmax", texts.v0);
    const auto numPer = solutions::toNumber(texts.NumPer);
    if (!numPer)
        return notANumber("Number of Cycles", texts.NumPer);
    // The capacitive reactance and the length of the plot both divide by the frequency.
    if (*f0 == 0)
        return failure(Problem::ZeroFrequency);
    if (*numPer == 0)
        return failure(Problem::ZeroCycles);
    if (*numPer < 0)
        return failure(Problem::NegativeCycles);

    Solution s;
    s.omega = solutions::angularFrequency(*f0);
    s.XC = solutions::capacitiveReactance(s.omega, *C);
    s.XL = solutions::inductiveReactance(s.omega, *L);
    const double reactance = s.XL - s.XC;
    s.Z = solutions::impedanceMagnitude(*R, reactance);
    s.phi = solutions::phaseLag(*R, reactance);
    if (s.Z == 0)
        return failure(Problem::ZeroImpedance);
    s.I0 = *v0 / s.Z;
    s.f0 = *f0;
    s.numPer = *numPer;

    const double resistor = s.I0 * *R, capacitor = s.I0 * s.XC, inductor = s.I0 * s.XL;
    for (double value : {s.omega, s.XC, s.XL, s.Z, s.phi, s.I0, resistor, capacitor, inductor})
        if (!std::isfinite(value))
            return failure(Problem::TooLarge);

    s.VRmaxText = solutions::toText(resistor);
    s.VCmaxText = solutions::toText(capacitor);
    s.VLmaxText = solutions::toText(inductor);
    const auto readVR = solutions::toNumber(s.VRmaxText);
    const auto readVC = solutions::toNumber(s.VCmaxText);
    const auto readVL = solutions::toNumber(s.VLmaxText);
    if (!readVR || !readVC || !readVL)
        return failure(Problem::TooLarge);
    s.VRmax = *readVR;
    s.VCmax = *readVC;
    s.VLmax = *readVL;
    s.v0 = *v0;

    s.PlotMax = s.VRmax;
    if (s.VCmax > s.PlotMax)
        s.PlotMax = s.VCmax;
    if (s.VLmax > s.PlotMax)
        s.PlotMax = s.VLmax;
    if (s.v0 > s.PlotMax)
        s.PlotMax = s.v0;
    if (s.PlotMax == 0)
        return failure(Problem::NothingToDraw);
    if (!drawableExtent(s.PlotMax))
        return failure(Problem::TooLarge);

    const auto time = timeBaseFor(*numPer, *f0);
    if (!time)
        return failure(Problem::BadInterval);
    s.time = *time;
    return {s, Problem::None, {}, {}};
}

double phasorAngle(const Solution &s, Voltage v, double t)
{
    switch (v) {
    case Voltage::Resistor:
        return s.omega * t - s.phi;
    case Voltage::Capacitor:
        return s.omega * t - s.phi - halfPi();
    case Voltage::Inductor:
        return s.omega * t - s.phi + halfPi();
    case Voltage::Source:
        return s.omega * t;
    }
    return 0;
}

Point phasorTip(const Solution &s, Voltage v, double t)
{
    const double a = s.amplitude(v);
    const double theta = phasorAngle(s, v, t);
    return {a * std::cos(theta), a * std::sin(theta)};
}

double instantaneous(const Solution &s, Voltage v, double t)
{
    switch (v) {
    case Voltage::Resistor:
        return s.VRmax * std::sin(s.omega * t - s.phi);
    case Voltage::Capacitor:
        return s.VCmax * std::sin(s.omega * t - halfPi() - s.phi);
    case Voltage::Inductor:
        return s.VLmax * std::sin(s.omega * t + halfPi() - s.phi);
    case Voltage::Source:
        return s.v0 * std::sin(s.omega * t);
    }
    return 0;
}

std::array<Point, 100> circlePoints(double plotMax)
{
    std::array<Point, 100> points;
    const double pi = solutions::Pi;
    for (int k = 1; k <= 100; ++k) {
        const double alpha = ((k * pi) * 2) / 100;
        points[k - 1] = {plotMax * std::cos(alpha), plotMax * std::sin(alpha)};
    }
    return points;
}

std::array<Point, TimeBase::kSteps + 1> curveSamples(const Solution &s, Voltage v)
{
    std::array<Point, TimeBase::kSteps + 1> points;
    points[0] = {0, v == Voltage::Source ? 0.0 : instantaneous(s, v, 0)};
    for (int j = 1; j <= TimeBase::kSteps; ++j) {
        const double t = s.time.timeOfStep(j);
        points[j] = {t, instantaneous(s, v, t)};
    }
    return points;
}

std::vector<Segment> frameSegments()
{
    std::vector<Segment> segments;
    segments.reserve(2 + 11 + 51 + 21 + 41);
    segments.push_back({0, 0, 100, 0});
    segments.push_back({0, -10, 0, 10});
    for (int i = 0; i <= 10; ++i)
        segments.push_back({10.0 * i, -0.5, 10.0 * i, 0.5});
    for (int i = 0; i <= 50; ++i)
        segments.push_back({2.0 * i, -0.25, 2.0 * i, 0.25});
    // Counted in whole and half units so that no rounding creeps into the tick heights.
    for (int i = -10; i <= 10; ++i)
        segments.push_back({0, static_cast<double>(i), 2, static_cast<double>(i)});
    for (int i = -20; i <= 20; ++i)
        segments.push_back({0, i * 0.5, 1, i * 0.5});
    return segments;
}

double frameToTime(double xFrame, const TimeBase &time)
{
    return time.tMin + (xFrame - kFrameLeft) / (kFrameRight - kFrameLeft) * (time.tMax - time.tMin);
}

std::optional<TimeBase> timeBaseFor(double numPer, double f0)
{
    if (f0 == 0)
        return std::nullopt;
    TimeBase time;
    time.tMin = 0;
    time.tMax = numPer / f0;
    time.dt = (time.tMax - time.tMin) / TimeBase::kSteps;
    if (!drawableExtent(time.tMax) || time.dt == 0 || !std::isfinite(time.dt))
        return std::nullopt;
    return time;
}

std::optional<int> barStepForTime(const std::string &t2, const std::string &numPer,
                                  const std::string &f0)
{
    const auto t = solutions::toNumber(t2);
    const auto cycles = solutions::toNumber(numPer);
    const auto frequency = solutions::toNumber(f0);
    if (!t || !cycles || !frequency)
        return std::nullopt;
    const auto time = timeBaseFor(*cycles, *frequency);
    if (!time || !time->contains(*t))
        return std::nullopt;
    const auto step = time->stepOfTime(*t);
    if (!step)
        return std::nullopt;
    return static_cast<int>(std::clamp<std::int64_t>(*step, 0, TimeBase::kSteps));
}

Point plotReading(double x, double y, bool inFrameUnits, const TimeBase &time, double plotMax)
{
    if (!inFrameUnits)
        return {x, y};
    return {frameToTime(x, time), y / kFrameTop * plotMax};
}

std::optional<Point> pointerReading(const ParameterTexts &texts, double x, double y,
                                    bool inFrameUnits)
{
    if (!inFrameUnits)
        return Point{x, y};
    const auto s = solveAmplitudes(texts).solution;
    if (!s)
        return std::nullopt;
    return plotReading(x, y, true, s->time, s->PlotMax);
}

PlotStep plotStepForTime(const TimeBase &time, const std::string &t2)
{
    const auto t = solutions::toNumber(t2);
    if (!t)
        return {PlotStep::Problem::NotANumber, 0, std::nullopt};
    const auto n = time.stepOfTime(*t);
    if (!n)
        return {PlotStep::Problem::TooFar, 0, std::nullopt};
    PlotStep plot{PlotStep::Problem::None, *n, std::nullopt};
    if (*n >= 0 && *n <= TimeBase::kSteps)
        plot.barStep = static_cast<int>(*n);
    return plot;
}

} // namespace kel::phasor
