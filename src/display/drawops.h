// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a picture area does with its list of recorded operations: comparing, compacting and
// replaying them. Private to display/.

#include "picturearea.h"

#include <QSizeF>

#include <cstddef>
#include <optional>
#include <vector>

class QPainter;

namespace kel::display
{

// Stands for "no coordinate system set yet" at the head of a layer: a system of zero extent
// is never recorded.
inline constexpr DrawOp kNoScale{DrawOp::Kind::Scale, 0, 0, 0, 0, 0, false, false, false};

inline DrawOp scaleOp(float xa, float ya, float xb, float yb, bool moving = false)
{
    return {DrawOp::Kind::Scale, xa, ya, xb, yb, 0, false, moving, false};
}
bool sameOp(const DrawOp &a, const DrawOp &b);
// The coordinate system in force at `index`: the last one recorded before it.
DrawOp scaleBefore(const std::vector<DrawOp> &ops, std::size_t index);
// The twips of an area of `size` pixels, in force until a coordinate system is set.
UserTransform twipsTransform(const QSizeF &size);

// Paints ops[from, to) into an area of `size`, not antialiased, dashes running on from each
// line's dashStart; with a cosmetic pen one device pixel wide, or with `lineWidth` a pen that
// many pixels of `size` wide.
void replayOps(QPainter &painter, const QSizeF &size, const std::vector<DrawOp> &ops,
               std::size_t from, std::size_t to, std::optional<double> lineWidth = std::nullopt);
// The dashStart of a dashed line that goes on from (x2, y2) after a line from (x1, y1) that
// started at dashStart, in an area `width` pixels wide under `t`.
float dashRunAfter(const UserTransform &t, int width, float dashStart, float x1, float y1, float x2,
                   float y2);

// The operations without those a later identical one paints over; `scaleNow`, the system in
// force when there is one, stays in force at the end.
std::vector<DrawOp> compactOps(const std::vector<DrawOp> &ops,
                               const std::optional<DrawOp> &scaleNow);

} // namespace kel::display
