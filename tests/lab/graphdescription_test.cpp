// SPDX-License-Identifier: GPL-3.0-or-later
// What the graph tells a screen reader, from the session alone.
#include "lab/core/circuitlaunchers.h"
#include "lab/core/graphdescription.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace kel::lab
{
namespace
{

CurveSamples line(std::initializer_list<std::pair<double, double>> points)
{
    CurveSamples c;
    for (const auto &[t, v] : points)
        c.samples.push_back({t, v});
    c.intervals = static_cast<int>(c.samples.size()) - 1;
    return c;
}

TEST(GraphDescription, ValuesBetweenSamplesFollowTheDrawnLine)
{
    const CurveSamples c = line({{0, 0}, {1, 10}, {2, 0}});
    EXPECT_DOUBLE_EQ(*valueAt(c, 0.25), 2.5);
    EXPECT_DOUBLE_EQ(*valueAt(c, 1), 10);
    EXPECT_DOUBLE_EQ(*valueAt(c, 2), 0);
    EXPECT_FALSE(valueAt(c, -0.1));
    EXPECT_FALSE(valueAt(c, 2.1));
    EXPECT_FALSE(valueAt(CurveSamples{}, 1));
    const CurveSamples broken =
        line({{0, 0}, {1, std::numeric_limits<double>::quiet_NaN()}, {2, 0}});
    EXPECT_FALSE(valueAt(broken, 0.5));
    EXPECT_DOUBLE_EQ(*valueAt(broken, 2), 0);
    EXPECT_DOUBLE_EQ(*valueAt(line({{10, 1}, {0, 3}}), 5), 2); // time running backwards
}

TEST(GraphDescription, NamesCurvesRangesPlotsAndTheCursor)
{
    LabSession session;
    session.applyConfiguration(*launcherConfiguration(13)); // RLC, AC
    const GraphScale shown{0, 100, 10, -10};
    EXPECT_EQ(graphDescription(session, shown, std::nullopt).toStdString(),
              "RLC circuit. No curves plotted. Time from 0 to 100 s, values from \u221210 to 10.");
    session.setSelection({true, false, true});
    session.planPlot();
    EXPECT_EQ(curvesOn(session.curvesOnGraph()),
              (std::vector<Curve>{Curve::Charge, Curve::Voltage}));
    const std::string said = graphDescription(session, shown, 0.0).toStdString();
    EXPECT_EQ(said, "RLC circuit. Curves: charge (red, solid), source voltage (red, dashed). "
                    "Time from 0 to 100 s, values from \u221210 to 10. Plots drawn: 1. "
                    "Cursor at t = 0 s: charge 10 C, source voltage 0 V.");
    // Curves stay on the graph from plot to plot; the values are the last plot's.
    session.setSelection({false, true, false});
    session.planPlot();
    const std::string later = graphDescription(session, shown, 200.0).toStdString();
    EXPECT_NE(later.find("charge (red, solid), current (blue, solid), source voltage"),
              std::string::npos);
    EXPECT_NE(later.find("Plots drawn: 2. Cursor at t = 200 s."), std::string::npos) << later;
    session.clearPlots();
    EXPECT_TRUE(curvesOn(session.curvesOnGraph()).empty());
    EXPECT_EQ(lookOf(Curve::Voltage).colour, lookOf(Curve::Charge).colour);
    EXPECT_TRUE(lookOf(Curve::Voltage).dashed);
}

} // namespace
} // namespace kel::lab
