// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <map>
#include <vector>

namespace kel::display
{

// What an experiment file holds: the state of one lab or phasor window as the user left it,
// every text exactly as it stood in its box. Texts are keyed by their box's objectName and
// check boxes are listed by objectName when checked. Drawings are kept as the steps that
// made them (replayed on opening), never as pixels.

using BoxTexts = std::map<QString, QString>;

enum class ExperimentWindow { Lab, Phasor };

// The four scale values as texts ("0", "100", "10", "-10").
struct GraphScale {
    QString x1, x2, y1, y2;
    bool operator==(const GraphScale &) const = default;
};

// One Plot Graphs on the lab's graph: the parameter texts and curves it drew with.
struct LabPlot {
    BoxTexts texts;     // R, L, C, v0, f0, w0, q0, i0
    QStringList curves; // of Charge, Current, Voltage
    bool operator==(const LabPlot &) const = default;
};

// The empty graph under the plots: the launcher's fixed frame (0 to 100 by 10 to -10), or the
// frame of the current scale drawn by a launcher, Clear Graphs or Graph Scale.
enum class LabFrame { Fixed, Scale };

struct LabExperiment {
    int launcher = 1;    // the main menu's circuit button: 1, 3 to 13 (Command1 ...)
    int circuitKind = 1; // 1 to 8, as that launcher sets it
    BoxTexts texts;      // R, L, C, v0, f0, w0, q0, i0
    BoxTexts readouts;   // Time, qq, ii
    GraphScale scale;
    GraphScale defaultScale; // what Graph Scale offers and restores on an empty entry
    LabFrame frame = LabFrame::Fixed;
    QStringList curves;         // checked now
    std::vector<LabPlot> plots; // since the graph was last cleared, oldest first
    bool operator==(const LabExperiment &) const = default;
};

// What the phasor window's two drawing areas show: the load drawing (no time marker), a
// redraw at the bar's step, or the bare frame after Clear Graphs.
enum class PhasorDrawing { Loaded, Redrawn, Cleared };

struct PhasorExperiment {
    BoxTexts texts;      // R, C, L, v0, f0, NumPer, t2
    int timeBar = 0;     // TimeSc, 0 to 200
    QStringList checked; // of Checkvr, CheckVC, CheckVL, CheckVM
    PhasorDrawing drawing = PhasorDrawing::Loaded;
    bool projections = false; // Phasor Projections pressed after that drawing
    bool operator==(const PhasorExperiment &) const = default;
};

struct Experiment {
    ExperimentWindow window = ExperimentWindow::Lab;
    LabExperiment lab;       // when window is Lab
    PhasorExperiment phasor; // when window is Phasor
    bool operator==(const Experiment &) const = default;
};

} // namespace kel::display
