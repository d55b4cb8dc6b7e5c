// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the Experiment and View menus for a person to look at: lab-experiment.png,
// lab-view.png and phasor-experiment.png, each with its menu bar (-bar.png).
#include "screenshots.h"

#include "display/experimentmenu.h"
#include "lab/core/circuitlaunchers.h"
#include "lab/labwindow.h"
#include "phasor/phasorswindow.h"
#include "support/scripteddialogs.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>

namespace kel::screenshots
{

int experimentMenus(const QDir &folder)
{
    const QString dir = folder.path();
    kel::testing::ScriptedDialogs dialogs;
    kel::lab::LabWindow lab(dialogs);
    lab.applyConfiguration(*kel::lab::launcherConfiguration(13));
    kel::phasor::PhasorsWindow phasors(dialogs);
    phasors.show();
    const auto shoot = [&dir](QMainWindow &window, const char *menuName, const QString &file) {
        auto *menu = window.findChild<QMenu *>(menuName);
        if (!menu)
            return;
        window.menuBar()->grab().save(dir + QStringLiteral("/") + file +
                                      QStringLiteral("-bar.png"));
        menu->popup(window.mapToGlobal(QPoint(0, 0)));
        QApplication::processEvents();
        menu->grab().save(dir + QStringLiteral("/") + file + QStringLiteral(".png"));
        menu->hide();
    };
    shoot(lab, "Experiment", QStringLiteral("lab-experiment"));
    shoot(lab, "View", QStringLiteral("lab-view"));
    shoot(phasors, "Experiment", QStringLiteral("phasor-experiment"));
    return 0;
}

} // namespace kel::screenshots
