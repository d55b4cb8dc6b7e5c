// SPDX-License-Identifier: GPL-3.0-or-later
// One worksheet page of the underdamped RLC circuit with its curves plotted: laid out and
// written as a PDF into memory (the experiment attached), and the same with the page's content
// gathered from the lab window first, as Save Worksheet as PDF does.
#include "display/dialogs.h"
#include "lab/core/circuitlaunchers.h"
#include "lab/labwindow.h"
#include "worksheet/worksheetpage.h"

#include <benchmark/benchmark.h>

#include <QAction>
#include <QCheckBox>

#include <memory>

namespace
{

class QuietDialogs final : public kel::display::Dialogs
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

std::unique_ptr<kel::lab::LabWindow> plottedRlc(kel::display::Dialogs &dialogs)
{
    auto window = std::make_unique<kel::lab::LabWindow>(dialogs);
    window->applyConfiguration(*kel::lab::launcherConfiguration(5));
    for (const char *name : {"Charge", "Current"})
        window->findChild<QCheckBox *>(name)->setChecked(true);
    window->findChild<QAction *>("PlGraphs")->trigger();
    window->setTask(QStringLiteral("Read the damped period off the graph."));
    return window;
}

void BM_WorksheetPdfPage(benchmark::State &state)
{
    QuietDialogs dialogs;
    const auto lab = plottedRlc(dialogs);
    const kel::worksheet::Worksheet sheet = lab->worksheet();
    for (auto _ : state) {
        const QByteArray pdf = kel::worksheet::worksheetPdf(sheet, QPageSize::A4);
        benchmark::DoNotOptimize(pdf.data());
    }
}
BENCHMARK(BM_WorksheetPdfPage)->Unit(benchmark::kMillisecond);

void BM_LabWorksheetPdfFromWindow(benchmark::State &state)
{
    QuietDialogs dialogs;
    const auto lab = plottedRlc(dialogs);
    for (auto _ : state) {
        const std::optional<QByteArray> pdf = lab->worksheetPdf();
        benchmark::DoNotOptimize(pdf->data());
    }
}
BENCHMARK(BM_LabWorksheetPdfFromWindow)->Unit(benchmark::kMillisecond);

} // namespace
