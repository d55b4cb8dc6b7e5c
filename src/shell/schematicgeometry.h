// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace kel::shell
{

// The main menu's picture of the series circuit, as pen strokes in a drawing of
// kSchematicWidth x kSchematicHeight units (one unit is one pixel at the designed size;
// y grows downwards). Kept free of any toolkit so that its layout can be checked alone.
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

// The whole picture: a battery with a script E beside it on the left wire, and along the
// top wire from left to right a resistor, a capacitor and an inductor, each with its letter
// above it; the right and bottom wires close the loop.
const std::vector<SchematicPart> &schematicParts();

// The part of that name, or nullptr.
const SchematicPart *schematicPart(const std::string &name);

// The smallest box holding every point of the part.
SchematicBox boundingBox(const SchematicPart &part);

} // namespace kel::shell
