// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/fileexport.h"
#include "phasor/core/phasordata.h"
#include "phasor/phasorstatus.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kel::phasor
{
namespace
{

const ParameterTexts kInitial{"1000", "0.00005", "10.0", "500", "10.0", "5"};

TEST(StatusText, InitialCircuitToFourDigits)
{
    EXPECT_EQ(circuitStatusText(kInitial),
              QString::fromUtf8(
                  "\u03C9 = 62.83 rad/s, Z = 1047 \u03A9, \u03C6 = 17.22\u00B0, I0 = 0.4776 A"));
    // A leading capacitor: the current leads and the phase is negative.
    ParameterTexts capacitive = kInitial;
    capacitive.L = "0";
    EXPECT_TRUE(circuitStatusText(capacitive).contains(QString::fromUtf8("\u03C6 = -17.66\u00B0")))
        << circuitStatusText(capacitive).toStdString();
}

TEST(StatusText, UnusableTextsGiveAShortNote)
{
    struct Row {
        ParameterTexts texts;
        const char *note;
    };
    auto with = [](std::string ParameterTexts::*box, const char *text) {
        ParameterTexts t = kInitial;
        t.*box = text;
        return t;
    };
    const Row rows[] = {
        {with(&ParameterTexts::f0, "ten"), "f is not a number"},
        {with(&ParameterTexts::R, "1e999"), "R is not a number"},
        {with(&ParameterTexts::v0, ""), "Vmax is not a number"},
        {with(&ParameterTexts::f0, "0"), "f must not be 0"},
        {with(&ParameterTexts::v0, "0"), "every amplitude is 0: nothing to draw"},
        {with(&ParameterTexts::NumPer, "-5"), "Number of Cycles must be greater than 0"},
    };
    for (const Row &row : rows)
        EXPECT_EQ(circuitStatusText(row.texts), QString::fromUtf8(row.note));
}

TEST(StatusText, PointerReadingInTimeAndFrameUnits)
{
    const TimeBase time{0, 0.5, 0.0025};
    EXPECT_EQ(pointerStatusText(plotReading(0.1, -141.4, false, time, 500)),
              "t = 0.1 s, v = -141.4 V");
    // Frame units: 20 of 100 across is a fifth of the interval, 5 of 10 up is half of PlotMax.
    EXPECT_EQ(pointerStatusText(plotReading(20, 5, true, time, 500)), "t = 0.1 s, v = 250 V");
    EXPECT_EQ(pointerStatusText({std::nan(""), 1}), QString());
}

TEST(ProblemMessage, UnusableTextsAreReportedNamingTheBox)
{
    const struct {
        ParameterTexts texts;
        const char *mentions;
    } rows[] = {
        {{"abc", "0.00005", "10.0", "500", "10.0", "5"}, "R"},
        {{"1000", "", "10.0", "500", "10.0", "5"}, "C"},
        {{"1000", "0.00005", "1,5", "500", "10.0", "5"}, "L"},
        {{"1000", "0.00005", "10.0", "x", "10.0", "5"}, "Vmax"},
        {{"1000", "0.00005", "10.0", "500", "ten", "5"}, "f"},
        {{"1000", "0.00005", "10.0", "500", "10.0", "five"}, "Number of Cycles"},
        {{"1000", "0.00005", "10.0", "500", "0", "5"}, "f must not be 0"},
        {{"1000", "0", "10.0", "500", "0", "5"}, "f must not be 0"},
        {{"1000", "0.00005", "10.0", "500", "10.0", "0"}, "Number of Cycles must not be 0"},
        {{"1000", "0.00005", "10.0", "500", "10.0", "-5"},
         "Number of Cycles must be greater than 0"},
        {{"0", "0", "0", "500", "10.0", "5"}, "impedance is 0"},
        {{"1000", "0.00005", "10.0", "0", "10.0", "5"}, "largest voltage amplitude is 0"},
        {{"1000", "0", "10.0", "-500", "10.0", "5"}, "largest voltage amplitude is 0"},
        {{"1000", "0.00005", "10.0", "1e200", "10.0", "5"}, "too large to draw"},
        {{"1000", "0.00005", "1e308", "500", "1e10", "5"}, "too large to draw"},
        {{"1000", "0.00005", "10.0", "500", "1e-30", "1e30"}, "too long or too short"},
        {{"1000", "0.00005", "10.0", "500", "10.0", "1e-300"}, "too long or too short"},
    };
    for (const auto &row : rows) {
        const SolveResult r = solveAmplitudes(row.texts);
        EXPECT_FALSE(r.solution) << row.mentions;
        EXPECT_TRUE(problemMessage(r).contains(QString::fromUtf8(row.mentions)))
            << problemMessage(r).toStdString();
    }
}

TEST(CurveTable, RowsAreTheDrawnSamplesOfEveryVoltage)
{
    const Solution s = *solveAmplitudes(kInitial).solution;
    const auto rows = curveTable(s);
    ASSERT_EQ(rows.size(), 201u);
    EXPECT_EQ(rows[0][0], 0.0);
    EXPECT_EQ(rows[0][4], 0.0);
    EXPECT_EQ(rows[200][0], s.time.tMax);
    for (std::size_t j = 1; j < rows.size(); ++j) {
        const double t = s.time.timeOfStep(static_cast<std::int64_t>(j));
        ASSERT_EQ(rows[j][0], t);
        for (Voltage v : kVoltages)
            ASSERT_EQ(rows[j][static_cast<std::size_t>(v) + 1], instantaneous(s, v, t)) << j;
    }
}

// The export commands name their files through the one suffix rule of the file export.
TEST(CurveTable, DefaultSuffixOnlyForNamesWithoutOne)
{
    using display::withDefaultSuffix;
    EXPECT_EQ(withDefaultSuffix("/tmp/plot", "png"), "/tmp/plot.png");
    EXPECT_EQ(withDefaultSuffix("/tmp/plot.svg", "png"), "/tmp/plot.svg");
    EXPECT_EQ(withDefaultSuffix("/tmp/v1.2/data", "csv"), "/tmp/v1.2/data.csv");
    EXPECT_EQ(withDefaultSuffix("", "csv"), "");
}

} // namespace
} // namespace kel::phasor
