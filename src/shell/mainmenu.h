// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>

class QAction;
class QLabel;
class QPushButton;

namespace kel::display
{
class TwipLayout;
}

namespace kel::shell
{

class CircuitSchematic;

// The main menu window `kel_main`: the picture of the circuit, the title, twelve circuit
// buttons (source kind across, circuit down), Phasors, Quit and the About command. It keeps
// no state; its load step gives the lab its initial graph scale and Pi.
class MainMenu : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainMenu(QWidget *parent = nullptr);

    // The client area's designed size: 9015 x 6375 twips.
    static QSize designTwips() { return {9015, 6375}; }

public slots:
    void Form_Load();
    void Command1_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();
    void Command9_Click();
    void Command10_Click();
    void Command11_Click();
    void Command12_Click();
    void Command13_Click();
    void Command14_Click();
    void Command2_Click();
    void About_Click();

protected:
    // Closing the window's frame ends the program, as Quit does.
    void closeEvent(QCloseEvent *event) override;

private:
    // Runs a circuit launcher and, the first time, puts the lab window beside this one.
    void launch(int commandNumber);
    QLabel *addLabel(const char *name, const QString &caption, double pointSize, int left, int top,
                     int width, int height);
    QPushButton *addButton(const char *name, const QString &caption, const QString &tooltip,
                           int left, int top, void (MainMenu::*handler)());

    QWidget *m_client = nullptr;
    display::TwipLayout *m_layout = nullptr;
};

} // namespace kel::shell
