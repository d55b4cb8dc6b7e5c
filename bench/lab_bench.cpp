// SPDX-License-Identifier: GPL-3.0-or-later
// The lab window's Plot Graphs with every curve of the driven RLC circuit selected, rendered
// once offscreen, and one solution function evaluated through the session's parameter texts.
#include "display/dialogs.h"
#include "display/picturearea.h"
#include "lab/core/circuitlaunchers.h"
#include "lab/labwindow.h"

#include <benchmark/benchmark.h>

#include <QCheckBox>
#include <QImage>

#include <memory>

namespace
{

// Answers every box at once, so that ticking Voltage opens no real modal warning.
class SilentDialogs final : public kel::display::Dialogs
{
public:
    kel::display::MessageAnswer message(const QString &, const QString &,
                                        kel::display::MessageButtons) override
    {
        return kel::display::MessageAnswer::Ok;
    }
    QString input(const QString &, const QString &, const QString &defaultText) override
    {
        return defaultText;
    }
    QString saveFile(const QString &, const QString &, const QString &) override { return {}; }
};

// The RLC circuit with an AC source at its defaults, Charge, Current and Voltage ticked.
std::unique_ptr<kel::lab::LabWindow> drivenRlcWithEveryCurve(kel::display::Dialogs &dialogs)
{
    auto window = std::make_unique<kel::lab::LabWindow>(dialogs);
    window->applyConfiguration(*kel::lab::launcherConfiguration(13));
    for (const char *name : {"Charge", "Current", "Voltage"})
        window->findChild<QCheckBox *>(name)->setChecked(true);
    return window;
}

// Clear Graphs runs between iterations outside the timing, so that every timed press draws
// onto the empty frame as the first press after opening the circuit does.
void BM_LabPlotGraphsEveryCurve(benchmark::State &state)
{
    SilentDialogs dialogs;
    const auto lab = drivenRlcWithEveryCurve(dialogs);
    kel::lab::LabWindow &window = *lab;
    const QSize size = window.graphArea()->size();
    for (auto _ : state) {
        state.PauseTiming();
        window.clearGraphs();
        state.ResumeTiming();
        window.plotGraphs();
        QImage image = window.graphArea()->toImage(size);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LabPlotGraphsEveryCurve)->Unit(benchmark::kMicrosecond);

void BM_LabCurrentFromTexts(benchmark::State &state)
{
    SilentDialogs dialogs;
    const auto lab = drivenRlcWithEveryCurve(dialogs);
    kel::lab::LabWindow &window = *lab;
    double t = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(window.session().i8(t));
        t += 0.5;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LabCurrentFromTexts)->Unit(benchmark::kNanosecond);

} // namespace
