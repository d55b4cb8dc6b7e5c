// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the Energy window for a person to look at (not run as a test): energy_shots
// <folder> writes energy-en.png and energy-es.png, the underdamped RLC circuit without a
// source over 0..100 s, read out at a third of the range.
#include "display/picturearea.h"
#include "energy/energysession.h"
#include "energy/energywindow.h"
#include "lab/core/circuitlaunchers.h"
#include "lab/core/labsession.h"
#include "shell/languages.h"
#include "support/scripteddialogs.h"

#include <QApplication>
#include <QDir>
#include <QTest>

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
    kel::testing::ScriptedDialogs dialogs;
    kel::shell::Languages languages;
    for (const char *language : {"en", "es"}) {
        languages.install(QString::fromLatin1(language));
        kel::lab::LabSession lab;
        lab.applyConfiguration(*kel::lab::launcherConfiguration(5));
        lab.setScale({0, 100, 10, -10});
        kel::energy::EnergySession session(lab);
        kel::energy::EnergyWindow window(session, dialogs);
        session.refresh();
        window.resize(760, 520);
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            return 1;
        kel::display::PictureArea *picture = window.picture();
        QTest::mouseClick(picture, Qt::LeftButton, {},
                          QPoint(picture->width() / 3, picture->height() / 2));
        QApplication::processEvents();
        window.grab().save(folder.filePath(QStringLiteral("energy-%1.png").arg(language)));
    }
    return 0;
}
