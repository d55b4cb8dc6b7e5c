// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QMainWindow;
class QPushButton;
class QScrollBar;

namespace kel::display
{
class PictureArea;
} // namespace kel::display

namespace kel::phasor
{

// The controls of the phasor window, made with their objectNames, captions, tooltips, fonts
// and twip positions, the status bar, the keyboard order and the accessible names. Owned by
// the window they are built into.
struct PhasorsControls {
    display::PictureArea *plot = nullptr;    // Picture1
    display::PictureArea *strip = nullptr;   // Picture2
    display::PictureArea *diagram = nullptr; // Picture3
    QLineEdit *R = nullptr, *C = nullptr, *L = nullptr, *v0 = nullptr, *f0 = nullptr;
    QLineEdit *numPer = nullptr, *t2 = nullptr;
    std::array<QLineEdit *, 3> amplitudes{}; // VRmax, VCmax, VLmax
    std::array<QCheckBox *, 4> checks{};     // in the order of kVoltages
    std::array<QLineEdit *, 4> values{};     // vrt, vct, vlt, v0t
    QScrollBar *timeBar = nullptr;           // TimeSc
    QPushButton *projectionButton = nullptr; // Projection
    QLabel *statusCircuit = nullptr;
    QLabel *statusPointer = nullptr;
    QLabel *statusAnimation = nullptr;

    // The parameter texts and t2, which the user edits.
    std::array<QLineEdit *, 7> inputs() const { return {R, C, L, v0, f0, numPer, t2}; }

    // Builds the controls into `window` (its central widget and status bar). Texts go through
    // the window's translation context, "PhasorsWindow".
    static PhasorsControls build(QMainWindow *window);
};

} // namespace kel::phasor
