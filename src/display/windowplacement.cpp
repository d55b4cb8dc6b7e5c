// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowplacement.h"

#include <QScreen>
#include <QWidget>

namespace kel::display
{

void placeBesideOnce(QWidget *window, const QWidget *anchor)
{
    static constexpr char kPlaced[] = "kelPlacedBeside";
    if (!window || !anchor || window->property(kPlaced).toBool())
        return;
    window->setProperty(kPlaced, true);
    const QScreen *screen = anchor->screen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1 << 16, 1 << 16);
    const QRect from = anchor->frameGeometry();
    const QSize size = window->frameGeometry().size();
    constexpr int kGap = 8;
    const QPoint candidates[] = {from.topRight() + QPoint(kGap, 0),
                                 from.bottomLeft() + QPoint(0, kGap),
                                 from.topLeft() + QPoint(40, 40)};
    for (const QPoint &at : candidates) {
        if (available.contains(QRect(at, size))) {
            window->move(at);
            return;
        }
    }
    window->move(candidates[2]);
}

} // namespace kel::display
