// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QRectF>

class QPainter;

namespace kel::display
{

// The program's icon, drawn by its own code so that it is sharp at every size: a graph with
// a damped charge oscillation and its current on the light-yellow graph paper of the lab.
void paintAppIcon(QPainter &painter, const QRectF &box);
QIcon appIcon();

} // namespace kel::display
