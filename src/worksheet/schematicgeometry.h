// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "solutions/circuitkind.h"

#include <string>
#include <vector>

namespace kel::worksheet
{

// The picture of the series circuit (the main menu's, and a worksheet's), as pen strokes in a
// drawing of kSchematicWidth x kSchematicHeight units (one unit is one pixel at the designed
// size; y grows downwards). Kept free of any toolkit so that its layout can be checked alone.
constexpr double kSchematicWidth = 266;
constexpr double kSchematicHeight = 120;

struct SchematicPoint {
    double x = 0, y = 0;
};

// One connected pen stroke.
using SchematicStroke = std::vector<SchematicPoint>;

// A named element of the picture: "wire", "battery", "resistor", "capacitor", "inductor",
// or a label "E", "R", "C", "L".
struct SchematicPart {
    std::string name;
    std::vector<SchematicStroke> strokes;
};

struct SchematicBox {
    double left = 0, top = 0, right = 0, bottom = 0;
};

// What a picture shows: the components the circuit holds and its source.
struct SchematicCircuit {
    bool resistor = true, capacitor = true, inductor = true;
    solutions::SourceKind source = solutions::SourceKind::Constant;
    bool operator==(const SchematicCircuit &) const = default;
};

// The components and source of a circuit kind; a kind without an alternating source has a
// battery when `constantSource`, a plain wire otherwise.
SchematicCircuit schematicCircuitOf(solutions::CircuitKind kind, bool constantSource);

// The whole picture (the main menu's): a battery with a script E beside it on the left wire, and
// along the top wire from left to right a resistor, a capacitor and an inductor, each with its
// letter above it; the right and bottom wires close the loop.
const std::vector<SchematicPart> &schematicParts();

// The picture of `circuit`: the same loop, with a wire where a component is missing, and on the
// left wire a battery ("battery", with E), an AC source ("acsource": a circle with a sine in it,
// with E) or a plain wire. Only the present components have their letters.
std::vector<SchematicPart> schematicParts(const SchematicCircuit &circuit);

// The part of that name, or nullptr.
const SchematicPart *schematicPart(const std::string &name);

// The smallest box holding every point of the part.
SchematicBox boundingBox(const SchematicPart &part);

} // namespace kel::worksheet
