// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the phasor window shows at one time, free of Qt: the texts it writes and the drawing
// operations of its two areas, in the order they are drawn. The window reads its texts, asks
// the scene and hands the result to its picture areas; every redraw (Plot, the time bar, a
// click on the plot, the time box moving the bar, the animation) goes through one scene
// frame, so they all draw alike.

#include "phasormath.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kel::phasor
{

// One drawing operation, in the user coordinates of its area (single precision, as the areas
// take them).
struct SceneOp {
    enum class Kind { Scale, Point, Line };
    Kind kind = Kind::Line;
    // Scale: (x1, y1) upper-left corner, (x2, y2) lower-right corner. Point: (x1, y1).
    // Line: from (x1, y1) to (x2, y2).
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int colour = kForeground; // palette index (display::QBColor) or kForeground
    // Whether the operation changes with the time alone (the marker, the phasors, the
    // projections) rather than with the parameters: an area may cache what does not move.
    bool moving = false;

    static constexpr int kForeground = -1;
};

using SceneDrawing = std::vector<SceneOp>;

// Which of the four voltage curves are shown, in the order of kVoltages.
using ShownCurves = std::array<bool, 4>;

// A full redraw: both areas cleared and drawn again, and the texts written with it.
struct SceneFrame {
    // The time text written into t2 (the time of the step), or none when t2 keeps its text.
    std::optional<std::string> t2Text;
    double t2 = 0;                         // the time drawn, s: the t2 text read back
    std::array<std::string, 4> valueTexts; // vrt, vct, vlt, v0t
    SceneDrawing plot;                     // Picture1, from its cleared state
    SceneDrawing diagram;                  // Picture3, from its cleared state
};

// The projection lines drawn over both areas as they stand.
struct SceneProjections {
    std::string t2Text;
    SceneDrawing plot;
    SceneDrawing diagram;
};

// The scene of one solution with a choice of curves.
class PhasorScene
{
public:
    PhasorScene(const Solution &solution, const ShownCurves &shown)
        : m_solution(solution), m_shown(shown)
    {
    }

    const Solution &solution() const { return m_solution; }
    const ShownCurves &shown() const { return m_shown; }

    // ResetGraphs on the time plot: the frame coordinates and the empty frame.
    static SceneDrawing emptyFrame();

    // RedrawAtStep(n): the time of step n written into t2 and read back, the marker there,
    // the phasor diagram at that time, and the shown curves.
    SceneFrame frameAtStep(std::int64_t n) const;
    // The load drawing: the diagram at t2 (the time box's number) without a marker, and the
    // curves; t2 keeps its text.
    SceneFrame loadFrame(double t2) const;
    // The projections for step n: t2 rewritten with the step's time, then for each shown
    // voltage a line on the plot from the vertical axis to the marker and one on the diagram
    // from its right edge to the phasor tip, at the voltage's instantaneous value.
    SceneProjections projectionsAtStep(std::int64_t n) const;

    // The parts of a frame, each beginning with the coordinates it is drawn in.
    SceneDrawing timePlot(std::optional<double> marker) const;
    SceneDrawing phasorDiagram(double t2) const;
    std::array<std::string, 4> valueTexts(double t2) const;

    // The time text of step n and the time it reads back as.
    std::string timeTextOfStep(std::int64_t n) const;
    static double timeOfText(const std::string &text);

private:
    SceneOp diagramScale() const;
    SceneOp timeScale() const;

    Solution m_solution;
    ShownCurves m_shown;
};

} // namespace kel::phasor
