// SPDX-License-Identifier: GPL-3.0-or-later
// The closed-form solutions checked against the circuit equation itself, for every kind and
// damping or resonance case, with parameters read through the kind's own list of texts.
#include "solutions/circuitcases.h"
#include "solutions/circuitsolutions.h"
#include "solutions/numbertext.h"
#include "tolerance.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace kel::testing
{
namespace
{

using namespace solutions;

// Texts of R, L, C, v0, w0, q0, i0; a null w0 means "the text of ω", as after
// "Set f to Natural Frequency".
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

// The shortest time scale of the circuit: RC, L/R, sqrt(LC), 1/w0, whichever apply.
double timeScale(const CircuitParameters &p)
{
    double tau = INFINITY;
    for (double c :
         {p.R * p.C, quotient(p.L, p.R), std::sqrt(std::abs(p.L * p.C)), quotient(1, p.w0)})
        if (std::isfinite(c) && c != 0)
            tau = std::min(tau, std::abs(c));
    return tau;
}

class Solutions : public ::testing::TestWithParam<Row>
{
protected:
    void SetUp() override
    {
        for (double t : times) {
            qScale = std::max({qScale, std::abs(p.q0), hasC() ? std::abs(q(t)) : 0});
            iScale = std::max({iScale, std::abs(p.i0), std::abs(i(t))});
        }
    }

    CircuitParameters p = parametersOf(GetParam());
    const CaseRow &fs = *caseFor(GetParam().kind);
    double tau = timeScale(p);
    double h = 1e-4 * tau;
    std::vector<double> times{0, 0.3 * tau, 1.7 * tau, 4.1 * tau};
    double qScale = 0, iScale = 0; // the sizes of the charge and current the circuit reaches

    bool hasC() const { return fs.charge != nullptr; }
    double v(double t) const { return GetParam().kind <= 4 ? p.v0 : p.v0 * std::sin(p.w0 * t); }
    double i(double t) const { return fs.current(p, t); }
    double q(double t) const { return fs.charge(p, t); }
    double di(double t) const { return (i(t + h) - i(t - h)) / (h + h); }
};

TEST_P(Solutions, StartFromTheInitialChargeAndCurrent)
{
    if (hasC()) {
        EXPECT_TRUE(closeTo(q(0), p.q0, qScale, 1e-9));
    }
    if (p.L != 0) {
        EXPECT_TRUE(closeTo(i(0), p.i0, iScale, 1e-9));
    }
}

TEST_P(Solutions, CurrentIsTheRateOfChangeOfCharge)
{
    if (!hasC())
        return; // an RL circuit has a current only
    for (double t : times) {
        const double slope = (q(t + h) - q(t - h)) / (h + h);
        EXPECT_TRUE(closeTo(slope, i(t), iScale + qScale / tau, 1e-6)) << t;
    }
}

// L·i' + R·i + q/C − v(t), with i' by central differences, near zero against the size of its
// terms. Components a circuit lacks were read as 0 and drop out.
TEST_P(Solutions, SatisfyTheCircuitEquation)
{
    const double scale = std::abs(p.L) * iScale / tau + std::abs(p.R) * iScale +
                         (hasC() ? qScale / std::abs(p.C) : 0) + std::abs(p.v0);
    for (double t : times) {
        const double residual = p.L * di(t) + p.R * i(t) + (hasC() ? q(t) / p.C : 0) - v(t);
        EXPECT_TRUE(closeTo(residual, 0, scale, 1e-6)) << t;
    }
}

const char *const kResonant = nullptr;

INSTANTIATE_TEST_SUITE_P(
    EveryKindAndCase, Solutions,
    ::testing::Values(
        Row{"RcDischarge", 1, {"1", "0", "10", "0", "0", "10", "0"}},
        Row{"RcCharging", 1, {"1000", "0", "1E-06", "5", "0", "-0.001", "0"}},
        Row{"RcNegativeR", 1, {"-2", "0", "0.5", "1", "0", "1", "0"}},
        Row{"Rl", 2, {"2", "0.5", "0", "3", "0", "0", "-1"}},
        Row{"RlTiny", 2, {"0.001", "1E-06", "0", "1E-06", "0", "0", "2E-09"}},
        Row{"Lc", 3, {"0", "10", "10", "0", "0", "1", "0.5"}},
        Row{"LcLargeV", 3, {"0", "0.001", "1E-09", "1E+06", "0", "0", "0.001"}},
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
        Row{"RlcDrivenTiny", 8, {"10", "0.001", "1E-06", "1000", "50000", "1E-06", "0"}}),
    [](const ::testing::TestParamInfo<Row> &info) { return std::string(info.param.name); });

TEST(Parameters, EachBoxNamesAndHoldsItsOwnValue)
{
    const CircuitParameters p{1, 2, 3, 4, 5, 6, 7, "5"};
    const std::array<std::pair<Parameter, const char *>, 7> boxes{{{Parameter::R, "R"},
                                                                   {Parameter::L, "L"},
                                                                   {Parameter::C, "C"},
                                                                   {Parameter::v0, "v0"},
                                                                   {Parameter::w0, "w0"},
                                                                   {Parameter::q0, "q0"},
                                                                   {Parameter::i0, "i0"}}};
    for (std::size_t n = 0; n < boxes.size(); ++n) {
        EXPECT_EQ(parameterValue(p, boxes[n].first), static_cast<double>(n + 1));
        EXPECT_EQ(boxName(boxes[n].first), boxes[n].second);
    }
}

// Texts parsed once answer every read as reading the texts each time would: the values, the
// text of w0, and the first text that is not a number in the order asked.
TEST(Parameters, ParsedOnceReadsAsReadingEachTime)
{
    const std::array<const char *, 7> texts{"1.5", "x", "2e-3", "5", "6.28318", "", "0"};
    const auto textOf = [&texts](Parameter p) -> std::string {
        return texts[static_cast<std::size_t>(p)];
    };
    const ParsedParameters parsed(textOf);
    using P = Parameter;
    const std::vector<std::vector<P>> reads{
        {P::R, P::C, P::v0, P::w0, P::i0}, {P::C, P::L, P::q0}, {P::q0, P::R, P::L}, {}};
    for (const auto &which : reads) {
        const ReadResult once = parsed.read(which);
        const ReadResult each = readParameters(textOf, which);
        EXPECT_EQ(once.badBox, each.badBox);
        ASSERT_EQ(once.parameters.has_value(), each.parameters.has_value());
        if (!once.parameters)
            continue;
        for (const P p : which)
            EXPECT_EQ(parameterValue(*once.parameters, p), parameterValue(*each.parameters, p));
        EXPECT_EQ(once.parameters->w0Text, each.parameters->w0Text);
    }
    EXPECT_EQ(parsed.read(reads[1]).badBox, P::L);
    EXPECT_EQ(parsed.read(reads[2]).badBox, P::q0);
    EXPECT_EQ(parsed.read(reads[0]).parameters->w0Text, "6.28318");
}

} // namespace
} // namespace kel::testing
