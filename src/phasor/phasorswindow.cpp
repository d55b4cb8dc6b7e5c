// SPDX-License-Identifier: GPL-3.0-or-later
#include "phasorswindow.h"

#include "display/axisnumbersoption.h"
#include "display/dialogs.h"
#include "display/experimentmenu.h"
#include "display/fonts.h"
#include "display/menucommands.h"
#include "display/picturearea.h"
#include "display/qstringtext.h"
#include "markercursor.h"
#include "phasorsanimator.h"
#include "phasorstatus.h"
#include "resonancetextboxes.h"
#include "scenedrawing.h"
#include "steadyanimationclock.h"
#include "timebarkeys.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScrollBar>

namespace kel::phasor
{

namespace
{

std::string textOf(const QLineEdit *box)
{
    return display::toStdString(box->text());
}

} // namespace

PhasorsWindow::PhasorsWindow(display::Dialogs &dialogs, QWidget *parent)
    : PhasorsWindow(dialogs, std::make_unique<SteadyAnimationClock>(), nullptr, parent)
{
}

PhasorsWindow::PhasorsWindow(display::Dialogs &dialogs, const AnimationClock &clock,
                             QWidget *parent)
    : PhasorsWindow(dialogs, nullptr, &clock, parent)
{
}

PhasorsWindow::PhasorsWindow(display::Dialogs &dialogs, std::unique_ptr<AnimationClock> ownClock,
                             const AnimationClock *clock, QWidget *parent)
    : QMainWindow(parent), m_dialogs(dialogs), m_ownClock(std::move(ownClock))
{
    setObjectName("Phasors");
    setWindowTitle(tr("Phasor Plots"));
    setFont(display::arial(9));
    m_c = PhasorsControls::build(this);
    m_animator = new PhasorsAnimator(this, m_c.timeBar, clock ? *clock : *m_ownClock);
    buildMenus();
    m_experimentMenu =
        new display::ExperimentMenu(this, display::ExperimentWindow::Phasor, *this, m_dialogs);
    buildAnimation();
    connectControls();
    loadWindow();
    // The voltage plot's numbers follow the time scale each frame is drawn in.
    m_c.plot->setAxes({display::ValueAxis::followingScale({{"t", "s"}}),
                       {display::ValueAxis::followingScale({{"v", "V"}})}});
    display::addAxisNumbersOption(this, {m_c.plot});
}

// The animator reads the clock this window may own: it goes first.
PhasorsWindow::~PhasorsWindow()
{
    delete m_animator;
}

void PhasorsWindow::buildMenus()
{
    // The captions live until the end of each call, which copies them.
    display::addMenuCommands(menuBar(), this,
                             {
                                 {"plot", tr("Plot").toUtf8().constData(), [this] { plotAtTime(); },
                                  QKeySequence(Qt::Key_F5)},
                                 {"ClrGraphs", tr("Clear Graphs").toUtf8().constData(),
                                  [this] { clearGraphs(); }, QKeySequence(Qt::CTRL | Qt::Key_L)},
                                 {"close", tr("Close").toUtf8().constData(), [this] { hide(); },
                                  QKeySequence(Qt::CTRL | Qt::Key_W)},
                             });
    QMenu *exportMenu = menuBar()->addMenu(tr("Export"));
    exportMenu->setObjectName("Export");
    display::addMenuCommands(
        exportMenu, this,
        {
            {"SavePicture", tr("Save Picture...").toUtf8().constData(), [this] { savePicture(); },
             QKeySequence(Qt::CTRL | Qt::Key_S)},
            {"CopyPicture", tr("Copy Picture").toUtf8().constData(), [this] { copyPicture(); },
             QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)},
            {"SaveCsv", tr("Save Data as CSV...").toUtf8().constData(), [this] { saveCsv(); },
             QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
        });
    QMenu *animateMenu = menuBar()->addMenu(tr("Animate"));
    animateMenu->setObjectName("Animate");
    // Ctrl with the keys, so that Space still presses a focused button or ticks a check box.
    display::addMenuCommands(
        animateMenu, this,
        {
            {"PlayPause", tr("Play").toUtf8().constData(), [this] { m_animator->togglePlaying(); },
             QKeySequence(Qt::CTRL | Qt::Key_P)},
            {"Slower", tr("Slower").toUtf8().constData(), [this] { m_animator->slower(); },
             QKeySequence(Qt::CTRL | Qt::Key_Minus)},
            {"Faster", tr("Faster").toUtf8().constData(), [this] { m_animator->faster(); },
             QKeySequence(Qt::CTRL | Qt::Key_Plus)},
            {"Restart", tr("Restart").toUtf8().constData(), [this] { m_animator->restart(); },
             QKeySequence(Qt::CTRL | Qt::Key_R)},
        });
    // The frequency response of the same boxes, in a window of its own; a click on its curve
    // sets f and plots again. Its caption is the window's title, translated with it.
    display::addMenuCommands(
        menuBar(), this,
        {{"Resonance",
          QCoreApplication::translate("kel::phasor::ResonanceWindow", "Resonance Curve")
              .toUtf8()
              .constData(),
          [this] { showResonanceCurve(this, m_dialogs, [this] { plotAtTime(); }); },
          QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R)}});
    // Ctrl with the key of '+' unshifted, as most keyboards type it.
    if (auto *faster = findChild<QAction *>("Faster"))
        faster->setShortcuts(
            {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
}

void PhasorsWindow::buildAnimation()
{
    m_animator->setIndicators(findChild<QAction *>("PlayPause"), m_c.statusAnimation);
    // Never on texts that cannot be drawn: the problem is reported instead.
    m_animator->setStepsPerPeriodSource([this]() -> std::optional<double> {
        const auto scene = sceneOrReport();
        if (!scene)
            return std::nullopt;
        return TimeBase::kSteps / scene->solution().numPer;
    });
    m_animator->setRedraw([this](int step) { redrawAtStep(step); });
    connect(m_animator, &PhasorsAnimator::paused, this, &PhasorsWindow::describeDrawings);
}

void PhasorsWindow::connectControls()
{
    connect(m_c.t2, &QLineEdit::textChanged, this, &PhasorsWindow::onTimeTextChanged);
    connect(m_c.timeBar, &QScrollBar::valueChanged, this, &PhasorsWindow::onTimeBarChanged);
    connect(m_c.projectionButton, &QPushButton::clicked, this, &PhasorsWindow::showProjections);
    connect(m_c.plot, &display::PictureArea::mouseUp, this,
            [this](int, int, float x, float) { replotAt(x); });
    connect(m_c.plot, &display::PictureArea::mouseMove, this, &PhasorsWindow::showPointerReading);
    m_cursor = new MarkerCursor(m_c.plot);
    connect(m_c.plot, &display::PictureArea::cursorMoved, this, &PhasorsWindow::replotAt);
    // Any change of a parameter stops the animation; so does typing a time.
    for (QLineEdit *box : {m_c.R, m_c.C, m_c.L, m_c.v0, m_c.f0, m_c.numPer}) {
        connect(box, &QLineEdit::textChanged, this, &PhasorsWindow::updateCircuitStatus);
        connect(box, &QLineEdit::textChanged, m_animator, &PhasorsAnimator::pause);
    }
    connect(m_c.t2, &QLineEdit::textEdited, m_animator, &PhasorsAnimator::pause);
    m_c.plot->setMouseTracking(true);
    m_c.plot->installEventFilter(this);
    new TimeBarKeys(m_c.timeBar);
    updateCircuitStatus();
}

void PhasorsWindow::loadWindow()
{
    m_c.t2->setText("0");
    for (QCheckBox *box : m_c.checks)
        box->setChecked(true);
    const auto scene = sceneOrReport();
    if (!scene)
        return;
    writeAmplitudes(scene->solution());
    showFrame(*scene, scene->loadFrame(display::numberOf(m_c.t2->text()).value_or(0.0)));
}

bool PhasorsWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_c.plot && event->type() == QEvent::Leave)
        m_c.statusPointer->clear();
    return QMainWindow::eventFilter(watched, event);
}

