// SPDX-License-Identifier: GPL-3.0-or-later
#include "axisnumbersoption.h"

#include "picturearea.h"

#include <QAction>
#include <QCoreApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QSettings>

namespace kel::display
{

namespace
{

constexpr auto kSettingKey = "view/axisNumbers";

} // namespace

bool axisNumbersSetting()
{
    return QSettings().value(kSettingKey, true).toBool();
}

QAction *addAxisNumbersOption(QMainWindow *window, std::vector<PictureArea *> areas)
{
    auto *view = window->menuBar()->findChild<QMenu *>("View", Qt::FindDirectChildrenOnly);
    if (!view) {
        view = window->menuBar()->addMenu(
            QCoreApplication::translate("kel::display::AxisNumbers", "View"));
        view->setObjectName("View");
        view->menuAction()->setObjectName("View");
    }
    QAction *option =
        view->addAction(QCoreApplication::translate("kel::display::AxisNumbers", "Axis Numbers"));
    option->setObjectName("AxisNumbers");
    option->setCheckable(true);
    const bool shown = axisNumbersSetting();
    option->setChecked(shown);
    std::vector<QPointer<PictureArea>> watched(areas.begin(), areas.end());
    for (PictureArea *area : areas)
        area->setAxesShown(shown);
    QObject::connect(option, &QAction::toggled, window, [watched](bool on) {
        QSettings().setValue(kSettingKey, on);
        for (const QPointer<PictureArea> &area : watched)
            if (area)
                area->setAxesShown(on);
    });
    return option;
}

} // namespace kel::display
