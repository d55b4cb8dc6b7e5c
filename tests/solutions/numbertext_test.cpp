// SPDX-License-Identifier: GPL-3.0-or-later
#include "solutions/numbertext.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>

using kel::solutions::exactText;
using kel::solutions::integerText;
using kel::solutions::toNumber;
using kel::solutions::toText;

TEST(NumberText, WritesTheWorkedExamples)
{
    const float pi = 3.1415927f;
    EXPECT_EQ(toText(100.0 * (pi + pi)), "628.318548202515");
    EXPECT_EQ(toText(477.57749190652346), "477.577491906523");
    EXPECT_EQ(toText(100.0), "100");
    EXPECT_EQ(toText(-10.0), "-10");
    EXPECT_EQ(toText(0.1), "0.1");
    EXPECT_EQ(toText(1.0 / std::sqrt(10.0 * 10.0)), "0.1");
    EXPECT_EQ(toText(0.0), "0");
    EXPECT_EQ(toText(-0.0), "0");
    EXPECT_EQ(toText(0.0025), "0.0025");
}

TEST(NumberText, UsesExponentsOnlyForVeryLargeOrSmallMagnitudes)
{
    EXPECT_EQ(toText(123456789012345.0), "123456789012345");
    EXPECT_EQ(toText(1e15), "1E+15");
    EXPECT_EQ(toText(0.0001), "0.0001");
    EXPECT_EQ(toText(0.00001), "1E-05");
    EXPECT_EQ(toText(-1.5e-20), "-1.5E-20");
}

TEST(NumberText, WritesSinglePrecisionWithSevenDigits)
{
    EXPECT_EQ(toText(0.1f), "0.1");
    EXPECT_EQ(toText(3.1415927f), "3.141593");
    EXPECT_EQ(toText(50.5f), "50.5");
    EXPECT_EQ(toText(1234567.0f), "1234567");
    EXPECT_EQ(toText(12345678.0f), "1.234568E+07");
}

TEST(NumberText, WritesWholeNumbersInPlainDigitsAcrossTheirRange)
{
    EXPECT_EQ(integerText(0), "0");
    EXPECT_EQ(integerText(-42), "-42");
    EXPECT_EQ(integerText(4294967295LL), "4294967295");
    EXPECT_EQ(integerText(std::numeric_limits<long long>::min()), "-9223372036854775808");
}

TEST(NumberText, ReadsNumbersWhateverTheirForm)
{
    EXPECT_EQ(toNumber("10"), 10.0);
    EXPECT_EQ(toNumber("  -2.5  "), -2.5);
    EXPECT_EQ(toNumber("+3"), 3.0);
    EXPECT_EQ(toNumber(".5"), 0.5);
    EXPECT_EQ(toNumber("5."), 5.0);
    EXPECT_EQ(toNumber("1e3"), 1000.0);
    EXPECT_EQ(toNumber("1E-05"), 1e-5);
    EXPECT_EQ(toNumber("2.5e+2"), 250.0);
    EXPECT_EQ(toNumber("1e-400"), 0.0);
    ASSERT_TRUE(toNumber("1e-320"));
    EXPECT_GT(*toNumber("1e-320"), 0.0);
}

TEST(NumberText, RejectsWhatIsNotANumber)
{
    for (const char *text :
         {"",         " ",   "abc", "1e309", "-1e309", "nan",      "inf",
          "Infinity", "1,5", "1e",  "+",     "-",      ".",        "1.2.3",
          "1e+",      "--1", "+-1", "0x10",  "1 2",    "\xd9\xa3", "1e99999999999999999999"}) {
        EXPECT_FALSE(toNumber(text)) << '"' << text << '"';
    }
}

TEST(NumberText, EveryWrittenTextReadsBackToTheSameText)
{
    for (double v : {0.1, 1.0 / 3.0, -2.0 / 7.0, 6.02214076e23, 1e-300, 4.9e-324, 1e300,
                     std::numeric_limits<double>::max(), 628.31854820251465, -0.0}) {
        const std::string text = toText(v);
        const auto back = toNumber(text);
        ASSERT_TRUE(back) << text;
        EXPECT_EQ(toText(*back), text);
    }
    EXPECT_FALSE(toNumber(toText(std::nan(""))));
    EXPECT_FALSE(toNumber(toText(std::numeric_limits<double>::infinity())));
}

