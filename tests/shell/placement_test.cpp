// SPDX-License-Identifier: GPL-3.0-or-later
#include "lab/labwindow.h"
#include "shell/mainmenu.h"
#include "support/scripteddialogs.h"

#include <gtest/gtest.h>

#include <QPushButton>

TEST(Placement, TheLabWindowOpensBesideTheMainMenuAndStaysWhereTheUserPutsIt)
{
    kel::testing::ScriptedDialogs dialogs;
    kel::shell::MainMenu menu(dialogs);
    menu.move(0, 0);
    menu.show();
    menu.findChild<QPushButton *>("Command1")->click();
    auto *lab = menu.labWindow();
    ASSERT_NE(lab, nullptr);
    // Beside, below or at least offset: never exactly over the main menu.
    EXPECT_NE(lab->frameGeometry().topLeft(), menu.frameGeometry().topLeft());
    lab->move(123, 45);
    menu.findChild<QPushButton *>("Command13")->click();
    EXPECT_EQ(lab->pos(), QPoint(123, 45));
}
