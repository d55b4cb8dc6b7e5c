// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainmenu.h"

#include "circuitschematic.h"
#include "endprogram.h"
#include "experimentparts.h"

#include "about/aboutkel.h"
#include "display/appicon.h"
#include "display/dialogs.h"
#include "display/experimentmenu.h"
#include "display/fonts.h"
#include "display/twiplayout.h"
#include "display/windowplacement.h"
#include "lab/core/circuitlaunchers.h"
#include "lab/core/labexperiment.h"
#include "lab/labwindow.h"
#include "phasor/core/phasorexperimentfile.h"
#include "phasor/phasorswindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>

#include <type_traits>

namespace kel::shell
{

using display::arial;

namespace
{

// Every button of the window is 1335 x 495 twips.
constexpr int kButtonWidth = 1335;
constexpr int kButtonHeight = 495;
constexpr double kButtonPointSize = 9;

// A window that the menu opens, given the dialogs when it takes them.
template <class Window> Window *newWindow(display::Dialogs &dialogs)
{
    if constexpr (std::is_constructible_v<Window, display::Dialogs &>)
        return new Window(dialogs);
    else
        return new Window;
}

} // namespace

MainMenu::MainMenu(QWidget *parent) : MainMenu(*new display::QtDialogs, parent)
{
    m_ownDialogs.reset(&m_dialogs);
}

MainMenu::MainMenu(display::Dialogs &dialogs, QWidget *parent)
    : QMainWindow(parent), m_dialogs(dialogs)
{
    setObjectName("kel_main");
    setWindowTitle(tr("Kel Lab for Dax 202"));
    QApplication::setWindowIcon(display::appIcon());
    buildControls();
    for (const MainMenuSlot &s : kMainMenuSlots) {
        const auto slot = s.slot;
        if (auto *action = findChild<QAction *>(s.objectName))
            connect(action, &QAction::triggered, this, [this, slot] { (this->*slot)(); });
        else if (auto *button = findChild<QPushButton *>(s.objectName))
            connect(button, &QPushButton::clicked, this, [this, slot] { (this->*slot)(); });
    }
    for (const lab::CircuitLauncher &l : lab::circuitLaunchers()) {
        const int number = l.commandNumber;
        auto *button = findChild<QPushButton *>(QStringLiteral("Command%1").arg(number));
        connect(button, &QPushButton::clicked, this, [this, number] { launchCircuit(number); });
    }
}

MainMenu::~MainMenu()
{
    delete m_about.data();
}

void MainMenu::buildControls()
{
    QAction *about = menuBar()->addAction(tr("About"));
    about->setObjectName("About");

    m_client = new QWidget(this);
    m_client->setObjectName("client");
    setCentralWidget(m_client);
    m_layout = new display::TwipLayout(m_client, designTwips());

    addLabel("Label1", tr("Kel Circuit Lab"), 14.25, 3240, 360, 2535, 375);
    auto *picture = new CircuitSchematic(m_client);
    picture->setObjectName("Picture1");
    picture->setAccessibleName(
        tr("Series circuit: EMF source E, resistor R, capacitor C and inductor L"));
    m_layout->place(picture, 2520, 840, 4050, 1860);

    addLabel("Label3", tr("No EMF Source"), 9.75, 1920, 3000, 1815, 375);
    addLabel("Label2", tr("DC Source"), 9.75, 3720, 3000, 1815, 375);
    addLabel("Label4", tr("AC Source"), 9.75, 5520, 3000, 1815, 375);

    const QString none = tr("with no emf source"), dc = tr("with a constant (DC) emf source"),
                  ac = tr("with an alternating emf source");
    auto tip = [](const char *circuit, const QString &source) {
        return tr("To study only %1 circuits %2").arg(QLatin1String(circuit), source);
    };
    // Source kinds across (left 2160, 3960, 5760), circuits down (top 3360 .. 5160).
    addButton("Command1", tr("RC Circuits"), tip("RC", none), 2160, 3360);
    addButton("Command3", tr("RL Circuits"), tip("RL", none), 2160, 3960);
    addButton("Command4", tr("LC Circuits"), tip("LC", none), 2160, 4560);
    addButton("Command5", tr("Kel Circuits"), tip("Kel", none), 2160, 5160);
    addButton("Command6", tr("RC Circuits"), tip("RC", dc), 3960, 3360);
    addButton("Command7", tr("RL Circuits"), tip("RL", dc), 3960, 3960);
    addButton("Command8", tr("LC Circuits"), tip("LC", dc), 3960, 4560);
    addButton("Command9", tr("Kel Circuits"), tip("Kel", dc), 3960, 5160);
    addButton("Command10", tr("RC Circuits"), tip("RC", ac), 5760, 3360);
    addButton("Command11", tr("RL Circuits"), tip("RL", ac), 5760, 3960);
    addButton("Command12", tr("LC Circuits"), tip("LC", ac), 5760, 4560);
    addButton("Command13", tr("Kel Circuits"), tip("Kel", ac), 5760, 5160);
    addButton("Command14", tr("Phasors"),
              tr("Brings up tool for studying phasor diagrams and phase relations"), 5760, 5760);
    addButton("Command2", tr("Quit"), tr("Quits the Program!"), 7560, 5760);

    // Screen readers hear which source a button's column stands for, since three buttons of a
    // row share one caption.
    const QString sources[] = {tr("no EMF source"), tr("DC source"), tr("AC source")};
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
                                 int left, int top)
{
    auto *button = new QPushButton(caption, m_client);
    button->setObjectName(name);
    button->setToolTip(tooltip);
    button->setFont(arial(kButtonPointSize, false));
    m_layout->place(button, left, top, kButtonWidth, kButtonHeight);
    return button;
}

about::AboutKel *MainMenu::aboutWindow() const
{
    return m_about.data();
}

lab::LabWindow &MainMenu::lab()
{
    if (!m_lab) {
        m_lab.reset(newWindow<lab::LabWindow>(m_dialogs));
        m_lab->experimentMenu().setElsewhere(
            experimentParts(),
            [this](const display::Experiment &e, const QString &path) { openExperiment(e, path); });
    }
    return *m_lab;
}

void MainMenu::launchCircuit(int commandNumber)
{
    const lab::CircuitConfiguration *configuration = lab::launcherConfiguration(commandNumber);
    if (!configuration)
        return;
    lab().applyConfiguration(*configuration);
    display::placeBesideOnce(m_lab.get(), this);
}

void MainMenu::openPhasors()
{
    if (!m_phasors) {
        m_phasors.reset(newWindow<phasor::PhasorsWindow>(m_dialogs));
        m_phasors->experimentMenu().setElsewhere(
            experimentParts(),
            [this](const display::Experiment &e, const QString &path) { openExperiment(e, path); });
    }
    m_phasors->show();
    m_phasors->raise();
    m_phasors->activateWindow();
    display::placeBesideOnce(m_phasors.get(), this);
}

void MainMenu::openExperiment(const display::Experiment &experiment, const QString &path)
{
    display::ExperimentMenu *menu = nullptr;
    if (experiment.window == QLatin1String(lab::LabExperiment::kWindow)) {
        lab().applyExperiment(experiment);
        display::placeBesideOnce(m_lab.get(), this);
        menu = &m_lab->experimentMenu();
    } else if (experiment.window == QLatin1String(phasor::PhasorExperiment::kWindow)) {
        openPhasors();
        m_phasors->applyExperiment(experiment);
        menu = &m_phasors->experimentMenu();
    }
    if (menu && !path.isEmpty())
        menu->setCurrentPath(path);
}

void MainMenu::showAbout()
{
    // A box closed by OK deletes itself at the next turn of the event loop; until then the
    // next About must not bring back the closing one.
    if (m_about && m_about->isClosed()) {
        about::AboutKel *closing = m_about.data();
        m_about.clear();
        delete closing;
    }
    if (!m_about)
        m_about = newWindow<about::AboutKel>(m_dialogs);
    m_about->show();
    m_about->raise();
    m_about->activateWindow();
}

void MainMenu::quitProgram()
{
    endProgram(m_ending);
}

void MainMenu::closeEvent(QCloseEvent *event)
{
    event->accept();
    endProgram(m_ending);
}

} // namespace kel::shell
