// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kel::solutions
{

// The one conversion between the texts of the program's text boxes and numbers.
//
// Text to number accepts optional blanks around an optional sign, digits with at most one
// '.' decimal point (whatever the user's locale) and an optional exponent ("e" or "E",
// optional sign, digits). Anything else, an empty text, "inf", "nan", or a value beyond
// the double range gives no number: callers report it instead of guessing a 0.
std::optional<double> toNumber(std::string_view text);

// Number to text: the shortest decimal text with at most 15 significant digits, plain
// digits for whole numbers ("100", "-10"), exponent form only below 1e-4 or from 1e15 on
// in magnitude ("1E-05", "1.5E+20"); zero, also -0, is "0". A non-finite value gives
// "NaN", "Infinity" or "-Infinity", which toNumber rejects.
std::string toText(double value);

// The same for a single-precision value: at most 7 significant digits.
std::string toText(float value);

// The shortest text that toNumber reads back as exactly `value`, bit for bit ("0.1",
// "1e-06", "0.30000000000000004", "-0"): for numbers a file keeps, not for a box. A
// non-finite value gives "NaN", "Infinity" or "-Infinity".
std::string exactText(double value);

// A whole number in plain decimal digits, with a leading '-' when negative.
std::string integerText(long long value);

// A short number for status bars and descriptions, rounded to `significantDigits`
// significant digits (1 to 17) as C's %g would write it, but always with a '.' decimal point:
// exponent form below 1e-4 and from 10^significantDigits on in magnitude, with a small 'e'
// and at least two exponent digits; trailing zeros dropped. With 4 digits: "0.05", "1047",
// "-2.5", "1.235e+06", "5e-07". Zero, also -0, is "0"; a non-finite value gives "NaN",
// "Infinity" or "-Infinity".
std::string shortText(double value, int significantDigits = 4);

// A number with exactly `decimals` digits after a '.' decimal point (0 to 17, no point at 0),
// never in exponent form and never "-0": fixedText(2.5, 2) is "2.50", fixedText(-1e-9, 3)
// "0.000". For numbers on an axis, whose step fixes the digits. A non-finite value gives
// "NaN", "Infinity" or "-Infinity".
std::string fixedText(double value, int decimals);

// Whether a double can be handed to single-precision drawing without overflow.
bool fitsSingle(double value);

} // namespace kel::solutions
