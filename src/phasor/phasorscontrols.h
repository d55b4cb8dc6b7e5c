// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string>

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

class PhasorScene;

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

    // The drawings' accessible descriptions for what `scene` draws: the curves, with the
    // marker at `marker` when there is one, and the phasors at time t2 (s).
    void describeDrawings(const PhasorScene &scene, std::optional<double> marker, double t2) const;
    // The same after Clear Graphs.
    void describeEmptyDrawings() const;

    // Writes a computed number into a read-out box so that it reads from its first digit,
    // even when it is longer than the box. An unchanged number is not written again: a
    // screen reader would hear it deleted and typed anew.
    static void writeReadOut(QLineEdit *box, const std::string &text);
};

} // namespace kel::phasor
