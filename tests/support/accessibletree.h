// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>
#include <QString>
#include <QStringList>

#include <vector>

class QWidget;

namespace kel::testing
{

// One object of a window's accessible tree as a screen reader is told of it.
struct AccessibleObject {
    QString objectName;
    QAccessible::Role role = QAccessible::NoRole;
    QString name;
    QString description;
    bool focusable = false;
};

// The objects of `window`'s accessible tree that are not invisible, depth first, and the
// items of every menu the window holds.
std::vector<AccessibleObject> accessibleObjects(QWidget *window);

// "objectName (role)" for every focusable object and every menu item (separators aside)
// that has no accessible name.
QStringList unnamedFocusables(QWidget *window);
QStringList unnamedMenuItems(QWidget *window);

} // namespace kel::testing
