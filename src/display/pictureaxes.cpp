// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictureaxes.h"

#include "axislabels.h"
#include "qstringtext.h"
#include "usertransform.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace kel::display
{

namespace
{

constexpr double kTick = 5;    // the short tick at each number, from the edge inwards
constexpr double kGap = 2;     // between a tick and its number, and around a title
constexpr double kPadding = 1; // the background around a text
constexpr double kSpacing = 8; // at least this much between neighbouring numbers

QString titleOf(const ValueAxis &axis, const std::string &prefix)
{
    QStringList parts;
    for (const AxisQuantity &q : axis.quantities)
        parts << q.symbol + QStringLiteral(" (") + toQString(prefix) + q.unit + QLatin1Char(')');
    return parts.join(QStringLiteral(", "));
}

bool overlapsAny(const QRectF &box, const std::vector<AxisText> &texts, const QRectF &avoid)
{
    if (!avoid.isEmpty() && box.intersects(avoid))
        return true;
    return std::any_of(texts.begin(), texts.end(),
                       [&box](const AxisText &t) { return box.intersects(t.box); });
}

// The numbers of `axis` spread over `pixels` of picture, as many as fit with their widths
// (`across`: horizontally, else by their heights) and the spacing between them.
AxisNumbers fittingNumbers(const ValueAxis &axis, double pixels, const QFontMetricsF &metrics,
                           double scale, bool across)
{
    const double extent = std::fabs(axis.userHi - axis.userLo);
    int most =
        std::max(1, static_cast<int>(pixels / ((across ? 3 : 1.5) * metrics.height() * scale)));
    for (; most >= 1; --most) {
        AxisNumbers numbers = axis.logarithmic ? logAxisNumbers(axis.lo, axis.hi, most)
                                               : axisNumbers(axis.lo, axis.hi, most);
        if (numbers.numbers.size() < 2)
            return numbers;
        double widest = 0, apart = pixels;
        for (std::size_t k = 0; k < numbers.numbers.size(); ++k) {
            const AxisNumber &n = numbers.numbers[k];
            widest = std::max(widest, across ? metrics.horizontalAdvance(toQString(n.text))
                                             : metrics.height());
            if (k > 0) // in logical pixels
                apart = std::min(apart, std::fabs(axis.userOf(n.value) -
                                                  axis.userOf(numbers.numbers[k - 1].value)) /
                                            extent * pixels / scale);
        }
        if (apart >= widest + 2 * kPadding + kSpacing)
            return numbers;
    }
    return {};
}

} // namespace

double ValueAxis::userOf(double value) const
{
    const double share =
        logarithmic ? (std::log10(value) - std::log10(lo)) / (std::log10(hi) - std::log10(lo))
                    : (value - lo) / (hi - lo);
    return userLo + share * (userHi - userLo);
}

AxisLayout layoutAxes(const PictureAxes &axes, const UserTransform &transform, const AxisLook &look,
                      const QSizeF &size, const QRectF &avoid)
{
    AxisLayout layout;
    if (axes.empty() || look.areaWidth <= 0 || size.isEmpty())
        return layout;
    if (std::any_of(axes.vertical.begin(), axes.vertical.end(),
                    [](const ValueAxis &v) { return v.followsScale; }) ||
        (axes.horizontal && axes.horizontal->followsScale)) {
        PictureAxes followed = axes;
        // A logarithmic axis that follows the scale has log10 of its values as coordinates.
        const auto values = [](ValueAxis &axis, double from, double to) {
            axis.userLo = from;
            axis.userHi = to;
            axis.lo = axis.logarithmic ? std::pow(10.0, from) : from;
            axis.hi = axis.logarithmic ? std::pow(10.0, to) : to;
            axis.followsScale = false;
        };
        if (followed.horizontal && followed.horizontal->followsScale)
            values(*followed.horizontal, transform.xa, transform.xb);
        for (ValueAxis &v : followed.vertical)
            if (v.followsScale)
                values(v, transform.yb, transform.ya);
        return layoutAxes(followed, transform, look, size, avoid);
    }
    const double scale = size.width() / look.areaWidth;
    QFont font = look.font;
    const QFontMetricsF metrics(font);
    const double lineHeight = metrics.height() + 2 * kPadding;
    UserTransform t = transform;
    t.width = size.width();
    t.height = size.height();
    const QRectF picture(QPointF(0, 0), size);
    // A text's box in picture pixels from its logical size, kept inside the picture.
    const auto boxAt = [&](double x, double y, const QString &text, Qt::Alignment align) {
        const double w = (metrics.horizontalAdvance(text) + 2 * kPadding) * scale;
        const double h = lineHeight * scale;
        double left = x, top = y;
        if (align & Qt::AlignHCenter)
            left = x - w / 2;
        else if (align & Qt::AlignRight)
            left = x - w;
        if (align & Qt::AlignVCenter)
            top = y - h / 2;
        else if (align & Qt::AlignBottom)
            top = y - h;
        left = std::clamp(left, 0.0, std::max(0.0, size.width() - w));
        top = std::clamp(top, 0.0, std::max(0.0, size.height() - h));
        return QRectF(left, top, w, h);
    };
    const auto place = [&](const QString &text, const QRectF &box) {
        if (!picture.contains(box) || overlapsAny(box, layout.texts, avoid))
            return false;
        layout.texts.push_back({text, box});
        return true;
    };

    // The titles first, so that numbers give way to them: the horizontal one at the right
    // end above its numbers, each vertical one at the top of its band beside the edge.
    const double numberRow = size.height() - (kTick + kGap) * scale - lineHeight * scale;
    std::optional<AxisNumbers> across;
    if (axes.horizontal) {
        const ValueAxis &h = *axes.horizontal;
        const double from = t.toPixelX(h.userLo), to = t.toPixelX(h.userHi);
        across = fittingNumbers(h, std::fabs(to - from), metrics, scale, true);
        const QString title = titleOf(h, across->prefix);
        if (!title.isEmpty())
            place(title, boxAt(size.width() - kGap * scale, numberRow - kGap * scale, title,
                               Qt::AlignRight | Qt::AlignBottom));
    }
    std::vector<AxisNumbers> upright;
    std::vector<std::pair<double, double>> bands; // the pixel rows each vertical axis spans
    for (const ValueAxis &v : axes.vertical) {
        const double from = t.toPixelY(v.userLo), to = t.toPixelY(v.userHi);
        upright.push_back(fittingNumbers(v, std::fabs(to - from), metrics, scale, false));
        bands.emplace_back(std::min(from, to), std::max(from, to));
        const QString title = titleOf(v, upright.back().prefix);
        if (!title.isEmpty())
            place(title, boxAt((kTick + kGap) * scale, std::max(0.0, bands.back().first), title,
                               Qt::AlignLeft | Qt::AlignTop));
    }

    // The numbers along the bottom edge, each with its tick.
    if (across) {
        const ValueAxis &h = *axes.horizontal;
        for (const AxisNumber &n : across->numbers) {
            const double x = t.toPixelX(h.userOf(n.value));
            if (x < 0 || x > size.width())
                continue;
            const QString text = toQString(n.text);
            const QRectF box = boxAt(x, size.height() - (kTick + kGap) * scale, text,
                                     Qt::AlignHCenter | Qt::AlignBottom);
            if (place(text, box))
                layout.ticks.emplace_back(x, size.height(), x, size.height() - kTick * scale);
        }
    }
    // Then along the left edge.
    for (std::size_t k = 0; k < upright.size(); ++k) {
        const ValueAxis &v = axes.vertical[k];
        for (const AxisNumber &n : upright[k].numbers) {
            const double y = t.toPixelY(v.userOf(n.value));
            if (y < 0 || y > size.height())
                continue;
            const QString text = toQString(n.text);
            const QRectF box =
                boxAt((kTick + kGap) * scale, y, text, Qt::AlignLeft | Qt::AlignVCenter);
            if (place(text, box))
                layout.ticks.emplace_back(0, y, kTick * scale, y);
        }
    }
    return layout;
}

void paintAxes(QPainter &painter, const AxisLayout &layout, const AxisLook &look,
               const QSizeF &size)
{
    if (layout.texts.empty() || look.areaWidth <= 0)
        return;
    const double scale = size.width() / look.areaWidth;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    QPen pen(look.foreground);
    pen.setCosmetic(true);
    painter.setPen(pen);
    for (const QLineF &tick : layout.ticks)
        painter.drawLine(tick);
    for (const AxisText &t : layout.texts) {
        painter.fillRect(t.box, look.background);
        painter.save();
        painter.translate(t.box.topLeft());
        painter.scale(scale, scale);
        painter.setFont(look.font);
        painter.setPen(look.foreground);
        painter.drawText(QRectF(QPointF(0, 0), t.box.size() / scale), Qt::AlignCenter, t.text);
        painter.restore();
    }
    painter.restore();
}

} // namespace kel::display
