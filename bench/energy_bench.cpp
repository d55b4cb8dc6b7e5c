// SPDX-License-Identifier: GPL-3.0-or-later
// The Energy window of an underdamped RLC circuit: one redraw of its five 401-point curves,
// painted at twice the screen's pixel density; and, apart, the energies computed afresh.
#include "display/picturearea.h"
#include "energy/energydrawing.h"
#include "energy/energysession.h"
#include "lab/core/circuitlaunchers.h"
#include "lab/core/labsession.h"

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

namespace
{

kel::lab::LabSession underdampedRlc()
{
    kel::lab::LabSession lab;
    lab.applyConfiguration(*kel::lab::launcherConfiguration(5));
    lab.setScale({0, 100, 10, -10});
    return lab;
}

void BM_EnergyRedraw(benchmark::State &state)
{
    const kel::lab::LabSession lab = underdampedRlc();
    kel::energy::EnergySession session(lab);
    session.refresh();
    kel::display::PictureArea picture;
    picture.resize(640, 400);
    QImage image(picture.size() * 2, QImage::Format_RGB32);
    for (auto _ : state) {
        kel::energy::drawEnergy(picture, session);
        QPainter painter(&image);
        picture.render(painter, image.size());
    }
    state.counters["operations"] = static_cast<double>(picture.operations().size());
}
BENCHMARK(BM_EnergyRedraw)->Unit(benchmark::kMillisecond);

void BM_EnergyCurve(benchmark::State &state)
{
    kel::lab::LabSession lab = underdampedRlc();
    kel::energy::EnergySession session(lab);
    int n = 0;
    const QString resistances[] = {QStringLiteral("1"), QStringLiteral("1.01")};
    for (auto _ : state) {
        lab.setText(kel::lab::Field::R, resistances[n++ % 2]);
        session.refresh();
    }
}
BENCHMARK(BM_EnergyCurve)->Unit(benchmark::kMillisecond);

} // namespace
