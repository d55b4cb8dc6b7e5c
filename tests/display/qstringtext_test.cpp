// SPDX-License-Identifier: GPL-3.0-or-later
// Number texts in QStrings, and the hint for a decimal comma. The suite runs under a point
// and under a comma locale, so each run checks one side of the hint.
#include "display/qstringtext.h"
#include "support/qtprinters.h"

#include <gtest/gtest.h>

#include <QLocale>

using namespace kel::display;

TEST(QStringText, NumbersUseAPointInEveryLocale)
{
    EXPECT_EQ(numberText(628.31854820251465), "628.318548202515");
    EXPECT_EQ(numberText(0.1f), "0.1");
    EXPECT_EQ(shortNumberText(-0.05), "-0.05");
    EXPECT_EQ(numberOf(" 2.5e3 "), 2500.0);
    EXPECT_FALSE(numberOf("1,5"));
    EXPECT_FALSE(numberOf(QString()));
    EXPECT_EQ(toQString("\u03c9\u2080 = 100 s\u207b\u00b9"), QString::fromUtf8("ω₀ = 100 s⁻¹"));
    EXPECT_EQ(toStdString(QString::fromUtf8("α")), "α");
}

TEST(QStringText, DecimalCommaHintOnlyWhereTheSystemWritesCommas)
{
    const bool commaLocale = QLocale::system().decimalPoint() == ",";
    EXPECT_EQ(decimalCommaHint("1.5"), QString());
    EXPECT_EQ(decimalCommaHint("abc"), QString());
    if (!commaLocale) {
        EXPECT_EQ(decimalCommaHint("1,5"), QString());
        EXPECT_EQ(withDecimalCommaHint("Bad.", "1,5"), "Bad.");
        return;
    }
    EXPECT_EQ(decimalCommaHint(" 2,25 "), "Type a decimal point, as in 2.25.");
    EXPECT_EQ(decimalCommaHint("1,5,2"), "Type a decimal point, as in 1.5.");
    EXPECT_EQ(withDecimalCommaHint("The text of R is not a number.", "0,5"),
              "The text of R is not a number. Type a decimal point, as in 0.5.");
}
