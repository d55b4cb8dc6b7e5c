// SPDX-License-Identifier: GPL-3.0-or-later
// An experiment of either window with its entry read into the window's own type, and the
// program's experiment file over it: tests build and compare experiments field by field.
#pragma once

#include "display/experimentfile.h"
#include "lab/core/labexperiment.h"
#include "phasor/core/phasorexperimentfile.h"
#include "shell/experimentparts.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace kel::testing
{

enum class ExperimentWindow { Lab, Phasor };

struct Experiment {
    ExperimentWindow window = ExperimentWindow::Lab;
    lab::LabExperiment lab;          // when window is Lab
    phasor::PhasorExperiment phasor; // when window is Phasor
    QString task;
    QJsonObject measurement; // beside the lab
    bool operator==(const Experiment &) const = default;

    display::Experiment file() const
    {
        if (window == ExperimentWindow::Lab)
            return {
                QLatin1String(lab::LabExperiment::kWindow), lab.toJson(), task, measurement, {}};
        return {QLatin1String(phasor::PhasorExperiment::kWindow), phasor.toJson(), task, {}, {}};
    }
    static Experiment of(const display::Experiment &file)
    {
        Experiment e;
        e.task = file.task;
        e.measurement = file.measurement;
        if (file.window == QLatin1String(lab::LabExperiment::kWindow)) {
            e.lab = lab::LabExperiment::fromJson(file.entry).experiment.value();
        } else {
            e.window = ExperimentWindow::Phasor;
            e.phasor = phasor::PhasorExperiment::fromJson(file.entry).experiment.value();
        }
        return e;
    }
};

struct ExperimentFile {
    static constexpr int kFormatVersion = display::ExperimentFile::kFormatVersion;
    static constexpr qint64 kMaxBytes = display::ExperimentFile::kMaxBytes;
    static constexpr qsizetype kMaxTaskLength = display::ExperimentFile::kMaxTaskLength;
    static constexpr int kMaxPlots = lab::LabExperiment::kMaxPlots;

    struct Reading {
        std::optional<Experiment> experiment;
        QString error;
        bool ok() const { return experiment.has_value(); }
    };

    static Reading read(const QByteArray &bytes)
    {
        return typed(display::ExperimentFile::read(bytes, shell::experimentParts()));
    }
    static Reading readFile(const QString &path)
    {
        return typed(display::ExperimentFile::readFile(path, shell::experimentParts()));
    }
    static QByteArray write(const Experiment &e)
    {
        return display::ExperimentFile::write(e.file());
    }
    static QString problemIn(const Experiment &e)
    {
        return display::ExperimentFile::problemIn(e.file(), shell::experimentParts());
    }

private:
    static Reading typed(const display::ExperimentFile::Reading &reading)
    {
        if (!reading.ok())
            return {std::nullopt, reading.error};
        return {Experiment::of(*reading.experiment), {}};
    }
};

} // namespace kel::testing
