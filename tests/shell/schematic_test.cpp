// SPDX-License-Identifier: GPL-3.0-or-later
// The circuit picture: a closed loop with its parts in order and legible, unobstructed labels.
#include "shell/circuitschematic.h"
#include "worksheet/schematicgeometry.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>

using namespace kel::shell;
using namespace kel::worksheet;

namespace
{

SchematicBox box(const char *name)
{
    const SchematicPart *part = schematicPart(name);
    EXPECT_NE(part, nullptr) << name;
    return part ? boundingBox(*part) : SchematicBox{};
}

bool overlap(const SchematicBox &a, const SchematicBox &b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

double distanceToSegment(SchematicPoint p, SchematicPoint a, SchematicPoint b)
{
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double len2 = dx * dx + dy * dy;
    double t = len2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / len2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

// True when p lies on some stroke of a part other than the wires.
bool onComponent(SchematicPoint p)
{
    for (const SchematicPart &part : schematicParts()) {
        if (part.name == "wire")
            continue;
        for (const SchematicStroke &s : part.strokes)
            for (std::size_t i = 0; i + 1 < s.size(); ++i)
                if (distanceToSegment(p, s[i], s[i + 1]) < 1e-9)
                    return true;
    }
    return false;
}

} // namespace

TEST(Schematic, EveryStrokeLiesInsideThePicture)
{
    for (const SchematicPart &part : schematicParts()) {
        const SchematicBox b = boundingBox(part);
        EXPECT_GE(b.left, 0) << part.name;
        EXPECT_GE(b.top, 0) << part.name;
        EXPECT_LE(b.right, kSchematicWidth) << part.name;
        EXPECT_LE(b.bottom, kSchematicHeight) << part.name;
    }
}

TEST(Schematic, WiresEndOnComponentsSoTheLoopIsClosed)
{
    const SchematicPart *wire = schematicPart("wire");
    ASSERT_NE(wire, nullptr);
    ASSERT_FALSE(wire->strokes.empty());
    for (const SchematicStroke &s : wire->strokes) {
        ASSERT_GE(s.size(), 2u);
        EXPECT_TRUE(onComponent(s.front())) << s.front().x << ", " << s.front().y;
        EXPECT_TRUE(onComponent(s.back())) << s.back().x << ", " << s.back().y;
    }
}

TEST(Schematic, PartsInOrderWithTheirLettersAboveAndClear)
{
    const SchematicBox battery = box("battery"), r = box("resistor"), c = box("capacitor"),
                       l = box("inductor"), e = box("E");
    EXPECT_LT(e.right, battery.left); // the E beside the battery, on its left
    EXPECT_LT(battery.right, r.left);
    EXPECT_LT(r.right, c.left);
    EXPECT_LT(c.right, l.left);

    const struct {
        const char *label, *component;
    } pairs[] = {{"R", "resistor"}, {"C", "capacitor"}, {"L", "inductor"}};
    for (const auto &p : pairs) {
        const SchematicBox letter = box(p.label), part = box(p.component);
        const double centre = (letter.left + letter.right) / 2;
        EXPECT_GT(centre, part.left) << p.label;
        EXPECT_LT(centre, part.right) << p.label;
        EXPECT_LT(letter.bottom, part.top) << p.label;
        EXPECT_GE(letter.bottom - letter.top, 12) << p.label; // legible at the designed size
    }
    for (const SchematicPart &a : schematicParts()) {
        for (const char *label : {"E", "R", "C", "L"}) {
            if (a.name != label && a.name != "wire") {
                EXPECT_FALSE(overlap(boundingBox(a), box(label))) << a.name << " / " << label;
            }
        }
    }
}

TEST(Schematic, PictureScalesWithItsArea)
{
    // A point on the top wire between the resistor and the capacitor, and one inside the loop.
    const SchematicBox r = box("resistor"), c = box("capacitor");
    const double wireX = (r.right + c.left) / 2, wireY = (r.top + r.bottom) / 2;
    for (const double scale : {1.0, 2.5}) {
        QImage image(QSize(270, 124) * scale, QImage::Format_RGB32);
        QPainter painter(&image);
        CircuitSchematic::render(painter, image.size());
        painter.end();
        const double k = image.width() / 270.0;
        auto at = [&](double x, double y) {
            return qGray(image.pixel(static_cast<int>((x + 2) * k), static_cast<int>((y + 2) * k)));
        };
        EXPECT_LT(at(wireX, wireY), 100) << scale;
        EXPECT_EQ(at(wireX, wireY + 30), 255) << scale;
    }
}
