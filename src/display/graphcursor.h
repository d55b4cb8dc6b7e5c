// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The keyboard graph cursor of a picture area. Private to display/.

#include <QColor>
#include <QSizeF>

#include <optional>

class QPainter;

namespace kel::display
{

// Where `key` (a Qt::Key) sends the cursor at `cursor` on an x axis from xa at the left to xb
// at the right, before clamping; nothing for a key that does not move it.
std::optional<float> cursorAfterKey(int key, bool shift, float xa, float xb,
                                    std::optional<float> cursor);
// The cursor line at column `pixelX` of a picture of `size`.
void paintCursorLine(QPainter &painter, const QSizeF &size, double pixelX, const QColor &colour,
                     bool dashed = false);

} // namespace kel::display
