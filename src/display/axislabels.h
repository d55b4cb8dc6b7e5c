// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kel::display
{

// One number on an axis: where it stands, in the axis's own unit, and its text.
struct AxisNumber {
    double value = 0;
    std::string text; // in units of the axis's prefix: 20 ms is "20" under the prefix "m"
};

// The numbers of an axis and the SI prefix they are written in.
struct AxisNumbers {
    std::vector<AxisNumber> numbers; // in increasing value
    std::string prefix;              // "p", "n", "µ", "m", "", "k", "M", "G" or "T"
    double step = 0;                 // between neighbouring numbers, in the axis's unit
};

// The numbers for an axis from `a` to `b` (either may be the larger): multiples of a step of
// 1, 2 or 5 times a power of ten, the smallest such step that gives at most `maxNumbers`
// numbers inside the range (ends included). They share one SI prefix, the one of the
// range's larger end in magnitude (from pico to tera), with as many decimals as the step
// needs, through the program's number formatter ('.' whatever the locale). A range narrower
// than the doubles can tell apart steps in gets its low end alone, written in full; a
// non-finite or empty range, or maxNumbers < 1, gets no numbers.
AxisNumbers axisNumbers(double a, double b, int maxNumbers);

// The numbers for a logarithmic axis from `a` to `b` (both above 0, either the larger): the
// finest of 1, 2 and 5 times every power of ten, every power of ten, or every second, third,
// ... one (the powers a multiple of that count) that gives at most `maxNumbers` numbers inside
// the range (ends included). Each is written with its own SI prefix (pico to tera) and no
// unit, so `prefix` is empty: "20", "500m", "1k", "2M". `step` is the least distance between
// neighbours in decades. A range that holds fewer than two such numbers is numbered as
// axisNumbers() numbers it, with their shared prefix; a range that is not finite and above 0
// gets no numbers.
AxisNumbers logAxisNumbers(double a, double b, int maxNumbers);

// An axis title: the quantity, then the prefixed unit in brackets: "t (ms)", "q (µC)".
std::string axisTitle(std::string_view quantity, std::string_view prefix, std::string_view unit);

} // namespace kel::display
