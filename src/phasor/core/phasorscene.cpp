// SPDX-License-Identifier: GPL-3.0-or-later
#include "phasorscene.h"

#include "solutions/numbertext.h"

namespace kel::phasor
{

namespace
{

constexpr int kMarkerColour = 3; // cyan
constexpr int kCircleColour = 4; // red

float single(double value)
{
    return static_cast<float>(value);
}

SceneOp scale(double xa, double ya, double xb, double yb)
{
    return {SceneOp::Kind::Scale, single(xa),           single(ya), single(xb),
            single(yb),           SceneOp::kForeground, false};
}

SceneOp line(float x1, float y1, float x2, float y2, int colour, bool moving)
{
    return {SceneOp::Kind::Line, x1, y1, x2, y2, colour, moving};
}

// The first point of a curve: the source curve starts at (0, 0) in the inductor's colour,
// the others at their own value in their own colour.
int startColour(Voltage v)
{
    return v == Voltage::Source ? colourIndex(Voltage::Inductor) : colourIndex(v);
}

} // namespace

SceneDrawing PhasorScene::emptyFrame()
{
    SceneDrawing ops;
    ops.push_back(scale(kFrameLeft, kFrameTop, kFrameRight, kFrameBottom));
    for (const Segment &seg : frameSegments())
        ops.push_back(line(single(seg.x1), single(seg.y1), single(seg.x2), single(seg.y2),
                           SceneOp::kForeground, false));
    return ops;
}

SceneOp PhasorScene::diagramScale() const
{
    const double m = m_solution.PlotMax;
    return scale(-m, m, m, -m);
}

SceneOp PhasorScene::timeScale() const
{
    const Solution &s = m_solution;
    return scale(s.time.tMin, s.PlotMax, s.time.tMax, -s.PlotMax);
}

std::string PhasorScene::timeTextOfStep(std::int64_t n) const
{
    return solutions::toText(m_solution.time.timeOfStep(n));
}

double PhasorScene::timeOfText(const std::string &text)
{
    return solutions::toNumber(text).value_or(0.0);
}

SceneDrawing PhasorScene::timePlot(std::optional<double> marker) const
{
    const Solution &s = m_solution;
    SceneDrawing ops;
    ops.reserve(2 + kVoltages.size() * (TimeBase::kSteps + 1));
    ops.push_back(timeScale());
    if (marker) {
        const float t = single(*marker);
        ops.push_back(line(t, single(-s.PlotMax), t, single(s.PlotMax), kMarkerColour, true));
    }
    for (Voltage v : kVoltages) {
        if (!m_shown[static_cast<std::size_t>(v)])
            continue;
        const auto samples = curveSamples(s, v);
        float x = single(samples[0].x), y = single(samples[0].y);
        ops.push_back({SceneOp::Kind::Point, x, y, x, y, startColour(v), false});
        for (std::size_t j = 1; j < samples.size(); ++j) {
            const float nx = single(samples[j].x), ny = single(samples[j].y);
            ops.push_back(line(x, y, nx, ny, colourIndex(v), false));
            x = nx;
            y = ny;
        }
    }
    return ops;
}

SceneDrawing PhasorScene::phasorDiagram(double t2) const
{
    SceneDrawing ops;
    ops.reserve(1 + 100 + kVoltages.size());
    ops.push_back(diagramScale());
    for (const Point &p : circlePoints(m_solution.PlotMax))
        ops.push_back({SceneOp::Kind::Point, single(p.x), single(p.y), single(p.x), single(p.y),
                       kCircleColour, false});
    for (Voltage v : kVoltages) {
        const Point tip = phasorTip(m_solution, v, t2);
        ops.push_back(line(0, 0, single(tip.x), single(tip.y), colourIndex(v), true));
    }
    return ops;
}

std::array<std::string, 4> PhasorScene::valueTexts(double t2) const
{
    std::array<std::string, 4> texts;
    for (Voltage v : kVoltages)
        texts[static_cast<std::size_t>(v)] = solutions::toText(phasorTip(m_solution, v, t2).y);
    return texts;
}

SceneFrame PhasorScene::frameAtStep(std::int64_t n) const
{
    SceneFrame frame;
    frame.t2Text = timeTextOfStep(n);
    frame.t2 = timeOfText(*frame.t2Text);
    frame.valueTexts = valueTexts(frame.t2);
    frame.plot = emptyFrame();
    const SceneDrawing plot = timePlot(frame.t2);
    frame.plot.insert(frame.plot.end(), plot.begin(), plot.end());
    frame.diagram = phasorDiagram(frame.t2);
    return frame;
}

SceneFrame PhasorScene::loadFrame(double t2) const
{
    SceneFrame frame;
    frame.t2 = t2;
    frame.valueTexts = valueTexts(t2);
    frame.plot = emptyFrame();
    const SceneDrawing plot = timePlot(std::nullopt);
    frame.plot.insert(frame.plot.end(), plot.begin(), plot.end());
    frame.diagram = phasorDiagram(t2);
    return frame;
}

SceneProjections PhasorScene::projectionsAtStep(std::int64_t n) const
{
    SceneProjections projections;
    projections.t2Text = timeTextOfStep(n);
    const double t2 = timeOfText(projections.t2Text);
    projections.plot.push_back(timeScale());
    projections.diagram.push_back(diagramScale());
    const float plotMax = single(m_solution.PlotMax);
    for (Voltage v : kVoltages) {
        if (!m_shown[static_cast<std::size_t>(v)])
            continue;
        const Point tip = phasorTip(m_solution, v, t2);
        const float y = single(tip.y);
        projections.plot.push_back(line(0, y, single(t2), y, colourIndex(v), true));
        projections.diagram.push_back(line(plotMax, y, single(tip.x), y, colourIndex(v), true));
    }
    return projections;
}

} // namespace kel::phasor
