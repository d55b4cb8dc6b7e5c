// SPDX-License-Identifier: GPL-3.0-or-later
#include "picturelegend.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace kel::display
{

namespace
{

constexpr double kLegendMargin = 4;  // from the area's edges
constexpr double kLegendPadding = 3; // inside the box
constexpr double kLegendStroke = 18; // the length of a row's sample stroke
constexpr double kLegendGap = 4;     // between stroke and text

} // namespace

QRectF legendBox(const std::vector<LegendEntry> &entries, const LegendLook &look,
                 const QSizeF &size)
{
    if (entries.empty() || look.areaWidth <= 0)
        return {};
    const QFontMetricsF metrics(look.font);
    double textWidth = 0;
    for (const LegendEntry &e : entries)
        textWidth = std::max(textWidth, metrics.horizontalAdvance(e.text));
    const double w = 2 * kLegendPadding + kLegendStroke + kLegendGap + textWidth;
    const double h = 2 * kLegendPadding + metrics.height() * static_cast<double>(entries.size());
    const double scale = size.width() / look.areaWidth;
    return {size.width() - (kLegendMargin + w) * scale, kLegendMargin * scale, w * scale,
            h * scale};
}

void paintLegend(QPainter &painter, const QSizeF &size, const std::vector<LegendEntry> &entries,
                 const LegendLook &look)
{
    const QRectF box = legendBox(entries, look, size);
    if (box.isEmpty())
        return;
    const double scale = size.width() / look.areaWidth;
    painter.save();
    painter.translate(box.topLeft());
    painter.scale(scale, scale);
    const QRectF frame(QPointF(0, 0), box.size() / scale);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    QPen border(look.foreground);
    border.setCosmetic(true);
    painter.setPen(border);
    painter.setBrush(look.background);
    painter.drawRect(frame.adjusted(0, 0, -1.0 / scale, -1.0 / scale));
    painter.setFont(look.font);
    const QFontMetricsF metrics(look.font);
    double top = kLegendPadding;
    for (const LegendEntry &e : entries) {
        const double middle = std::floor(top + metrics.height() / 2) + 0.5;
        QPen stroke(e.colour);
        stroke.setCosmetic(true);
        stroke.setWidthF(2);
        if (e.dashed)
            stroke.setDashPattern({3, 2}); // in pen widths: the 6 and 4 pixels of the curve
        painter.setPen(stroke);
        painter.drawLine(QPointF(kLegendPadding, middle),
                         QPointF(kLegendPadding + kLegendStroke, middle));
        painter.setPen(look.foreground);
        painter.drawText(QRectF(kLegendPadding + kLegendStroke + kLegendGap, top, frame.width(),
                                metrics.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, e.text);
        top += metrics.height();
    }
    painter.restore();
}

} // namespace kel::display
