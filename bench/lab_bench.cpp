// SPDX-License-Identifier: GPL-3.0-or-later
// The lab window's Plot Graphs with every curve of the driven RLC circuit selected, rendered
// once offscreen, and one solution function evaluated through the window's parameter texts.
#include "display/dialogs.h"
#include "display/picturearea.h"
#include "display/windowinstance.h"
#include "lab/labwindow.h"
#include "shell/circuitlaunchers.h"

#include <benchmark/benchmark.h>

#include <QCheckBox>
#include <QImage>

namespace
{

// Answers every box at once, so that ticking Voltage opens no real modal warning.
class SilentDialogs final : public kel::display::Dialogs
{
public:
    SilentDialogs() { kel::display::setDialogs(this); }
    ~SilentDialogs() override { kel::display::setDialogs(nullptr); }
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

using Lab = kel::display::WindowInstance<kel::lab::LabWindow>;

// The RLC circuit with an AC source at its defaults, Charge, Current and Voltage ticked.
kel::lab::LabWindow &drivenRlcWithEveryCurve()
{
    kel::shell::launchCircuit(13);
    kel::lab::LabWindow &window = Lab::get();
    for (const char *name : {"Charge", "Current", "Voltage"})
        window.findChild<QCheckBox *>(name)->setChecked(true);
    return window;
}

// Clear Graphs runs between iterations outside the timing, so that every timed press draws
// onto the empty frame as the first press after opening the circuit does.
void BM_LabPlotGraphsEveryCurve(benchmark::State &state)
{
    SilentDialogs dialogs;
    kel::lab::LabWindow &window = drivenRlcWithEveryCurve();
    const QSize size = window.graphArea()->size();
    for (auto _ : state) {
        state.PauseTiming();
        window.ClGraphs_Click();
        state.ResumeTiming();
        window.PlGraphs_Click();
        QImage image = window.graphArea()->toImage(size);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetItemsProcessed(state.iterations());
    Lab::destroy();
}
BENCHMARK(BM_LabPlotGraphsEveryCurve)->Unit(benchmark::kMicrosecond);

void BM_LabCurrentFromTexts(benchmark::State &state)
{
    SilentDialogs dialogs;
    kel::lab::LabWindow &window = drivenRlcWithEveryCurve();
    double t = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(window.i8(t));
        t += 0.5;
    }
    state.SetItemsProcessed(state.iterations());
    Lab::destroy();
}
BENCHMARK(BM_LabCurrentFromTexts)->Unit(benchmark::kNanosecond);

} // namespace
