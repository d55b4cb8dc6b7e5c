// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "schematicgeometry.h"

#include <QPointF>
#include <QRectF>

#include <vector>

class QPainter;

namespace kel::worksheet
{

// Draws the strokes of `parts` in black with round caps and joins, a picture unit being
// `scale` device units and the picture's upper-left corner at `origin`; `penWidth` in device
// units.
void paintSchematic(QPainter &painter, const std::vector<SchematicPart> &parts, QPointF origin,
                    double scale, double penWidth);

// The same, scaled to fit `box` and centred in it, with a pen of 1.4 picture units.
void paintSchematicIn(QPainter &painter, const std::vector<SchematicPart> &parts,
                      const QRectF &box);

} // namespace kel::worksheet
