// SPDX-License-Identifier: GPL-3.0-or-later
// The range check: which inputs double precision cannot give a curve for, and what it names.
#include "solutions/circuitfigures.h"
#include "solutions/numbertext.h"
#include "solutions/rangecheck.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kel::testing
{
namespace
{

using namespace solutions;
using Cause = RangeProblem::Cause;

CircuitParameters params(double R, double L, double C, double v0, double w0, double q0, double i0)
{
    return {R, L, C, v0, w0, q0, i0, toText(w0)};
}

TEST(RangeCheck, AcceptsOrdinaryCircuitsAndTheResonanceWhoseTextsDiffer)
{
    for (int kind = 1; kind <= 8; ++kind)
        EXPECT_FALSE(checkRange(kind, params(1, 10, 10, 1, 0.1, 10, 0), 0, 100)) << kind;
    // "1.0" is not the text of ω = 1: the off-resonance case, whose numbers are the resonance's.
    const CircuitParameters resonant{0, 1, 1, 1, 1, 0, 0, "1.0"};
    EXPECT_FALSE(checkRange(5, resonant, 0, 100));
}

TEST(RangeCheck, NamesAParameterOfAbsurdMagnitudeAndTheRangeThatWorks)
{
    const auto problem = checkRange(4, params(1, 1e200, 1, 0, 0, 1, 0), 0, 100);
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->cause, Cause::OutOfRange);
    EXPECT_EQ(problem->parameter, Parameter::L);
    EXPECT_EQ(problem->lowest, kSmallestMagnitude);
    EXPECT_EQ(problem->highest, kLargestMagnitude);
    const auto tiny = checkRange(1, params(1, 0, 1, 0, 0, 1e-300, 0), 0, 100);
    ASSERT_TRUE(tiny);
    EXPECT_EQ(tiny->parameter, Parameter::q0);
    // A parameter the kind does not read is not looked at, and a zero is the lab's business.
    EXPECT_FALSE(checkRange(1, params(1, 1e300, 1, 0, 0, 1, 0), 0, 100));
    EXPECT_FALSE(checkRange(3, params(0, 1, 1, 0, 0, 0, 0), 0, 100));
}

TEST(RangeCheck, BoundsThePhasesOfTheSourceAndOfTheCircuit)
{
    const auto source = checkRange(6, params(1, 0, 1, 1, 1e11, 0, 0), 0, 100);
    ASSERT_TRUE(source);
    EXPECT_EQ(source->parameter, Parameter::w0);
    EXPECT_DOUBLE_EQ(source->highest, 1e10);
    EXPECT_FALSE(checkRange(6, params(1, 0, 1, 1, 1e11, 0, 0), 0, 0.001));

    // ω0 = 1e12 over 100 s; L must be at least (100/1e12)²/C for the phase to stay in range.
    const auto circuit = checkRange(3, params(0, 1e-12, 1e-12, 1, 0, 1, 0), -100, 50);
    ASSERT_TRUE(circuit);
    EXPECT_EQ(circuit->parameter, Parameter::L);
    EXPECT_DOUBLE_EQ(circuit->lowest, 1e-20 / 1e-12);
    EXPECT_FALSE(checkRange(3, params(0, circuit->lowest, 1e-12, 1, 0, 1, 0), -100, 50));
}

TEST(RangeCheck, FindsTheFirstSampleThatIsNotFinite)
{
    // A negative resistance makes the transient grow as exp(t): it leaves the double range
    // near t = 709, past the fourth of 11 samples from 0 to 1000 and at the eighth.
    const auto growing = checkRange(2, params(-1, 1, 0, 0, 0, 0, 1), 0, 1000, 11);
    ASSERT_TRUE(growing);
    EXPECT_EQ(growing->cause, Cause::NotFinite);
    EXPECT_EQ(growing->time, 800);
    EXPECT_FALSE(checkRange(2, params(-1, 1, 0, 0, 0, 0, 1), 0, 700, 11));
    // A zero divisor the lab's tests let through (L = 0 in the RL circuit) fails at once.
    const auto noL = checkRange(2, params(1, 0, 0, 1, 0, 0, 1), 5, 10);
    ASSERT_TRUE(noL);
    EXPECT_EQ(noL->time, 5);
}

} // namespace
} // namespace kel::testing
