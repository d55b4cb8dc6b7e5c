// SPDX-License-Identifier: GPL-3.0-or-later
// The lab's Qt-free pieces: the frame lines, the sampling of curves and the parameter tests.
#include "lab/core/graphframe.h"
#include "lab/core/parametertests.h"
#include "lab/core/plotsampling.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace kel::lab
{
namespace
{

using solutions::CircuitParameters;

TEST(FrameSegments, DefaultScaleHasAxesAndEveryTick)
{
    const auto s = frameSegments(0, 100, 10, -10);
    ASSERT_EQ(s.size(), 2u + 11 + 51 + 21 + 41);
    // Time axis, vertical axis.
    EXPECT_DOUBLE_EQ(s[0].x1, 0);
    EXPECT_DOUBLE_EQ(s[0].x2, 100);
    EXPECT_DOUBLE_EQ(s[0].y1, 0);
    EXPECT_DOUBLE_EQ(s[1].y1, 10);
    EXPECT_DOUBLE_EQ(s[1].y2, -10);
    // Last major time tick at t = 100, half a unit each side.
    EXPECT_DOUBLE_EQ(s[12].x1, 100);
    EXPECT_DOUBLE_EQ(s[12].y1, -0.5);
    EXPECT_DOUBLE_EQ(s[12].y2, 0.5);
    // Minor time ticks every 2, a quarter each side.
    EXPECT_DOUBLE_EQ(s[13 + 1].x1, 2);
    EXPECT_DOUBLE_EQ(s[13 + 1].y2, 0.25);
    // Major vertical ticks at every whole value from -10, 2 long; minor ones every 0.5, 1 long.
    for (int n = 0; n <= 20; ++n) {
        const FrameSegment &m = s[64 + n];
        EXPECT_DOUBLE_EQ(m.y1, -10 + n);
        EXPECT_DOUBLE_EQ(m.y2, m.y1);
        EXPECT_DOUBLE_EQ(m.x1, 0);
        EXPECT_DOUBLE_EQ(m.x2, 2);
    }
    EXPECT_DOUBLE_EQ(s.back().y1, 10);
    EXPECT_DOUBLE_EQ(s.back().x2, 1);
    EXPECT_DOUBLE_EQ(s[85 + 1].y1, -9.5);
}

TEST(FrameSegments, TimeTicksCountFromZeroNotFromTheLeftEdge)
{
    const auto s = frameSegments(10, 20, 1, -1);
    for (int n = 0; n <= 10; ++n)
        EXPECT_DOUBLE_EQ(s[2 + n].x1, n) << n;
    EXPECT_DOUBLE_EQ(s[0].x1, 10);
    EXPECT_DOUBLE_EQ(s[2].y2, 2.0 / 40);
    // Vertical ticks are a fiftieth of the time range long.
    EXPECT_DOUBLE_EQ(s[64].x2, 10.0 / 50);
}

TEST(Sampling, PointsAtEvenTimesComputedFromTheIndex)
{
    int calls = 0;
    const auto points = samplePolyline(
        [&](double t) {
            ++calls;
            return 2 * t;
        },
        200, 0, 100);
    ASSERT_EQ(points.size(), 201u);
    EXPECT_EQ(calls, 201);
    for (int n = 0; n <= 200; ++n) {
        EXPECT_EQ(points[n].t, static_cast<float>(0.5 * n));
        EXPECT_EQ(points[n].value, static_cast<float>(2 * 0.5 * n));
    }
    // Accumulating 0.1 ten times misses 1.0; computing x1 + dt·n ends exactly on x2.
    const auto tenth = samplePolyline([](double t) { return t; }, 10, 0, 1);
    EXPECT_EQ(tenth.back().t, 1.0f);
    EXPECT_EQ(tenth[3].t, static_cast<float>(0 + 0.1 * 3));
}

TEST(Sampling, GivenFirstValueSkipsTheFirstEvaluation)
{
    std::vector<double> asked;
    const auto points = samplePolyline(
        [&](double t) {
            asked.push_back(t);
            return 1.0;
        },
        500, 3, 103, 0.0);
    ASSERT_EQ(points.size(), 501u);
    EXPECT_EQ(points[0].t, 3.0f);
    EXPECT_EQ(points[0].value, 0.0f);
    ASSERT_EQ(asked.size(), 500u);
    EXPECT_DOUBLE_EQ(asked.front(), 3.2);
    EXPECT_DOUBLE_EQ(asked.back(), 103);
}

TEST(Sampling, ValuesWithoutASinglePrecisionFormBreakTheCurve)
{
    EXPECT_TRUE(std::isnan(drawingCoordinate(1e39)));
    EXPECT_TRUE(std::isnan(drawingCoordinate(-1e39)));
    EXPECT_TRUE(std::isnan(drawingCoordinate(std::numeric_limits<double>::infinity())));
    EXPECT_TRUE(std::isnan(drawingCoordinate(std::nan(""))));
    EXPECT_EQ(drawingCoordinate(3e38), 3e38f);
    EXPECT_EQ(drawingCoordinate(-0.25), -0.25f);

    const auto points = samplePolyline([](double t) { return std::exp(t); }, 200, 0, 100);
    for (const PlotPoint &p : points) {
        if (p.t < 88) {
            EXPECT_TRUE(std::isfinite(p.value)) << p.t;
        } else if (p.t > 89) {
            EXPECT_TRUE(std::isnan(p.value)) << p.t;
        }
    }
    EXPECT_TRUE(samplePolyline([](double) { return 0.0; }, 0, 0, 1).empty());
}

CircuitParameters rlc(double R, double L, double C)
{
    CircuitParameters p;
    p.R = R;
    p.L = L;
    p.C = C;
    return p;
}

TEST(ParameterTests, ExactZerosAreRefusedAndNegativesPass)
{
    for (int kind = 1; kind <= 8; ++kind) {
        ASSERT_NE(plotTest(kind), nullptr);
        ASSERT_NE(readoutTest(kind), nullptr);
        EXPECT_FALSE(rejects(*plotTest(kind), rlc(-1, -2, -3))) << kind;
        EXPECT_FALSE(rejects(*plotTest(kind), rlc(1e-300, 1, 1))) << kind;
    }
    EXPECT_EQ(plotTest(0), nullptr);
    EXPECT_EQ(readoutTest(9), nullptr);

    // Kinds without an inductor ignore L; those without a resistor ignore R.
    EXPECT_FALSE(rejects(*plotTest(1), rlc(1, 0, 1)));
    EXPECT_TRUE(rejects(*plotTest(1), rlc(1, 1, 0)));
    EXPECT_FALSE(rejects(*plotTest(4), rlc(0, 1, 1)));
    EXPECT_TRUE(rejects(*plotTest(5), rlc(1, 0, 1)));
    EXPECT_TRUE(rejects(*plotTest(8), rlc(1, 1, 0)));
    EXPECT_TRUE(rejects(*plotTest(8), rlc(0, 1, 1)));
}

TEST(ParameterTests, ReadoutOfTheDrivenRLCircuitAcceptsZeroResistance)
{
    EXPECT_TRUE(rejects(*plotTest(7), rlc(0, 10, 0)));
    EXPECT_FALSE(rejects(*readoutTest(7), rlc(0, 10, 0)));
    EXPECT_TRUE(rejects(*readoutTest(7), rlc(1, 0, 1)));
    EXPECT_TRUE(rejects(*readoutTest(2), rlc(0, 10, 1)));
    for (int kind : {1, 2, 3, 4, 5, 6, 8})
        for (const auto &p : {rlc(0, 1, 1), rlc(1, 0, 1), rlc(1, 1, 0), rlc(2, 3, 4)})
            EXPECT_EQ(rejects(*plotTest(kind), p), rejects(*readoutTest(kind), p)) << kind;
}

} // namespace
} // namespace kel::lab
