// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "experiment.h"
#include "pictureexport.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace kel::display
{

// A window that experiments are opened into, saved from and exported from.
class ExperimentTarget
{
public:
    virtual ~ExperimentTarget() = default;

    // Puts the window in the state `experiment` describes by doing what the user did, step by
    // step. The experiment has been read by ExperimentFile through the window's own reader, so
    // its texts are numbers; what the window would report in a message box (a plot with
    // parameters the circuit refuses, say) it reports through its dialogs as a click would.
    virtual void applyExperiment(const Experiment &experiment) = 0;
    // The window's state as an experiment, to save.
    virtual Experiment experiment() const = 0;
    // Why the window's state cannot be saved as an experiment (a clause, lower case, without
    // a final stop); empty when it can.
    virtual QString saveProblem() const { return {}; }
    // The picture areas that Save Graph (lab) or the picture export (phasor) writes, and the
    // scale it writes them at, so that a headless export gives the same pixels.
    virtual PictureExport pictures() const = 0;
    virtual double pictureScale() const = 0;
    // What the window's CSV export writes (the last plot's samples), none when nothing has
    // been plotted.
    virtual std::optional<QByteArray> csv() const = 0;
    // What the Energy window's Save Data writes for the window's circuit; none where the
    // window has no energies or they cannot be computed.
    virtual std::optional<QByteArray> energyCsv() const { return std::nullopt; }
    // The window's worksheet as a one-page PDF with the experiment attached, on the page size
    // of the system's locale; none where the window has no worksheet.
    virtual std::optional<QByteArray> worksheetPdf() const { return std::nullopt; }
};

} // namespace kel::display
