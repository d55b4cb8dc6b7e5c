// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessibletree.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

namespace kel::testing
{

namespace
{

void walk(QAccessibleInterface *node, std::vector<AccessibleObject> &out, int depth)
{
    // Deep enough for any window here; a cycle in the tree must not hang the test.
    if (!node || depth > 64)
        return;
    // The items of a menu that is not popped up count as invisible; only a hidden action is.
    if (const auto *action = qobject_cast<QAction *>(node->object())) {
        if (!action->isVisible())
            return;
    } else if (node->state().invisible) {
        return;
    }
    out.push_back({node->object() ? node->object()->objectName() : QString(), node->role(),
                   node->text(QAccessible::Name), node->text(QAccessible::Description),
                   static_cast<bool>(node->state().focusable)});
    for (int i = 0; i < node->childCount(); ++i)
        walk(node->child(i), out, depth + 1);
}

QString describe(const AccessibleObject &o)
{
    return QStringLiteral("%1 (role %2)").arg(o.objectName).arg(static_cast<int>(o.role));
}

} // namespace

std::vector<AccessibleObject> accessibleObjects(QWidget *window)
{
    std::vector<AccessibleObject> out;
    walk(QAccessible::queryAccessibleInterface(window), out, 0);
    // Menus are windows of their own and are not in the tree until they pop up.
    for (QMenu *menu : window->findChildren<QMenu *>()) {
        QAccessibleInterface *node = QAccessible::queryAccessibleInterface(menu);
        for (int i = 0; node && i < node->childCount(); ++i)
            walk(node->child(i), out, 1);
    }
    return out;
}

QStringList unnamedFocusables(QWidget *window)
{
    QStringList unnamed;
    for (const AccessibleObject &o : accessibleObjects(window))
        if (o.focusable && o.role != QAccessible::MenuItem && o.name.trimmed().isEmpty())
            unnamed << describe(o);
    return unnamed;
}

QStringList unnamedMenuItems(QWidget *window)
{
    QStringList unnamed;
    for (const AccessibleObject &o : accessibleObjects(window))
        if (o.role == QAccessible::MenuItem && o.name.trimmed().isEmpty())
            unnamed << describe(o);
    return unnamed;
}

} // namespace kel::testing
