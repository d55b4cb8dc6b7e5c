// SPDX-License-Identifier: GPL-3.0-or-later
// Plot Graphs pressed again and again without clearing: the recorded drawing, the memory and
// the time of one full repaint of the graph stay bounded, since strokes painted over by
// identical ones are dropped.
#include "answerok.h"
#include "display/picturearea.h"
#include "lab/core/circuitlaunchers.h"
#include "lab/labwindow.h"

#include <benchmark/benchmark.h>

#include <QCheckBox>
#include <QImage>

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <memory>

namespace
{

// Resident memory now, from the kernel's account of this process.
long residentKiB()
{
    long pages = 0, resident = 0;
    if (FILE *f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(f);
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// Kind 8 (the driven RLC circuit) with charge, current and source voltage selected.
std::unique_ptr<kel::lab::LabWindow> plottingWindow(kel::display::Dialogs &dialogs)
{
    auto lab = std::make_unique<kel::lab::LabWindow>(dialogs);
    lab->applyConfiguration(*kel::lab::launcherConfiguration(13));
    for (const char *name : {"Charge", "Current", "Voltage"})
        lab->findChild<QCheckBox *>(name)->setChecked(true);
    return lab;
}

void BM_PlotGraphsPressedRepeatedly(benchmark::State &state)
{
    kel::bench::AnswerOk answers;
    const auto window = plottingWindow(answers);
    kel::lab::LabWindow &lab = *window;
    kel::display::PictureArea *area = lab.graphArea();
    const auto presses = static_cast<int>(state.range(0));
    const long before = residentKiB();
    const auto start = std::chrono::steady_clock::now();
    for (int n = 0; n < presses; ++n)
        lab.plotGraphs();
    const std::chrono::duration<double, std::micro> pressing =
        std::chrono::steady_clock::now() - start;
    const long after = residentKiB();
    for (auto _ : state) {
        const QImage image = area->toImage(area->size());
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["presses"] = presses;
    state.counters["us_per_press"] = pressing.count() / presses;
    state.counters["recorded_ops"] = static_cast<double>(area->operations().size());
    state.counters["resident_growth_KiB"] = static_cast<double>(after - before);
}
// The timed part is one full repaint of the graph after the presses.
BENCHMARK(BM_PlotGraphsPressedRepeatedly)->Arg(1)->Arg(10000)->Unit(benchmark::kMicrosecond);

} // namespace
