// SPDX-License-Identifier: GPL-3.0-or-later
#include "phasor/core/phasoranimation.h"

#include <gtest/gtest.h>

namespace kel::phasor
{
namespace
{

using std::chrono::milliseconds;
using Time = PhasorAnimation::Time;

constexpr Time kStart = std::chrono::seconds(100);

TEST(PhasorAnimation, RunsOnePeriodInThreeSecondsAtOneTimesSpeed)
{
    PhasorAnimation a;
    a.setStepsPerPeriod(40); // five cycles on the plot
    a.moveTo(kStart, 10);
    EXPECT_EQ(a.stepAt(kStart + std::chrono::seconds(5)), 10); // paused: holds
    a.play(kStart);
    EXPECT_DOUBLE_EQ(a.positionAt(kStart + std::chrono::seconds(3)), 50);
    EXPECT_EQ(a.stepAt(kStart + milliseconds(1500)), 30);
    // Just short of a step stays on the one before.
    EXPECT_EQ(a.stepAt(kStart + milliseconds(74)), 10);
    EXPECT_EQ(a.stepAt(kStart + milliseconds(76)), 11);
    a.pause(kStart + milliseconds(1500));
    EXPECT_EQ(a.stepAt(kStart + std::chrono::seconds(60)), 30);
    a.play(kStart + std::chrono::seconds(60));
    EXPECT_EQ(a.stepAt(kStart + std::chrono::seconds(61)), 30 + 13);
}

TEST(PhasorAnimation, WrapsAfterTheLastStep)
{
    PhasorAnimation a;
    a.setStepsPerPeriod(200); // one cycle: 200 steps in 3 s
    a.moveTo(kStart, 195);
    a.play(kStart);
    const Time perStep = std::chrono::microseconds(15'000);
    EXPECT_EQ(a.stepAt(kStart + 5 * perStep + perStep / 2), 200); // the end is shown
    EXPECT_EQ(a.stepAt(kStart + 6 * perStep + perStep / 2), 0);   // then the start
    EXPECT_EQ(a.stepAt(kStart + 6 * perStep + 201 * perStep + perStep / 2), 0);
    // A long run stays within the bar's range.
    for (int s = 0; s < 1000; s += 7) {
        const int step = a.stepAt(kStart + std::chrono::seconds(s) + milliseconds(s));
        EXPECT_GE(step, 0);
        EXPECT_LE(step, 200);
    }
}

TEST(PhasorAnimation, SpeedHalvesAndDoublesWithinItsRangeWithoutAJump)
{
    PhasorAnimation a;
    a.setStepsPerPeriod(30);
    a.play(kStart);
    const Time t1 = kStart + std::chrono::seconds(1); // at 10 steps
    a.faster(t1);
    EXPECT_EQ(a.speedText(), "2");
    EXPECT_DOUBLE_EQ(a.positionAt(t1), 10);
    EXPECT_DOUBLE_EQ(a.positionAt(t1 + std::chrono::seconds(1)), 30);
    for (int i = 0; i < 10; ++i)
        a.faster(t1);
    EXPECT_EQ(a.speedExponent(), PhasorAnimation::kFastest);
    EXPECT_EQ(a.speedText(), "16");
    for (int i = 0; i < 20; ++i)
        a.slower(t1);
    EXPECT_EQ(a.speedExponent(), PhasorAnimation::kSlowest);
    EXPECT_EQ(a.speedText(), "1/16");
    EXPECT_DOUBLE_EQ(a.speed(), 1.0 / 16);
    // A speed change while paused keeps the position.
    a.pause(t1);
    a.faster(t1 + std::chrono::seconds(9));
    EXPECT_DOUBLE_EQ(a.positionAt(t1 + std::chrono::seconds(20)), 10);
}

TEST(PhasorAnimation, HeldWhileOutOfSight)
{
    PhasorAnimation a;
    a.setStepsPerPeriod(30); // 10 steps a second
    a.hold(kStart);          // not playing: nothing to hold
    EXPECT_FALSE(a.held());
    a.play(kStart);
    a.hold(kStart + std::chrono::seconds(2));
    EXPECT_TRUE(a.playing());
    EXPECT_EQ(a.stepAt(kStart + std::chrono::seconds(60)), 20);
    a.resume(kStart + std::chrono::seconds(60));
    EXPECT_EQ(a.stepAt(kStart + std::chrono::seconds(61)), 30);
    a.hold(kStart + std::chrono::seconds(61));
    a.pause(kStart + std::chrono::seconds(70));
    EXPECT_FALSE(a.held());
    EXPECT_EQ(a.stepAt(kStart + std::chrono::seconds(80)), 30);
}

TEST(PhasorAnimation, IgnoresUnusableRatesAndClocksThatGoBack)
{
    PhasorAnimation a;
    a.setStepsPerPeriod(0);
    a.setStepsPerPeriod(-3);
    EXPECT_EQ(a.stepsPerPeriod(), 40);
    a.play(kStart);
    EXPECT_EQ(a.stepAt(kStart - std::chrono::seconds(1)), 0);
}

} // namespace
} // namespace kel::phasor
