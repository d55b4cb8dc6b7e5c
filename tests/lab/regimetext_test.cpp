// SPDX-License-Identifier: GPL-3.0-or-later
#include "lab/core/regimetext.h"
#include "solutions/numbertext.h"

#include <gtest/gtest.h>

#include <cmath>

using kel::lab::regimeText;
using kel::lab::SourceKind;
using kel::solutions::CircuitParameters;

namespace
{
CircuitParameters rlc(double R, double L, double C, double w0 = 0)
{
    return {R, L, C, 5, w0, 10, 0, kel::solutions::toText(w0)};
}
} // namespace

TEST(RegimeText, NamesEveryDampingCaseWithItsNumbers)
{
    EXPECT_EQ(regimeText(8, SourceKind::Alternating, rlc(1, 10, 10)),
              "RLC, AC source \u2014 underdamped: \u03B1 = 0.05 s\u207B\u00B9, "
              "\u03C9\u2080 = 0.1 rad/s, \u03C9d = 0.0866 rad/s");
    EXPECT_EQ(regimeText(4, SourceKind::None, rlc(2, 1, 1)),
              "RLC, no source \u2014 critically damped: \u03B1 = 1 s\u207B\u00B9, "
              "\u03C9\u2080 = 1 rad/s");
    EXPECT_EQ(regimeText(4, SourceKind::Constant, rlc(3, 1, 1)),
              "RLC, DC source \u2014 overdamped: s\u2081 = \u22120.382 s\u207B\u00B9, "
              "s\u2082 = \u22122.618 s\u207B\u00B9");
    EXPECT_NE(regimeText(8, SourceKind::Alternating, rlc(1, 10, 0)).find("undefined"),
              std::string::npos);
}

TEST(RegimeText, NamesResonanceTimeConstantsAndOscillation)
{
    CircuitParameters lc = rlc(0, 10, 10, 0.1);
    EXPECT_EQ(regimeText(5, SourceKind::Alternating, lc),
              "LC, AC source \u2014 at resonance: \u03C9 = \u03C9\u2080 = 0.1 rad/s, the amplitude "
              "grows linearly");
    lc.w0Text = "0.10";
    EXPECT_EQ(regimeText(5, SourceKind::Alternating, lc).find("off resonance"), 18u);
    EXPECT_EQ(regimeText(1, SourceKind::None, rlc(1, 0, 10)),
              "RC, no source \u2014 time constant \u03C4 = RC = 10 s");
    EXPECT_EQ(regimeText(7, SourceKind::Alternating, rlc(2, 10, 0)),
              "RL, AC source \u2014 time constant \u03C4 = L/R = 5 s");
    EXPECT_NE(regimeText(2, SourceKind::None, rlc(0, 10, 0)).find("undefined"), std::string::npos);
    EXPECT_NE(regimeText(3, SourceKind::Constant, rlc(0, 1, 1)).find("period T = 6.283 s"),
              std::string::npos);
    EXPECT_EQ(regimeText(0, SourceKind::None, rlc(1, 1, 1)), "");
}

TEST(RegimeText, SlowOverdampedRateStaysExactWhenTheRatesLieFarApart)
{
    // R = 1e6, L = 1e-6, C = 1e-3: s2 = -1e12 s^-1 and s1 = -1/(RC) = -1e-3 s^-1 to many
    // digits; the textbook form -a + sqrt(D)/2L loses every digit of s1 here.
    EXPECT_EQ(regimeText(4, SourceKind::None, rlc(1e6, 1e-6, 1e-3)),
              "RLC, no source \u2014 overdamped: s\u2081 = \u22120.001 s\u207B\u00B9, "
              "s\u2082 = \u22121e+12 s\u207B\u00B9");
}
