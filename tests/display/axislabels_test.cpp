// SPDX-License-Identifier: GPL-3.0-or-later
// The numbers on a picture's axes: their steps, prefixes and texts.
#include "display/axislabels.h"
#include "solutions/numbertext.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <map>
#include <string>
#include <vector>

using kel::display::axisNumbers;
using kel::display::AxisNumbers;

namespace
{

std::vector<std::string> texts(const AxisNumbers &axis)
{
    std::vector<std::string> out;
    for (const auto &n : axis.numbers)
        out.push_back(n.text);
    return out;
}

double prefixValue(const std::string &prefix)
{
    static const std::map<std::string, double> values{{"p", 1e-12}, {"n", 1e-9}, {"µ", 1e-6},
                                                      {"m", 1e-3},  {"", 1},     {"k", 1e3},
                                                      {"M", 1e6},   {"G", 1e9},  {"T", 1e12}};
    return values.at(prefix);
}

// What every axis must satisfy: increasing distinct numbers inside the range, no more than
// asked for, at whole multiples of a 1-2-5 step, each text reading back as its value.
void expectWellFormed(double a, double b, int maxNumbers)
{
    SCOPED_TRACE(testing::Message() << a << " to " << b << ", at most " << maxNumbers);
    const AxisNumbers axis = axisNumbers(a, b, maxNumbers);
    ASSERT_FALSE(axis.numbers.empty());
    EXPECT_LE(axis.numbers.size(), static_cast<std::size_t>(maxNumbers));
    const double lo = std::min(a, b), hi = std::max(a, b);
    const double mantissa = axis.step / std::pow(10.0, std::floor(std::log10(axis.step)));
    EXPECT_TRUE(std::fabs(mantissa - 1) < 1e-9 || std::fabs(mantissa - 2) < 1e-9 ||
                std::fabs(mantissa - 5) < 1e-9)
        << axis.step;
    for (std::size_t n = 0; n < axis.numbers.size(); ++n) {
        const auto &number = axis.numbers[n];
        EXPECT_GE(number.value, lo - 1e-9 * axis.step);
        EXPECT_LE(number.value, hi + 1e-9 * axis.step);
        const double k = number.value / axis.step;
        EXPECT_NEAR(k, std::round(k), 1e-6);
        const std::optional<double> read = kel::solutions::toNumber(number.text);
        ASSERT_TRUE(read.has_value()) << number.text;
        EXPECT_NEAR(*read * prefixValue(axis.prefix), number.value,
                    1e-9 * std::max(std::fabs(number.value), axis.step))
            << number.text;
        EXPECT_EQ(number.text.find(','), std::string::npos);
        if (n > 0) {
            EXPECT_GT(number.value, axis.numbers[n - 1].value);
            EXPECT_NE(number.text, axis.numbers[n - 1].text);
        }
    }
}

} // namespace

TEST(AxisNumbers, StepsOfOneTwoFiveWithTheRangesPrefix)
{
    const AxisNumbers seconds = axisNumbers(0, 100, 11);
    EXPECT_EQ(seconds.prefix, "");
    EXPECT_EQ(texts(seconds), (std::vector<std::string>{"0", "10", "20", "30", "40", "50", "60",
                                                        "70", "80", "90", "100"}));
    const AxisNumbers ms = axisNumbers(0, 0.02, 6);
    EXPECT_EQ(ms.prefix, "m");
    EXPECT_EQ(texts(ms), (std::vector<std::string>{"0", "5", "10", "15", "20"}));
    const AxisNumbers micro = axisNumbers(-3e-6, 3e-6, 4);
    EXPECT_EQ(micro.prefix, "µ");
    EXPECT_EQ(texts(micro), (std::vector<std::string>{"-2", "0", "2"}));
    const AxisNumbers kilo = axisNumbers(1000, 1500, 6);
    EXPECT_EQ(kilo.prefix, "k");
    EXPECT_EQ(texts(kilo), (std::vector<std::string>{"1.0", "1.1", "1.2", "1.3", "1.4", "1.5"}));
    // A scale that does not start at zero.
    EXPECT_EQ(texts(axisNumbers(10, 20, 6)),
              (std::vector<std::string>{"10", "12", "14", "16", "18", "20"}));
}

TEST(AxisNumbers, ReversedAndNegativeRangesGiveTheSameNumbers)
{
    EXPECT_EQ(texts(axisNumbers(5, -5, 5)), texts(axisNumbers(-5, 5, 5)));
    EXPECT_EQ(texts(axisNumbers(-5, 5, 5)), (std::vector<std::string>{"-4", "-2", "0", "2", "4"}));
    const AxisNumbers milli = axisNumbers(-0.3, -0.1, 3);
    EXPECT_EQ(milli.prefix, "m");
    EXPECT_EQ(texts(milli), (std::vector<std::string>{"-300", "-200", "-100"}));
}

