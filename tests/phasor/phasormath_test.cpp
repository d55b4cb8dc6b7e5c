// SPDX-License-Identifier: GPL-3.0-or-later
#include "phasor/core/phasormath.h"
#include "solutions/numbertext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace kel::phasor
{
namespace
{

const ParameterTexts kInitial{"1000", "0.00005", "10.0", "500", "10.0", "5"};

Solution solved(const ParameterTexts &texts)
{
    const SolveResult r = solveAmplitudes(texts);
    EXPECT_TRUE(r.solution) << static_cast<int>(r.problem);
    return r.solution.value_or(Solution{});
}

// |a - b| within a relative bound, or an absolute one near zero.
bool near(double a, double b, double relative = 1e-9, double absolute = 1e-9)
{
    return std::fabs(a - b) <= std::max(absolute, relative * std::max(std::fabs(a), std::fabs(b)));
}

TEST(SolveAmplitudes, WorkedValuesOfTheInitialCircuit)
{
    const Solution s = solved(kInitial);
    EXPECT_EQ(s.omega, 62.831854820251465);
    EXPECT_NEAR(s.XC, 318.30988, 1e-5);
    EXPECT_NEAR(s.XL, 628.31855, 1e-5);
    EXPECT_NEAR(s.Z, 1046.95051, 1e-5);
    EXPECT_NEAR(s.phi, 0.30061, 1e-5);
    EXPECT_NEAR(s.I0, 0.477577, 1e-6);
    EXPECT_EQ(s.VRmaxText, "477.577491906523");
    EXPECT_EQ(s.VCmaxText, "152.017632862429");
    EXPECT_EQ(s.VLmaxText, "300.070796368905");
    EXPECT_EQ(s.PlotMax, 500);
    EXPECT_EQ(s.time.tMin, 0);
    EXPECT_EQ(s.time.tMax, 0.5);
    EXPECT_EQ(s.time.dt, 0.0025);

    EXPECT_NEAR(instantaneous(s, Voltage::Resistor, 0), -141.414, 1e-3);
    EXPECT_NEAR(instantaneous(s, Voltage::Capacitor, 0), -145.200, 1e-3);
    EXPECT_NEAR(instantaneous(s, Voltage::Inductor, 0), 286.614, 1e-3);
    EXPECT_EQ(solutions::toText(phasorTip(s, Voltage::Source, 0).y), "0");
}

TEST(SolveAmplitudes, PhasorTipsAtTimeZero)
{
    const Solution s = solved(kInitial);
    const struct {
        Voltage v;
        double x, y;
    } tips[] = {{Voltage::Resistor, 456.161, -141.414},
                {Voltage::Capacitor, -45.013, -145.200},
                {Voltage::Inductor, 88.853, 286.614},
                {Voltage::Source, 500, 0}};
    for (const auto &tip : tips) {
        const Point p = phasorTip(s, tip.v, 0);
        EXPECT_NEAR(p.x, tip.x, 1e-3) << static_cast<int>(tip.v);
        EXPECT_NEAR(p.y, tip.y, 1e-3) << static_cast<int>(tip.v);
        // The height of a tip is the instantaneous value the curve shows.
        EXPECT_TRUE(near(p.y, instantaneous(s, tip.v, 0), 1e-12, 1e-9));
    }
}

TEST(SolveAmplitudes, QuarterPeriodTurnsEveryPhasorAQuarterTurn)
{
    const Solution s = solved(kInitial);
    const double t = 0.0137, quarter = 1 / (4 * 10.0);
    for (Voltage v : kVoltages) {
        const Point a = phasorTip(s, v, t), b = phasorTip(s, v, t + quarter);
        EXPECT_NEAR(b.x, -a.y, 1e-4);
        EXPECT_NEAR(b.y, a.x, 1e-4);
    }
}

TEST(SolveAmplitudes, MissingCapacitorAndMissingResistor)
{
    const Solution rl = solved({"1000", "0", "10.0", "500", "10.0", "5"});
    EXPECT_EQ(rl.XC, 0);
    EXPECT_EQ(rl.VCmaxText, "0");
    EXPECT_NEAR(rl.phi, std::atan(rl.XL / 1000), 1e-15);

    const Solution inductive = solved({"0", "0.00005", "10.0", "500", "10.0", "5"});
    EXPECT_EQ(inductive.phi, 1.5707963705062866);
    EXPECT_EQ(inductive.VRmaxText, "0");

    const Solution capacitive = solved({"0", "0.00005", "1.0", "500", "10.0", "5"});
    EXPECT_EQ(capacitive.phi, -1.5707963705062866);
}

TEST(SolveAmplitudes, PlotMaxComparesNumbersNotTexts)
{
    // VLmax about 1931 V: as text "1931..." sorts before "500".
    const Solution s = solved({"100", "3.1831e-5", "10", "500", "10", "5"});
    const double vl = std::stod(s.VLmaxText);
    ASSERT_GT(vl, 1000);
    ASSERT_LT(vl, 2000);
    EXPECT_EQ(s.PlotMax, vl);
}

TEST(SolveAmplitudes, KirchhoffSumOfTheVoltagesIsTheSource)
{
    // vR + vC + vL = v0 at every sample: the phase and the amplitudes agree with each other.
    for (const ParameterTexts &texts :
         {kInitial, ParameterTexts{"50", "1e-6", "0.2", "12", "400", "3"},
          ParameterTexts{"0", "0.00005", "10.0", "500", "10.0", "5"},
          ParameterTexts{"1000", "0", "10.0", "500", "10.0", "2.5"}}) {
        const Solution s = solved(texts);
        const auto r = curveSamples(s, Voltage::Resistor), c = curveSamples(s, Voltage::Capacitor),
                   l = curveSamples(s, Voltage::Inductor), v = curveSamples(s, Voltage::Source);
        for (std::size_t j = 0; j < v.size(); ++j) {
            EXPECT_EQ(r[j].x, v[j].x);
            EXPECT_NEAR(r[j].y + c[j].y + l[j].y, v[j].y, 1e-5 * s.PlotMax) << texts.R << " " << j;
        }
    }
}

TEST(CurveSamples, SpanNumPerPeriodsFromTheOrigin)
{
    const Solution s = solved(kInitial);
    const auto source = curveSamples(s, Voltage::Source);
    ASSERT_EQ(source.size(), 201u);
    EXPECT_EQ(source[0].x, 0);
    EXPECT_EQ(source[0].y, 0);
    EXPECT_GT(source[1].y, 0);
    EXPECT_EQ(source[200].x, 0.5);
    // Five whole periods: back at the start, 40 samples per period (to the single-precision
    // Pi, which puts the end 10 (Pi - pi) rad, half a millivolt, off).
    EXPECT_NEAR(source[200].y, 0, 1e-3);
    for (int j = 0; j <= 160; ++j)
        EXPECT_NEAR(source[j].y, source[j + 40].y, 1e-3);
}

TEST(TimeBase, EveryStepsTimeTextMapsBackToItsStep)
{
    for (const ParameterTexts &texts :
         {kInitial, ParameterTexts{"50", "1e-6", "0.2", "12", "400", "3"},
          ParameterTexts{"1000", "0.00005", "10.0", "500", "7.3", "11"},
          ParameterTexts{"1000", "0.00005", "10.0", "500", "0.003", "0.7"}}) {
        const Solution s = solved(texts);
        for (int n = 0; n <= TimeBase::kSteps; ++n) {
            const std::string text = solutions::toText(s.time.timeOfStep(n));
            EXPECT_EQ(s.time.stepOfTime(*solutions::toNumber(text)), n) << text;
            EXPECT_EQ(barStepForTime(text, texts.NumPer, texts.f0), n) << text;
        }
    }
}

TEST(TimeBase, TypedTimesMoveTheBarOnlyInsideTheInterval)
{
    EXPECT_EQ(barStepForTime("0.5", "5", "10.0"), 200);
    EXPECT_EQ(barStepForTime("0.26", "5", "10.0"), 104);
    EXPECT_EQ(barStepForTime("0.1012", "5", "10.0"), 40);
    EXPECT_EQ(barStepForTime("0", "5", "10.0"), 0);
    EXPECT_EQ(barStepForTime("0.50001", "5", "10.0"), std::nullopt);
    EXPECT_EQ(barStepForTime("-0.1", "5", "10.0"), std::nullopt);
    EXPECT_EQ(barStepForTime("abc", "5", "10.0"), std::nullopt);
    EXPECT_EQ(barStepForTime("0.1", "x", "10.0"), std::nullopt);
    EXPECT_EQ(barStepForTime("0.1", "5", "0"), std::nullopt);

    const Solution s = solved(kInitial);
    EXPECT_EQ(s.time.stepOfTime(1), 400);
    EXPECT_EQ(s.time.stepOfTime(-0.001), -1);
    EXPECT_EQ(s.time.stepOfTime(1e300), std::nullopt);
}

TEST(TimeBase, PlotDrawsAnyStepOfANumberAndMovesTheBarOnlyInside)
{
    const TimeBase time = solved(kInitial).time;
    const PlotStep inside = plotStepForTime(time, "0.26");
    EXPECT_EQ(inside.problem, PlotStep::Problem::None);
    EXPECT_EQ(inside.step, 104);
    EXPECT_EQ(inside.barStep, 104);
    const PlotStep before = plotStepForTime(time, "-0.001");
    EXPECT_EQ(before.step, -1);
    EXPECT_EQ(before.barStep, std::nullopt);
    EXPECT_EQ(plotStepForTime(time, "0.5").barStep, 200);
    EXPECT_EQ(plotStepForTime(time, "1").barStep, std::nullopt);
    EXPECT_EQ(plotStepForTime(time, "0,26").problem, PlotStep::Problem::NotANumber);
    EXPECT_EQ(plotStepForTime(time, "1e300").problem, PlotStep::Problem::TooFar);
}

TEST(TimeBase, PointerInFrameUnitsIsReadThroughTheTexts)
{
    const auto plain = pointerReading({"x", "", "", "", "", ""}, 0.1, -3, false);
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->x, 0.1);
    EXPECT_EQ(plain->y, -3);
    const auto framed = pointerReading(kInitial, 20, 5, true);
    ASSERT_TRUE(framed);
    EXPECT_NEAR(framed->x, 0.1, 1e-15);
    EXPECT_NEAR(framed->y, 0.5 * solved(kInitial).PlotMax, 1e-12);
    EXPECT_FALSE(pointerReading({"1000", "0.00005", "10.0", "500", "0", "5"}, 20, 5, true));
}

TEST(Geometry, CircleAndFrame)
{
    const auto circle = circlePoints(500);
    for (const Point &p : circle)
        EXPECT_NEAR(std::hypot(p.x, p.y), 500, 1e-9);
    EXPECT_NEAR(circle.back().x, 500, 1e-6);
    EXPECT_NEAR(circle.back().y, 0, 1e-3);
    EXPECT_GT(circle.front().y, 0); // counter-clockwise from just above the x axis

    const auto frame = frameSegments();
    ASSERT_EQ(frame.size(), 2u + 11 + 51 + 21 + 41);
    EXPECT_EQ(frame[0].x2, 100);
    EXPECT_EQ(frame[1].y1, -10);
    EXPECT_EQ(frame.back().y1, 10);
    EXPECT_EQ(frame.back().x2, 1);

    const Solution s = solved(kInitial);
    EXPECT_NEAR(frameToTime(20, s.time), 0.1, 1e-15);
    EXPECT_EQ(frameToTime(100, s.time), 0.5);
}

} // namespace
} // namespace kel::phasor
