// SPDX-License-Identifier: GPL-3.0-or-later
// What a frame costs on screen. One frame of the phasor animation (the bar moved a step, both
// drawings redrawn with every curve, the projections and the diagram, and both painted at
// device pixel ratio 2), through the cached layers and, for comparison, replayed in full as
// an area without layers paints after each redraw. And one repaint of the lab graph after
// 10,000 presses of Plot Graphs, through its cached layer and replayed in full.
#include "answerok.h"
#include "display/picturearea.h"
#include "lab/core/circuitlaunchers.h"
#include "lab/labwindow.h"
#include "phasor/animationclock.h"
#include "phasor/phasorswindow.h"

#include <benchmark/benchmark.h>

#include <QCheckBox>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>

#include <memory>

namespace
{

constexpr qreal kRatio = 2.0;

// The frames' clock: each frame one step of the bar later (75 ms at 1x with five cycles).
class FrameClock final : public kel::phasor::AnimationClock
{
public:
    std::chrono::nanoseconds now() const override { return m_now; }
    void nextFrame() { m_now += std::chrono::milliseconds(75); }

private:
    std::chrono::nanoseconds m_now{0};
};

// An area's picture on a screen of the given pixel ratio, as its repaint makes it.
class Screen
{
public:
    explicit Screen(kel::display::PictureArea *area)
        : m_area(area), m_image((QSizeF(area->size()) * kRatio).toSize(), QImage::Format_RGB32)
    {
        m_image.setDevicePixelRatio(kRatio);
    }
    void paintLayers()
    {
        QPainter painter(&m_image);
        m_area->paintLayers(painter, QSizeF(m_area->size()), kRatio);
    }
    void replayAll()
    {
        QPainter painter(&m_image);
        m_area->render(painter, QSizeF(m_area->size()));
    }

private:
    kel::display::PictureArea *m_area;
    QImage m_image;
};

template <bool kLayers> void animationFrame(benchmark::State &state)
{
    kel::bench::AnswerOk answers;
    FrameClock clock;
    kel::phasor::PhasorsWindow window(answers, clock);
    window.show(); // out of sight the animation waits
    window.findChild<QPushButton *>("Projection")->click();
    window.animator().togglePlaying();
    Screen diagram(window.diagramArea()), plot(window.plotArea());
    const QScrollBar *bar = window.findChild<QScrollBar *>("TimeSc");
    int moved = 0;
    for (auto _ : state) {
        const int before = bar->value();
        clock.nextFrame();
        window.animator().advance();
        moved += bar->value() != before;
        if constexpr (kLayers) {
            diagram.paintLayers();
            plot.paintLayers();
        } else {
            diagram.replayAll();
            plot.replayAll();
        }
    }
    state.counters["frames_moving"] = moved;
    state.counters["plot_ops"] = static_cast<double>(window.plotArea()->operations().size());
}

void BM_AnimationFrameDpr2(benchmark::State &state)
{
    animationFrame<true>(state);
}
BENCHMARK(BM_AnimationFrameDpr2)->Unit(benchmark::kMicrosecond);

void BM_AnimationFrameDpr2FullReplay(benchmark::State &state)
{
    animationFrame<false>(state);
}
BENCHMARK(BM_AnimationFrameDpr2FullReplay)->Unit(benchmark::kMicrosecond);

template <bool kLayers> void labRepaint(benchmark::State &state)
{
    kel::bench::AnswerOk answers;
    kel::lab::LabWindow lab(answers);
    lab.applyConfiguration(*kel::lab::launcherConfiguration(13));
    for (const char *name : {"Charge", "Current", "Voltage"})
        lab.findChild<QCheckBox *>(name)->setChecked(true);
    for (int n = 0; n < 10'000; ++n)
        lab.plotGraphs();
    Screen graph(lab.graphArea());
    graph.paintLayers(); // the layer as the presses left it
    for (auto _ : state) {
        if constexpr (kLayers)
            graph.paintLayers();
        else
            graph.replayAll();
    }
    state.counters["recorded_ops"] = static_cast<double>(lab.graphArea()->operations().size());
}

void BM_LabRepaintAfter10000PlotsDpr2(benchmark::State &state)
{
    labRepaint<true>(state);
}
BENCHMARK(BM_LabRepaintAfter10000PlotsDpr2)->Unit(benchmark::kMicrosecond);

void BM_LabRepaintAfter10000PlotsDpr2FullReplay(benchmark::State &state)
{
    labRepaint<false>(state);
}
BENCHMARK(BM_LabRepaintAfter10000PlotsDpr2FullReplay)->Unit(benchmark::kMicrosecond);

} // namespace
