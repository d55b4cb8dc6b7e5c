// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainmenu.h"

#include "about/showabout.h"
#include "circuitlaunchers.h"
#include "circuitschematic.h"
#include "display/appicon.h"
#include "display/fonts.h"
#include "display/twiplayout.h"
#include "display/windowinstance.h"
#include "display/windowplacement.h"
#include "endprogram.h"
#include "lab/labstate.h"
#include "lab/labwindow.h"
#include "phasor/phasorswindow.h"
#include "phasor/showphasors.h"
#include "solutions/pi.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>

namespace kel::shell
{

using display::arial;

namespace
{

// Every button of the window is 1335 x 495 twips.
constexpr int kButtonWidth = 1335;
constexpr int kButtonHeight = 495;
constexpr double kButtonPointSize = 9;

} // namespace

MainMenu::MainMenu(QWidget *parent) : QMainWindow(parent)
{
    setObjectName("kel_main");
    setWindowTitle("Kel Lab for Dax 202");
    QApplication::setWindowIcon(display::appIcon());

    QAction *about = menuBar()->addAction("About");
    about->setObjectName("About");
    connect(about, &QAction::triggered, this, &MainMenu::About_Click);

    m_client = new QWidget(this);
    m_client->setObjectName("client");
    setCentralWidget(m_client);
    m_layout = new display::TwipLayout(m_client, designTwips());

    addLabel("Label1", "Kel Circuit Lab", 14.25, 3240, 360, 2535, 375);
    auto *picture = new CircuitSchematic(m_client);
    picture->setObjectName("Picture1");
    m_layout->place(picture, 2520, 840, 4050, 1860);

    addLabel("Label3", "No EMF Source", 9.75, 1920, 3000, 1815, 375);
    addLabel("Label2", "DC Source", 9.75, 3720, 3000, 1815, 375);
    addLabel("Label4", "AC Source", 9.75, 5520, 3000, 1815, 375);

    const QString none = "with no emf source", dc = "with a constant (DC) emf source",
                  ac = "with an alternating emf source";
    auto tip = [](const char *circuit, const QString &source) {
        return QString("To study only %1 circuits %2").arg(circuit, source);
    };
    // Source kinds across (left 2160, 3960, 5760), circuits down (top 3360 .. 5160).
    addButton("Command1", "RC Circuits", tip("RC", none), 2160, 3360, &MainMenu::Command1_Click);
    addButton("Command3", "RL Circuits", tip("RL", none), 2160, 3960, &MainMenu::Command3_Click);
    addButton("Command4", "LC Circuits", tip("LC", none), 2160, 4560, &MainMenu::Command4_Click);
    addButton("Command5", "Kel Circuits", tip("Kel", none), 2160, 5160, &MainMenu::Command5_Click);
    addButton("Command6", "RC Circuits", tip("RC", dc), 3960, 3360, &MainMenu::Command6_Click);
    addButton("Command7", "RL Circuits", tip("RL", dc), 3960, 3960, &MainMenu::Command7_Click);
    addButton("Command8", "LC Circuits", tip("LC", dc), 3960, 4560, &MainMenu::Command8_Click);
    addButton("Command9", "Kel Circuits", tip("Kel", dc), 3960, 5160, &MainMenu::Command9_Click);
    addButton("Command10", "RC Circuits", tip("RC", ac), 5760, 3360, &MainMenu::Command10_Click);
    addButton("Command11", "RL Circuits", tip("RL", ac), 5760, 3960, &MainMenu::Command11_Click);
    addButton("Command12", "LC Circuits", tip("LC", ac), 5760, 4560, &MainMenu::Command12_Click);
    addButton("Command13", "Kel Circuits", tip("Kel", ac), 5760, 5160, &MainMenu::Command13_Click);
    addButton("Command14", "Phasors",
              "Brings up tool for studying phasor diagrams and phase relations", 5760, 5760,
              &MainMenu::Command14_Click);
    addButton("Command2", "Quit", "Quits the Program!", 7560, 5760, &MainMenu::Command2_Click);

    // Screen readers hear which source a button's column stands for, since three buttons of a
    // row share one caption.
    const char *sources[] = {"no EMF source", "DC source", "AC source"};
    const char *columns[3][4] = {{"Command1", "Command3", "Command4", "Command5"},
                                 {"Command6", "Command7", "Command8", "Command9"},
                                 {"Command10", "Command11", "Command12", "Command13"}};
    for (int column = 0; column < 3; ++column)
        for (const char *name : columns[column])
            if (auto *button = m_client->findChild<QPushButton *>(name))
                button->setAccessibleName(button->text() + ", " + sources[column]);
    about->setShortcut(QKeySequence::HelpContents);
    about->setShortcutContext(Qt::ApplicationShortcut);
    if (auto *quit = m_client->findChild<QPushButton *>("Command2"))
        quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    // The client area at its designed size, with the menu bar above it.
    const QSize client = m_layout->designPixels();
    resize(client.width(), client.height() + menuBar()->sizeHint().height());

    Form_Load();
}

QLabel *MainMenu::addLabel(const char *name, const QString &caption, double pointSize, int left,
                           int top, int width, int height)
{
    auto *label = new QLabel(caption, m_client);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setFont(arial(pointSize, true));
    m_layout->place(label, left, top, width, height);
    return label;
}

QPushButton *MainMenu::addButton(const char *name, const QString &caption, const QString &tooltip,
                                 int left, int top, void (MainMenu::*handler)())
{
    auto *button = new QPushButton(caption, m_client);
    button->setObjectName(name);
    button->setToolTip(tooltip);
    button->setFont(arial(kButtonPointSize, false));
    m_layout->place(button, left, top, kButtonWidth, kButtonHeight);
    connect(button, &QPushButton::clicked, this, handler);
    return button;
}

void MainMenu::Form_Load()
{
    lab::LabState &state = lab::labState();
    state.x1 = 0;
    state.y1 = 10;
    state.x2 = 100;
    state.y2 = -10;
    solutions::Pi = 3.1415927f;
}

void MainMenu::Command1_Click()
{
    launch(1);
}
void MainMenu::Command3_Click()
{
    launch(3);
}
void MainMenu::Command4_Click()
{
    launch(4);
}
void MainMenu::Command5_Click()
{
    launch(5);
}
void MainMenu::Command6_Click()
{
    launch(6);
}
void MainMenu::Command7_Click()
{
    launch(7);
}
void MainMenu::Command8_Click()
{
    launch(8);
}
void MainMenu::Command9_Click()
{
    launch(9);
}
void MainMenu::Command10_Click()
{
    launch(10);
}
void MainMenu::Command11_Click()
{
    launch(11);
}
void MainMenu::Command12_Click()
{
    launch(12);
}
void MainMenu::Command13_Click()
{
    launch(13);
}

void MainMenu::Command14_Click()
{
    phasor::showPhasors();
    display::placeBesideOnce(display::WindowInstance<phasor::PhasorsWindow>::existing(), this);
}

void MainMenu::launch(int commandNumber)
{
    launchCircuit(commandNumber);
    display::placeBesideOnce(display::WindowInstance<lab::LabWindow>::existing(), this);
}

void MainMenu::Command2_Click()
{
    endProgram();
}

void MainMenu::About_Click()
{
    about::showAbout();
}

void MainMenu::closeEvent(QCloseEvent *event)
{
    event->accept();
    endProgram();
}

} // namespace kel::shell
