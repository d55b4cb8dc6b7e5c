// SPDX-License-Identifier: GPL-3.0-or-later
#include "phasor/core/phasorscene.h"
#include "solutions/numbertext.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace kel::phasor
{
namespace
{

const ParameterTexts kInitial{"1000", "0.00005", "10.0", "500", "10.0", "5"};
constexpr ShownCurves kAll{true, true, true, true};

PhasorScene sceneOf(const ShownCurves &shown = kAll, const ParameterTexts &texts = kInitial)
{
    const SolveResult r = solveAmplitudes(texts);
    EXPECT_TRUE(r.solution);
    return {r.solution.value_or(Solution{}), shown};
}

std::vector<SceneOp> linesOf(const SceneDrawing &ops, int colour)
{
    std::vector<SceneOp> out;
    std::copy_if(ops.begin(), ops.end(), std::back_inserter(out), [colour](const SceneOp &op) {
        return op.kind == SceneOp::Kind::Line && op.colour == colour;
    });
    return out;
}

TEST(PhasorScene, FrameAtStepFortyIsATenthOfASecond)
{
    const PhasorScene scene = sceneOf();
    const SceneFrame frame = scene.frameAtStep(40);
    ASSERT_TRUE(frame.t2Text);
    EXPECT_EQ(*frame.t2Text, "0.1");
    EXPECT_EQ(frame.t2, 0.1);
    // The value boxes hold the heights of the phasor tips, which are the curves' values.
    for (Voltage v : kVoltages) {
        const std::size_t i = static_cast<std::size_t>(v);
        EXPECT_EQ(frame.valueTexts[i], solutions::toText(phasorTip(scene.solution(), v, 0.1).y));
        const double value = instantaneous(scene.solution(), v, 0.1);
        EXPECT_NEAR(*solutions::toNumber(frame.valueTexts[i]), value, 1e-9 * 500);
    }
    // One cyan marker across the whole height, moving; everything else on the plot stays.
    const auto markers = linesOf(frame.plot, 3);
    ASSERT_EQ(markers.size(), 1u);
    EXPECT_EQ(markers[0].x1, 0.1f);
    EXPECT_EQ(markers[0].y1, -500);
    EXPECT_EQ(markers[0].y2, 500);
    EXPECT_TRUE(markers[0].moving);
    const auto moving = std::count_if(frame.plot.begin(), frame.plot.end(),
                                      [](const SceneOp &op) { return op.moving; });
    EXPECT_EQ(moving, 1);
    // Frame (scale and 126 lines), time scale, marker, four curves of a point and 200 lines.
    EXPECT_EQ(frame.plot.size(), 1u + 126 + 1 + 1 + 4 * 201);
    // The diagram: its scale, 100 circle points that stay, four phasors that move.
    ASSERT_EQ(frame.diagram.size(), 1u + 100 + 4);
    for (std::size_t k = 1; k <= 100; ++k)
        EXPECT_FALSE(frame.diagram[k].moving);
    for (std::size_t k = 101; k < 105; ++k) {
        EXPECT_TRUE(frame.diagram[k].moving);
        EXPECT_EQ(frame.diagram[k].x1, 0);
        EXPECT_EQ(frame.diagram[k].y1, 0);
    }
}

TEST(PhasorScene, WhatStaysIsTheSameAtEveryStep)
{
    const PhasorScene scene = sceneOf();
    auto still = [](const SceneDrawing &ops) {
        std::vector<std::array<float, 5>> out;
        for (const SceneOp &op : ops)
            if (!op.moving)
                out.push_back({op.x1, op.y1, op.x2, op.y2, static_cast<float>(op.colour)});
        return out;
    };
    const SceneFrame first = scene.frameAtStep(0);
    for (std::int64_t n : {1, 57, 199, 200, 400}) {
        const SceneFrame frame = scene.frameAtStep(n);
        EXPECT_EQ(still(frame.plot), still(first.plot)) << n;
        EXPECT_EQ(still(frame.diagram), still(first.diagram)) << n;
    }
}

TEST(PhasorScene, LoadFrameKeepsTheTimeTextAndHasNoMarker)
{
    const SceneFrame frame = sceneOf().loadFrame(0);
    EXPECT_FALSE(frame.t2Text);
    EXPECT_TRUE(linesOf(frame.plot, 3).empty());
    EXPECT_EQ(frame.valueTexts[3], "0");
}

TEST(PhasorScene, CurvesFollowTheChecksButThePhasorsDoNot)
{
    const SceneFrame frame = sceneOf({false, true, false, false}).frameAtStep(10);
    EXPECT_EQ(linesOf(frame.plot, 2).size(), 200u);
    EXPECT_TRUE(linesOf(frame.plot, 1).empty());
    EXPECT_TRUE(linesOf(frame.plot, 0).empty());
    EXPECT_EQ(frame.diagram.size(), 1u + 100 + 4);
}

TEST(PhasorScene, ProjectionsJoinEachTipToTheMarker)
{
    const PhasorScene scene = sceneOf({true, false, true, true});
    const SceneProjections p = scene.projectionsAtStep(57);
    const double t = *solutions::toNumber(p.t2Text);
    EXPECT_EQ(p.t2Text, solutions::toText(scene.solution().time.timeOfStep(57)));
    ASSERT_EQ(p.plot.size(), 1u + 3);
    ASSERT_EQ(p.diagram.size(), 1u + 3);
    EXPECT_EQ(p.plot[0].kind, SceneOp::Kind::Scale);
    std::size_t k = 1;
    for (Voltage v : {Voltage::Resistor, Voltage::Inductor, Voltage::Source}) {
        const Point tip = phasorTip(scene.solution(), v, t);
        const SceneOp &onPlot = p.plot[k];
        const SceneOp &onDiagram = p.diagram[k];
        EXPECT_EQ(onPlot.x1, 0);
        EXPECT_EQ(onPlot.x2, static_cast<float>(t));
        EXPECT_EQ(onPlot.y1, static_cast<float>(tip.y));
        EXPECT_EQ(onPlot.y2, onPlot.y1);
        EXPECT_EQ(onDiagram.x1, 500);
        EXPECT_EQ(onDiagram.x2, static_cast<float>(tip.x));
        EXPECT_EQ(onDiagram.y2, onPlot.y1);
        EXPECT_EQ(onPlot.colour, colourIndex(v));
        EXPECT_TRUE(onPlot.moving && onDiagram.moving);
        ++k;
    }
}

TEST(PhasorScene, NumberOfCyclesBelowOneIsRefused)
{
    ParameterTexts texts = kInitial;
    for (const char *cycles : {"-5", "-0.1", "-1e-300"}) {
        texts.NumPer = cycles;
        const SolveResult r = solveAmplitudes(texts);
        EXPECT_FALSE(r.solution) << cycles;
        EXPECT_EQ(r.problem, Problem::NegativeCycles) << cycles;
    }
    texts.NumPer = "0.5";
    EXPECT_TRUE(solveAmplitudes(texts).solution);
}

} // namespace
} // namespace kel::phasor
