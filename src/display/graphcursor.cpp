// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphcursor.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace kel::display
{

std::optional<float> cursorAfterKey(int key, bool shift, float xa, float xb,
                                    std::optional<float> cursor)
{
    const float range = xb - xa; // signed: Right moves towards xb whichever way the axis runs
    float step = 0;
    switch (key) {
    case Qt::Key_Left:
        step = -range / (shift ? 20.f : 200.f);
        break;
    case Qt::Key_Right:
        step = range / (shift ? 20.f : 200.f);
        break;
    case Qt::Key_PageDown:
        step = -range / 20.f;
        break;
    case Qt::Key_PageUp:
        step = range / 20.f;
        break;
    case Qt::Key_Home:
        return xa;
    case Qt::Key_End:
        return xb;
    default:
        return std::nullopt;
    }
    if (!cursor)
        return xa + range / 2;
    return *cursor + step;
}

void paintCursorLine(QPainter &painter, const QSizeF &size, double pixelX, const QColor &colour,
                     bool dashed)
{
    // A line at the right end stays inside the picture.
    const double x = std::min(std::floor(pixelX), size.width() - 1) + 0.5;
    QPen pen(colour);
    pen.setCosmetic(true);
    if (dashed)
        pen.setDashPattern({6, 4});
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(pen);
    painter.drawLine(QPointF(x, 0), QPointF(x, size.height()));
    painter.restore();
}

} // namespace kel::display
