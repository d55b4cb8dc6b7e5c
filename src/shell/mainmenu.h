// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "display/experiment.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <memory>

class QAction;
class QLabel;
class QPushButton;

namespace kel::display
{
class Dialogs;
class TwipLayout;
} // namespace kel::display

namespace kel::lab
{
class LabWindow;
}
namespace kel::phasor
{
class PhasorsWindow;
}
namespace kel::about
{
class AboutKel;
}

namespace kel::shell
{

class CircuitSchematic;

// The main menu window `kel_main`: the picture of the circuit, the title, twelve circuit
// buttons (source kind across, circuit down), Phasors, Quit and the About command. It owns
// the lab, phasor and About windows it opens (each created on first use, deleted with it) and
// hands the lab the circuit chosen.
class MainMenu : public QMainWindow
{
    Q_OBJECT
public:
    // With the real Qt dialogs, owned by the menu.
    explicit MainMenu(QWidget *parent = nullptr);
    // With the dialogs given (tests script them), which must outlive the menu.
    explicit MainMenu(display::Dialogs &dialogs, QWidget *parent = nullptr);
    ~MainMenu() override;

    // The client area's designed size: 9015 x 6375 twips.
    static QSize designTwips() { return {9015, 6375}; }

    // The windows opened so far; nullptr before their first use.
    lab::LabWindow *labWindow() const { return m_lab.get(); }
    phasor::PhasorsWindow *phasorsWindow() const { return m_phasors.get(); }
    about::AboutKel *aboutWindow() const;

    // Opens an experiment read from `path` into its window, the lab or the phasor window,
    // which then saves to `path`. The Experiment menus send here a file for the other window.
    void openExperiment(const display::Experiment &experiment, const QString &path);

public slots:
    // The circuit button `Command<commandNumber>` (1, 3..13): the lab window shows its
    // configuration and, the first time, opens beside this window.
    void launchCircuit(int commandNumber);
    void openPhasors();
    void showAbout();
    void quitProgram();

protected:
    // Closing the window's frame ends the program, as Quit does.
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    QLabel *addLabel(const char *name, const QString &caption, double pointSize, int left, int top,
                     int width, int height);
    QPushButton *addButton(const char *name, const QString &caption, const QString &tooltip,
                           int left, int top);
    lab::LabWindow &lab();

    std::unique_ptr<display::Dialogs> m_ownDialogs;
    display::Dialogs &m_dialogs;
    QWidget *m_client = nullptr;
    display::TwipLayout *m_layout = nullptr;
    std::unique_ptr<lab::LabWindow> m_lab;
    std::unique_ptr<phasor::PhasorsWindow> m_phasors;
    // The About box deletes itself when closed; the menu deletes one still open.
    QPointer<about::AboutKel> m_about;
    bool m_ending = false;
};

// What each button and action of the main menu runs, by objectName: Command1, Command3 ..
// Command13 launchCircuit(n); Command14 openPhasors(); Command2 quitProgram(); About
// showAbout().
struct MainMenuSlot {
    const char *objectName;
    void (MainMenu::*slot)();
};
inline constexpr std::array<MainMenuSlot, 3> kMainMenuSlots{{
    {"Command14", &MainMenu::openPhasors},
    {"Command2", &MainMenu::quitProgram},
    {"About", &MainMenu::showAbout},
}};

} // namespace kel::shell
