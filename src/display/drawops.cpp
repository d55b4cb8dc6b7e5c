// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawops.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <unordered_set>

namespace kel::display
{

namespace
{

// Twips per pixel at 96 dots per inch: the units of an area before a scale is set.
constexpr double kTwipsPerPixel = 15.0;

// Dashes of 6 pixels with gaps of 4: plain at a glance beside a solid curve of the same colour.
const QList<qreal> kDashPattern{6, 4};

UserTransform transformFor(const DrawOp &scale, const QSizeF &size)
{
    return {scale.x1, scale.y1, scale.x2, scale.y2, size.width(), size.height()};
}

bool sameScale(const DrawOp &a, const DrawOp &b)
{
    return a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2;
}

struct StrokeKey {
    DrawOp op;
    std::size_t scale; // index of the coordinate system in force
    bool operator==(const StrokeKey &o) const { return scale == o.scale && sameOp(op, o.op); }
};

struct StrokeHash {
    std::size_t operator()(const StrokeKey &k) const
    {
        std::size_t h = std::hash<std::size_t>()(k.scale);
        for (float f : {k.op.x1, k.op.y1, k.op.x2, k.op.y2})
            h = h * 1000003u ^ std::hash<float>()(f);
        return h * 31u ^ k.op.colour ^ (static_cast<std::size_t>(k.op.kind) << 1);
    }
};

} // namespace

bool sameOp(const DrawOp &a, const DrawOp &b)
{
    return a.kind == b.kind && a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2 &&
           a.colour == b.colour && a.foreground == b.foreground && a.moving == b.moving &&
           a.dashed == b.dashed && a.dashStart == b.dashStart;
}

DrawOp scaleBefore(const std::vector<DrawOp> &ops, std::size_t index)
{
    for (std::size_t i = index; i-- > 0;)
        if (ops[i].kind == DrawOp::Kind::Scale)
            return ops[i];
    return kNoScale;
}

UserTransform twipsTransform(const QSizeF &size)
{
    return {0,
            0,
            size.width() * kTwipsPerPixel,
            size.height() * kTwipsPerPixel,
            size.width(),
            size.height()};
}

void replayOps(QPainter &painter, const QSizeF &size, const std::vector<DrawOp> &ops,
               std::size_t from, std::size_t to, std::optional<double> lineWidth)
{
    const DrawOp before = scaleBefore(ops, from);
    UserTransform t = sameOp(before, kNoScale) ? twipsTransform(size) : transformFor(before, size);
    QPen pen;
    pen.setCosmetic(!lineWidth);
    pen.setWidthF(lineWidth.value_or(1.0));
    if (lineWidth)
        pen.setCapStyle(Qt::RoundCap);
    for (std::size_t i = from; i < to; ++i) {
        const DrawOp &op = ops[i];
        switch (op.kind) {
        case DrawOp::Kind::Scale:
            t = transformFor(op, size);
            break;
        case DrawOp::Kind::Point:
            pen.setColor(QColor::fromRgb(op.colour));
            painter.setPen(pen);
            painter.drawPoint(QPointF(t.toPixelX(op.x1), t.toPixelY(op.y1)));
            break;
        case DrawOp::Kind::Line: {
            double ax = t.toPixelX(op.x1), ay = t.toPixelY(op.y1);
            double bx = t.toPixelX(op.x2), by = t.toPixelY(op.y2);
            // A curve far outside the visible range stays within what the rasteriser takes.
            constexpr double kFar = 1e6;
            if (!clipSegment(ax, ay, bx, by, -kFar, kFar))
                break;
            const QPointF a(ax, ay), b(bx, by);
            pen.setColor(QColor::fromRgb(op.colour));
            if (op.dashed) {
                pen.setDashPattern(kDashPattern);
                pen.setDashOffset(op.dashStart * size.width());
            } else {
                pen.setStyle(Qt::SolidLine);
            }
            painter.setPen(pen);
            painter.drawLine(a, b);
            break;
        }
        }
    }
}

float dashRunAfter(const UserTransform &t, int width, float dashStart, float x1, float y1, float x2,
                   float y2)
{
    const double length =
        std::hypot(t.toPixelX(x2) - t.toPixelX(x1), t.toPixelY(y2) - t.toPixelY(y1));
    const double run = dashStart + (width > 0 ? length / width : 0.0);
    return std::isfinite(run) ? static_cast<float>(run) : 0.f;
}

std::vector<DrawOp> compactOps(const std::vector<DrawOp> &ops,
                               const std::optional<DrawOp> &scaleNow)
{
    // Coordinate systems get an index each; equal systems share one.
    std::vector<DrawOp> scales;
    std::vector<std::size_t> scaleOf(ops.size(), 0);
    std::size_t current = 0;
    bool haveScale = false;
    for (std::size_t i = 0; i < ops.size(); ++i) {
        const DrawOp &op = ops[i];
        if (op.kind == DrawOp::Kind::Scale) {
            const auto found = std::find_if(scales.begin(), scales.end(),
                                            [&](const DrawOp &s) { return sameScale(s, op); });
            current = static_cast<std::size_t>(found - scales.begin()) + 1;
            if (found == scales.end())
                scales.push_back(op);
            haveScale = true;
        }
        scaleOf[i] = haveScale ? current : 0;
    }
    // Keep the last of identical strokes: it is the one that stays on top.
    std::unordered_set<StrokeKey, StrokeHash> seen;
    std::vector<bool> keep(ops.size(), false);
    for (std::size_t i = ops.size(); i-- > 0;) {
        if (ops[i].kind == DrawOp::Kind::Scale)
            continue;
        keep[i] = seen.insert({ops[i], scaleOf[i]}).second;
    }
    std::vector<DrawOp> compacted;
    std::size_t emittedScale = 0;
    for (std::size_t i = 0; i < ops.size(); ++i) {
        if (!keep[i])
            continue;
        if (scaleOf[i] != emittedScale && scaleOf[i] != 0) {
            compacted.push_back(scales[scaleOf[i] - 1]);
            emittedScale = scaleOf[i];
        }
        compacted.push_back(ops[i]);
    }
    // The system in force now must stay in force for what is drawn next.
    if (scaleNow && !(emittedScale != 0 && sameScale(scales[emittedScale - 1], *scaleNow)))
        compacted.push_back(*scaleNow);
    return compacted;
}

} // namespace kel::display
