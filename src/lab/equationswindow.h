// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "equationstext.h"
#include "solutions/circuitsolutions.h"

#include <QWidget>

#include <functional>

class QPushButton;
class QTextBrowser;

namespace kel::display
{
class Dialogs;
}

namespace kel::lab
{

// The window "Equations": the differential equation, initial conditions, regime and closed
// forms of one circuit, typeset, following the parameter texts of the window that shows it.
//
// | objectName  | what it does                                   |
// |-------------|------------------------------------------------|
// | `Equations` | the window                                     |
// | `CopyLatex` | copyLatex(): the same equations to the clipboard as LaTeX |
class EquationsWindow : public QWidget
{
    Q_OBJECT

public:
    explicit EquationsWindow(display::Dialogs &dialogs, QWidget *parent = nullptr);

    // Shows circuit kind `circuitKind` (1..8) with the parameter texts `textOf` gives (only
    // those the kind reads are asked for). A text that is not a number is named in the window
    // instead of the equations. Call it again whenever a text changes.
    void showCircuit(solutions::CircuitKind circuitKind,
                     const std::function<QString(solutions::Parameter)> &textOf);

    // What the window shows, in both typesettings.
    const EquationsDocument &document() const { return m_document; }

public slots:
    void copyLatex();

private:
    [[maybe_unused]] display::Dialogs
        &m_dialogs; // for the windows' common constructor; asks nothing yet
    QTextBrowser *m_text = nullptr;
    QPushButton *m_copyLatex = nullptr;
    EquationsDocument m_document;
};

} // namespace kel::lab
