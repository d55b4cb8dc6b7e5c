// SPDX-License-Identifier: GPL-3.0-or-later
#include "scenedrawing.h"

#include "display/picturearea.h"
#include "display/qbcolor.h"

namespace kel::phasor
{

bool drawScene(display::PictureArea *area, const SceneDrawing &ops)
{
    bool scalesTaken = true;
    for (const SceneOp &op : ops) {
        area->setMoving(op.moving);
        const std::optional<QColor> colour = op.colour == SceneOp::kForeground
                                                 ? std::nullopt
                                                 : std::optional(display::QBColor(op.colour));
        switch (op.kind) {
        case SceneOp::Kind::Scale:
            scalesTaken = area->setScale(op.x1, op.y1, op.x2, op.y2) && scalesTaken;
            break;
        case SceneOp::Kind::Point:
            area->setPoint(op.x1, op.y1, colour.value_or(area->foreground()));
            break;
        case SceneOp::Kind::Line:
            area->line(op.x1, op.y1, op.x2, op.y2, colour);
            break;
        }
    }
    area->setMoving(false);
    return scalesTaken;
}

} // namespace kel::phasor
