// SPDX-License-Identifier: GPL-3.0-or-later
#include "qstringtext.h"

#include <QCoreApplication>
#include <QLocale>

namespace kel::display
{

namespace
{

// Only asks which separator the system's number format uses; no number goes through it.
bool systemUsesDecimalComma()
{
    return QLocale::system().decimalPoint() == QLatin1String(",");
}

} // namespace

QString decimalCommaHint(const QString &typed)
{
    if (!typed.contains(QLatin1Char(',')) || !systemUsesDecimalComma())
        return {};
    QString corrected = typed.trimmed();
    corrected.replace(QLatin1Char(','), QLatin1Char('.'));
    if (typed.count(QLatin1Char(',')) == 1 && numberOf(corrected))
        return QCoreApplication::translate("NumberText", "Type a decimal point, as in %1.")
            .arg(corrected);
    return QCoreApplication::translate("NumberText", "Type a decimal point, as in 1.5.");
}

QString withDecimalCommaHint(const QString &message, const QString &typed)
{
    const QString hint = decimalCommaHint(typed);
    return hint.isEmpty() ? message : message + QLatin1Char(' ') + hint;
}

} // namespace kel::display
