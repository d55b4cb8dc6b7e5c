// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The legend box of a picture area. Private to display/.

#include "picturearea.h"

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QSizeF>

#include <vector>

class QPainter;

namespace kel::display
{

// The measures are in logical pixels of an area `areaWidth` wide on screen; a picture of
// another size scales them with its width.
struct LegendLook {
    QFont font;
    double areaWidth = 0;
    QColor foreground;
    QColor background;
};

// Where the legend box lies in a picture of `size`, empty without entries.
QRectF legendBox(const std::vector<LegendEntry> &entries, const LegendLook &look,
                 const QSizeF &size);
void paintLegend(QPainter &painter, const QSizeF &size, const std::vector<LegendEntry> &entries,
                 const LegendLook &look);

} // namespace kel::display
