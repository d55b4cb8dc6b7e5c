// SPDX-License-Identifier: GPL-3.0-or-later
#include "phasorstatus.h"

#include <charconv>
#include <cmath>
#include <numbers>

namespace kel::phasor
{

std::string shortNumber(double value)
{
    char buffer[32];
    // to_chars is independent of the C locale, which the toolkit sets from the environment.
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 4);
    return std::string(buffer, result.ptr);
}

std::string problemNote(const SolveResult &result)
{
    switch (result.problem) {
    case Problem::NotANumber:
        return result.box + " is not a number";
    case Problem::ZeroFrequency:
        return "f must not be 0";
    case Problem::ZeroCycles:
        return "Number of Cycles must not be 0";
    case Problem::ZeroImpedance:
        return "Z = 0 \u03A9: the current would be infinite";
    case Problem::TooLarge:
        return "the values are too large to draw";
    case Problem::NothingToDraw:
        return "every amplitude is 0: nothing to draw";
    case Problem::BadInterval:
        return "Number of Cycles / f is too long or too short to draw";
    case Problem::None:
        break;
    }
    return result.error;
}

std::string circuitStatusText(const ParameterTexts &texts)
{
    const SolveResult result = solveAmplitudes(texts);
    if (!result.solution)
        return problemNote(result);
    const Solution &s = *result.solution;
    const double degrees = s.phi * 180.0 / std::numbers::pi;
    return "\u03C9 = " + shortNumber(s.omega) + " rad/s, Z = " + shortNumber(s.Z) +
           " \u03A9, \u03C6 = " + shortNumber(degrees) + "\u00B0, I0 = " + shortNumber(s.I0) + " A";
}

Point plotReading(double x, double y, bool inFrameUnits, const TimeBase &time, double plotMax)
{
    if (!inFrameUnits)
        return {x, y};
    return {frameToTime(x, time), y / kFrameTop * plotMax};
}

std::string pointerStatusText(const Point &reading)
{
    if (!std::isfinite(reading.x) || !std::isfinite(reading.y))
        return {};
    return "t = " + shortNumber(reading.x) + " s, v = " + shortNumber(reading.y) + " V";
}

} // namespace kel::phasor
