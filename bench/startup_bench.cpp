// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up time to the main window shown and first painted, and peak memory, each against a
// minimal Qt Widgets window measured in the same run (alternating runs of the two probes). Each
// probe reports its own peak, read by itself before it exits.
#include "solutions/numbertext.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QProcess>
#include <QString>

#include <algorithm>
#include <vector>

namespace
{

struct ProbeResult {
    double ms = 0;
    double kib = 0;
};

ProbeResult runProbe(const QString &which)
{
    QProcess process;
    process.start(QCoreApplication::applicationDirPath() + "/startup_probe", {which});
    process.waitForFinished(30000);
    const QList<QByteArray> fields = process.readAllStandardOutput().trimmed().split(' ');
    if (process.exitCode() != 0 || fields.size() != 2)
        return {};
    const auto ms = kel::solutions::toNumber(fields[0].toStdString());
    const auto kib = kel::solutions::toNumber(fields[1].toStdString());
    return {ms.value_or(0), kib.value_or(0)};
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

void BM_StartupAgainstMinimalQtWindow(benchmark::State &state)
{
    std::vector<double> kelMs, kelKib, minMs, minKib;
    for (auto _ : state) {
        const ProbeResult m = runProbe("minimal");
        const ProbeResult k = runProbe("kel");
        minMs.push_back(m.ms);
        minKib.push_back(m.kib);
        kelMs.push_back(k.ms);
        kelKib.push_back(k.kib);
    }
    state.counters["kel_ms"] = median(kelMs);
    state.counters["minimal_ms"] = median(minMs);
    state.counters["time_ratio"] = median(kelMs) / std::max(1e-9, median(minMs));
    state.counters["kel_peak_KiB"] = median(kelKib);
    state.counters["minimal_peak_KiB"] = median(minKib);
    state.counters["memory_ratio"] = median(kelKib) / std::max(1.0, median(minKib));
}
BENCHMARK(BM_StartupAgainstMinimalQtWindow)->Iterations(15)->Unit(benchmark::kMillisecond);

} // namespace
