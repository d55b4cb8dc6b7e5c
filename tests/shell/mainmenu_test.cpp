// SPDX-License-Identifier: GPL-3.0-or-later
// The main menu driven through its real widgets: layout, load step, launchers, About, Quit.
#include "about/aboutkel.h"
#include "lab/labwindow.h"
#include "shell/mainmenu.h"
#include "solutions/pi.h"
#include "support/scripteddialogs.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <functional>

using kel::shell::MainMenu;

namespace
{

// A fresh main menu with scripted dialogs, shown and at its designed size.
struct FreshMenu {
    FreshMenu()
    {
        menu.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&menu));
    }
    kel::testing::ScriptedDialogs dialogs;
    MainMenu menu{dialogs};
};

// The pixel rectangle that a twips rectangle occupies at the designed size.
QRect pixels(const QWidget &w, int left, int top, int width, int height)
{
    const double k = w.logicalDpiX() / 1440.0;
    const int x = static_cast<int>(std::lround(left * k));
    const int y = static_cast<int>(std::lround(top * k));
    return {x, y, static_cast<int>(std::lround((left + width) * k)) - x,
            static_cast<int>(std::lround((top + height) * k)) - y};
}

struct ButtonRow {
    const char *name, *caption, *tooltip;
    int left, top;
    int circuitKind; // what its launcher sets; 0 for the two that launch no circuit
};

const ButtonRow kButtons[] = {
    {"Command1", "RC Circuits", "To study only RC circuits with no emf source", 2160, 3360, 1},
    {"Command3", "RL Circuits", "To study only RL circuits with no emf source", 2160, 3960, 2},
    {"Command4", "LC Circuits", "To study only LC circuits with no emf source", 2160, 4560, 3},
    {"Command5", "Kel Circuits", "To study only Kel circuits with no emf source", 2160, 5160, 4},
    {"Command6", "RC Circuits", "To study only RC circuits with a constant (DC) emf source", 3960,
     3360, 1},
    {"Command7", "RL Circuits", "To study only RL circuits with a constant (DC) emf source", 3960,
     3960, 2},
    {"Command8", "LC Circuits", "To study only LC circuits with a constant (DC) emf source", 3960,
     4560, 3},
    {"Command9", "Kel Circuits", "To study only Kel circuits with a constant (DC) emf source", 3960,
     5160, 4},
    {"Command10", "RC Circuits", "To study only RC circuits with an alternating emf source", 5760,
     3360, 6},
    {"Command11", "RL Circuits", "To study only RL circuits with an alternating emf source", 5760,
     3960, 7},
    {"Command12", "LC Circuits", "To study only LC circuits with an alternating emf source", 5760,
     4560, 5},
    {"Command13", "Kel Circuits", "To study only Kel circuits with an alternating emf source", 5760,
     5160, 8},
    {"Command14", "Phasors", "Brings up tool for studying phasor diagrams and phase relations",
     5760, 5760, 0},
    {"Command2", "Quit", "Quits the Program!", 7560, 5760, 0},
};

QPushButton *button(MainMenu &menu, const char *name)
{
    auto *b = menu.findChild<QPushButton *>(name);
    EXPECT_NE(b, nullptr) << name;
    return b;
}

QAction *aboutCommand(MainMenu &menu)
{
    for (QAction *a : menu.menuBar()->actions())
        if (a->objectName() == "About")
            return a;
    return nullptr;
}

int visibleTopLevels(const QString &name)
{
    int n = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible())
            ++n;
    return n;
}

// Runs the event loop with `action` as its first event; the loop must end within a few
// seconds. Returns the loop's exit code (-1 when it had to be stopped).
int runLoopWith(const std::function<void()> &action)
{
    QTimer::singleShot(0, action);
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(-1); });
    guard.start(5000);
    return QApplication::exec();
}

} // namespace

TEST(MainMenu, ButtonsHaveTheirCaptionsTooltipsAndPlaces)
{
    FreshMenu fresh;
    MainMenu &menu = fresh.menu;
    QWidget *client = menu.centralWidget();
    EXPECT_EQ(client->size(), pixels(*client, 0, 0, 9015, 6375).size());
    for (const ButtonRow &row : kButtons) {
        QPushButton *b = button(menu, row.name);
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->text(), row.caption) << row.name;
        EXPECT_EQ(b->toolTip(), row.tooltip) << row.name;
        EXPECT_EQ(b->geometry(), pixels(*client, row.left, row.top, 1335, 495)) << row.name;
        EXPECT_TRUE(b->isVisible()) << row.name;
    }
}

