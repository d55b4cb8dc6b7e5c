// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "labsession.h"

#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace kel::lab
{

// The curves of the lab graph and how each is drawn: its QBColor number and whether dashed.
// Charge and source voltage share colour 4, so the source voltage is dashed.
enum class Curve { Charge, Current, Voltage };
struct CurveLook {
    Curve curve;
    int colour;
    bool dashed;
};
inline constexpr std::array<CurveLook, 3> kCurveLooks{{
    {Curve::Charge, 4, false},
    {Curve::Current, 1, false},
    {Curve::Voltage, 4, true},
}};
const CurveLook &lookOf(Curve curve);

// The samples of one curve in a plot.
const CurveSamples &samplesOf(const PlotRecord &plot, Curve curve);

// The curves on the graph now, in the order of kCurveLooks.
std::vector<Curve> curvesOn(const CurveSelection &drawn);

// A curve's name in the legend: "Charge q", "Current i", "Source voltage".
QString legendName(Curve curve);

// The value a plotted curve shows at time t (s), along the straight line between the samples
// around t; nothing outside the samples or where the curve is broken.
std::optional<double> valueAt(const CurveSamples &curve, double t);

// What a screen reader says about the graph: the circuit, the curves on it with their colour
// and line ("charge (red, solid)"), the time and value ranges of `shown` (the scale the graph
// is drawn in), how many plots it holds, and at the cursor time t (s) the time and the values
// of the last plot's curves there.
QString graphDescription(const LabSession &session, const GraphScale &shown,
                         std::optional<double> cursorT);

} // namespace kel::lab
