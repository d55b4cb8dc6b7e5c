// SPDX-License-Identifier: GPL-3.0-or-later
#include "labstatus.h"

#include "regimetext.h"

#include "solutions/numbertext.h"

#include <cmath>

namespace kel::lab
{

namespace
{

std::string withRealMinus(const std::string &text)
{
    std::string out;
    for (char c : text)
        out += c == '-' ? std::string("\u2212") : std::string(1, c);
    return out;
}

std::string fourDigits(float value)
{
    if (!std::isfinite(value))
        return "undefined";
    return withRealMinus(solutions::shortText(static_cast<double>(value)));
}

} // namespace

std::string regimeStatus(int circuitKind, SourceKind source,
                         const std::function<std::string(solutions::Parameter)> &textOf)
{
    const solutions::CaseRow *row = solutions::caseFor(circuitKind);
    if (!row)
        return {};
    const solutions::ReadResult read = solutions::readParameters(textOf, row->reads);
    if (!read.parameters)
        return std::string(solutions::boxName(read.badBox.value_or(solutions::Parameter::R))) +
               " is not a number";
    return regimeText(circuitKind, source, *read.parameters);
}

std::string scaleStatus(double left, double right, double top, double bottom)
{
    const auto text = [](double v) { return withRealMinus(solutions::toText(v)); };
    return "t " + text(left) + " \u2026 " + text(right) + " s, value " + text(bottom) + " \u2026 " +
           text(top);
}

std::string pointerStatus(float t, float value)
{
    return "t = " + fourDigits(t) + " s, value = " + fourDigits(value);
}

} // namespace kel::lab
