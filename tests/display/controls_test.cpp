// SPDX-License-Identifier: GPL-3.0-or-later
// The control semantics the windows rely on, as Qt provides them.
#include "display/dialogs.h"
#include "display/twiplayout.h"
#include "support/scripteddialogs.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QScrollBar>

TEST(Controls, TextBoxRunsItsChangeHandlerOnlyForADifferentText)
{
    QLineEdit box("100");
    int changes = 0;
    QObject::connect(&box, &QLineEdit::textChanged, [&] { ++changes; });
    box.setText("100");
    EXPECT_EQ(changes, 0);
    box.setText("50");
    EXPECT_EQ(changes, 1);
}

TEST(Controls, CheckBoxAndScrollBarRunTheirHandlersWhenSetByProgram)
{
    QCheckBox box;
    int clicks = 0;
    QObject::connect(&box, &QCheckBox::toggled, [&] { ++clicks; });
    box.setChecked(false);
    EXPECT_EQ(clicks, 0);
    box.setChecked(true);
    EXPECT_EQ(clicks, 1);

    QScrollBar bar(Qt::Horizontal);
    bar.setRange(0, 200);
    int moves = 0;
    QObject::connect(&bar, &QScrollBar::valueChanged, [&] { ++moves; });
    bar.setValue(0);
    EXPECT_EQ(moves, 0);
    bar.setValue(40);
    EXPECT_EQ(moves, 1);
}

TEST(Controls, TwipLayoutScalesTheArrangementWithTheWindow)
{
    QWidget container;
    kel::display::TwipLayout layout(&container, QSize(1500, 1500));
    QWidget child(&container);
    layout.place(&child, 150, 300, 750, 150);
    container.resize(layout.designPixels());
    layout.apply();
    const double k = container.logicalDpiX() / 1440.0;
    EXPECT_EQ(child.geometry(),
              QRect(qRound(150 * k), qRound(300 * k), qRound(750 * k), qRound(150 * k)));
    container.resize(layout.designPixels() * 2);
    layout.apply();
    EXPECT_DOUBLE_EQ(layout.factor(), 2.0);
    EXPECT_EQ(child.x(), qRound(300 * k));
}

TEST(Controls, ScriptedDialogsRecordAndAnswer)
{
    kel::testing::ScriptedDialogs script;
    script.queueInput("");
    script.queueMessage(kel::display::MessageAnswer::Cancel);
    kel::display::Dialogs &dialogs = script;
    EXPECT_EQ(dialogs.input("p", "t", "d"), "");
    EXPECT_EQ(dialogs.input("p", "t", "d"), "d");
    EXPECT_EQ(dialogs.message("m", "t", kel::display::MessageButtons::OkCancel),
              kel::display::MessageAnswer::Cancel);
    ASSERT_EQ(script.calls().size(), 3u);
    EXPECT_EQ(script.messages().size(), 1u);
}
