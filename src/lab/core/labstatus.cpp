// SPDX-License-Identifier: GPL-3.0-or-later
#include "labstatus.h"

#include "regimetext.h"

#include "solutions/numbertext.h"

#include <QCoreApplication>
#include <QString>

#include <cmath>

namespace kel::lab
{

namespace
{

// The status texts in the student's language; the numbers stay in the program's format.
struct LabStatus {
    Q_DECLARE_TR_FUNCTIONS(LabStatus)
};

QString q(const std::string &text)
{
    return QString::fromStdString(text);
}

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
        return LabStatus::tr("undefined").toStdString();
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
        return LabStatus::tr("%1 is not a number")
            .arg(q(std::string(solutions::boxName(read.badBox.value_or(solutions::Parameter::R)))))
            .toStdString();
    return regimeText(circuitKind, source, *read.parameters);
}

std::string scaleStatus(double left, double right, double top, double bottom)
{
    const auto text = [](double v) { return withRealMinus(solutions::toText(v)); };
    return LabStatus::tr("t %1 … %2 s, value %3 … %4")
        .arg(q(text(left)), q(text(right)), q(text(bottom)), q(text(top)))
        .toStdString();
}

std::string pointerStatus(float t, float value)
{
    return LabStatus::tr("t = %1 s, value = %2")
        .arg(q(fourDigits(t)), q(fourDigits(value)))
        .toStdString();
}

} // namespace kel::lab
