// SPDX-License-Identifier: GPL-3.0-or-later
// The phasor window's menu bar: its commands, Export, Animate and the resonance curve.
#include "phasorswindow.h"

#include "display/menucommands.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

namespace kel::phasor
{

void PhasorsWindow::buildMenus()
{
    // The captions live until the end of each call, which copies them.
    display::addMenuCommands(menuBar(), this,
                             {
                                 {"plot", tr("Plot").toUtf8().constData(), [this] { plotAtTime(); },
                                  QKeySequence(Qt::Key_F5)},
                                 {"ClrGraphs", tr("Clear Graphs").toUtf8().constData(),
                                  [this] { clearGraphs(); }, QKeySequence(Qt::CTRL | Qt::Key_L)},
                                 {"close", tr("Close").toUtf8().constData(), [this] { hide(); },
                                  QKeySequence(Qt::CTRL | Qt::Key_W)},
                             });
    QMenu *exportMenu = menuBar()->addMenu(tr("Export"));
    exportMenu->setObjectName("Export");
    display::addMenuCommands(
        exportMenu, this,
        {
            {"SavePicture", tr("Save Picture...").toUtf8().constData(), [this] { savePicture(); },
             QKeySequence(Qt::CTRL | Qt::Key_S)},
            {"CopyPicture", tr("Copy Picture").toUtf8().constData(), [this] { copyPicture(); },
             QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)},
            {"SaveCsv", tr("Save Data as CSV...").toUtf8().constData(), [this] { saveCsv(); },
             QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
        });
    QMenu *animateMenu = menuBar()->addMenu(tr("Animate"));
    animateMenu->setObjectName("Animate");
    // Ctrl with the keys, so that Space still presses a focused button or ticks a check box.
    display::addMenuCommands(
        animateMenu, this,
        {
            {"PlayPause", tr("Play").toUtf8().constData(), [this] { m_animator->togglePlaying(); },
             QKeySequence(Qt::CTRL | Qt::Key_P)},
            {"Slower", tr("Slower").toUtf8().constData(), [this] { m_animator->slower(); },
             QKeySequence(Qt::CTRL | Qt::Key_Minus)},
            {"Faster", tr("Faster").toUtf8().constData(), [this] { m_animator->faster(); },
             QKeySequence(Qt::CTRL | Qt::Key_Plus)},
            {"Restart", tr("Restart").toUtf8().constData(), [this] { m_animator->restart(); },
             QKeySequence(Qt::CTRL | Qt::Key_R)},
        });
    // The frequency response of the same boxes, in a window of its own; a click on its curve
    // sets f and plots again. Its caption is the window's title, translated with it.
    display::addMenuCommands(
        menuBar(), this,
        {{"Resonance",
          QCoreApplication::translate("kel::resonance::ResonanceWindow", "Resonance Curve")
              .toUtf8()
              .constData(),
          [this] { showResonanceCurve(); }, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R)}});
    // Ctrl with the key of '+' unshifted, as most keyboards type it.
    if (auto *faster = findChild<QAction *>("Faster"))
        faster->setShortcuts(
            {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
}

} // namespace kel::phasor
