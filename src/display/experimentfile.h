// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "experiment.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace kel::display
{

// The `.kel` experiment file: JSON with the format name "kel-experiment", a format version,
// the window ("lab" or "phasor") and that window's entry, every key required and no other
// allowed. Saving goes through writeFileAtomically (fileexport.h) with writeExperiment's bytes.
//
// {"format": "kel-experiment", "version": 1, "window": "lab",
//  "lab": {"launcher": 13, "circuit": 8, "frame": "fixed",
//          "texts": {"R": "1", "L": "10", "C": "0.1", "v0": "5", "f0": "100",
//                    "w0": "628.318548202515", "q0": "10", "i0": "0"},
//          "readouts": {"Time": "0", "qq": "0", "ii": "0"},
//          "scale": {"x1": "0", "x2": "100", "y1": "10", "y2": "-10"},
//          "defaultScale": {"x1": "0", "x2": "100", "y1": "10", "y2": "-10"},
//          "curves": ["Charge"], "plots": [{"texts": {...}, "curves": ["Charge"]}]}}
// {"format": "kel-experiment", "version": 1, "window": "phasor",
//  "phasor": {"texts": {"R": "1000", "C": "0.00005", "L": "10.0", "v0": "500", "f0": "10.0",
//                       "NumPer": "5", "t2": "0"},
//             "timeBar": 0, "checked": ["Checkvr"], "drawing": "redrawn", "projections": false}}
//
// A text is a number (solutions::toNumber) or blank; the scale texts are numbers, x1 not equal
// to x2. "frame" is "fixed" or "scale" ("scale" for the launchers that draw the current
// scale), "drawing" is "loaded", "redrawn" or "cleared".
class ExperimentFile
{
public:
    static constexpr const char *kFormatName = "kel-experiment";
    // The version written; every version from 1 up to it is read.
    static constexpr int kFormatVersion = 1;
    // Checked before parsing: a file beyond this is refused unread.
    static constexpr qint64 kMaxBytes = qint64{4} * 1024 * 1024;
    static constexpr int kMaxPlots = 1000;
    static constexpr const char *kSuffix = "kel";
    static constexpr const char *kMimeType = "application/x-kel-experiment";

    // The experiment, or why the bytes are not one: one sentence naming the problem.
    struct Reading {
        std::optional<Experiment> experiment;
        QString error;
        bool ok() const { return experiment.has_value(); }
    };

    static Reading read(const QByteArray &bytes);
    // Reads the file at `path`, refusing a file over kMaxBytes before reading it; the error
    // names the file's problem but not the file (callers add its name).
    static Reading readFile(const QString &path);
    static QByteArray write(const Experiment &experiment);

    // Why `experiment` would not read back (a text that is not a number, a launcher that
    // does not exist...), empty when it is sound. write() writes it either way.
    static QString problemIn(const Experiment &experiment);
};

} // namespace kel::display
