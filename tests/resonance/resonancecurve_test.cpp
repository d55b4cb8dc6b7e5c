// SPDX-License-Identifier: GPL-3.0-or-later
#include "resonance/resonancecurve.h"
#include "solutions/numbertext.h"
#include "solutions/pi.h"

#include "../solutions/tolerance.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace kel::resonance
{
namespace
{

using testing::closeTo;

struct Circuit {
    const char *name;
    ResonanceCircuit c;
    // Worked by hand with the exact pi: f0 = 1 / (2 pi sqrt(LC)), Q = sqrt(L/C) / R,
    // bandwidth = R / (2 pi L).
    double f0, quality, bandwidth;
};

const Circuit kCircuits[] = {
    // The phasor window's defaults: heavily damped, the band reaches far below f0.
    {"lowQ", {500, 1000, 10, 5e-5, 10}, 7.117625434171771, 0.4472135954999579, 15.915494309189533},
    {"mediumQ", {5, 10, 0.1, 1e-6, 500}, 503.2921210448703, 31.622776601683793, 15.915494309189533},
    {"highQ", {1, 1, 1e-3, 1e-9, 159000}, 159154.94309189531, 1000, 159.15494309189532},
};

class ResonanceCircuits : public ::testing::TestWithParam<Circuit>
{
};

INSTANTIATE_TEST_SUITE_P(Circuits, ResonanceCircuits, ::testing::ValuesIn(kCircuits),
                         [](const auto &info) { return std::string(info.param.name); });

// The figures against the worked numbers; the program's single-precision Pi moves f0 and the
// bandwidth by its own rounding, 3e-8, and leaves Q alone.
TEST_P(ResonanceCircuits, FiguresMatchTheWorkedNumbers)
{
    const Circuit &k = GetParam();
    const ResonanceCurve curve = resonanceCurve(k.c);
    ASSERT_TRUE(curve.ok());
    const ResonanceFigures &fig = curve.figures;
    EXPECT_TRUE(closeTo(fig.f0, k.f0, 0, 1e-7));
    EXPECT_TRUE(closeTo(fig.quality, k.quality, 0, 1e-12));
    EXPECT_TRUE(closeTo(fig.bandwidth, k.bandwidth, 0, 1e-7));
    EXPECT_TRUE(closeTo(fig.peakCurrent, k.c.v0 / k.c.R));
    // The half-power edges: the band is the bandwidth wide, centred geometrically on f0, and
    // there the current is the peak over root 2 and the phase -+45 degrees.
    EXPECT_TRUE(closeTo(fig.f2 - fig.f1, fig.bandwidth, 0, 1e-9));
    EXPECT_TRUE(closeTo(fig.f1 * fig.f2, fig.f0 * fig.f0, 0, 1e-12));
    EXPECT_TRUE(closeTo(currentAmplitude(k.c, fig.f1), fig.peakCurrent / std::sqrt(2.0), 0, 1e-9));
    EXPECT_TRUE(closeTo(currentAmplitude(k.c, fig.f2), fig.peakCurrent / std::sqrt(2.0), 0, 1e-9));
    EXPECT_TRUE(closeTo(phase(k.c, fig.f1), -std::numbers::pi / 4, 0, 1e-9));
    EXPECT_TRUE(closeTo(phase(k.c, fig.f2), std::numbers::pi / 4, 0, 1e-9));
    EXPECT_TRUE(closeTo(currentAmplitude(k.c, fig.f0), fig.peakCurrent, 0, 1e-12));
    EXPECT_NEAR(phase(k.c, fig.f0), 0, 1e-7);
}

// Every sample against the formulas written out afresh, at least 5 per decade everywhere.
TEST_P(ResonanceCircuits, SamplesFollowTheFormulasDensely)
{
    const Circuit &k = GetParam();
    const ResonanceCurve curve = resonanceCurve(k.c);
    ASSERT_TRUE(curve.ok());
    const auto &s = curve.samples;
    ASSERT_FALSE(s.empty());
    EXPECT_DOUBLE_EQ(s.front().f, curve.axis.fMin());
    EXPECT_DOUBLE_EQ(s.back().f, curve.axis.fMax());
    const double twoPi = double(solutions::Pi) + double(solutions::Pi);
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (i > 0) {
            ASSERT_LT(s[i - 1].f, s[i].f) << i;
        }
        const double omega = s[i].f * twoPi;
        const double x = omega * k.c.L - 1 / (omega * k.c.C);
        EXPECT_TRUE(closeTo(s[i].current, k.c.v0 / std::sqrt(k.c.R * k.c.R + x * x))) << s[i].f;
        EXPECT_TRUE(closeTo(s[i].phi, std::atan(x / k.c.R))) << s[i].f;
    }
    for (int d = curve.axis.firstDecade; d < curve.axis.lastDecade; ++d) {
        const auto inDecade = std::count_if(s.begin(), s.end(), [d](const ResonanceSample &p) {
            return p.f >= std::pow(10.0, d) && p.f < std::pow(10.0, d + 1);
        });
        EXPECT_GE(inDecade, 5) << "decade " << d;
    }
}

// i(t) = I0 sin(wt - phi), q(t) = -I0/w cos(wt - phi) solve L q'' + R q' + q / C = v0 sin(wt).
TEST_P(ResonanceCircuits, CurrentSolvesTheCircuitEquation)
{
    const Circuit &k = GetParam();
    const ResonanceCurve curve = resonanceCurve(k.c);
    ASSERT_TRUE(curve.ok());
    for (double f : {curve.figures.f1, curve.figures.f0 / 3, curve.figures.f0 * 7}) {
        const double w = angularFrequency(f), amplitude = currentAmplitude(k.c, f),
                     phi = phase(k.c, f);
        for (double t : {0.0, 0.3 / f, 0.77 / f}) {
            const double di = amplitude * w * std::cos(w * t - phi);
            const double i = amplitude * std::sin(w * t - phi);
            const double q = -amplitude / w * std::cos(w * t - phi);
            const double scale = std::abs(k.c.L * di) + std::abs(k.c.R * i) + std::abs(q / k.c.C);
            EXPECT_TRUE(
                closeTo(k.c.L * di + k.c.R * i + q / k.c.C, k.c.v0 * std::sin(w * t), scale, 1e-9))
                << f << " " << t;
        }
    }
}

TEST(ResonanceAxis, SpansADecadeEachSideTheBandAndTheSource)
{
    // A sharp peak: a decade each side of f0 is enough.
    const FrequencyAxis narrow = frequencyAxis(159.0, 158.9, 159.1, 159.0);
    EXPECT_EQ(narrow.firstDecade, 1);
    EXPECT_EQ(narrow.lastDecade, 4);
    // A broad band widens the axis with room to spare beyond its edges.
    const FrequencyAxis broad = frequencyAxis(7.1, 2.7, 18.6, 7.1);
    EXPECT_LE(broad.fMin(), 2.7 / 2);
    EXPECT_GE(broad.fMax(), 18.6 * 2);
    EXPECT_LE(broad.fMin(), 0.71);
    // The source frequency is put on the axis when it is within reach...
    const FrequencyAxis reach = frequencyAxis(159.0, 158.9, 159.1, 3e6);
    EXPECT_TRUE(reach.contains(3e6));
    // ...but never stretches the axis past its limit, which stays centred on f0.
    const FrequencyAxis far = frequencyAxis(159.0, 158.9, 159.1, 1e20);
    EXPECT_FALSE(far.contains(1e20));
    const FrequencyAxis tinyQ = frequencyAxis(1.0, 1e-12, 1e12, 1.0);
    EXPECT_EQ(tinyQ.decades(), ResonanceCurve::kMaxDecades);
    EXPECT_TRUE(tinyQ.contains(1e-5) && tinyQ.contains(1e5));
}

TEST(ResonanceProblems, AreNamedAndNeverGiveSamples)
{
    const struct {
        ResonanceTexts texts;
        ResonanceProblem problem;
        std::optional<CircuitValue> badValue;
    } rows[] = {
        {{"500", "abc", "10", "5e-5", "10"},
         ResonanceProblem::NotANumber,
         CircuitValue::Resistance},
        {{"500", "1000", "10", "5e-5", "1,5"},
         ResonanceProblem::NotANumber,
         CircuitValue::SourceFrequency},
        {{"", "1000", "10", "5e-5", "10"},
         ResonanceProblem::NotANumber,
         CircuitValue::SourceAmplitude},
        {{"500", "0", "10", "5e-5", "10"}, ResonanceProblem::ZeroResistance, std::nullopt},
        {{"500", "-1", "10", "5e-5", "10"}, ResonanceProblem::NegativeResistance, std::nullopt},
        {{"500", "1000", "0", "5e-5", "10"}, ResonanceProblem::NoInductance, std::nullopt},
        {{"500", "1000", "10", "0", "10"}, ResonanceProblem::NoCapacitance, std::nullopt},
        {{"500", "1000", "1e200", "1e200", "10"}, ResonanceProblem::OutOfRange, std::nullopt},
        {{"1e300", "1e-300", "1", "1", "10"}, ResonanceProblem::EmptyBand, std::nullopt},
        {{"1e300", "1e-5", "1", "1", "10"}, ResonanceProblem::OutOfRange, std::nullopt},
    };
    for (const auto &row : rows) {
        const ResonanceCurve curve = resonanceCurve(row.texts);
        EXPECT_EQ(curve.problem, row.problem) << row.texts.R << " " << row.texts.L;
        EXPECT_EQ(curve.badValue, row.badValue);
        EXPECT_TRUE(curve.samples.empty());
    }
    // A source frequency off the axis, or not positive, is no problem: it is not marked.
    const ResonanceCurve offAxis = resonanceCurve(ResonanceTexts{"5", "10", "0.1", "1e-6", "-5"});
    ASSERT_TRUE(offAxis.ok());
    EXPECT_FALSE(offAxis.sourceOnAxis());
}

TEST(ResonanceTexts, PrefixesAndPickedFrequencies)
{
    EXPECT_EQ(withPrefix(0.04775, "A"), "47.75 mA");
    EXPECT_EQ(withPrefix(1591549.4, "Hz"), "1.592 MHz");
    EXPECT_EQ(withPrefix(999.97, "Hz"), "1 kHz");
    EXPECT_EQ(withPrefix(159.15494, "Hz"), "159.2 Hz");
    EXPECT_EQ(withPrefix(-2.5e-7, "A"), "-250 nA");
    EXPECT_EQ(withPrefix(0, "A"), "0 A");
    EXPECT_EQ(withPrefix(1e-3, "Hz"), "1 mHz");
    EXPECT_EQ(withPrefix(3e20, "Hz"), "3e+20 Hz");

    // A coarse pick keeps three digits; a fine one as many as the step resolves.
    EXPECT_EQ(solutions::toText(roundedFrequency(158.4893192, 0.01)), "158");
    EXPECT_EQ(solutions::toText(roundedFrequency(158.4893192, 1e-5)), "158.489");
    EXPECT_EQ(solutions::toText(roundedFrequency(0.00123456, 0.01)), "0.00123");
}

} // namespace
} // namespace kel::resonance
