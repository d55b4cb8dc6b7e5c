// SPDX-License-Identifier: GPL-3.0-or-later
#include "axislabels.h"

#include "solutions/numbertext.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace kel::display
{

namespace
{

constexpr std::array<const char *, 9> kPrefixes{"p", "n", "µ", "m", "", "k", "M", "G", "T"};
constexpr int kLowestPrefixExponent = -12;

// The power of ten, a multiple of 3 from -12 to 12, that the prefix of `magnitude` stands for.
int prefixExponent(double magnitude)
{
    if (magnitude <= 0)
        return 0;
    const int e = static_cast<int>(std::floor(std::log10(magnitude) / 3.0)) * 3;
    return std::clamp(e, kLowestPrefixExponent, 12);
}

} // namespace

AxisNumbers axisNumbers(double a, double b, int maxNumbers)
{
    AxisNumbers out;
    const double lo = std::min(a, b), hi = std::max(a, b);
    if (!std::isfinite(lo) || !std::isfinite(hi) || !(hi > lo) || maxNumbers < 1 ||
        !std::isfinite(hi - lo))
        return out;
    const double magnitude = std::max(std::fabs(lo), std::fabs(hi));
    const int e3 = prefixExponent(magnitude);
    out.prefix = kPrefixes[static_cast<std::size_t>((e3 - kLowestPrefixExponent) / 3)];
    // Steps finer than about 14 digits of the numbers would give repeated texts.
    const double finest = magnitude * 1e-13;
    if (hi - lo < 2 * finest) {
        out.numbers.push_back({lo, solutions::toText(lo / std::pow(10.0, e3))});
        return out;
    }
    // From the power of ten just below range / maxNumbers upwards through 1, 2, 5.
    int power = static_cast<int>(std::floor(std::log10((hi - lo) / maxNumbers)));
    constexpr std::array<int, 3> kMantissas{1, 2, 5};
    for (;;) {
        for (int mantissa : kMantissas) {
            const double step = mantissa * std::pow(10.0, power);
            if (step < finest)
                continue;
            // A multiple a rounding away from an end still belongs to the range.
            const double first = std::ceil(lo / step - 1e-9), last = std::floor(hi / step + 1e-9);
            if (last - first + 1 > maxNumbers)
                continue;
            out.step = step;
            const int decimals = std::max(0, e3 - power);
            const double unit = std::pow(10.0, e3);
            const auto count = static_cast<int>(last - first + 1); // at most maxNumbers
            for (int n = 0; n < count; ++n) {
                const double k = first + n;
                // k·mantissa is exact; scaling by a power of ten then rounds once.
                const double value = k * mantissa * std::pow(10.0, power);
                const double shown = power >= e3 ? k * mantissa * std::pow(10.0, power - e3)
                                                 : k * mantissa / std::pow(10.0, e3 - power);
                out.numbers.push_back({value, solutions::fixedText(shown, decimals)});
            }
            if (out.numbers.empty())
                out.numbers.push_back({lo, solutions::toText(lo / unit)});
            return out;
        }
        ++power;
    }
}

AxisNumbers logAxisNumbers(double a, double b, int maxNumbers)
{
    const double lo = std::min(a, b), hi = std::max(a, b);
    if (!(lo > 0) || !std::isfinite(hi) || !(hi > lo) || maxNumbers < 1)
        return {};
    const int firstPower = static_cast<int>(std::floor(std::log10(lo)));
    const int lastPower = static_cast<int>(std::floor(std::log10(hi)));
    // The candidates from the finest: 1, 2, 5 times each power, then every `every`-th power.
    const auto numbersOf = [&](bool oneTwoFive, int every) {
        AxisNumbers out;
        out.step = oneTwoFive ? std::log10(2.0) : every;
        for (int power = firstPower; power <= lastPower; ++power) {
            if (power % every != 0)
                continue;
            for (int mantissa : {1, 2, 5}) {
                if (!oneTwoFive && mantissa != 1)
                    break;
                const double value = mantissa * std::pow(10.0, power);
                // A number a rounding away from an end still belongs to the range.
                if (value < lo * (1 - 1e-9) || value > hi * (1 + 1e-9))
                    continue;
                const int e3 = prefixExponent(value);
                const double shown = power >= e3 ? mantissa * std::pow(10.0, power - e3)
                                                 : mantissa / std::pow(10.0, e3 - power);
                out.numbers.push_back(
                    {value,
                     solutions::toText(shown) +
                         kPrefixes[static_cast<std::size_t>((e3 - kLowestPrefixExponent) / 3)]});
            }
        }
        return out;
    };
    AxisNumbers numbers = numbersOf(true, 1);
    if (numbers.numbers.size() < 2)
        return axisNumbers(lo, hi, maxNumbers);
    for (int every = 1; static_cast<int>(numbers.numbers.size()) > maxNumbers; ++every) {
        numbers = numbersOf(false, every);
        // Fewer than two left: the widest choice that keeps two, or the one number.
        if (numbers.numbers.size() < 2 || every > lastPower - firstPower + 1)
            break;
    }
    if (static_cast<int>(numbers.numbers.size()) > maxNumbers)
        numbers.numbers.resize(static_cast<std::size_t>(maxNumbers));
    return numbers;
}

std::string axisTitle(std::string_view quantity, std::string_view prefix, std::string_view unit)
{
    std::string title(quantity);
    title += " (";
    title += prefix;
    title += unit;
    title += ')';
    return title;
}

} // namespace kel::display
