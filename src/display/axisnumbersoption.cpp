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

QAction *addAxisNumbersOption(QMainWindow *window, QObject *receiver,
                              std::function<void(bool)> show)
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
    show(shown);
    QObject::connect(option, &QAction::toggled, receiver, [show = std::move(show)](bool on) {
        QSettings().setValue(kSettingKey, on);
        show(on);
    });
    return option;
}

QAction *addAxisNumbersOption(QMainWindow *window, std::vector<PictureArea *> areas)
{
    std::vector<QPointer<PictureArea>> watched(areas.begin(), areas.end());
    return addAxisNumbersOption(window, window, [watched](bool on) {
        for (const QPointer<PictureArea> &area : watched)
            if (area)
                area->setAxesShown(on);
    });
}

} // namespace kel::display
