// SPDX-License-Identifier: GPL-3.0-or-later
#include "endprogram.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace kel::shell
{

void endProgram(bool &ending)
{
    if (ending)
        return;
    ending = true;
    // Guarded pointers: closing one window may destroy another (a window deleted on close).
    QList<QPointer<QWidget>> windows;
    for (QWidget *w : QApplication::topLevelWidgets())
        windows.append(w);
    for (const QPointer<QWidget> &w : windows)
        if (w && w->isVisible())
            w->close();
    // The lab and phasor windows only hide when asked to close; one that refuses still goes.
    for (const QPointer<QWidget> &w : windows)
        if (w && w->isVisible())
            w->hide();
    // exit() rather than quit(): quit() may be refused by a window, and Quit is unconditional.
    QCoreApplication::exit(0);
    ending = false;
}

} // namespace kel::shell
