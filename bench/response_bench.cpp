// SPDX-License-Identifier: GPL-3.0-or-later
// The Frequency Response window of a driven RLC circuit following a new resistance: the
// response computed and both pictures drawn afresh, then painted at twice the screen's
// pixel density.
#include "display/picturearea.h"
#include "lab/core/circuitlaunchers.h"
#include "lab/core/labsession.h"
#include "response/responsesession.h"
#include "response/responsewindow.h"

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

namespace
{

void BM_FrequencyResponseRedraw(benchmark::State &state)
{
    kel::lab::LabSession lab;
    for (const kel::lab::CircuitLauncher &l : kel::lab::circuitLaunchers())
        if (l.configuration.circuitKind == kel::lab::CircuitKind::DrivenRlc)
            lab.applyConfiguration(l.configuration);
    kel::response::ResponseSession session(lab);
    kel::display::PictureArea magnitude, phase;
    magnitude.resize(640, 300);
    phase.resize(640, 200);
    QImage top(magnitude.size() * 2, QImage::Format_RGB32);
    QImage bottom(phase.size() * 2, QImage::Format_RGB32);
    const QString resistances[] = {QStringLiteral("3"), QStringLiteral("3.01")};
    int n = 0;
    for (auto _ : state) {
        lab.setText(kel::lab::Field::R, resistances[n++ % 2]);
        session.refresh();
        kel::response::drawResponse(magnitude, phase, session);
        QPainter topPainter(&top);
        magnitude.render(topPainter, top.size());
        QPainter bottomPainter(&bottom);
        phase.render(bottomPainter, bottom.size());
    }
    state.counters["operations"] =
        static_cast<double>(magnitude.operations().size() + phase.operations().size());
}
BENCHMARK(BM_FrequencyResponseRedraw)->Unit(benchmark::kMillisecond);

} // namespace