TEST(AxisNumbers, EveryRangeFromPicoToTeraIsWellFormed)
{
    for (int e = -12; e <= 12; ++e)
        for (double width : {1.0, 3.0, 7.0})
            for (int maxNumbers : {2, 5, 11}) {
                const double span = width * std::pow(10.0, e);
                expectWellFormed(0, span, maxNumbers);
                expectWellFormed(span, -span, maxNumbers);
                expectWellFormed(-2.5 * span, -span, maxNumbers);
            }
    // Tiny ranges far from zero: the step resolves them, or the low end stands alone.
    expectWellFormed(1, 1 + 1e-9, 5);
    expectWellFormed(-1e6 - 1e-3, -1e6, 6);
    expectWellFormed(12.5, 12.5 + 1e-11, 3);
    const AxisNumbers hair = axisNumbers(1, 1 + 1e-15, 5);
    ASSERT_EQ(hair.numbers.size(), 1u);
    EXPECT_EQ(hair.numbers[0].text, "1");
}

TEST(AxisNumbers, NoNumbersForAnEmptyOrNonFiniteRange)
{
    EXPECT_TRUE(axisNumbers(1, 1, 5).numbers.empty());
    EXPECT_TRUE(axisNumbers(0, INFINITY, 5).numbers.empty());
    EXPECT_TRUE(axisNumbers(NAN, 1, 5).numbers.empty());
    EXPECT_TRUE(axisNumbers(0, 1, 0).numbers.empty());
    EXPECT_TRUE(axisNumbers(-1.7e308, 1.7e308, 5).numbers.empty());
}

TEST(AxisNumbers, TextsKeepTheDecimalPointInACommaLocale)
{
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
        GTEST_SKIP() << "the de_DE.UTF-8 locale is not generated";
    const std::vector<std::string> shown = texts(axisNumbers(0, 1, 3));
    std::setlocale(LC_ALL, previous.c_str());
    EXPECT_EQ(shown, (std::vector<std::string>{"0.0", "0.5", "1.0"}));
    EXPECT_EQ(kel::display::axisTitle("q", "µ", "C"), "q (µC)");
}

TEST(AxisNumbers, LogarithmicAxesGoOneTwoFiveThenByDecades)
{
    using kel::display::logAxisNumbers;
    // Each number with its own prefix; the title has none.
    const AxisNumbers audio = logAxisNumbers(10, 1e4, 12);
    EXPECT_EQ(audio.prefix, "");
    EXPECT_EQ(texts(audio), (std::vector<std::string>{"10", "20", "50", "100", "200", "500", "1k",
                                                      "2k", "5k", "10k"}));
    EXPECT_NEAR(audio.step, std::log10(2.0), 1e-12);
    // Fewer numbers wanted: the decades, then every second one; reversed ranges alike.
    EXPECT_EQ(texts(logAxisNumbers(1e4, 10, 5)),
              (std::vector<std::string>{"10", "100", "1k", "10k"}));
    const AxisNumbers wide = logAxisNumbers(1e-6, 1e6, 7);
    EXPECT_EQ(texts(wide),
              (std::vector<std::string>{"1µ", "100µ", "10m", "1", "100", "10k", "1M"}));
    EXPECT_EQ(wide.step, 2);
    for (int most : {1, 2, 3, 4, 6, 13, 40}) {
        const AxisNumbers a = logAxisNumbers(0.003, 7e8, most);
        EXPECT_LE(a.numbers.size(), static_cast<std::size_t>(most)) << most;
        EXPECT_FALSE(a.numbers.empty()) << most;
        for (std::size_t k = 1; k < a.numbers.size(); ++k)
            EXPECT_GT(a.numbers[k].value, a.numbers[k - 1].value);
    }
    // Within one decade without two such numbers, the linear numbers with their prefix.
    const AxisNumbers narrow = logAxisNumbers(3000, 4000, 3);
    EXPECT_EQ(narrow.prefix, "k");
    EXPECT_EQ(texts(narrow), texts(axisNumbers(3000, 4000, 3)));
    EXPECT_TRUE(logAxisNumbers(0, 10, 5).numbers.empty());
    EXPECT_TRUE(logAxisNumbers(-1, 10, 5).numbers.empty());
    EXPECT_TRUE(logAxisNumbers(1, INFINITY, 5).numbers.empty());
}
