// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictureexport.h"

#include "picturearea.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgGenerator>

namespace kel::display
{

namespace
{

// Draws the areas side by side into a painter whose device is `scale` times the screen size.
void paintAreas(QPainter &painter, const std::vector<const PictureArea *> &areas, double scale,
                std::optional<double> lineWidth = std::nullopt)
{
    double left = 0;
    for (const PictureArea *area : areas) {
        const QSizeF size = QSizeF(area->size()) * scale;
        painter.save();
        painter.translate(left, 0);
        painter.setClipRect(QRectF(QPointF(0, 0), size));
        area->render(painter, size, lineWidth);
        painter.restore();
        left += size.width();
    }
}

} // namespace

QSize PictureExport::screenSize() const
{
    QSize total(0, 0);
    for (const PictureArea *area : m_areas)
        total = QSize(total.width() + area->width(), std::max(total.height(), area->height()));
    return total;
}

QImage PictureExport::image(double scale) const
{
    const QSize pixels = (QSizeF(screenSize()) * scale).toSize();
    QImage result(pixels.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    result.fill(Qt::white);
    QPainter painter(&result);
    paintAreas(painter, m_areas, scale);
    return result;
}

QByteArray PictureExport::svg() const
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(screenSize());
    generator.setViewBox(QRect(QPoint(0, 0), screenSize()));
    generator.setTitle("Kel Circuit Lab");
    QPainter painter(&generator);
    paintAreas(painter, m_areas, 1.0);
    painter.end();
    return buffer.data();
}

QPicture PictureExport::picture(double lineWidth) const
{
    QPicture result;
    QPainter painter(&result);
    paintAreas(painter, m_areas, 1.0, lineWidth);
    painter.end();
    return result;
}

void PictureExport::copyToClipboard(double scale) const
{
    if (QClipboard *clipboard = QGuiApplication::clipboard())
        clipboard->setImage(image(scale));
}

} // namespace kel::display
