// SPDX-License-Identifier: GPL-3.0-or-later
// One repaint of the measurement graph with a million samples and the model over them: one
// stroke per pixel column from the column's smallest to its largest sample.
#include "measurement/measurementsession.h"
#include "measurement/recordinggraph.h"

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include <cmath>

namespace
{

// A repaint (an expose, a fit window being dragged), and with `changed` the first repaint
// after the session changed, which passes over the million samples again.
void repaintMillionPoints(benchmark::State &state, bool changed)
{
    using namespace kel::measurement;
    constexpr int kSamples = 1'000'000;
    Recording recording;
    recording.time.resize(kSamples);
    recording.channels.assign(1, std::vector<double>(kSamples));
    for (int k = 0; k < kSamples; ++k) {
        const double t = (k - 50'000) * 1e-8;
        recording.time[std::size_t(k)] = t;
        recording.channels[0][std::size_t(k)] =
            t < 0 ? 0 : 5 - 5 * std::exp(-1000 * t) * std::cos(9950 * t) + 0.02 * std::sin(k);
    }
    recording.channelNames = {"CH1"};
    recording.channelUnits = {"V"};
    MeasurementSession session;
    session.setRecording(std::move(recording), "bench.csv");
    HostCircuit circuit;
    circuit.values = {20.0, 0.01, 1e-6, 5.0, 100.0, 0.0, 0.0};
    session.setHostCircuit(circuit);
    RecordingGraph graph(session);
    graph.resize(800, 500);
    graph.follow();
    QImage image(graph.size(), QImage::Format_ARGB32_Premultiplied);
    graph.render(&image); // the residuals are computed once per change of the session
    for (auto _ : state) {
        if (changed)
            graph.follow();
        graph.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}

void BM_RepaintMillionPoints(benchmark::State &state)
{
    repaintMillionPoints(state, false);
}

void BM_RepaintMillionPointsAfterAChange(benchmark::State &state)
{
    repaintMillionPoints(state, true);
}

} // namespace

BENCHMARK(BM_RepaintMillionPoints)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RepaintMillionPointsAfterAChange)->Unit(benchmark::kMillisecond);