TEST(MainMenu, TitleHeadingsPictureAndAboutCommand)
{
    FreshMenu fresh;
    MainMenu &menu = fresh.menu;
    EXPECT_EQ(menu.objectName(), "kel_main");
    EXPECT_EQ(menu.windowTitle(), "Kel Lab for Dax 202");
    QWidget *client = menu.centralWidget();
    const struct {
        const char *name, *caption;
        double points;
        int left, top, width;
    } labels[] = {{"Label1", "Kel Circuit Lab", 14.25, 3240, 360, 2535},
                  {"Label3", "No EMF Source", 9.75, 1920, 3000, 1815},
                  {"Label2", "DC Source", 9.75, 3720, 3000, 1815},
                  {"Label4", "AC Source", 9.75, 5520, 3000, 1815}};
    for (const auto &l : labels) {
        auto *label = menu.findChild<QLabel *>(l.name);
        ASSERT_NE(label, nullptr) << l.name;
        EXPECT_EQ(label->text(), l.caption);
        EXPECT_EQ(label->geometry(), pixels(*client, l.left, l.top, l.width, 375)) << l.name;
        EXPECT_TRUE(label->alignment() & Qt::AlignHCenter) << l.name;
        EXPECT_EQ(label->font().family(), "Arial");
        EXPECT_TRUE(label->font().bold());
        EXPECT_DOUBLE_EQ(label->font().pointSizeF(), l.points) << l.name;
    }
    auto *picture = menu.findChild<QWidget *>("Picture1");
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->geometry(), pixels(*client, 2520, 840, 4050, 1860));

    QAction *about = aboutCommand(menu);
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->text(), "About");
    EXPECT_EQ(about->menu(), nullptr); // a command on the bar itself, no drop-down
}

TEST(MainMenu, TheLabStartsWithTheDefaultGraphScaleAndPiInSinglePrecision)
{
    FreshMenu fresh;
    EXPECT_EQ(fresh.menu.labWindow(), nullptr); // created on first use
    QTest::mouseClick(button(fresh.menu, "Command4"), Qt::LeftButton);
    ASSERT_NE(fresh.menu.labWindow(), nullptr);
    const kel::lab::GraphScale &scale = fresh.menu.labWindow()->session().scale();
    EXPECT_EQ(scale.x1, 0);
    EXPECT_EQ(scale.x2, 100);
    EXPECT_EQ(scale.y1, 10);
    EXPECT_EQ(scale.y2, -10);
    EXPECT_EQ(static_cast<double>(kel::solutions::Pi), 3.1415927410125732);
}

TEST(MainMenu, EachCircuitButtonOpensTheLabWithItsCircuit)
{
    FreshMenu fresh;
    MainMenu &menu = fresh.menu;
    for (const ButtonRow &row : kButtons) {
        if (row.circuitKind == 0)
            continue;
        QTest::mouseClick(button(menu, row.name), Qt::LeftButton);
        ASSERT_NE(menu.labWindow(), nullptr);
        EXPECT_EQ(kel::lab::caseNumber(menu.labWindow()->session().circuitKind()), row.circuitKind)
            << row.name;
        EXPECT_EQ(visibleTopLevels("rc"), 1) << row.name;
    }
}

TEST(MainMenu, PhasorsButtonShowsOnePhasorWindow)
{
    FreshMenu fresh;
    MainMenu &menu = fresh.menu;
    QTest::mouseClick(button(menu, "Command14"), Qt::LeftButton);
    QTest::mouseClick(button(menu, "Command14"), Qt::LeftButton);
    EXPECT_EQ(visibleTopLevels("Phasors"), 1);
    EXPECT_TRUE(menu.isVisible());
}

TEST(MainMenu, AboutShowsOneNonModalAboutWindow)
{
    FreshMenu fresh;
    MainMenu &menu = fresh.menu;
    aboutCommand(menu)->trigger();
    kel::about::AboutKel *about = menu.aboutWindow();
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    EXPECT_FALSE(about->isModal());
    aboutCommand(menu)->trigger();
    EXPECT_EQ(menu.aboutWindow(), about);
    EXPECT_EQ(visibleTopLevels("AboutKel"), 1);
}

TEST(MainMenu, QuitClosesEveryWindowAndEndsTheProgram)
{
    FreshMenu fresh;
    MainMenu &menu = fresh.menu;
    QTest::mouseClick(button(menu, "Command13"), Qt::LeftButton);
    QTest::mouseClick(button(menu, "Command14"), Qt::LeftButton);
    aboutCommand(menu)->trigger();
    ASSERT_EQ(visibleTopLevels("rc"), 1);
    ASSERT_EQ(visibleTopLevels("AboutKel"), 1);

    QSignalSpy quitting(qApp, &QCoreApplication::aboutToQuit);
    const int code =
        runLoopWith([&] { QTest::mouseClick(button(menu, "Command2"), Qt::LeftButton); });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(quitting.count(), 1);
    for (QWidget *w : QApplication::topLevelWidgets())
        EXPECT_FALSE(w->isVisible()) << w->objectName().toStdString();
}

TEST(MainMenu, ClosingTheFrameEndsTheProgramToo)
{
    FreshMenu fresh;
    MainMenu &menu = fresh.menu;
    QTest::mouseClick(button(menu, "Command1"), Qt::LeftButton);
    QSignalSpy quitting(qApp, &QCoreApplication::aboutToQuit);
    const int code = runLoopWith([&] { menu.close(); });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(quitting.count(), 1);
    EXPECT_EQ(visibleTopLevels("rc"), 0);
}
