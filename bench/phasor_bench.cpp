// SPDX-License-Identifier: GPL-3.0-or-later
// The phasor window's full redraw at one time step, and the time bar swept over every step as
// when the thumb is dragged, each including the rendering of both drawings offscreen.
#include "answerok.h"
#include "display/picturearea.h"
#include "phasor/phasorswindow.h"

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>

namespace
{

// Paints both drawings once, as a repaint of the window would.
class Renderer
{
public:
    explicit Renderer(const kel::phasor::PhasorsWindow &window)
        : m_diagram(window.diagramArea()), m_plot(window.plotArea()),
          m_diagramImage(m_diagram->size(), QImage::Format_RGB32),
          m_plotImage(m_plot->size(), QImage::Format_RGB32)
    {
    }
    void operator()()
    {
        QPainter d(&m_diagramImage);
        m_diagram->render(d, m_diagramImage.size());
        QPainter p(&m_plotImage);
        m_plot->render(p, m_plotImage.size());
    }

private:
    const kel::display::PictureArea *m_diagram;
    const kel::display::PictureArea *m_plot;
    QImage m_diagramImage, m_plotImage;
};

void BM_PhasorRedrawAtStep(benchmark::State &state)
{
    kel::bench::AnswerOk answers;
    kel::phasor::PhasorsWindow window(answers);
    Renderer render(window);
    QScrollBar *bar = window.findChild<QScrollBar *>("TimeSc");
    int n = 0;
    for (auto _ : state) {
        // The bar stands at the step being drawn, as when the program redraws; moved silently
        // here so that only the one redraw is timed.
        state.PauseTiming();
        {
            const QSignalBlocker quiet(bar);
            bar->setValue(n);
        }
        state.ResumeTiming();
        window.redrawAtStep(n);
        render();
        n = (n + 37) % 201;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PhasorRedrawAtStep)->Unit(benchmark::kMicrosecond);

void BM_PhasorBarSweep(benchmark::State &state)
{
    kel::bench::AnswerOk answers;
    kel::phasor::PhasorsWindow window(answers);
    Renderer render(window);
    QScrollBar *bar = window.findChild<QScrollBar *>("TimeSc");
    for (auto _ : state) {
        // Up from 0 to 200 and back down: every value a change, as a drag delivers it.
        for (int n = 1; n <= 200; ++n) {
            bar->setValue(n);
            render();
        }
        for (int n = 199; n >= 0; --n) {
            bar->setValue(n);
            render();
        }
    }
    state.SetItemsProcessed(state.iterations() * 400);
    state.counters["time_per_step"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * 400,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_PhasorBarSweep)->Unit(benchmark::kMillisecond);

} // namespace
