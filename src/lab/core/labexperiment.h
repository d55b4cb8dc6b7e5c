// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "circuitconfiguration.h"
#include "solutions/circuitkind.h"

#include "display/experiment.h"
#include "display/jsonreader.h"
#include "measurement/core/fitproblem.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

namespace kel::lab
{

// The four scale values as texts ("0", "100", "10", "-10").
struct ScaleTexts {
    QString x1, x2, y1, y2;
    bool operator==(const ScaleTexts &) const = default;
};

// One Plot Graphs on the lab's graph: the parameter texts and curves it drew with.
struct LabPlot {
    display::BoxTexts texts; // R, L, C, v0, f0, w0, q0, i0
    QStringList curves;      // of Charge, Current, Voltage
    bool operator==(const LabPlot &) const = default;
};

// Why an entry of the file is not a lab experiment: the sentence the student is shown.
struct LabExperimentProblem {
    QString message;
};

// The lab window as an experiment file keeps it: every text exactly as it stood in its box,
// the plots as the steps that drew them.
//
// "lab": {"launcher": 13, "circuit": 8, "frame": "fixed",
//         "texts": {"R": "1", "L": "10", "C": "0.1", "v0": "5", "f0": "100",
//                   "w0": "628.318548202515", "q0": "10", "i0": "0"},
//         "readouts": {"Time": "0", "qq": "0", "ii": "0"},
//         "scale": {"x1": "0", "x2": "100", "y1": "10", "y2": "-10"},
//         "defaultScale": {"x1": "0", "x2": "100", "y1": "10", "y2": "-10"},
//         "curves": ["Charge"], "plots": [{"texts": {...}, "curves": ["Charge"]}]}
//
// A text is a number (solutions::toNumber) or blank; the scale texts are numbers, x1 not equal
// to x2. The launcher is a circuit button of the main menu, the circuit the one it sets;
// "frame" is "fixed" or "scale", "scale" for the launchers that draw the current scale.
struct LabExperiment {
    static constexpr const char *kWindow = "lab";
    static constexpr int kMaxPlots = 1000;

    int launcher = 1; // the main menu's circuit button (Command1, Command3 .. Command13)
    CircuitKind circuitKind = CircuitKind::Rc; // as that launcher sets it
    display::BoxTexts texts;                   // R, L, C, v0, f0, w0, q0, i0
    display::BoxTexts readouts;                // Time, qq, ii
    ScaleTexts scale;
    ScaleTexts defaultScale; // what Graph Scale offers and restores on an empty entry
    // The empty graph under the plots: the launcher's fixed frame (0 to 100 by 10 to -10), or
    // the frame of the current scale drawn by a launcher, Clear Graphs or Graph Scale.
    FrameKind frame = FrameKind::Fixed;
    QStringList curves;         // checked now
    std::vector<LabPlot> plots; // since the graph was last cleared, oldest first
    bool operator==(const LabExperiment &) const = default;

    QJsonObject toJson() const;
    // The experiment in the file's entry "lab", or the first problem found in it.
    struct Reading;
    static Reading fromJson(const QJsonValue &entry);
    // The same reading, the problem left in `reader` (the experiment file's reader of "lab").
    static LabExperiment read(display::JsonReader &reader, const QJsonValue &entry);
    static void check(display::JsonReader &reader, const QJsonValue &entry) { read(reader, entry); }
    // Reads the measurement beside the lab entry `lab` (sound), whose circuit must be the one
    // the lab's launcher sets (measurement/measurementexperiment.h).
    // Returns the measurement read (measurement::MeasurementReading), none when it failed.
    static std::shared_ptr<const display::ExperimentReading>
    checkMeasurement(display::JsonReader &reader, const QJsonValue &measurement,
                     const QJsonValue &lab);
};

// The circuit a measurement beside the lab is fitted with, as the lab's circuit and source
// set it; none before a circuit is chosen.
std::optional<measurement::CircuitName> measuredCircuit(CircuitKind kind, SourceKind source);

struct LabExperiment::Reading {
    std::optional<LabExperiment> experiment;
    LabExperimentProblem problem;
};

} // namespace kel::lab
