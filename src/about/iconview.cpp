// SPDX-License-Identifier: GPL-3.0-or-later
#include "iconview.h"

#include "display/appicon.h"

#include <QPainter>

#include <algorithm>

namespace kel::about
{

IconView::IconView(QWidget *parent) : QWidget(parent) {}

void IconView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const double side = std::min(width(), height());
    display::paintAppIcon(painter, QRectF((width() - side) / 2, (height() - side) / 2, side, side));
}

} // namespace kel::about
