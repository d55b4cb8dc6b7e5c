// SPDX-License-Identifier: GPL-3.0-or-later
#include "rangemessage.h"

#include "solutions/numbertext.h"

#include <QCoreApplication>

namespace kel::lab
{

namespace
{

QString tr(const char *text)
{
    return QCoreApplication::translate("RangeMessage", text);
}

QString qtext(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

LabMessage rangeMessage(const solutions::RangeProblem &problem)
{
    using Cause = solutions::RangeProblem::Cause;
    if (problem.cause == Cause::NotFinite || !problem.parameter)
        return {tr("These parameters give no finite value of the charge or current at t = %1 s. "
                   "Nothing was drawn.")
                    .arg(qtext(solutions::shortText(problem.time))),
                tr("Input Error"),
                {}};
    return {tr("%1 is outside the range this program can draw: its magnitude must lie between "
               "%2 and %3. Nothing was drawn.")
                .arg(qtext(solutions::boxName(*problem.parameter)),
                     qtext(solutions::shortText(problem.lowest)),
                     qtext(solutions::shortText(problem.highest))),
            tr("Input Error"),
            {}};
}

} // namespace kel::lab
