// SPDX-License-Identifier: GPL-3.0-or-later
// The last plot's samples as a table, and the status bar's scale and pointer texts.
#include "lab/core/labstatus.h"
#include "lab/plotdatatable.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kel::lab
{
namespace
{

display::CsvTable table(const PlotRecord &record)
{
    return plotDataTable(record, {"t (s)", "q (C)", "i (A)", "v (V)"});
}

TEST(PlotDataTable, MergesSampleTimesOfCurvesWithDifferentIntervals)
{
    PlotRecord r;
    r.charge = sampleCurve([](double t) { return 2 * t; }, 200, 0, 100);
    r.voltage = sampleCurve([](double t) { return -t; }, 500, 0, 100);
    const std::string text = table(r).text();
    // 201 + 501 times, 101 of them shared (the whole seconds).
    EXPECT_EQ(table(r).rowCount(), 601u);
    EXPECT_EQ(text.substr(0, text.find("\r\n")), "t (s),q (C),i (A),v (V)");
    EXPECT_NE(text.find("\r\n0,0,,0\r\n0.20000000000000001,,,-0.20000000000000001\r\n"),
              std::string::npos);
    // Charge alone at 0.5 s, both curves on the whole seconds.
    EXPECT_NE(text.find("\r\n0.5,1,,\r\n0.60000000000000009,,,"), std::string::npos);
    EXPECT_NE(text.find("\r\n1,2,,-1\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\n100,200,,-100\r\n"), std::string::npos);
}

TEST(PlotDataTable, ReversedRangeRunsFromFirstToLastSampleAndBadSamplesAreEmpty)
{
    PlotRecord r;
    r.current = sampleCurve([](double t) { return t > 5 ? NAN : t; }, 2, 10, 0);
    const std::string text = table(r).text();
    EXPECT_EQ(text, "t (s),q (C),i (A),v (V)\r\n10,,,\r\n5,,5,\r\n0,,0,\r\n");
    EXPECT_EQ(table(PlotRecord{}).rowCount(), 0u);
}

TEST(StatusTexts, ScaleAndPointerUseRealMinusSigns)
{
    EXPECT_EQ(scaleStatus(0, 100, 10, -10), "t 0 \u2026 100 s, value \u221210 \u2026 10");
    EXPECT_EQ(scaleStatus(20, -5, -1e-05, 2.5),
              "t 20 \u2026 \u22125 s, value 2.5 \u2026 \u22121E\u221205");
    EXPECT_EQ(pointerStatus(12.5f, -3.25f), "t = 12.5 s, value = \u22123.25");
    EXPECT_EQ(pointerStatus(-0.0f, 1234567.f), "t = 0 s, value = 1.235e+06");
}

} // namespace
} // namespace kel::lab
