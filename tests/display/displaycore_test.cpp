// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt-free part of display/: sample tables and the user coordinate transform.
#include "display/csvtable.h"
#include "display/readingorder.h"
#include "display/usertransform.h"
#include "solutions/numbertext.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

using kel::display::CsvTable;
using kel::display::UserTransform;

// The program runs with the user's locale set (Qt sets it from the environment); a decimal
// comma there must not reach the file, whose fields are separated by commas.
TEST(CsvTable, WritesDecimalPointsInACommaLocale)
{
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
        GTEST_SKIP() << "the de_DE.UTF-8 locale is not generated";
    CsvTable table({"t (s)", "v (V)"});
    table.addRow({0.5, -2.25e-7});
    table.addRow({1e21, std::numeric_limits<double>::infinity()});
    const std::string text = table.text();
    std::setlocale(LC_ALL, previous.c_str());
    EXPECT_EQ(text, "t (s),v (V)\r\n0.5,-2.2499999999999999e-07\r\n1e+21,\r\n");
}

TEST(CsvTable, EveryFieldReadsBackToTheSameDouble)
{
    CsvTable table({"x"});
    const double values[] = {0.1, 1.0 / 3.0, 5e-324, 1.7976931348623157e308, -123456.789};
    for (double v : values)
        table.addRow({v});
    const std::string text = table.text();
    std::size_t start = text.find("\r\n") + 2;
    for (double v : values) {
        const std::size_t end = text.find("\r\n", start);
        ASSERT_NE(end, std::string::npos);
        EXPECT_EQ(kel::solutions::toNumber(text.substr(start, end - start)), v);
        start = end + 2;
    }
}

TEST(UserTransform, MapsBackwardsAxesBothWays)
{
    // The graph's usual system: time 0..100 across, value 10 at the top to -10 at the bottom.
    const UserTransform transform{0, 10, 100, -10, 400, 200};
    EXPECT_DOUBLE_EQ(transform.toPixelX(25), 100);
    EXPECT_DOUBLE_EQ(transform.toPixelY(10), 0);
    EXPECT_DOUBLE_EQ(transform.toPixelY(-10), 200);
    EXPECT_DOUBLE_EQ(transform.toPixelY(0), 100);
    EXPECT_DOUBLE_EQ(transform.toUserX(transform.toPixelX(37.5)), 37.5);
    EXPECT_DOUBLE_EQ(transform.toUserY(transform.toPixelY(-3.25)), -3.25);
    EXPECT_FALSE(UserTransform::usable(0, 10, 0, -10));
    EXPECT_FALSE(UserTransform::usable(0, 10, 100, NAN));
    EXPECT_FALSE(UserTransform::usable(-1.7e308, 10, 1.7e308, -10));
    EXPECT_TRUE(UserTransform::usable(100, -10, 0, 10));
}

TEST(UserTransform, ClipsSegmentsToTheSquare)
{
    double x0 = -10, y0 = 5, x1 = 20, y1 = 5;
    ASSERT_TRUE(kel::display::clipSegment(x0, y0, x1, y1, 0, 10));
    EXPECT_DOUBLE_EQ(x0, 0);
    EXPECT_DOUBLE_EQ(x1, 10);
    EXPECT_DOUBLE_EQ(y0, 5);
    double a = -5, b = -5, c = -1, d = 20;
    EXPECT_FALSE(kel::display::clipSegment(a, b, c, d, 0, 10));
}

// Rows top to bottom, each left to right: a button a little taller than the bar beside it
// and starting above it stays in the bar's row; a box whose centre lies below the row's first
// box starts the next row, even when it overlaps that box a little.
TEST(ReadingOrder, RowsTopToBottomEachLeftToRight)
{
    using kel::display::ReadingBox;
    const std::vector<ReadingBox> boxes{
        {2880, 3360, 6615, 285}, // 0: bar, last in the first row
        {120, 5880, 975, 360},   // 1: strip, left
        {60, 3330, 1860, 345},   // 2: button, first in the first row
        {2040, 5880, 975, 360},  // 3: strip, right
        {660, 3620, 1380, 315},  // 4: overlaps the button, centre below it: the next row
        {3840, 3620, 720, 315},  // 5
        {0, 3330, 0, 0},         // 6: an empty box at the row's top belongs to it
    };
    const std::vector<std::size_t> expected{6, 2, 0, 4, 5, 1, 3};
    EXPECT_EQ(kel::display::readingOrder(boxes), expected);
    EXPECT_TRUE(kel::display::readingOrder({}).empty());
}