// --- The one redraw path ---------------------------------------------------------------------

ParameterTexts PhasorsWindow::parameterTexts() const
{
    return {textOf(m_c.R),  textOf(m_c.C),  textOf(m_c.L),
            textOf(m_c.v0), textOf(m_c.f0), textOf(m_c.numPer)};
}

ShownCurves PhasorsWindow::shownCurves() const
{
    ShownCurves shown{};
    for (std::size_t i = 0; i < shown.size(); ++i)
        shown[i] = m_c.checks[i]->isChecked();
    return shown;
}

std::optional<PhasorScene> PhasorsWindow::sceneOrReport()
{
    const SolveResult result = phasor::solveAmplitudes(parameterTexts());
    if (!result.solution) {
        m_dialogs.message(problemMessage(result), tr("Input Error"));
        return std::nullopt;
    }
    return PhasorScene(*result.solution, shownCurves());
}

void PhasorsWindow::writeAmplitudes(const Solution &s)
{
    PhasorsControls::writeReadOut(m_c.amplitudes[0], s.VRmaxText);
    PhasorsControls::writeReadOut(m_c.amplitudes[1], s.VCmaxText);
    PhasorsControls::writeReadOut(m_c.amplitudes[2], s.VLmaxText);
}

std::optional<Solution> PhasorsWindow::solveAmplitudes()
{
    const auto scene = sceneOrReport();
    if (!scene)
        return std::nullopt;
    writeAmplitudes(scene->solution());
    return scene->solution();
}

void PhasorsWindow::resetGraphs()
{
    m_c.plot->clear();
    m_c.diagram->clear();
    m_lastDrawn.reset();
    m_redrawn = false;
    m_projectionsShown = false;
    m_c.plot->setAutoRedraw(true);
    m_c.diagram->setAutoRedraw(true);
    drawScene(m_c.plot, PhasorScene::emptyFrame());
    m_c.describeEmptyDrawings();
    m_cursor->clearMarker();
    m_plotInFrameUnits = true;
}

