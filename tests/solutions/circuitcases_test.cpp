// SPDX-License-Identifier: GPL-3.0-or-later
// Case selection, worked values, long-time behaviour and bad inputs of the solutions.
#include "solutions/circuitcases.h"
#include "solutions/circuitsolutions.h"
#include "solutions/numbertext.h"
#include "tolerance.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <map>
#include <string>

namespace kel::testing
{
namespace
{

using namespace solutions;

CircuitParameters params(double R, double L, double C, double v0, double w0, double q0, double i0)
{
    return {R, L, C, v0, w0, q0, i0, toText(w0)};
}

struct DampingRow {
    double R, L, C;
    Damping expected;
};

class DampingTest : public ::testing::TestWithParam<DampingRow>
{
};

TEST_P(DampingTest, ComparesTheDiscriminantWithZeroExactly)
{
    const auto [R, L, C, expected] = GetParam();
    EXPECT_EQ(dampingOf(R, L, C), expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, DampingTest,
                         ::testing::Values(DampingRow{2, 1, 1, Damping::Critical},
                                           DampingRow{3, 1, 1, Damping::Overdamped},
                                           DampingRow{1, 1, 1, Damping::Underdamped},
                                           DampingRow{0, 1, 1, Damping::Underdamped},
                                           DampingRow{2.0000000000000004, 1, 1,
                                                      Damping::Overdamped},
                                           DampingRow{1, 1, 0, Damping::Undefined}));

TEST(Damping, WithoutResistanceIsAnUndampedOscillationAtTheNaturalFrequency)
{
    const double D = discriminant(0, 2, 0.5);
    EXPECT_EQ(dampingRate(0, 2), 0);
    EXPECT_TRUE(closeTo(dampedFrequency(2, D), naturalFrequency(2, 0.5)));
}

TEST(Resonance, ComparesTheTextOfOmegaWithTheTextOfW0)
{
    EXPECT_EQ(toText(naturalFrequency(10, 10)), "0.1");
    EXPECT_EQ(resonanceOf(10, 10, "0.1"), Resonance::AtResonance);
    EXPECT_EQ(resonanceOf(10, 10, "0.10"), Resonance::OffResonance);
    EXPECT_EQ(resonanceOf(10, 10, toText(0.1 / 6.28318 * (2 * 3.1415927410125732))),
              Resonance::OffResonance);
    EXPECT_EQ(resonanceOf(-1, 1, "NaN"), Resonance::OffResonance);
}

TEST(WorkedValues, MatchTheirClosedForms)
{
    EXPECT_TRUE(closeTo(q1(params(1, 0, 10, 0, 0, 10, 0), 10), 10 * std::exp(-1.0)));
    EXPECT_TRUE(closeTo(i2(params(4, 2, 0, 0, 0, 0, 3), 1.5), 3 * std::exp(-3.0)));
    const CircuitParameters critical = params(2, 1, 1, 0, 0, 1, 0);
    for (double t : {0.0, 0.5, 3.0, 20.0}) {
        EXPECT_TRUE(closeTo(q4(critical, t), (1 + t) * std::exp(-t))) << t;
        EXPECT_TRUE(closeTo(i4(critical, t), -t * std::exp(-t), 1e-300)) << t;
    }
    const CircuitParameters rc = params(2, 0, 3, 5, 0, 1, 0);
    EXPECT_TRUE(closeTo(i1(rc, 0), ((-(1 - 5.0 * 3)) / 2) / 3));
}

TEST(LongTimes, ConstantSourcesSettleAtTheirSteadyValues)
{
    EXPECT_TRUE(closeTo(q1(params(2, 0, 3, 5, 0, 1, 0), 600), 15));
    EXPECT_TRUE(closeTo(i2(params(4, 2, 0, 8, 0, 0, -1), 60), 2));
    const CircuitParameters critical = params(2, 1, 1, 7, 0, 1, 3);
    EXPECT_TRUE(closeTo(q4(critical, 200), 7));
    EXPECT_TRUE(closeTo(i4(critical, 200), 0, 1e-60));
}

// The driven steady state from the complex impedance: Q = v0 / (jω·Z), I = v0 / Z, with the
// source v0·sin(w0·t) = Im(v0·e^(j·w0·t)).
TEST(LongTimes, SinusoidalSourcesSettleIntoTheDrivenResponse)
{
    using namespace std::complex_literals;
    const auto im = [](std::complex<double> phasor, double w, double t) {
        return std::imag(phasor * std::exp(1i * (w * t)));
    };
    const CircuitParameters rc = params(2, 0, 0.5, 3, 2, 1, 0);
    const CircuitParameters rl = params(2, 0.5, 0, 4, 3, 0, 1);
    const std::map<double, Damping> rlcs{
        {3, Damping::Overdamped}, {2, Damping::Critical}, {1, Damping::Underdamped}};
    for (double t : {80.0, 81.3}) {
        const std::complex<double> Zrc = rc.R + 1.0 / (1i * rc.w0 * rc.C);
        EXPECT_TRUE(closeTo(q6(rc, t), im(rc.v0 / (1i * rc.w0 * Zrc), rc.w0, t), 1, 1e-9));
        EXPECT_TRUE(closeTo(i7(rl, t), im(rl.v0 / (rl.R + 1i * rl.w0 * rl.L), rl.w0, t), 1, 1e-9));
        for (const auto &[R, damping] : rlcs) {
            const CircuitParameters p = params(R, 1, 1, 2, 1.5, 0.3, -1);
            ASSERT_EQ(dampingOf(p), damping);
            const std::complex<double> Z = p.R + 1i * p.w0 * p.L + 1.0 / (1i * p.w0 * p.C);
            EXPECT_TRUE(closeTo(q8(p, t), im(p.v0 / (1i * p.w0 * Z), p.w0, t), 1, 1e-9)) << R;
            EXPECT_TRUE(closeTo(i8(p, t), im(p.v0 / Z, p.w0, t), 1, 1e-9)) << R;
        }
    }
}

// The largest |q5| over one period starting at t.
double swing(const CircuitParameters &p, double t)
{
    const double period = 2 * 3.141592653589793 / p.w0;
    double largest = 0;
    for (int k = 0; k < 400; ++k)
        largest = std::max(largest, std::abs(q5(p, t + period * k / 400)));
    return largest;
}

TEST(LongTimes, ResonanceGrowsLinearlyAndOffResonanceStaysBounded)
{
    CircuitParameters at = params(0, 10, 10, 1, 0.1, 0, 0);
    at.w0Text = toText(naturalFrequency(10, 10));
    ASSERT_EQ(resonanceOf(at), Resonance::AtResonance);
    const double T = 2 * 3.141592653589793 / 0.1;
    // The swing over a period ends near the period's end: it grows as that time does.
    EXPECT_NEAR(swing(at, 1000 * T) / swing(at, 100 * T), 1001.0 / 101.0, 0.01);

    const CircuitParameters off = params(0, 1, 1, 1, 1.3, 0, 0);
    const double early = swing(off, 0) + swing(off, 20);
    for (double t : {500.0, 5000.0, 50000.0})
        EXPECT_LE(swing(off, t), 1.01 * early) << t;
}

// "1.0" is not the text of ω = 1, so the text test selects the off-resonance case, whose
// textbook form divides 0 by 0 there; the curve must still be the resonance curve
// q = (v0/(2·L))·(sin t − t·cos t) from rest, and its current (v0/(2·L))·t·sin t.
TEST(Resonance, TextsThatDifferForEqualNumbersStillGiveTheResonanceCurve)
{
    for (const char *text : {"1.0", "1", "1.00000000000000000001"}) {
        const CircuitParameters p{0, 1, 1, 3, 1, 0, 0, text};
        for (double t : {0.5, 7.0, 93.0}) {
            const double q = 1.5 * (std::sin(t) - t * std::cos(t));
            EXPECT_TRUE(closeTo(q5(p, t), q, 1.5 * (1 + t), 1e-13)) << text << " " << t;
            EXPECT_TRUE(closeTo(i5(p, t), 1.5 * t * std::sin(t), 1.5 * t, 1e-13)) << text << t;
        }
    }
}

struct BadRow {
    const char *name;
    int kind;
    CircuitParameters p;
    double t;
};

class BadInputs : public ::testing::TestWithParam<BadRow>
{
};

TEST_P(BadInputs, GiveNoFiniteValue)
{
    const CaseRow &row = *caseFor(GetParam().kind);
    for (SolutionFunction f : {row.charge, row.current}) {
        if (f) {
            EXPECT_FALSE(std::isfinite(f(GetParam().p, GetParam().t)));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    ZeroDivisorsAndOverflow, BadInputs,
    ::testing::Values(BadRow{"RcWithoutR", 1, params(0, 0, 1, 1, 0, 1, 0), 2},
                      BadRow{"RcWithoutC", 1, params(1, 0, 0, 1, 0, 1, 0), 2},
                      BadRow{"RlWithoutL", 2, params(1, 0, 0, 1, 0, 0, 1), 2},
                      BadRow{"RlWithoutR", 2, params(0, 1, 0, 1, 0, 0, 1), 2},
                      BadRow{"LcNegativeProduct", 3, params(0, -1, 1, 1, 0, 1, 0), 2},
                      BadRow{"LcWithoutC", 3, params(0, 1, 0, 1, 0, 1, 0), 2},
                      BadRow{"RlcWithoutL", 4, params(1, 0, 1, 1, 0, 1, 0), 2},
                      BadRow{"RlcWithoutC", 4, params(1, 1, 0, 1, 0, 1, 0), 2},
                      BadRow{"RlcNegativeROverflows", 4, params(-1, 1, 1, 1, 0, 1, 0), 1e4},
                      BadRow{"LcDrivenNegativeProduct", 5, params(0, 1, -1, 1, 1, 0, 0), 2},
                      BadRow{"RcDrivenWithoutR", 6, params(0, 0, 1, 1, 2, 1, 0), 2},
                      BadRow{"RlDrivenWithoutL", 7, params(1, 0, 0, 1, 2, 0, 1), 2},
                      BadRow{"RlDrivenStill", 7, params(0, 1, 0, 1, 0, 0, 1), 2},
                      BadRow{"RlcDrivenWithoutC", 8, params(1, 1, 0, 1, 2, 0, 0), 2},
                      BadRow{"RlcDrivenLosslessAtOmega", 8, params(0, 1, 1, 1, 1, 0, 0), 2},
                      BadRow{"RlcDrivenNegativeROverflows", 8, params(-3, 1, 1, 1, 1, 0, 0), 1e4}),
    [](const ::testing::TestParamInfo<BadRow> &info) { return std::string(info.param.name); });

TEST(ReadParameters, NamesTheFirstBoxThatIsNotANumberAndKeepsTheTextOfW0)
{
    std::map<Parameter, std::string> texts{{Parameter::R, "2"},     {Parameter::L, "1"},
                                           {Parameter::C, "x"},     {Parameter::v0, ""},
                                           {Parameter::w0, " 2.5"}, {Parameter::q0, "1e999"},
                                           {Parameter::i0, "-1"}};
    const auto textOf = [&texts](Parameter p) { return texts.at(p); };
    const auto reads = caseFor(8)->reads;
    EXPECT_EQ(readParameters(textOf, reads).badBox, Parameter::C);
    texts[Parameter::C] = "1";
    EXPECT_EQ(readParameters(textOf, reads).badBox, Parameter::v0);
    texts[Parameter::v0] = "3";
    EXPECT_EQ(readParameters(textOf, reads).badBox, Parameter::q0);
    texts[Parameter::q0] = "0";
    const ReadResult read = readParameters(textOf, reads);
    ASSERT_TRUE(read.parameters);
    EXPECT_EQ(read.parameters->w0, 2.5);
    EXPECT_EQ(read.parameters->w0Text, " 2.5");
    EXPECT_EQ(readParameters({}, reads).badBox, Parameter::R);
}

TEST(CaseTable, CoversKindsOneToEightWithChargeExceptForTheRlCircuits)
{
    EXPECT_EQ(caseFor(0), nullptr);
    EXPECT_EQ(caseFor(9), nullptr);
    EXPECT_EQ(caseFor(-32768), nullptr);
    for (int kind = 1; kind <= 8; ++kind) {
        ASSERT_NE(caseFor(kind), nullptr);
        EXPECT_NE(caseFor(kind)->current, nullptr);
        EXPECT_EQ(caseFor(kind)->charge == nullptr, kind == 2 || kind == 7) << kind;
    }
}

} // namespace
} // namespace kel::testing