TEST(NumberText, ExactTextsReadBackBitForBit)
{
    // What 15 digits cannot keep, and the ends of the range.
    for (const double value :
         {0.1 + 0.2, 1.0 / 3, -0.0, std::numeric_limits<double>::denorm_min(),
          std::numeric_limits<double>::max(), -std::numeric_limits<double>::min(), 4e-6 * 2123,
          123456789012345678.0}) {
        const std::string text = exactText(value);
        const auto back = toNumber(text);
        ASSERT_TRUE(back.has_value()) << text;
        EXPECT_EQ(std::memcmp(&*back, &value, sizeof value), 0) << text;
    }
    EXPECT_EQ(exactText(0.1), "0.1");
    EXPECT_EQ(exactText(0.1 + 0.2), "0.30000000000000004");
    EXPECT_EQ(exactText(1e-6), "1e-06");
    EXPECT_EQ(exactText(100), "100");
    EXPECT_EQ(exactText(std::nan("")), "NaN");
}

TEST(NumberText, WritesShortTextsForStatusBars)
{
    using kel::solutions::shortText;
    EXPECT_EQ(shortText(0.05), "0.05");
    EXPECT_EQ(shortText(1047.3), "1047");
    EXPECT_EQ(shortText(-2.5), "-2.5");
    EXPECT_EQ(shortText(1234567.0), "1.235e+06");
    EXPECT_EQ(shortText(9999.6), "1e+04");
    EXPECT_EQ(shortText(0.000099996), "0.0001");
    EXPECT_EQ(shortText(5e-7), "5e-07");
    EXPECT_EQ(shortText(-0.0), "0");
    EXPECT_EQ(shortText(1e300 * 1e300), "Infinity");
    EXPECT_EQ(shortText(0.1, 17), "0.10000000000000001");
}

TEST(NumberText, WritesFixedDecimalsWithoutExponentOrNegativeZero)
{
    using kel::solutions::fixedText;
    EXPECT_EQ(fixedText(2.5, 2), "2.50");
    EXPECT_EQ(fixedText(0.1 + 0.2, 1), "0.3");
    EXPECT_EQ(fixedText(-1e-9, 3), "0.000");
    EXPECT_EQ(fixedText(-0.0, 0), "0");
    EXPECT_EQ(fixedText(-12.5, 0), "-12");
    EXPECT_EQ(fixedText(1e20, 0), "100000000000000000000");
    EXPECT_EQ(fixedText(std::nan(""), 2), "NaN");
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    if (std::setlocale(LC_ALL, "de_DE.UTF-8")) {
        EXPECT_EQ(fixedText(0.25, 2), "0.25");
        std::setlocale(LC_ALL, previous.c_str());
    }
}

// The C library's %g in the C locale is the reference for the digits; only the program's
// own texts must never go through it.
TEST(NumberText, ShortTextsAgreeWithTheCFormatInTheCLocale)
{
    std::setlocale(LC_NUMERIC, "C");
    std::uint64_t state = 88172645463325252ull;
    char expected[64];
    for (int i = 0; i < 20000; ++i) {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        const double mantissa = static_cast<double>(state % 2000001) / 1000.0 - 1000.0;
        const double value = std::ldexp(mantissa, static_cast<int>(state >> 58) * 4 - 128);
        for (int digits : {4, 15, 17}) {
            std::snprintf(expected, sizeof expected, "%.*g", digits, value);
            std::string want = expected;
            if (want == "-0")
                want = "0";
            ASSERT_EQ(kel::solutions::shortText(value, digits), want) << digits;
        }
        std::snprintf(expected, sizeof expected, "%.15G", value);
        if (value != 0.0) {
            ASSERT_EQ(toText(value), expected);
        }
    }
}
