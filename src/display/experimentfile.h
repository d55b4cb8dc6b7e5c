// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "experiment.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace kel::display
{

// The `.kel` experiment file: JSON with the format name "kel-experiment", a format version,
// the window the experiment opens into and that window's entry under the window's name, every
// key required and no other allowed. What each window's entry holds is the window's own
// (lab/core/labexperiment.h, phasor/core/phasorexperimentfile.h). Saving goes through
// writeFileAtomically (fileexport.h) with write's bytes.
//
// {"format": "kel-experiment", "version": 1, "window": "<name>", "<name>": {...}}
//
// Version 2 adds what version 1 cannot hold, each entry optional: "task", the worksheet's
// text (at most kMaxTaskLength characters), and "measurement", the measurement window of a
// window that has one, with its recording's samples (measurement/measurementexperiment.h).
// An experiment without any of it is written as
// version 1, so that it still opens in the releases that read only version 1; a version 1
// file holding a version 2 entry is refused like any unknown entry.
class ExperimentFile
{
public:
    static constexpr const char *kFormatName = "kel-experiment";
    // The newest version written; every version from 1 up to it is read.
    static constexpr int kFormatVersion = 2;
    static constexpr qsizetype kMaxTaskLength = 20'000;
    // Checked before parsing: a file beyond this is refused unread. 4 MiB for the windows'
    // entries and the task, and room for the largest measurement kept (5,000,000 samples in
    // base64, 53.3 MB): 55 MiB.
    static constexpr qint64 kMaxBytes = qint64{55} * 1024 * 1024;
    static constexpr const char *kSuffix = "kel";
    static constexpr const char *kMimeType = "application/x-kel-experiment";

    // The experiment, or why the bytes are not one: one sentence naming the problem.
    struct Reading {
        std::optional<Experiment> experiment;
        QString error;
        bool ok() const { return experiment.has_value(); }
    };

    // The experiment in `bytes` for one of the windows of `parts`, read by its part's reader.
    static Reading read(const QByteArray &bytes, const ExperimentParts &parts);
    // Reads the file at `path`, refusing a file over kMaxBytes before reading it; the error
    // names the file's problem but not the file (callers add its name).
    static Reading readFile(const QString &path, const ExperimentParts &parts);
    // Version 1 when the experiment holds nothing of version 2, version 2 otherwise.
    static QByteArray write(const Experiment &experiment);
    static int versionOf(const Experiment &experiment);

    // Why `experiment` would not read back (an entry its window's reader refuses), empty when
    // it is sound. write() writes it either way.
    static QString problemIn(const Experiment &experiment, const ExperimentParts &parts);
};

} // namespace kel::display
