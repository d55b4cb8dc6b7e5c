// SPDX-License-Identifier: GPL-3.0-or-later
// Keyboard access to the main menu: shortcuts and the names screen readers announce.
#include "about/aboutkel.h"
#include "shell/mainmenu.h"
#include "support/scripteddialogs.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTest>

using kel::shell::MainMenu;

TEST(Keyboard, MainMenuButtonsAreNamedWithTheirSource)
{
    kel::testing::ScriptedDialogs dialogs;
    MainMenu menu(dialogs);
    EXPECT_EQ(menu.findChild<QPushButton *>("Command1")->accessibleName(),
              "RC Circuits, no EMF source");
    EXPECT_EQ(menu.findChild<QPushButton *>("Command9")->accessibleName(),
              "Kel Circuits, DC source");
    EXPECT_EQ(menu.findChild<QPushButton *>("Command12")->accessibleName(),
              "LC Circuits, AC source");
    // The captions themselves stay as they are.
    EXPECT_EQ(menu.findChild<QPushButton *>("Command12")->text(), "LC Circuits");
}

TEST(Keyboard, F1OpensTheAboutWindow)
{
    kel::testing::ScriptedDialogs dialogs;
    MainMenu menu(dialogs);
    menu.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&menu));
    menu.activateWindow();
    QAction *about = menu.findChild<QAction *>("About");
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->shortcut(), QKeySequence(QKeySequence::HelpContents));
    EXPECT_EQ(about->text(), "About");
    QTest::keyClick(&menu, Qt::Key_F1);
    QWidget *aboutWindow = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == "AboutKel" && w->isVisible())
            aboutWindow = w;
    EXPECT_NE(aboutWindow, nullptr);
    EXPECT_EQ(aboutWindow, static_cast<QWidget *>(menu.aboutWindow()));
    EXPECT_EQ(menu.findChild<QPushButton *>("Command2")->shortcut(),
              QKeySequence(Qt::CTRL | Qt::Key_Q));
}
