// SPDX-License-Identifier: GPL-3.0-or-later
#include "appicon.h"

#include "qbcolor.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <algorithm>
#include <cmath>

namespace kel::display
{

namespace
{

// A damped oscillation over the icon's width, as the lab draws an underdamped RLC circuit.
QPainterPath curve(const QRectF &plot, double phase)
{
    QPainterPath path;
    constexpr int kSamples = 96;
    for (int n = 0; n <= kSamples; ++n) {
        const double u = static_cast<double>(n) / kSamples;
        const double value = std::exp(-2.2 * u) * std::cos(4.0 * M_PI * u + phase);
        const QPointF p(plot.left() + u * plot.width(),
                        plot.center().y() - value * plot.height() / 2);
        if (n == 0)
            path.moveTo(p);
        else
            path.lineTo(p);
    }
    return path;
}

} // namespace

void paintAppIcon(QPainter &painter, const QRectF &box)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    const double s = box.width();
    const QRectF paper = box.adjusted(s * 0.04, s * 0.04, -s * 0.04, -s * 0.04);
    painter.setPen(QPen(QColor(0x80, 0x80, 0x80), s * 0.02));
    painter.setBrush(QColor(0xFF, 0xFF, 0xC0));
    painter.drawRoundedRect(paper, s * 0.12, s * 0.12);

    const QRectF plot = paper.adjusted(s * 0.12, s * 0.14, -s * 0.08, -s * 0.14);
    QPen axis(Qt::black, s * 0.025);
    axis.setCapStyle(Qt::FlatCap);
    painter.setPen(axis);
    painter.drawLine(QPointF(plot.left(), plot.top()), QPointF(plot.left(), plot.bottom()));
    painter.drawLine(QPointF(plot.left(), plot.center().y()),
                     QPointF(plot.right(), plot.center().y()));

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QBColor(1), s * 0.032, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(curve(plot, M_PI / 2 + 0.5));
    painter.setPen(QPen(QBColor(4), s * 0.04, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(curve(plot, 0.0));
    painter.restore();
}

namespace
{

// Paints the icon at whatever size is asked for, when it is asked for: nothing is drawn at
// start-up, and every size is sharp.
class AppIconEngine final : public QIconEngine
{
public:
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode, QIcon::State) override
    {
        const int side = std::min(rect.width(), rect.height());
        paintAppIcon(*painter, QRectF(rect.x() + (rect.width() - side) / 2.0,
                                      rect.y() + (rect.height() - side) / 2.0, side, side));
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap result(size);
        result.fill(Qt::transparent);
        QPainter painter(&result);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return result;
    }
    QIconEngine *clone() const override { return new AppIconEngine; }
};

} // namespace

QIcon appIcon()
{
    return QIcon(new AppIconEngine);
}

} // namespace kel::display
