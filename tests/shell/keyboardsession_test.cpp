// SPDX-License-Identifier: GPL-3.0-or-later
// A whole session by keyboard alone: not one mouse event from the start of the program to the
// phasor window's time bar.
#include "display/picturearea.h"
#include "lab/labwindow.h"
#include "phasor/phasorswindow.h"
#include "shell/mainmenu.h"
#include "support/qtprinters.h"
#include "support/scripteddialogs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

namespace
{

// Counts every mouse event the application delivers.
class MouseWatch final : public QObject
{
public:
    MouseWatch() { qApp->installEventFilter(this); }
    ~MouseWatch() override { qApp->removeEventFilter(this); }
    MouseWatch(const MouseWatch &) = delete;
    MouseWatch &operator=(const MouseWatch &) = delete;
    int count = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
            ++count;
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }
};

QString focusName()
{
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget *target = QApplication::focusWidget();
    ASSERT_NE(target, nullptr);
    QTest::keyClick(target, key, modifiers);
}

// Tab until the control named `name` has the focus, as a user would; fails after a whole
// round of the window without it.
void tabTo(QWidget *window, const char *name)
{
    if (!QApplication::focusWidget())
        QTest::keyClick(window, Qt::Key_Tab);
    for (int i = 0; i < 60 && focusName() != QLatin1String(name); ++i)
        press(Qt::Key_Tab);
    ASSERT_EQ(focusName(), name);
}

void activate(QWidget *window)
{
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
}

TEST(KeyboardSession, CircuitValuesPlotCursorAndPhasorsWithoutTheMouse)
{
    const MouseWatch mouse;
    kel::testing::ScriptedDialogs dialogs;
    kel::shell::MainMenu menu(dialogs);
    menu.show();
    activate(&menu);

    // The driven RLC circuit: its button and Space.
    tabTo(&menu, "Command13");
    press(Qt::Key_Space);
    kel::lab::LabWindow *lab = menu.labWindow();
    ASSERT_NE(lab, nullptr);
    ASSERT_TRUE(lab->isVisible());
    activate(lab);

    tabTo(lab, "R");
    press(Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), "20");
    EXPECT_EQ(lab->findChild<QLineEdit *>("R")->text(), "20");
    for (const char *curve : {"Charge", "Current"}) {
        tabTo(lab, curve);
        if (!lab->findChild<QCheckBox *>(curve)->isChecked())
            press(Qt::Key_Space);
        EXPECT_TRUE(lab->findChild<QCheckBox *>(curve)->isChecked()) << curve;
    }
    dialogs.clear();
    press(Qt::Key_F5); // Plot Graphs
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_GT(lab->graphArea()->operations().size(), 400U);

    // The graph's cursor reads out where it stands, as a click there does.
    tabTo(lab, "Picture1");
    press(Qt::Key_Right);
    const std::optional<float> x = lab->graphArea()->cursorX();
    ASSERT_TRUE(x);
    const QStringList readOut{lab->findChild<QLineEdit *>("Time")->text(),
                              lab->findChild<QLineEdit *>("qq")->text(),
                              lab->findChild<QLineEdit *>("ii")->text()};
    for (const QString &text : readOut)
        EXPECT_FALSE(text.trimmed().isEmpty());
    lab->readOutAt(1, 0, *x, 0);
    EXPECT_EQ(QStringList({lab->findChild<QLineEdit *>("Time")->text(),
                           lab->findChild<QLineEdit *>("qq")->text(),
                           lab->findChild<QLineEdit *>("ii")->text()}),
              readOut);

    // Back to the menu for the phasor window, and one step of its time bar.
    activate(&menu);
    tabTo(&menu, "Command14");
    press(Qt::Key_Space);
    kel::phasor::PhasorsWindow *phasors = menu.phasorsWindow();
    ASSERT_NE(phasors, nullptr);
    activate(phasors);
    tabTo(phasors, "TimeSc");
    const QString amplitude = phasors->findChild<QLineEdit *>("VRmax")->text();
    const QString value = phasors->findChild<QLineEdit *>("vrt")->text();
    press(Qt::Key_Right);
    EXPECT_EQ(phasors->findChild<QScrollBar *>("TimeSc")->value(), 10);
    EXPECT_EQ(phasors->findChild<QLineEdit *>("t2")->text(), "0.025");
    EXPECT_EQ(phasors->findChild<QLineEdit *>("VRmax")->text(), amplitude);
    EXPECT_NE(phasors->findChild<QLineEdit *>("vrt")->text(), value);
    // And on to its time plot, whose cursor keys step the time as well.
    tabTo(phasors, "Picture1");
    press(Qt::Key_Right);
    EXPECT_EQ(phasors->findChild<QScrollBar *>("TimeSc")->value(), 11);
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_EQ(mouse.count, 0);
}

} // namespace
