// SPDX-License-Identifier: GPL-3.0-or-later
// The energies against the balance the circuit equation gives, for each configuration and
// damping or resonance case, the solutions' hard inputs among them.
#include "solutions/circuitcases.h"
#include "solutions/circuitenergy.h"
#include "solutions/circuitsolutions.h"
#include "solutions/numbertext.h"
#include "tolerance.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace kel::testing
{
namespace
{

using namespace solutions;

// Texts of R, L, C, v0, w0, q0, i0; a null w0 means "the text of ω" (resonance).
struct Row {
    const char *name;
    int kind;
    std::array<const char *, 7> texts;
};

CircuitParameters parametersOf(const Row &row)
{
    const auto text = [&row](Parameter p) -> std::string {
        if (p == Parameter::w0 && !row.texts[4])
            return toText(naturalFrequency(*toNumber(row.texts[1]), *toNumber(row.texts[2])));
        return row.texts[static_cast<std::size_t>(p)];
    };
    const ReadResult read = readParameters(text, caseFor(row.kind)->reads);
    EXPECT_TRUE(read.parameters.has_value()) << row.name;
    return read.parameters.value_or(CircuitParameters{});
}

// The slowest time scale of the circuit, so that a curve over a few of them shows the
// transient die out (or grow) as well as the fast part.
double slowScale(const CircuitParameters &p)
{
    double tau = 0;
    for (double c : {p.R * p.C, quotient(p.L, p.R), std::sqrt(std::abs(p.L * p.C)),
                     quotient(1, p.w0), quotient(p.L + p.L, p.R)})
        if (std::isfinite(c))
            tau = std::max(tau, std::abs(c));
    return tau;
}

class Energy : public ::testing::TestWithParam<Row>
{
};

TEST_P(Energy, BalanceStaysAtTheInitialEnergy)
{
    const Row &row = GetParam();
    const CircuitParameters p = parametersOf(row);
    const double span = 3 * slowScale(p);
    std::vector<double> times;
    for (int k = 0; k <= 400; ++k)
        times.push_back(span * k / 400);
    const std::vector<EnergySample> curve = energyCurve(circuitKindOf(row.kind), p, times);
    const EnergyBalance b = balanceOf(circuitKindOf(row.kind), p, curve);
    ASSERT_TRUE(std::isfinite(b.largestTerm));
    EXPECT_GT(b.largestTerm, 0);
    EXPECT_LE(b.largestDeviation, 1e-9 * b.largestTerm);
    EXPECT_TRUE(closeTo(curve.front().balance(), b.initial, b.largestTerm, 1e-15));
    // Accumulated piece by piece, the integrals agree with one taken from 0 at once.
    const double last = times.back();
    const EnergySample once = energyCurve(circuitKindOf(row.kind), p, std::span(&last, 1)).front();
    EXPECT_TRUE(closeTo(curve.back().resistor, once.resistor, b.largestTerm, 1e-10));
    EXPECT_TRUE(closeTo(curve.back().source, once.source, b.largestTerm, 1e-10));
}

const char *const kResonant = nullptr;

// Kinds 1 to 4 without a source (v0 = 0) and with a constant one, 5 to 8 with an AC source.
INSTANTIATE_TEST_SUITE_P(
    EveryConfigurationAndCase, Energy,
    ::testing::Values(
        Row{"RcDischarge", 1, {"1", "0", "10", "0", "0", "10", "0"}},
        Row{"RcCharging", 1, {"1000", "0", "1E-06", "5", "0", "-0.001", "0"}},
        Row{"RcNegativeR", 1, {"-2", "0", "0.5", "1", "0", "1", "0"}},
        Row{"RlFree", 2, {"2", "0.5", "0", "0", "0", "0", "-1"}},
        Row{"Rl", 2, {"2", "0.5", "0", "3", "0", "0", "-1"}},
        Row{"RlTiny", 2, {"0.001", "1E-06", "0", "1E-06", "0", "0", "2E-09"}},
        Row{"LcFree", 3, {"0", "10", "10", "0", "0", "1", "0.5"}},
        Row{"Lc", 3, {"0", "10", "10", "2", "0", "1", "0.5"}},
        Row{"LcLargeV", 3, {"0", "0.001", "1E-09", "1E+06", "0", "0", "0.001"}},
        Row{"RlcFreeUnderdamped", 4, {"0.5", "1", "1", "0", "0", "1", "0"}},
        Row{"RlcOverdamped", 4, {"3", "1", "1", "2", "0", "1", "-1"}},
        Row{"RlcCritical", 4, {"2", "1", "1", "1", "0", "0.5", "2"}},
        Row{"RlcUnderdamped", 4, {"1", "1", "1", "-3", "0", "0", "1"}},
        Row{"RlcUndamped", 4, {"0", "2", "0.5", "1", "0", "1", "1"}},
        Row{"RlcGrowing", 4, {"-0.5", "1", "1", "0", "0", "1", "0"}},
        Row{"RlcNegativeC", 4, {"1", "1", "-1", "1", "0", "1", "0"}},
        Row{"RlcTinyUnder", 4, {"0.01", "1E-06", "1E-09", "5", "0", "0", "0.1"}},
        Row{"RlcLargeOver", 4, {"10000", "1", "1E-06", "100", "0", "0.001", "0"}},
        Row{"LcDrivenOff", 5, {"0", "1", "1", "1", "2", "0.5", "0"}},
        Row{"LcDrivenNearlyOn", 5, {"0", "1", "1", "1", "1.001", "0", "0"}},
        Row{"LcResonance", 5, {"0", "10", "10", "1", kResonant, "0", "0"}},
        Row{"LcResonanceInexact", 5, {"0", "2", "3", "-2", kResonant, "0.25", "1"}},
        Row{"RcDriven", 6, {"1", "0", "1", "1", "2", "0.3", "0"}},
        Row{"RcDrivenMains", 6, {"1000", "0", "1E-06", "-10", "314.159", "0", "0"}},
        Row{"RlDriven", 7, {"2", "0.5", "0", "4", "3", "0", "1"}},
        Row{"RlDrivenFast", 7, {"0.001", "1E-06", "0", "1", "10000", "0", "0"}},
        Row{"RlcDrivenOver", 8, {"3", "1", "1", "2", "1.5", "0", "1"}},
        Row{"RlcDrivenCritical", 8, {"2", "1", "1", "1", "0.7", "0.2", "0"}},
        Row{"RlcDrivenUnder", 8, {"1", "1", "1", "1", "1", "0", "0"}},
        Row{"RlcDrivenUndamped", 8, {"0", "1", "1", "1", "2", "1", "-1"}},
        Row{"RlcDrivenResonant", 8, {"0.2", "1", "1", "1", kResonant, "0", "0"}},
        Row{"RlcDrivenTiny", 8, {"10", "0.001", "1E-06", "1000", "50000", "1E-06", "0"}}),
    [](const ::testing::TestParamInfo<Row> &info) { return std::string(info.param.name); });

TEST(Energy, SourceFreeRcTurnsAllItsChargeEnergyToHeat)
{
    const CircuitParameters p{2.5, 0, 0.4, 0, 0, 3, 0, ""};
    const double longAfter = 80 * p.R * p.C;
    const EnergySample end = energyCurve(CircuitKind::Rc, p, std::span(&longAfter, 1)).front();
    EXPECT_TRUE(closeTo(end.resistor, p.q0 * p.q0 / (2 * p.C), 0, 1e-12));
    EXPECT_EQ(end.source, 0);
}

TEST(Energy, DrivenLcAtResonanceStoresTheSourceWork)
{
    CircuitParameters p{0, 0.5, 2, 3, 1, 0, 0, ""};
    p.w0Text = toText(naturalFrequency(p.L, p.C));
    std::vector<double> periods;
    for (int k = 1; k <= 20; ++k)
        periods.push_back(2 * 3.141592653589793 * k);
    const std::vector<EnergySample> curve = energyCurve(CircuitKind::DrivenLc, p, periods);
    for (std::size_t k = 0; k < curve.size(); ++k) {
        const EnergySample &s = curve[k];
        EXPECT_TRUE(closeTo(s.source, s.capacitor + s.inductor, 0, 1e-10)) << k;
        // At resonance the amplitude grows as t, so the energy after whole periods as t².
        EXPECT_TRUE(closeTo(s.source / curve.front().source, double((k + 1) * (k + 1)), 0, 1e-6))
            << k;
    }
}

TEST(Energy, UndefinedParametersGiveNoEnergy)
{
    const CircuitParameters p{1, 0, 0, 1, 0, 1, 0, ""};
    const double t = 1;
    EXPECT_TRUE(std::isnan(energyCurve(CircuitKind::Rc, p, std::span(&t, 1)).front().capacitor));
}

} // namespace
} // namespace kel::testing
