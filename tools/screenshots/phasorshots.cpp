// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the phasor window for a person to look at: phasors-key.png (the named colour key) and
// phasors-cursor.png (the time plot focused, its keyboard cursor moved on by Shift+Right from the
// marker), phasors-reference.png (a reference marked and the differences a period and a quarter
// later).
#include "screenshots.h"

#include "display/picturearea.h"
#include "phasor/phasorswindow.h"
#include "support/scripteddialogs.h"

#include <QApplication>
#include <QScrollBar>
#include <QTest>

namespace kel::screenshots
{

int phasorWindow(const QDir &folder)
{
    const QString dir = folder.path();
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
    // A reference at step 20, then one period of the 10 Hz source later by M and the bar.
    window.findChild<QScrollBar *>("TimeSc")->setValue(20);
    window.markReference();
    window.findChild<QScrollBar *>("TimeSc")->setValue(70);
    QApplication::processEvents();
    window.grab().save(dir + QStringLiteral("/phasors-reference.png"));
    return 0;
}

} // namespace kel::screenshots
