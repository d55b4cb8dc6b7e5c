// SPDX-License-Identifier: GPL-3.0-or-later
#include "schematicgeometry.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace kel::worksheet
{

namespace
{

using P = SchematicPoint;
using Stroke = SchematicStroke;

// The loop of wire, and where the components sit on it.
constexpr double kLeft = 46, kRight = 248, kTop = 44, kBottom = 104;
constexpr double kResistorFrom = 74, kResistorTo = 114, kZigZag = 7;
constexpr double kPlateA = 142, kPlateB = 150, kPlateHalf = 12;
constexpr double kCoilFrom = 176, kCoilTurns = 4, kCoilTurnWidth = 12;
constexpr double kCoilTo = kCoilFrom + kCoilTurns * kCoilTurnWidth;
constexpr double kCellLong = 69, kCellShort = 79; // battery plates on the left wire
constexpr double kLetterTop = 10;                 // letters are 9 wide and 14 high

// An elliptic arc centred at (cx, cy); angles in degrees, counter-clockwise as seen on
// the screen (y grows downwards).
Stroke arc(double cx, double cy, double rx, double ry, double fromDeg, double toDeg, int steps)
{
    Stroke s;
    for (int i = 0; i <= steps; ++i) {
        const double a = (fromDeg + (toDeg - fromDeg) * i / steps) * std::numbers::pi / 180;
        s.push_back({cx + rx * std::cos(a), cy - ry * std::sin(a)});
    }
    return s;
}

// Appends a cubic Bezier curve from the stroke's last point.
void curveTo(Stroke &s, P c1, P c2, P end, int steps = 12)
{
    const P start = s.back();
    for (int i = 1; i <= steps; ++i) {
        const double t = static_cast<double>(i) / steps, u = 1 - t;
        const double a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, d = t * t * t;
        s.push_back({a * start.x + b * c1.x + c * c2.x + d * end.x,
                     a * start.y + b * c1.y + c * c2.y + d * end.y});
    }
}

void append(Stroke &s, const Stroke &more)
{
    s.insert(s.end(), more.begin() + (s.empty() ? 0 : 1), more.end());
}

// The loop with gaps for the components present, and a gap on the left wire from `sourceTop`
// down to `sourceBottom` for the source (none without one).
SchematicPart wires(const SchematicCircuit &circuit, double sourceTop, double sourceBottom)
{
    std::vector<Stroke> strokes;
    Stroke run;
    const auto to = [&run](P p) { run.push_back(p); };
    // The run stops where a component begins and goes on where it ends.
    const auto gap = [&](P next) {
        strokes.push_back(run);
        run = {next};
    };
    const bool source = circuit.source != solutions::SourceKind::None;
    to({kLeft, source ? sourceTop : kCellShort});
    to({kLeft, kTop});
    to({kResistorFrom, kTop});
    if (circuit.resistor)
        gap({kResistorTo, kTop});
    to({kPlateA, kTop});
    if (circuit.capacitor)
        gap({kPlateB, kTop});
    to({kCoilFrom, kTop});
    if (circuit.inductor)
        gap({kCoilTo, kTop});
    for (P p : {P{kRight, kTop}, P{kRight, kBottom}, P{kLeft, kBottom}, P{kLeft, sourceBottom}})
        to(p);
    if (!source)
        to({kLeft, kCellShort});
    strokes.push_back(run);
    // Points that a missing component leaves in the middle of a straight run are dropped.
    for (Stroke &s : strokes) {
        Stroke kept;
        for (std::size_t i = 0; i < s.size(); ++i) {
            const bool between = i > 0 && i + 1 < s.size();
            const bool straight = between && ((s[i - 1].y == s[i].y && s[i].y == s[i + 1].y) ||
                                              (s[i - 1].x == s[i].x && s[i].x == s[i + 1].x));
            const bool repeated =
                !kept.empty() && kept.back().x == s[i].x && kept.back().y == s[i].y;
            if (!straight && !repeated)
                kept.push_back(s[i]);
        }
        s = kept;
    }
    return {"wire", strokes};
}

SchematicPart battery()
{
    // The long plate is the positive one; a small plus sign marks it.
    return {"battery",
            {
                {{kLeft - 12, kCellLong}, {kLeft + 12, kCellLong}},
                {{kLeft - 6, kCellShort}, {kLeft + 6, kCellShort}},
                {{kLeft + 13, kCellLong - 6}, {kLeft + 19, kCellLong - 6}},
                {{kLeft + 16, kCellLong - 9}, {kLeft + 16, kCellLong - 3}},
            }};
}

SchematicPart resistor()
{
    const int peaks = 6;
    const double step = (kResistorTo - kResistorFrom) / peaks;
    Stroke s{{kResistorFrom, kTop}};
    for (int i = 0; i < peaks; ++i)
        s.push_back({kResistorFrom + (i + 0.5) * step, kTop + (i % 2 == 0 ? -kZigZag : kZigZag)});
    s.push_back({kResistorTo, kTop});
    return {"resistor", {s}};
}

SchematicPart capacitor()
{
    return {"capacitor",
            {
                {{kPlateA, kTop - kPlateHalf}, {kPlateA, kTop + kPlateHalf}},
                {{kPlateB, kTop - kPlateHalf}, {kPlateB, kTop + kPlateHalf}},
            }};
}

SchematicPart inductor()
{
    Stroke s;
    const double r = kCoilTurnWidth / 2;
    for (int i = 0; i < kCoilTurns; ++i)
        append(s, arc(kCoilFrom + r + i * kCoilTurnWidth, kTop, r, r * 1.3, 180, 0, 16));
    return {"inductor", {s}};
}

// Letters drawn with the pen, so they look the same whatever fonts are installed.
SchematicPart letterR(double x, double y)
{
    Stroke bowl{{x, y + 14}, {x, y}, {x + 5, y}};
    append(bowl, arc(x + 5, y + 3.5, 3.5, 3.5, 90, -90, 10));
    bowl.push_back({x, y + 7});
    return {"R", {bowl, {{x + 4, y + 7}, {x + 9, y + 14}}}};
}

SchematicPart letterC(double x, double y)
{
    return {"C", {arc(x + 4.5, y + 7, 4.5, 7, 50, 310, 24)}};
}

SchematicPart letterL(double x, double y)
{
    return {"L", {{{x, y}, {x, y + 14}, {x + 8, y + 14}}}};
}

// A script capital E: a small upper bowl and a larger lower one, both open to the right,
// meeting in a little loop at the waist, with a hook at the start.
SchematicPart scriptE(double x, double y)
{
    Stroke s{{x + 10.5, y + 4.5}};
    curveTo(s, {x + 12.5, y + 4}, {x + 13, y + 1.5}, {x + 11, y + 0.8});
    curveTo(s, {x + 8, y - 0.5}, {x + 3, y + 0.5}, {x + 3.8, y + 4});
    curveTo(s, {x + 4.3, y + 6.5}, {x + 7, y + 7.8}, {x + 9, y + 7.6});
    curveTo(s, {x + 9.5, y + 6.8}, {x + 7.5, y + 6.2}, {x + 6.5, y + 7.8});
    curveTo(s, {x + 2, y + 8}, {x - 0.5, y + 11}, {x + 0.8, y + 14});
    curveTo(s, {x + 2.5, y + 17.5}, {x + 9.5, y + 17}, {x + 12.5, y + 13.5});
    return {"E", {s}};
}

// An alternating source on the left wire: a circle with one period of a sine in it.
constexpr double kSourceRadius = 12, kSourceMid = (kCellLong + kCellShort) / 2;

SchematicPart acSource()
{
    Stroke wave;
    for (int i = 0; i <= 24; ++i) {
        const double u = i / 24.0;
        wave.push_back({kLeft - 7 + 14 * u, kSourceMid - 4 * std::sin(2 * std::numbers::pi * u)});
    }
    return {"acsource", {arc(kLeft, kSourceMid, kSourceRadius, kSourceRadius, 90, 450, 48), wave}};
}

std::vector<SchematicPart> build(const SchematicCircuit &circuit)
{
    const double resistorMid = (kResistorFrom + kResistorTo) / 2;
    const double plateMid = (kPlateA + kPlateB) / 2;
    const double coilMid = (kCoilFrom + kCoilTo) / 2;
    const bool alternating = circuit.source == solutions::SourceKind::Alternating;
    std::vector<SchematicPart> parts{
        alternating ? wires(circuit, kSourceMid - kSourceRadius, kSourceMid + kSourceRadius)
                    : wires(circuit, kCellLong, kCellShort)};
    if (circuit.source == solutions::SourceKind::Constant)
        parts.push_back(battery());
    else if (alternating)
        parts.push_back(acSource());
    if (circuit.resistor)
        parts.push_back(resistor());
    if (circuit.capacitor)
        parts.push_back(capacitor());
    if (circuit.inductor)
        parts.push_back(inductor());
    if (circuit.source != solutions::SourceKind::None)
        parts.push_back(scriptE(kLeft - 31 - (alternating ? 4 : 0), kSourceMid - 8));
    if (circuit.resistor)
        parts.push_back(letterR(resistorMid - 4.5, kLetterTop));
    if (circuit.capacitor)
        parts.push_back(letterC(plateMid - 4.5, kLetterTop));
    if (circuit.inductor)
        parts.push_back(letterL(coilMid - 4, kLetterTop));
    return parts;
}

} // namespace

const std::vector<SchematicPart> &schematicParts()
{
    static const std::vector<SchematicPart> parts = build(SchematicCircuit{});
    return parts;
}

std::vector<SchematicPart> schematicParts(const SchematicCircuit &circuit)
{
    return build(circuit);
}

SchematicCircuit schematicCircuitOf(solutions::CircuitKind kind, bool constantSource)
{
    using solutions::SourceKind;
    const SourceKind source = solutions::isDriven(kind) ? SourceKind::Alternating
                              : constantSource          ? SourceKind::Constant
                                                        : SourceKind::None;
    return {solutions::hasResistor(kind), solutions::hasCapacitor(kind),
            solutions::hasInductor(kind), source};
}

const SchematicPart *schematicPart(const std::string &name)
{
    for (const SchematicPart &p : schematicParts())
        if (p.name == name)
            return &p;
    return nullptr;
}

SchematicBox boundingBox(const SchematicPart &part)
{
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    SchematicBox b{kInfinity, kInfinity, -kInfinity, -kInfinity};
    for (const SchematicStroke &s : part.strokes)
        for (const SchematicPoint &p : s) {
            b.left = std::min(b.left, p.x);
            b.top = std::min(b.top, p.y);
            b.right = std::max(b.right, p.x);
            b.bottom = std::max(b.bottom, p.y);
        }
    return b;
}

} // namespace kel::worksheet
