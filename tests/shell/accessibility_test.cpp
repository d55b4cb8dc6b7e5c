// SPDX-License-Identifier: GPL-3.0-or-later
// The main menu, the About box and the Equations window as a screen reader finds them:
// every focusable object and every menu item named, through Qt's accessibility interfaces.
#include "about/aboutkel.h"
#include "lab/equationswindow.h"
#include "shell/mainmenu.h"
#include "support/accessibletree.h"
#include "support/qtprinters.h"
#include "support/scripteddialogs.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QTest>

namespace
{

QString accessibleName(QObject *object)
{
    QAccessibleInterface *node = QAccessible::queryAccessibleInterface(object);
    return node ? node->text(QAccessible::Name) : QString();
}

TEST(Accessibility, MainMenuNamesEveryControlAndItsPicture)
{
    kel::testing::ScriptedDialogs dialogs;
    kel::shell::MainMenu menu(dialogs);
    menu.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&menu));
    EXPECT_EQ(kel::testing::unnamedFocusables(&menu), QStringList());
    EXPECT_EQ(kel::testing::unnamedMenuItems(&menu), QStringList());
    EXPECT_EQ(accessibleName(menu.findChild<QWidget *>("Picture1")),
              "Series circuit: EMF source E, resistor R, capacitor C and inductor L");
    // Fourteen buttons, and the walk reaches them.
    int buttons = 0;
    for (const auto &o : kel::testing::accessibleObjects(&menu))
        buttons += o.role == QAccessible::Button && o.focusable;
    EXPECT_EQ(buttons, 14);
}

TEST(Accessibility, AboutBoxAndEquationsWindowNameEveryControl)
{
    kel::testing::ScriptedDialogs dialogs;
    auto *about = new kel::about::AboutKel(dialogs);
    about->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(about));
    EXPECT_EQ(kel::testing::unnamedFocusables(about), QStringList());
    EXPECT_EQ(kel::testing::unnamedMenuItems(about), QStringList());
    delete about;

    kel::lab::EquationsWindow equations(dialogs);
    equations.showCircuit(kel::solutions::CircuitKind::DrivenRlc,
                          [](kel::solutions::Parameter) { return QStringLiteral("1"); });
    equations.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&equations));
    EXPECT_EQ(kel::testing::unnamedFocusables(&equations), QStringList());
    int focusable = 0;
    for (const auto &o : kel::testing::accessibleObjects(&equations))
        focusable += o.focusable;
    EXPECT_GE(focusable, 2) << "the text and Copy as LaTeX";
}

} // namespace