// Texts first, then the drawings from cleared areas: the change handling that writing t2
// raises may move the bar, but what stays on the areas is this frame alone.
void PhasorsWindow::showFrame(const PhasorScene &scene, const SceneFrame &frame)
{
    if (frame.t2Text) {
        const QScopedValueRollback redrawing(m_redrawing, true);
        m_c.t2->setText(display::toQString(*frame.t2Text));
    }
    m_c.plot->clear();
    m_c.diagram->clear();
    m_c.plot->setAutoRedraw(true);
    m_c.diagram->setAutoRedraw(true);
    m_plotInFrameUnits = !drawScene(m_c.plot, frame.plot);
    drawScene(m_c.diagram, frame.diagram);
    m_cursor->follow(frame, scene.solution().time);
    for (std::size_t i = 0; i < frame.valueTexts.size(); ++i)
        PhasorsControls::writeReadOut(m_c.values[i], frame.valueTexts[i]);
    m_lastDrawn = scene.solution();
    m_projectionsShown = m_projectionsShown && m_animator->inFrame();
    if (m_projectionsShown) {
        const SceneProjections projections = scene.projectionsAtStep(m_c.timeBar->value());
        drawScene(m_c.plot, projections.plot);
        drawScene(m_c.diagram, projections.diagram);
    }
    m_described = {scene.shown(), frame.t2Text ? std::optional(frame.t2) : std::nullopt, frame.t2};
    // Played, the words would change with every frame, too fast to hear and a good part of a
    // frame's work: they catch up when the animation pauses.
    if (!m_animator->playing())
        describeDrawings();
}

void PhasorsWindow::describeDrawings()
{
    if (m_lastDrawn)
        m_c.describeDrawings(PhasorScene(*m_lastDrawn, m_described.shown), m_described.marker,
                             m_described.t2);
}

void PhasorsWindow::redrawAtStep(std::int64_t n)
{
    // Everything is computed before anything is cleared or written, so bad input leaves the
    // drawings and texts as they were.
    const auto scene = sceneOrReport();
    if (!scene)
        return;
    writeAmplitudes(scene->solution());
    showFrame(*scene, scene->frameAtStep(n));
    m_redrawn = true;
}

// --- Handlers --------------------------------------------------------------------------------

void PhasorsWindow::plotAtTime()
{
    m_animator->pause();
    const auto scene = sceneOrReport();
    if (!scene)
        return;
    const PlotStep plot = plotStepForTime(scene->solution().time, textOf(m_c.t2));
    if (plot.problem != PlotStep::Problem::None) {
        m_dialogs.message(plot.problem == PlotStep::Problem::NotANumber
                              ? display::withDecimalCommaHint(
                                    tr("The text of Time is not a number."), m_c.t2->text())
                              : tr("The Time is too far outside the plotted interval to draw."),
                          tr("Input Error"));
        return;
    }
    if (plot.barStep)
        m_c.timeBar->setValue(*plot.barStep);
    redrawAtStep(plot.step);
}

void PhasorsWindow::onTimeBarChanged()
{
    if (!m_redrawing)
        redrawAtStep(m_c.timeBar->value());
}

void PhasorsWindow::onTimeTextChanged()
{
    const auto step = barStepForTime(textOf(m_c.t2), textOf(m_c.numPer), textOf(m_c.f0));
    if (step)
        m_c.timeBar->setValue(*step);
}

void PhasorsWindow::replotAt(float x)
{
    m_animator->pause();
    const auto scene = sceneOrReport();
    if (!scene)
        return;
    // After Clear Graphs the plot is in frame units; a click there still means a time.
    const double t = m_plotInFrameUnits ? frameToTime(x, scene->solution().time) : x;
    m_c.t2->setText(display::numberText(static_cast<float>(t)));
    plotAtTime();
}

void PhasorsWindow::clearGraphs()
{
    m_animator->pause();
    m_c.timeBar->setValue(0);
    resetGraphs();
}

void PhasorsWindow::showProjections()
{
    const int n = m_c.timeBar->value();
    const auto scene = sceneOrReport();
    if (!scene)
        return;
    writeAmplitudes(scene->solution());
    const SceneProjections projections = scene->projectionsAtStep(n);
    {
        const QScopedValueRollback redrawing(m_redrawing, true);
        m_c.t2->setText(display::toQString(projections.t2Text));
    }
    drawScene(m_c.plot, projections.plot);
    drawScene(m_c.diagram, projections.diagram);
    m_plotInFrameUnits = false;
    m_projectionsShown = true;
}

void PhasorsWindow::updateCircuitStatus()
{
    m_c.statusCircuit->setText(circuitStatusText(parameterTexts()));
}

void PhasorsWindow::showPointerReading(float x, float y)
{
    const auto reading = pointerReading(parameterTexts(), x, y, m_plotInFrameUnits);
    m_c.statusPointer->setText(reading ? pointerStatusText(*reading) : QString());
}

} // namespace kel::phasor
