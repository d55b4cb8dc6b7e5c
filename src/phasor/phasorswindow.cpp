// SPDX-License-Identifier: GPL-3.0-or-later
#include "phasorswindow.h"

#include "core/phasorcircuitsource.h"
#include "core/phasorexperimentfile.h"
#include "display/axisnumbersoption.h"
#include "display/dialogs.h"
#include "display/experimentmenu.h"
#include "display/fonts.h"
#include "display/picturearea.h"
#include "display/qstringtext.h"
#include "markercursor.h"
#include "phasorsanimator.h"
#include "phasorstatus.h"
#include "resonance/resonancewindow.h"
#include "scenedrawing.h"
#include "steadyanimationclock.h"
#include "timebarkeys.h"

#include <QAction>
#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>

namespace kel::phasor
{

namespace
{

// The boxes of the session's texts, in the order of PhasorText.
std::array<QLineEdit *, kPhasorTextCount> textBoxes(const PhasorsControls &c)
{
    return {c.R, c.C, c.L, c.v0, c.f0, c.numPer, c.t2};
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
    m_circuit = std::make_unique<PhasorCircuitSource>(m_session, [this] { plotAtTime(); });
    m_animator = new PhasorsAnimator(this, m_session, clock ? *clock : *m_ownClock);
    buildMenus();
    buildWorksheetCommands();
    m_experimentMenu = new display::ExperimentMenu(
        this, QLatin1String(PhasorExperiment::kWindow),
        {PhasorExperiment::kWindow, &PhasorExperiment::check}, *this, m_dialogs);
    m_animator->setIndicators(findChild<QAction *>("PlayPause"), m_c.statusAnimation);
    // Never on texts that cannot be drawn: the problem is reported instead.
    m_animator->setStepsPerPeriodSource([this] {
        PhasorOutcome problem;
        const auto steps = m_session.stepsPerPeriod(problem);
        report(problem);
        return steps;
    });
    m_animator->setReport([this](const PhasorProblem &problem) { report(problem); });
    connect(m_animator, &PhasorsAnimator::paused, this, &PhasorsWindow::describeDrawings);
    connectControls();
    report(m_session.load());
    // The voltage plot's numbers follow the time scale each frame is drawn in.
    m_c.plot->setAxes({display::ValueAxis::followingScale({{"t", "s"}}),
                       {display::ValueAxis::followingScale({{"v", "V"}})}});
    QAction *axisNumbers = display::addAxisNumbersOption(this, {m_c.plot});
    buildReference(axisNumbers);
}

// View → Mark Reference before Axis Numbers, M on the focused plot, and the differences in
// the status bar.
void PhasorsWindow::buildReference(QAction *before)
{
    auto *mark = new QAction(tr("Mark Reference"), this);
    mark->setObjectName("MarkReference");
    mark->setShortcut(QKeySequence(Qt::Key_M));
    mark->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    menuBar()->findChild<QMenu *>("View", Qt::FindDirectChildrenOnly)->insertAction(before, mark);
    m_c.plot->addAction(mark);
    connect(mark, &QAction::triggered, this, &PhasorsWindow::markReference);
    m_deltaReadout = new QLabel(statusBar());
    m_deltaReadout->setObjectName("DeltaReadout");
    statusBar()->addWidget(m_deltaReadout, 1);
    m_deltaReadout->hide();
}

void PhasorsWindow::markReference()
{
    if (m_session.markReference())
        showDelta();
}

void PhasorsWindow::showDelta()
{
    if (!m_deltaReadout) // the first drawing, made while the window is being built
        return;
    const std::optional<VoltageReading> &reference = m_session.reference();
    m_c.plot->setReferenceX(reference && !m_session.plotInFrameUnits()
                                ? std::optional(static_cast<float>(reference->t))
                                : std::nullopt);
    const std::optional<VoltageDelta> delta = m_session.lastDelta();
    const QString text = delta ? voltageDeltaText(*delta, m_session.shown()) : QString();
    m_deltaReadout->setText(text);
    // The status bar may be narrower than every voltage's difference.
    m_deltaReadout->setToolTip(text);
    m_deltaReadout->setVisible(delta.has_value());
}

// The animator reads the clock this window may own, and the resonance curve the circuit
// source: they go first.
PhasorsWindow::~PhasorsWindow()
{
    delete m_resonance;
    delete m_animator;
}

void PhasorsWindow::connectControls()
{
    connect(&m_session, &PhasorSession::changed, this, &PhasorsWindow::showSession);
    const auto boxes = textBoxes(m_c);
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const auto which = static_cast<PhasorText>(i);
        if (which == PhasorText::t2)
            continue;
        // Any change of a parameter stops the animation and is followed by the curve.
        connect(boxes[i], &QLineEdit::textChanged, this, [this, which](const QString &text) {
            m_session.setText(which, text);
            updateCircuitStatus();
            m_animator->pause();
            if (m_resonance)
                m_resonance->refresh();
        });
    }
    connect(m_c.t2, &QLineEdit::textChanged, this, &PhasorsWindow::onTimeTextChanged);
    connect(m_c.t2, &QLineEdit::textEdited, m_animator, &PhasorsAnimator::pause);
    for (Voltage v : kVoltages)
        connect(m_c.checks[static_cast<std::size_t>(v)], &QCheckBox::toggled, this,
                [this, v](bool checked) { m_session.setShown(v, checked); });
    connect(m_c.timeBar, &QScrollBar::valueChanged, this, &PhasorsWindow::onTimeBarChanged);
    connect(m_c.projectionButton, &QPushButton::clicked, this, &PhasorsWindow::showProjections);
    connect(m_c.plot, &display::PictureArea::mouseUp, this,
            [this](int, int, float x, float) { replotAt(x); });
    connect(m_c.plot, &display::PictureArea::mouseMove, this, &PhasorsWindow::showPointerReading);
    m_cursor = new MarkerCursor(m_c.plot);
    connect(m_c.plot, &display::PictureArea::cursorMoved, this, &PhasorsWindow::replotAt);
    m_c.plot->setMouseTracking(true);
    m_c.plot->installEventFilter(this);
    new TimeBarKeys(m_c.timeBar);
    updateCircuitStatus();
}

bool PhasorsWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_c.plot && event->type() == QEvent::Leave)
        m_c.statusPointer->clear();
    return QMainWindow::eventFilter(watched, event);
}

