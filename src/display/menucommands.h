// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeySequence>

#include <functional>
#include <initializer_list>

class QAction;
class QWidget;

namespace kel::display
{

// A command of a menu bar or of a drop-down menu. A command without `run` is a spacer.
struct MenuCommand {
    const char *name; // the action's objectName
    const char *caption;
    std::function<void()> run;
    QKeySequence shortcut = {};
};

// Adds the commands, in order, to `menu` (a menu bar or a drop-down menu) as actions owned by
// `window`. Each is also added to the window itself, so that its shortcut works while a
// drop-down menu is closed.
void addMenuCommands(QWidget *menu, QWidget *window, std::initializer_list<MenuCommand> commands);

// Makes a menu bar command that only spaces the others apart keep its room and look but
// take no part: disabled, so the keyboard passes over it, and a separator to screen readers
// rather than a menu item without a name.
void makeMenuSpacer(QAction *action);

} // namespace kel::display
