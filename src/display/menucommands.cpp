// SPDX-License-Identifier: GPL-3.0-or-later
#include "menucommands.h"

#include <QAction>
#include <QWidget>

namespace kel::display
{

void addMenuCommands(QWidget *menu, QWidget *window, std::initializer_list<MenuCommand> commands)
{
    for (const MenuCommand &command : commands) {
        auto *action = new QAction(QString::fromUtf8(command.caption), window);
        action->setObjectName(command.name);
        menu->addAction(action);
        if (!command.shortcut.isEmpty()) {
            action->setShortcut(command.shortcut);
            window->addAction(action);
        }
        if (command.run)
            QObject::connect(action, &QAction::triggered, window, command.run);
    }
}

} // namespace kel::display
