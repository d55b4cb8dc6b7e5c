// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the lab window as a student sees it at its default size, with the pointer
// over the graph: lab-<command>.png for a few circuits, then
// lab-keyboard.png (the driven RLC circuit with all three curves, its legend, and the graph
// focused with the keyboard cursor moved) and lab-keyboard-export.png (its exported picture
// with the cursor included), and lab-dashed.png (a slow source, whose dashed curve lies
// beside the solid charge of the same colour), then the numbered axes of lab-axes-*.png and
// lab-reference.png.
#include "screenshots.h"

#include "display/picturearea.h"
#include "lab/core/circuitlaunchers.h"
#include "lab/labwindow.h"
#include "support/scripteddialogs.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QTest>

namespace kel::screenshots
{

namespace
{

// The damped RLC circuit's charge and current with numbered axes at the scale 0 to 100 s
// (lab-axes-0-100.png), at 10 to 20 s, where the frame's own ticks fall outside
// (lab-axes-10-20.png), and with a reference one damped period before the read-out
// (lab-reference.png).
int numberedAxes(kel::testing::ScriptedDialogs &dialogs, const QDir &folder)
{
    kel::lab::LabWindow window(dialogs);
    window.applyConfiguration(*kel::lab::launcherConfiguration(5));
    for (const char *name : {"Charge", "Current"})
        window.findChild<QCheckBox *>(name)->setChecked(true);
    window.plotGraphs();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    QApplication::processEvents();
    window.grab().save(folder.filePath(QStringLiteral("lab-axes-0-100.png")));
    // t = 5 s and one damped period (2π/√(0.01 − 0.0025) ≈ 72.55 s) later.
    QWidget *graph = window.graphArea();
    const auto at = [graph](double t) {
        return QPoint(static_cast<int>(graph->width() * t / 100), graph->height() / 2);
    };
    QTest::mouseClick(graph, Qt::LeftButton, {}, at(5));
    window.markReference();
    QTest::mouseClick(graph, Qt::LeftButton, {}, at(77.55));
    QApplication::processEvents();
    window.grab().save(folder.filePath(QStringLiteral("lab-reference.png")));
    window.setGraphScale({10, 20, 10, -10});
    window.clearGraphs();
    window.plotGraphs();
    QApplication::processEvents();
    window.grab().save(folder.filePath(QStringLiteral("lab-axes-10-20.png")));
    return 0;
}

} // namespace

int labWindow(const QDir &folder)
{
    kel::testing::ScriptedDialogs dialogs;
    for (int command : {1, 5, 13}) {
        kel::lab::LabWindow window(dialogs);
        window.applyConfiguration(*kel::lab::launcherConfiguration(command));
        for (const char *name : {"Charge", "Current"})
            window.findChild<QCheckBox *>(name)->setChecked(true);
        window.plotGraphs();
        if (!QTest::qWaitForWindowExposed(&window))
            return 1;
        QWidget *graph = window.graphArea();
        QTest::mouseMove(graph, QPoint(graph->width() * 3 / 4, graph->height() / 3));
        QTest::mouseClick(graph, Qt::LeftButton, {}, QPoint(graph->width() / 2, 20));
        window.showPointerAt(-12.3456f, -0.000123456f); // the longest pointer texts
        QApplication::processEvents();
        window.grab().save(folder.filePath(QStringLiteral("lab-%1.png").arg(command)));
    }
    kel::lab::LabWindow window(dialogs);
    window.applyConfiguration(*kel::lab::launcherConfiguration(13));
    for (const char *name : {"Charge", "Current", "Voltage"})
        window.findChild<QCheckBox *>(name)->setChecked(true);
    window.plotGraphs();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    window.activateWindow();
    kel::display::PictureArea *graph = window.graphArea();
    graph->setFocus();
    for (Qt::Key key : {Qt::Key_Right, Qt::Key_PageDown, Qt::Key_PageDown, Qt::Key_Left})
        QTest::keyClick(graph, key);
    QApplication::processEvents();
    window.grab().save(folder.filePath(QStringLiteral("lab-keyboard.png")));
    window.findChild<QAction *>("ExportCursor")->trigger();
    window.pictures()
        .image(window.pictureScale())
        .save(folder.filePath(QStringLiteral("lab-keyboard-export.png")));
    window.clearGraphs();
    window.findChild<QLineEdit *>("f0")->setText(QStringLiteral("0.05"));
    window.findChild<QCheckBox *>("Current")->setChecked(false);
    window.plotGraphs();
    QApplication::processEvents();
    window.grab().save(folder.filePath(QStringLiteral("lab-dashed.png")));
    return numberedAxes(dialogs, folder);
}

} // namespace kel::screenshots
