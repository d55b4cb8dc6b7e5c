// SPDX-License-Identifier: GPL-3.0-or-later
// The resonance window following a keystroke in its source: the curve computed and drawn
// afresh, then painted once at twice the screen's pixel density, as on a high-DPI screen.
#include "display/dialogs.h"
#include "display/picturearea.h"
#include "resonance/circuitsource.h"
#include "resonance/resonancewindow.h"

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include <string>

namespace
{

class Texts final : public kel::resonance::CircuitSource
{
public:
    kel::resonance::ResonanceTexts texts() const override
    {
        return {"500", R, "10.0", "0.00005", "10.0"};
    }
    void setSourceFrequency(double) override {}

    std::string R = "1000";
};

// Nothing is exported here, so no dialog is ever asked.
class NoDialogs final : public kel::display::Dialogs
{
public:
    kel::display::MessageAnswer message(const QString &, const QString &,
                                        kel::display::MessageButtons) override
    {
        return kel::display::MessageAnswer::Ok;
    }
    QString input(const QString &, const QString &, const QString &) override { return {}; }
    QString saveFile(const QString &, const QString &, const QString &) override { return {}; }
};

void BM_ResonanceRefresh(benchmark::State &state)
{
    Texts texts;
    NoDialogs dialogs;
    kel::resonance::ResonanceWindow window(texts, dialogs);
    window.resize(900, 520);
    window.show();
    const kel::display::PictureArea *picture = window.picture();
    QImage image(picture->size() * 2, QImage::Format_RGB32);
    // Two resistances in turn, so that every refresh draws anew.
    const std::string resistances[] = {"1000", "1001"};
    int n = 0;
    for (auto _ : state) {
        texts.R = resistances[n++ % 2];
        window.refresh();
        QPainter painter(&image);
        picture->render(painter, image.size());
    }
    state.counters["operations"] = static_cast<double>(picture->operations().size());
}
BENCHMARK(BM_ResonanceRefresh)->Unit(benchmark::kMillisecond);

} // namespace
