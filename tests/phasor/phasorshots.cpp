// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the phasor window for a person to look at: phasor_shots DIR writes
// phasors-key.png (the named colour key) and phasors-cursor.png (the time plot focused, its
// keyboard cursor moved on by Shift+Right from the marker).
#include "display/picturearea.h"
#include "phasor/phasorswindow.h"
#include "support/scripteddialogs.h"

#include <QApplication>
#include <QScrollBar>
#include <QTest>

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    kel::testing::ScriptedDialogs dialogs;
    kel::phasor::PhasorsWindow window(dialogs);
    window.show();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window))
        return 1;
    window.findChild<QScrollBar *>("TimeSc")->setValue(40);
    window.grab().save(dir + QStringLiteral("/phasors-key.png"));
    window.plotArea()->setFocus();
    QTest::keyClick(window.plotArea(), Qt::Key_Right, Qt::ShiftModifier);
    window.grab().save(dir + QStringLiteral("/phasors-cursor.png"));
    return 0;
}
