// SPDX-License-Identifier: GPL-3.0-or-later
#include "solutions/numbertext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

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
