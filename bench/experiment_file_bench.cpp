// SPDX-License-Identifier: GPL-3.0-or-later
// An experiment file holding a measurement of a million samples: written, read and checked,
// and opened into the lab with its measurement window, all on the calling (GUI) thread.
#include "answerok.h"
#include "display/experimentfile.h"
#include "display/experimentmenu.h"
#include "lab/core/circuitlaunchers.h"
#include "lab/labwindow.h"
#include "measurement/measurementexperiment.h"
#include "shell/experimentparts.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace
{

using kel::measurement::MeasurementExperiment;

// The lab on launcher 9 (RLC, constant source) beside a million samples of one channel.
kel::display::Experiment millionSampleExperiment()
{
    constexpr int kSamples = 1'000'000;
    MeasurementExperiment m;
    auto &r = m.recording;
    r.time.resize(kSamples);
    r.channels.assign(1, std::vector<double>(kSamples));
    for (int k = 0; k < kSamples; ++k) {
        const double t = (k - 50'000) * 1e-8;
        r.time[std::size_t(k)] = t;
        r.channels[0][std::size_t(k)] =
            t < 0 ? 0 : 5 - 5 * std::exp(-1000 * t) * std::cos(9950 * t) + 0.02 * std::sin(k);
    }
    r.channelNames = {"CH1"};
    r.channelUnits = {"V"};
    m.fileName = QStringLiteral("bench.csv");
    m.circuit = kel::measurement::FitCircuit::RLC;
    m.source = kel::measurement::FitSource::Constant;
    m.from = 0;
    m.to = r.time.back();
    kel::bench::AnswerOk dialogs;
    kel::lab::LabWindow lab(dialogs);
    lab.applyConfiguration(*kel::lab::launcherConfiguration(9));
    kel::display::Experiment e = lab.experiment();
    e.measurement = m.toJson();
    return e;
}

const QByteArray &millionSampleFile()
{
    static const QByteArray bytes = kel::display::ExperimentFile::write(millionSampleExperiment());
    return bytes;
}

void BM_WriteMillionSampleExperiment(benchmark::State &state)
{
    const kel::display::Experiment e = millionSampleExperiment();
    for (auto _ : state)
        benchmark::DoNotOptimize(kel::display::ExperimentFile::write(e));
    state.counters["bytes"] = double(millionSampleFile().size());
}

// Parsing and the strict check of every entry, the samples decoded and checked.
void BM_ReadMillionSampleExperiment(benchmark::State &state)
{
    const QByteArray &bytes = millionSampleFile();
    const auto parts = kel::shell::experimentParts();
    for (auto _ : state)
        benchmark::DoNotOptimize(kel::display::ExperimentFile::read(bytes, parts));
}

// The JSON parse alone, and the measurement's strict reading alone (the samples decoded).
void BM_ParseMillionSampleJson(benchmark::State &state)
{
    const QByteArray &bytes = millionSampleFile();
    for (auto _ : state)
        benchmark::DoNotOptimize(QJsonDocument::fromJson(bytes));
}

void BM_DecodeMillionSampleMeasurement(benchmark::State &state)
{
    const QJsonObject entry =
        QJsonDocument::fromJson(millionSampleFile())[QLatin1String("measurement")].toObject();
    for (auto _ : state)
        benchmark::DoNotOptimize(MeasurementExperiment::fromJson(entry));
}

// What Open Experiment does after reading: the lab replayed and the measurement window shown
// with the samples (decoded again from the checked entry).
void BM_ApplyMillionSampleExperiment(benchmark::State &state)
{
    const auto reading =
        kel::display::ExperimentFile::read(millionSampleFile(), kel::shell::experimentParts());
    kel::bench::AnswerOk dialogs;
    kel::lab::LabWindow lab(dialogs);
    for (auto _ : state)
        lab.applyExperiment(*reading.experiment);
}

// Open Experiment as the student sees it the first time: the file read from disk, checked and
// opened into a fresh lab, once, in memory the process has not used yet (run this one alone:
// --benchmark_filter=OpenMillionSampleFileOnce).
void BM_OpenMillionSampleFileOnce(benchmark::State &state)
{
    const QString path = QDir::temp().filePath(QStringLiteral("kel-bench-million.kel"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            state.SkipWithError("cannot write the file");
        file.write(kel::display::ExperimentFile::write(millionSampleExperiment()));
    }
    kel::bench::AnswerOk dialogs;
    kel::lab::LabWindow lab(dialogs);
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        const auto reading =
            kel::display::ExperimentFile::readFile(path, kel::shell::experimentParts());
        state.counters["read_ms"] = double(clock.nsecsElapsed()) / 1e6;
        lab.applyExperiment(*reading.experiment);
        state.counters["total_ms"] = double(clock.nsecsElapsed()) / 1e6;
    }
    QFile::remove(path);
}

// The same through Open Experiment, which reads so large a file on a worker: the longest time
// the GUI thread went without turning its event loop (a 1 ms timer's longest gap).
void BM_OpenMillionSampleFileThroughTheMenuOnce(benchmark::State &state)
{
    const QString path = QDir::temp().filePath(QStringLiteral("kel-bench-million-menu.kel"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            state.SkipWithError("cannot write the file");
        file.write(kel::display::ExperimentFile::write(millionSampleExperiment()));
    }
    kel::bench::AnswerOk dialogs;
    kel::lab::LabWindow lab(dialogs);
    QSettings settings(QDir::temp().filePath(QStringLiteral("kel-bench-settings.ini")),
                       QSettings::IniFormat);
    kel::display::ExperimentMenu menu(&lab, QStringLiteral("lab"), kel::shell::experimentParts(),
                                      lab, dialogs, &settings);
    QElapsedTimer sinceTick;
    qint64 longestGap = 0;
    QTimer ticks;
    ticks.setInterval(1);
    QObject::connect(&ticks, &QTimer::timeout, [&] {
        longestGap = std::max(longestGap, sinceTick.nsecsElapsed());
        sinceTick.restart();
    });
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        ticks.start();
        sinceTick.start();
        menu.openFile(path);
        longestGap = std::max(longestGap, sinceTick.nsecsElapsed()); // the opening itself
        ticks.stop();
        state.counters["total_ms"] = double(clock.nsecsElapsed()) / 1e6;
        state.counters["longest_gui_block_ms"] = double(longestGap) / 1e6;
    }
    QFile::remove(path);
}

} // namespace

BENCHMARK(BM_OpenMillionSampleFileThroughTheMenuOnce)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_OpenMillionSampleFileOnce)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_WriteMillionSampleExperiment)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadMillionSampleExperiment)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ParseMillionSampleJson)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeMillionSampleMeasurement)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ApplyMillionSampleExperiment)->Unit(benchmark::kMillisecond);