// --- The session shown -----------------------------------------------------------------------

void PhasorsWindow::showSession(PhasorSession::Change change)
{
    const auto boxes = textBoxes(m_c);
    for (std::size_t i = 0; i < boxes.size(); ++i)
        if (boxes[i]->text() != m_session.text(static_cast<PhasorText>(i)))
            boxes[i]->setText(m_session.text(static_cast<PhasorText>(i)));
    for (std::size_t i = 0; i < m_c.checks.size(); ++i)
        m_c.checks[i]->setChecked(m_session.shown()[i]);
    if (m_c.timeBar->value() != m_session.barStep())
        m_c.timeBar->setValue(m_session.barStep());
    if (change == PhasorSession::Change::Inputs)
        return;
    if (change == PhasorSession::Change::Outputs)
        for (std::size_t i = 0; i < m_c.amplitudes.size(); ++i)
            PhasorsControls::writeReadOut(m_c.amplitudes[i],
                                          display::toStdString(m_session.amplitudeTexts()[i]));
    showDrawings();
    if (change == PhasorSession::Change::Outputs)
        for (std::size_t i = 0; i < m_c.values.size(); ++i)
            PhasorsControls::writeReadOut(m_c.values[i],
                                          display::toStdString(m_session.valueTexts()[i]));
    if (m_session.drawing() == PhasorDrawing::Cleared)
        m_c.describeEmptyDrawings();
    // Played, the words would change with every frame, too fast to hear and a good part of a
    // frame's work: they catch up when the animation pauses.
    else if (!m_animator->playing())
        describeDrawings();
}

void PhasorsWindow::showDrawings()
{
    m_c.plot->clear();
    m_c.diagram->clear();
    drawScene(m_c.plot, m_session.plotDrawing());
    drawScene(m_c.diagram, m_session.diagramDrawing());
    m_cursor->follow(m_session.marker());
    showDelta();
}

void PhasorsWindow::describeDrawings()
{
    const PhasorDescription &d = m_session.description();
    if (const auto &solution = m_session.lastSolution())
        m_c.describeDrawings(PhasorScene(*solution, d.shown), d.marker, d.t2);
    if (const std::optional<VoltageDelta> delta = m_session.lastDelta())
        m_c.plot->setAccessibleDescription(m_c.plot->accessibleDescription() + QLatin1Char(' ') +
                                           voltageDeltaText(*delta, m_session.shown()) +
                                           QLatin1Char('.'));
}

void PhasorsWindow::report(const PhasorOutcome &outcome)
{
    if (!outcome)
        return;
    switch (outcome->kind) {
    case PhasorProblem::Kind::Texts:
        m_dialogs.message(problemMessage(outcome->solve), tr("Input Error"));
        break;
    case PhasorProblem::Kind::TimeNotANumber:
        m_dialogs.message(display::withDecimalCommaHint(tr("The text of Time is not a number."),
                                                        outcome->timeText),
                          tr("Input Error"));
        break;
    case PhasorProblem::Kind::TimeTooFar:
        m_dialogs.message(tr("The Time is too far outside the plotted interval to draw."),
                          tr("Input Error"));
        break;
    }
}

// --- Handlers --------------------------------------------------------------------------------

void PhasorsWindow::redrawAtStep(std::int64_t n)
{
    report(m_session.redrawAtStep(n));
}

void PhasorsWindow::plotAtTime()
{
    m_animator->pause();
    report(m_session.plotAtTime());
}

void PhasorsWindow::onTimeBarChanged()
{
    // The bar following the session tells nothing new; a drag or a key moves the session.
    if (m_c.timeBar->value() != m_session.barStep())
        report(m_session.showStep(m_c.timeBar->value(), StepSource::User));
}

void PhasorsWindow::onTimeTextChanged()
{
    report(m_session.setText(PhasorText::t2, m_c.t2->text()));
}

void PhasorsWindow::replotAt(float x)
{
    m_animator->pause();
    report(m_session.replotAt(x));
}

void PhasorsWindow::clearGraphs()
{
    m_animator->pause();
    report(m_session.clearGraphs());
}

void PhasorsWindow::showProjections()
{
    report(m_session.showProjections());
}

void PhasorsWindow::showResonanceCurve()
{
    if (!m_resonance)
        m_resonance = new resonance::ResonanceWindow(*m_circuit, m_dialogs, this);
    m_resonance->show();
    m_resonance->raise();
    m_resonance->activateWindow();
}

void PhasorsWindow::updateCircuitStatus()
{
    m_c.statusCircuit->setText(circuitStatusText(m_session.parameterTexts()));
}

void PhasorsWindow::showPointerReading(float x, float y)
{
    const auto reading = m_session.pointerReading(x, y);
    m_c.statusPointer->setText(reading ? pointerStatusText(*reading) : QString());
}

} // namespace kel::phasor
