// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

namespace kel::display
{

// The windows' typeface at a point size ("Arial", which fontconfig maps to a metric-compatible
// face where Arial itself is missing).
inline QFont arial(double points, bool bold = false)
{
    QFont font("Arial");
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

} // namespace kel::display
