// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "solutions/numbertext.h"

#include <QString>

#include <optional>
#include <string>
#include <string_view>

namespace kel::display
{

// The program's texts cross between std::string (UTF-8) and QString only here.
inline QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string toStdString(const QString &text)
{
    return text.toStdString();
}

// Numbers as the text boxes show them, '.' whatever the locale (see solutions::toText).
inline QString numberText(double value)
{
    return toQString(solutions::toText(value));
}

inline QString numberText(float value)
{
    return toQString(solutions::toText(value));
}

// A short number for status bars (see solutions::shortText).
inline QString shortNumberText(double value, int significantDigits = 4)
{
    return toQString(solutions::shortText(value, significantDigits));
}

// The number a text box holds, or none when its text is not a number (see solutions::toNumber).
inline std::optional<double> numberOf(const QString &text)
{
    return solutions::toNumber(toStdString(text));
}

// One sentence for a student who typed a decimal comma where the system's own numbers use
// one: "Type a decimal point, as in 1.5." (with their own number when it has one comma).
// Empty when `typed` has no ',' or the system's decimal separator is not a comma.
QString decimalCommaHint(const QString &typed);

// `message` followed by decimalCommaHint(typed) when there is one, separated by a blank.
QString withDecimalCommaHint(const QString &message, const QString &typed);

} // namespace kel::display
