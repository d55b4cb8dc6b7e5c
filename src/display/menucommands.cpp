// SPDX-License-Identifier: GPL-3.0-or-later
#include "menucommands.h"

#include <QAccessible>
#include <QAction>
#include <QMenuBar>
#include <QWidget>

namespace kel::display
{

namespace
{

// What screen readers get for a spacer: a separator that is never shown or pressed. A real
// separator action would lose the room the spacer takes in the menu bar.
class SpacerAccessible : public QAccessibleInterface
{
public:
    explicit SpacerAccessible(QAction *action) : m_action(action) {}

    bool isValid() const override { return m_action != nullptr; }
    QObject *object() const override { return m_action; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *parent() const override
    {
        const QList<QObject *> owners = m_action->associatedObjects();
        return owners.isEmpty() ? nullptr : QAccessible::queryAccessibleInterface(owners.front());
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text) const override { return {}; }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override
    {
        for (QObject *owner : m_action->associatedObjects())
            if (auto *bar = qobject_cast<QMenuBar *>(owner))
                return bar->actionGeometry(m_action).translated(bar->mapToGlobal(QPoint(0, 0)));
        return {};
    }
    QAccessible::Role role() const override { return QAccessible::Separator; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.disabled = true;
        s.invisible = true;
        return s;
    }

private:
    QAction *m_action;
};

} // namespace

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

// NOLINTBEGIN(clang-analyzer-cplusplus.NewDeleteLeaks): the cache owns the interface
void makeMenuSpacer(QAction *action)
{
    action->setEnabled(false);
    // An interface made for it before (as a menu item) gives way; the accessibility cache owns
    // the new one and deletes it with the action.
    if (QAccessibleInterface *before = QAccessible::queryAccessibleInterface(action))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(before));
    QAccessible::registerAccessibleInterface(new SpacerAccessible(action));
}
// NOLINTEND(clang-analyzer-cplusplus.NewDeleteLeaks)

} // namespace kel::display
