// SPDX-License-Identifier: GPL-3.0-or-later
#include "circuitdrawing.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace kel::worksheet
{

void paintSchematic(QPainter &painter, const std::vector<SchematicPart> &parts, QPointF origin,
                    double scale, double penWidth)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(Qt::black, penWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    for (const SchematicPart &part : parts) {
        for (const SchematicStroke &stroke : part.strokes) {
            if (stroke.empty())
                continue;
            QPainterPath path(
                QPointF(origin.x() + stroke[0].x * scale, origin.y() + stroke[0].y * scale));
            for (std::size_t i = 1; i < stroke.size(); ++i)
                path.lineTo(origin.x() + stroke[i].x * scale, origin.y() + stroke[i].y * scale);
            painter.drawPath(path);
        }
    }
    painter.restore();
}

void paintSchematicIn(QPainter &painter, const std::vector<SchematicPart> &parts, const QRectF &box)
{
    constexpr double kPenWidth = 1.4; // in picture units
    const double scale = std::min(box.width() / kSchematicWidth, box.height() / kSchematicHeight);
    const QPointF origin(box.left() + (box.width() - kSchematicWidth * scale) / 2,
                         box.top() + (box.height() - kSchematicHeight * scale) / 2);
    paintSchematic(painter, parts, origin, scale, kPenWidth * scale);
}

} // namespace kel::worksheet
