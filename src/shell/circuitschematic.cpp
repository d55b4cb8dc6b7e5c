// SPDX-License-Identifier: GPL-3.0-or-later
#include "circuitschematic.h"

#include "worksheet/circuitdrawing.h"

#include <QPainter>

#include <algorithm>

namespace kel::shell
{

namespace
{

// The area is 270 x 124 pixels at the designed size and the picture 266 x 120: the rest is
// the border.
constexpr double kBorder = 2;
constexpr double kPenWidth = 1.4; // in picture units

} // namespace

CircuitSchematic::CircuitSchematic(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CircuitSchematic::render(QPainter &painter, const QSizeF &size)
{
    using worksheet::kSchematicHeight;
    using worksheet::kSchematicWidth;
    const double scale = std::min(size.width() / (kSchematicWidth + 2 * kBorder),
                                  size.height() / (kSchematicHeight + 2 * kBorder));
    const QRectF outer(QPointF(0, 0), size);
    painter.fillRect(outer, Qt::white);
    painter.setRenderHint(QPainter::Antialiasing, true);

    // A sunken edge: dark at the top and left, light at the bottom and right.
    const double edge = std::max(1.0, scale);
    painter.fillRect(QRectF(0, 0, size.width(), edge), QColor(128, 128, 128));
    painter.fillRect(QRectF(0, 0, edge, size.height()), QColor(128, 128, 128));
    painter.fillRect(QRectF(0, size.height() - edge, size.width(), edge), QColor(224, 224, 224));
    painter.fillRect(QRectF(size.width() - edge, 0, edge, size.height()), QColor(224, 224, 224));

    const double left = (size.width() - kSchematicWidth * scale) / 2;
    const double top = (size.height() - kSchematicHeight * scale) / 2;
    worksheet::paintSchematic(painter, worksheet::schematicParts(), QPointF(left, top), scale,
                              kPenWidth * scale);
}

void CircuitSchematic::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    render(painter, QSizeF(size()));
}

} // namespace kel::shell
