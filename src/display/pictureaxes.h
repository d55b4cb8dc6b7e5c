// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QLineF>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <optional>
#include <vector>

class QPainter;

namespace kel::display
{

struct UserTransform;

// A quantity an axis shows, for its title: "t" in "s" gives "t (s)", or "t (ms)" when the
// numbers are in milliseconds.
struct AxisQuantity {
    QString symbol;
    QString unit;
};

// A numbered axis over a picture area's drawing: the values lo to hi (in the quantities'
// unit) stand at the user coordinates userLo to userHi of the area's coordinate system
// (across for the horizontal axis, up or down for a vertical one). Numbers are written only
// for values between lo and hi that lie inside the picture.
// An axis that follows the scale numbers the coordinate system in force as it is: its values
// are the user coordinates themselves. On a logarithmic axis (lo, hi > 0) log10 of the value
// is what varies evenly from userLo to userHi, and it is numbered 1, 2, 5 per decade or by
// decades (logAxisNumbers).
struct ValueAxis {
    double lo = 0, hi = 1;
    double userLo = 0, userHi = 1;
    std::vector<AxisQuantity> quantities; // none: numbers without a title
    bool followsScale = false;
    bool logarithmic = false;

    // Where `value` stands, in user coordinates.
    double userOf(double value) const;

    static ValueAxis followingScale(std::vector<AxisQuantity> quantities)
    {
        ValueAxis axis;
        axis.quantities = std::move(quantities);
        axis.followsScale = true;
        return axis;
    }
};

// The numbers of a picture: one horizontal axis along the bottom edge, any number of
// vertical ones along the left edge (each over its own band of heights).
struct PictureAxes {
    std::optional<ValueAxis> horizontal;
    std::vector<ValueAxis> vertical;
    bool empty() const { return !horizontal && vertical.empty(); }
};

// The measures are in logical pixels of an area `areaWidth` wide on screen; a picture of
// another size scales them with its width, as the legend does.
struct AxisLook {
    QFont font;
    double areaWidth = 0;
    QColor foreground;
    QColor background;
};

// One text of the layer: a number or a title, in picture pixels.
struct AxisText {
    QString text;
    QRectF box; // where it is written, its background filled
};

// What the layer draws in a picture of `size`: every text and every short tick, none of the
// texts overlapping another, `avoid` (the legend box) or the picture's edges.
struct AxisLayout {
    std::vector<AxisText> texts;
    std::vector<QLineF> ticks;
};
AxisLayout layoutAxes(const PictureAxes &axes, const UserTransform &transform, const AxisLook &look,
                      const QSizeF &size, const QRectF &avoid);

void paintAxes(QPainter &painter, const AxisLayout &layout, const AxisLook &look,
               const QSizeF &size);

} // namespace kel::display
