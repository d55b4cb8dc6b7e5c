// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>

class QLabel;

namespace kel::display
{
class Dialogs;
class PictureArea;
} // namespace kel::display

namespace kel::energy
{

class EnergySession;

// The Energy window `Energy` of the lab's circuit: on the picture `EnergyPicture` the energy in
// the capacitor, in the inductor, the heat in the resistor and the work of the source since
// t = 0 against time over the lab graph's time range, and their balance, dashed; the balance
// as a number with its largest deviation in `EnergyBalance`; a click or the keyboard cursor
// (Left, Right, Home, End) reads the energies at that time into `EnergyReadout`. It shows what
// the session says and redraws when the session changes.
//
// objectName     slot
// EnergyPicture  readOutAt()
// SaveData       saveData()
// SavePicture    savePicture()
// close          hide()
class EnergyWindow : public QMainWindow
{
    Q_OBJECT
public:
    EnergyWindow(EnergySession &session, display::Dialogs &dialogs, QWidget *parent = nullptr);

    display::PictureArea *picture() const { return m_picture; }

public slots:
    void redraw();
    void readOutAt(float t);
    void saveData();
    void savePicture();

private:
    EnergySession &m_session;
    display::Dialogs &m_dialogs;
    display::PictureArea *m_picture = nullptr;
    QLabel *m_balance = nullptr;
    QLabel *m_readout = nullptr;
    QLabel *m_note = nullptr;
};

} // namespace kel::energy
