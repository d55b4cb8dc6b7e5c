// SPDX-License-Identifier: GPL-3.0-or-later
// The frequency response of a driven RLC circuit following a new resistance: the response
// computed and its picture drawn afresh, then painted at twice the screen's pixel density.
#include "display/picturearea.h"
#include "lab/core/circuitlaunchers.h"
#include "lab/core/labcircuitsource.h"
#include "lab/core/labsession.h"
#include "resonance/responsedrawing.h"
#include "resonance/responsesession.h"

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
    const kel::lab::LabCircuitSource source(lab, {});
    kel::resonance::ResponseSession session(source);
    kel::display::PictureArea picture;
    picture.resize(640, 480);
    QImage image(picture.size() * 2, QImage::Format_RGB32);
    const QString resistances[] = {QStringLiteral("3"), QStringLiteral("3.01")};
    int n = 0;
    for (auto _ : state) {
        lab.setText(kel::lab::Field::R, resistances[n++ % 2]);
        session.refresh();
        kel::resonance::drawResponse(picture, session);
        QPainter painter(&image);
        picture.render(painter, image.size());
    }
    state.counters["operations"] = static_cast<double>(picture.operations().size());
}
BENCHMARK(BM_FrequencyResponseRedraw)->Unit(benchmark::kMillisecond);

} // namespace
