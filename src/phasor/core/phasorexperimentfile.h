// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "display/jsonreader.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <optional>

namespace kel::phasor
{

// What the phasor window's two drawing areas show: the load drawing (no time marker), a
// redraw at the bar's step, or the bare frame after Clear Graphs.
enum class PhasorDrawing { Loaded, Redrawn, Cleared };

// Why an entry of the file is not a phasor experiment: the sentence the student is shown.
struct PhasorExperimentProblem {
    QString message;
};

// The phasor window as an experiment file keeps it, every text exactly as it stood in its box:
//
// "phasor": {"texts": {"R": "1000", "C": "0.00005", "L": "10.0", "v0": "500", "f0": "10.0",
//                      "NumPer": "5", "t2": "0"},
//            "timeBar": 0, "checked": ["Checkvr"], "drawing": "redrawn", "projections": false}
//
// A text is a number or blank; "drawing" is "loaded", "redrawn" or "cleared".
struct PhasorExperiment {
    static constexpr const char *kWindow = "phasor";

    display::BoxTexts texts; // R, C, L, v0, f0, NumPer, t2
    int timeBar = 0;         // TimeSc, 0 to 200
    QStringList checked;     // of Checkvr, CheckVC, CheckVL, CheckVM
    PhasorDrawing drawing = PhasorDrawing::Loaded;
    bool projections = false; // Phasor Projections pressed after that drawing
    bool operator==(const PhasorExperiment &) const = default;

    QJsonObject toJson() const;
    // The experiment in the file's entry "phasor", or the first problem found in it.
    struct Reading;
    static Reading fromJson(const QJsonValue &entry);
    // The same reading, the problem left in `reader` (the experiment file's reader of "phasor").
    static PhasorExperiment read(display::JsonReader &reader, const QJsonValue &entry);
    static void check(display::JsonReader &reader, const QJsonValue &entry) { read(reader, entry); }
};

struct PhasorExperiment::Reading {
    std::optional<PhasorExperiment> experiment;
    PhasorExperimentProblem problem;
};

} // namespace kel::phasor
