// SPDX-License-Identifier: GPL-3.0-or-later
// The frequency responses of the driven circuits: corners and peaks against the response
// itself, slopes by finite differences far from the corners.
#include "solutions/frequencyresponse.h"
#include "tolerance.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace kel::testing
{
namespace
{

using namespace solutions;

constexpr double kTwoPi = 2 * std::numbers::pi;

// The slope in dB per decade between f and 10·f.
double slope(CircuitKind kind, const CircuitParameters &p, Response r, double f)
{
    return responseAt(kind, p, r, 10 * f).magnitudeDb - responseAt(kind, p, r, f).magnitudeDb;
}

// The corner is 3 dB (exactly a factor √2) below the pass band's level there.
void expectCorner(CircuitKind kind, const CircuitParameters &p, Response r, double corner,
                  double level)
{
    const double atCorner = responseAt(kind, p, r, corner).magnitudeDb;
    EXPECT_TRUE(closeTo(atCorner, level - 10 * std::log10(2.0), 1, 1e-9)) << atCorner;
}

TEST(FrequencyResponse, FirstOrderCornersAndSlopes)
{
    const CircuitParameters rc{1000, 0, 1e-6, 1, 0, 0, 0, ""};
    const ResponseFeatures lowPass = *featuresOf(CircuitKind::DrivenRc, rc, Response::VC);
    ASSERT_EQ(lowPass.corners.size(), 1u);
    EXPECT_TRUE(closeTo(lowPass.corners[0], 1 / (kTwoPi * rc.R * rc.C), 0, 1e-12));
    expectCorner(CircuitKind::DrivenRc, rc, Response::VC, lowPass.corners[0], 0);
    expectCorner(CircuitKind::DrivenRc, rc, Response::VR, lowPass.corners[0], 0);
    const double fc = lowPass.corners[0];
    EXPECT_TRUE(closeTo(slope(CircuitKind::DrivenRc, rc, Response::VC, 1e3 * fc), -20, 0, 1e-5));
    EXPECT_TRUE(closeTo(slope(CircuitKind::DrivenRc, rc, Response::VR, 1e-4 * fc), 20, 0, 1e-5));
    EXPECT_EQ(lowPass.highSlope, -20);
    EXPECT_EQ(featuresOf(CircuitKind::DrivenRc, rc, Response::VR)->lowSlope, 20);
    EXPECT_FALSE(featuresOf(CircuitKind::DrivenRc, rc, Response::VL));
    // The low-pass lags by 45° at its corner.
    EXPECT_TRUE(closeTo(responseAt(CircuitKind::DrivenRc, rc, Response::VC, fc).phase,
                        -std::numbers::pi / 4, 0, 1e-12));

    const CircuitParameters rl{2, 0.5, 0, 1, 0, 0, 0, ""};
    const ResponseFeatures rlFeatures = *featuresOf(CircuitKind::DrivenRl, rl, Response::VL);
    EXPECT_TRUE(closeTo(rlFeatures.corners[0], rl.R / (kTwoPi * rl.L), 0, 1e-12));
    expectCorner(CircuitKind::DrivenRl, rl, Response::VL, rlFeatures.corners[0], 0);
    expectCorner(CircuitKind::DrivenRl, rl, Response::VR, rlFeatures.corners[0], 0);
    expectCorner(CircuitKind::DrivenRl, rl, Response::Current, rlFeatures.corners[0],
                 -20 * std::log10(rl.R));
    EXPECT_TRUE(closeTo(
        slope(CircuitKind::DrivenRl, rl, Response::VL, 1e-4 * rlFeatures.corners[0]), 20, 0, 1e-5));
    EXPECT_TRUE(closeTo(slope(CircuitKind::DrivenRl, rl, Response::VR, 1e3 * rlFeatures.corners[0]),
                        -20, 0, 1e-5));
}

TEST(FrequencyResponse, RlcPeaksCornersAndSlopes)
{
    for (double R : {0.2, 1.0, 5.0}) {
        const CircuitParameters p{R, 1e-3, 1e-6, 1, 0, 0, 0, ""};
        const double omega0 = 1 / std::sqrt(p.L * p.C);
        const double q = omega0 * p.L / R;
        SCOPED_TRACE(q);
        const ResponseFeatures vc = *featuresOf(CircuitKind::DrivenRlc, p, Response::VC);
        ASSERT_TRUE(vc.peak);
        const double omegaPeak = omega0 * std::sqrt(1 - 1 / (2 * q * q));
        EXPECT_TRUE(closeTo(vc.peak->frequency, omegaPeak / kTwoPi, 0, 1e-9));
        // It is the maximum: both neighbours are lower.
        for (double step : {1 - 1e-4, 1 + 1e-4})
            EXPECT_LT(responseAt(CircuitKind::DrivenRlc, p, Response::VC, vc.peak->frequency * step)
                          .magnitudeDb,
                      vc.peak->magnitudeDb);
        EXPECT_TRUE(closeTo(std::pow(10, vc.peak->magnitudeDb / 20),
                            q / std::sqrt(1 - 1 / (4 * q * q)), 0, 1e-9));
        const ResponseFeatures vl = *featuresOf(CircuitKind::DrivenRlc, p, Response::VL);
        EXPECT_TRUE(closeTo(vl.peak->frequency, omega0 * omega0 / omegaPeak / kTwoPi, 0, 1e-9));
        expectCorner(CircuitKind::DrivenRlc, p, Response::VC, vc.corners[0], 0);
        expectCorner(CircuitKind::DrivenRlc, p, Response::VL, vl.corners[0], 0);

        const ResponseFeatures vr = *featuresOf(CircuitKind::DrivenRlc, p, Response::VR);
        ASSERT_EQ(vr.corners.size(), 2u);
        expectCorner(CircuitKind::DrivenRlc, p, Response::VR, vr.corners[0], 0);
        expectCorner(CircuitKind::DrivenRlc, p, Response::VR, vr.corners[1], 0);
        EXPECT_TRUE(closeTo(*vr.bandwidth, vr.corners[1] - vr.corners[0], 0, 1e-9));
        EXPECT_TRUE(closeTo(vr.peak->frequency, omega0 / kTwoPi, 0, 1e-12));

        const double f0 = omega0 / kTwoPi;
        EXPECT_TRUE(
            closeTo(slope(CircuitKind::DrivenRlc, p, Response::VC, 1e4 * f0), -40, 0, 1e-4));
        EXPECT_TRUE(
            closeTo(slope(CircuitKind::DrivenRlc, p, Response::VL, 1e-5 * f0), 40, 0, 1e-4));
        EXPECT_TRUE(
            closeTo(slope(CircuitKind::DrivenRlc, p, Response::Current, 1e-5 * f0), 20, 0, 1e-4));
        EXPECT_TRUE(
            closeTo(slope(CircuitKind::DrivenRlc, p, Response::VR, 1e4 * f0), -20, 0, 1e-4));
    }
    // Heavily damped (Q < 1/√2) V_C has no peak.
    const CircuitParameters heavy{100, 1e-3, 1e-6, 1, 0, 0, 0, ""};
    EXPECT_FALSE(featuresOf(CircuitKind::DrivenRlc, heavy, Response::VC)->peak);
}

TEST(FrequencyResponse, LcAndRefusedParameters)
{
    const CircuitParameters lc{0, 1, 1, 1, 0, 0, 0, ""};
    const ResponseFeatures vc = *featuresOf(CircuitKind::DrivenLc, lc, Response::VC);
    expectCorner(CircuitKind::DrivenLc, lc, Response::VC, vc.corners[0], 0);
    EXPECT_TRUE(featuresOf(CircuitKind::DrivenLc, lc, Response::Current)->corners.empty());
    EXPECT_FALSE(featuresOf(CircuitKind::DrivenLc, lc, Response::VR));
    EXPECT_FALSE(featuresOf(CircuitKind::DrivenRlc, CircuitParameters{1, 0, 1, 1, 0, 0, 0, ""},
                            Response::VC));
    EXPECT_FALSE(featuresOf(CircuitKind::Rlc, lc, Response::Current));
    const std::vector<ResponsePoint> curve =
        responseCurve(CircuitKind::DrivenRlc, lc, Response::Current, 1, 100, 3);
    ASSERT_EQ(curve.size(), 3u);
    EXPECT_TRUE(closeTo(curve[1].frequency, 10, 0, 1e-14));
}

} // namespace
} // namespace kel::testing
