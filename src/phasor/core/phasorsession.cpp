// SPDX-License-Identifier: GPL-3.0-or-later
#include "phasorsession.h"

#include "display/usertransform.h"
#include "solutions/numbertext.h"

#include <QStringList>

#include <utility>

namespace kel::phasor
{

namespace
{

constexpr std::array<const char *, kPhasorTextCount> kTextNames{"R",  "C",      "L", "v0",
                                                                "f0", "NumPer", "t2"};
constexpr std::array<const char *, kPhasorTextCount> kInitialTexts{"1000", "0.00005", "10.0", "500",
                                                                   "10.0", "5",       "0"};
constexpr std::array<const char *, 4> kCheckNames{"Checkvr", "CheckVC", "CheckVL", "CheckVM"};
constexpr std::array<PhasorText, 6> kParameters{PhasorText::R,  PhasorText::C,  PhasorText::L,
                                                PhasorText::v0, PhasorText::f0, PhasorText::NumPer};

std::string utf8(const QString &text)
{
    return text.toStdString();
}

QString fromUtf8(const std::string &text)
{
    return QString::fromStdString(text);
}

// Whether every coordinate system of a drawing can be taken by an area.
bool scalesUsable(const SceneDrawing &ops)
{
    for (const SceneOp &op : ops)
        if (op.kind == SceneOp::Kind::Scale &&
            !display::UserTransform::usable(op.x1, op.y1, op.x2, op.y2))
            return false;
    return true;
}

} // namespace

PhasorSession::PhasorSession(QObject *parent) : QObject(parent)
{
    for (std::size_t i = 0; i < kPhasorTextCount; ++i)
        m_texts[i] = QString::fromLatin1(kInitialTexts[i]);
    m_plot = PhasorScene::emptyFrame();
}

const char *PhasorSession::textName(PhasorText which)
{
    return kTextNames[static_cast<std::size_t>(which)];
}

const char *PhasorSession::checkName(Voltage voltage)
{
    return kCheckNames[static_cast<std::size_t>(voltage)];
}

ParameterTexts PhasorSession::parameterTexts() const
{
    return {utf8(text(PhasorText::R)),  utf8(text(PhasorText::C)),  utf8(text(PhasorText::L)),
            utf8(text(PhasorText::v0)), utf8(text(PhasorText::f0)), utf8(text(PhasorText::NumPer))};
}

std::optional<PhasorScene> PhasorSession::solve(PhasorOutcome &problem) const
{
    SolveResult result = solveAmplitudes(parameterTexts());
    if (!result.solution) {
        problem = PhasorProblem{PhasorProblem::Kind::Texts, std::move(result), {}};
        return std::nullopt;
    }
    return PhasorScene(*result.solution, m_shown);
}

PhasorOutcome PhasorSession::setText(PhasorText which, const QString &text)
{
    QString &stored = m_texts[static_cast<std::size_t>(which)];
    if (stored == text)
        return std::nullopt;
    stored = text;
    if (which != PhasorText::t2) {
        emit changed(Change::Inputs);
        return std::nullopt;
    }
    // A typed time takes the bar with it, and the bar's move redraws.
    const auto step = barStepForTime(utf8(text), utf8(this->text(PhasorText::NumPer)),
                                     utf8(this->text(PhasorText::f0)));
    if (step && *step != m_barStep)
        return showStep(*step, StepSource::User);
    emit changed(Change::Inputs);
    return std::nullopt;
}

void PhasorSession::setShown(Voltage voltage, bool shown)
{
    bool &stored = m_shown[static_cast<std::size_t>(voltage)];
    if (stored == shown)
        return;
    stored = shown;
    emit changed(Change::Inputs);
}

void PhasorSession::placeTime(const QString &t2)
{
    m_texts[static_cast<std::size_t>(PhasorText::t2)] = t2;
    const auto step =
        barStepForTime(utf8(t2), utf8(text(PhasorText::NumPer)), utf8(text(PhasorText::f0)));
    if (step)
        m_barStep = *step;
}

void PhasorSession::writeAmplitudes(const Solution &s)
{
    m_amplitudes = {fromUtf8(s.VRmaxText), fromUtf8(s.VCmaxText), fromUtf8(s.VLmaxText)};
}

void PhasorSession::appendProjections(const SceneProjections &projections)
{
    m_plot.insert(m_plot.end(), projections.plot.begin(), projections.plot.end());
    m_diagram.insert(m_diagram.end(), projections.diagram.begin(), projections.diagram.end());
}

// Texts first, then the drawings from cleared areas: writing t2 may move the bar, but what
// stays on the areas is this frame alone.
void PhasorSession::showFrame(const PhasorScene &scene, const SceneFrame &frame)
{
    if (frame.t2Text)
        placeTime(fromUtf8(*frame.t2Text));
    m_plot = frame.plot;
    m_diagram = frame.diagram;
    m_plotInFrameUnits = !scalesUsable(frame.plot);
    const TimeBase &time = scene.solution().time;
    m_marker = frame.t2Text && time.contains(frame.t2) ? std::optional(static_cast<float>(frame.t2))
                                                       : std::nullopt;
    for (std::size_t i = 0; i < frame.valueTexts.size(); ++i)
        m_values[i] = fromUtf8(frame.valueTexts[i]);
    m_lastDrawn = scene.solution();
    m_projections = m_projections && m_animationFrame;
    if (m_projections)
        appendProjections(scene.projectionsAtStep(m_barStep));
    m_described = {scene.shown(), frame.t2Text ? std::optional(frame.t2) : std::nullopt, frame.t2};
    // The load drawing shows no time of its own: nothing to read against a reference.
    m_lastReading.reset();
    if (frame.t2Text) {
        VoltageReading reading{frame.t2, {}};
        for (Voltage v : kVoltages)
            reading.volts[static_cast<std::size_t>(v)] =
                instantaneous(scene.solution(), v, frame.t2);
        m_lastReading = reading;
    }
}

void PhasorSession::resetGraphs()
{
    m_plot = PhasorScene::emptyFrame();
    m_diagram.clear();
    m_lastDrawn.reset();
    m_drawing = PhasorDrawing::Cleared;
    m_projections = false;
    m_marker.reset();
    m_plotInFrameUnits = true;
    m_lastReading.reset();
    m_reference.reset();
}

PhasorOutcome PhasorSession::load()
{
    PhasorOutcome problem;
    const auto scene = solve(problem);
    if (!scene)
        return problem;
    resetGraphs();
    writeAmplitudes(scene->solution());
    const double t2 = solutions::toNumber(utf8(text(PhasorText::t2))).value_or(0.0);
    showFrame(*scene, scene->loadFrame(t2));
    m_drawing = PhasorDrawing::Loaded;
    emit changed(Change::Outputs);
    return std::nullopt;
}

PhasorOutcome PhasorSession::redrawAtStep(std::int64_t n)
{
    PhasorOutcome problem;
    const auto scene = solve(problem);
    if (!scene)
        return problem;
    writeAmplitudes(scene->solution());
    showFrame(*scene, scene->frameAtStep(n));
    m_drawing = PhasorDrawing::Redrawn;
    emit changed(Change::Outputs);
    return std::nullopt;
}

PhasorOutcome PhasorSession::showStep(int step, StepSource source)
{
    // The bar moves whether or not its time can be drawn.
    if (step != m_barStep) {
        m_barStep = step;
        emit changed(Change::Inputs);
    }
    const bool wasAnimationFrame = std::exchange(m_animationFrame, source == StepSource::Animation);
    PhasorOutcome outcome = redrawAtStep(step);
    m_animationFrame = wasAnimationFrame;
    return outcome;
}

PhasorOutcome PhasorSession::plotAtTime()
{
    PhasorOutcome problem;
    const auto scene = solve(problem);
    if (!scene)
        return problem;
    const PlotStep plot = plotStepForTime(scene->solution().time, utf8(text(PhasorText::t2)));
    if (plot.problem == PlotStep::Problem::NotANumber)
        return PhasorProblem{PhasorProblem::Kind::TimeNotANumber, {}, text(PhasorText::t2)};
    if (plot.problem == PlotStep::Problem::TooFar)
        return PhasorProblem{PhasorProblem::Kind::TimeTooFar, {}, text(PhasorText::t2)};
    if (plot.barStep)
        m_barStep = *plot.barStep;
    return redrawAtStep(plot.step);
}

PhasorOutcome PhasorSession::replotAt(float x)
{
    PhasorOutcome problem;
    const auto scene = solve(problem);
    if (!scene)
        return problem;
    // After Clear Graphs the plot is in frame units; a click there still means a time.
    const double t = m_plotInFrameUnits ? frameToTime(x, scene->solution().time) : x;
    if (auto typed = setText(PhasorText::t2, fromUtf8(solutions::toText(static_cast<float>(t)))))
        return typed;
    return plotAtTime();
}

PhasorOutcome PhasorSession::clearGraphs()
{
    PhasorOutcome outcome;
    if (m_barStep != 0)
        outcome = showStep(0, StepSource::User);
    resetGraphs();
    emit changed(Change::Drawings);
    return outcome;
}

PhasorOutcome PhasorSession::showProjections()
{
    PhasorOutcome problem;
    const auto scene = solve(problem);
    if (!scene)
        return problem;
    writeAmplitudes(scene->solution());
    const SceneProjections projections = scene->projectionsAtStep(m_barStep);
    placeTime(fromUtf8(projections.t2Text));
    appendProjections(projections);
    m_plotInFrameUnits = false;
    m_projections = true;
    emit changed(Change::Outputs);
    return std::nullopt;
}

std::optional<double> PhasorSession::stepsPerPeriod(PhasorOutcome &problem) const
{
    const auto scene = solve(problem);
    if (!scene)
        return std::nullopt;
    return TimeBase::kSteps / scene->solution().numPer;
}

std::optional<Point> PhasorSession::pointerReading(double x, double y) const
{
    return phasor::pointerReading(parameterTexts(), x, y, m_plotInFrameUnits);
}

PhasorExperiment PhasorSession::experiment() const
{
    PhasorExperiment p;
    for (std::size_t i = 0; i < kPhasorTextCount; ++i)
        p.texts[QString::fromLatin1(kTextNames[i])] = m_texts[i];
    p.timeBar = m_barStep;
    for (Voltage v : kVoltages)
        if (m_shown[static_cast<std::size_t>(v)])
            p.checked << QString::fromLatin1(checkName(v));
    p.drawing = m_drawing;
    p.projections = m_projections;
    return p;
}

std::vector<PhasorProblem> PhasorSession::applyExperiment(const PhasorExperiment &p)
{
    std::vector<PhasorProblem> problems;
    const auto keep = [&problems](PhasorOutcome outcome) {
        if (outcome)
            problems.push_back(std::move(*outcome));
    };
    const auto textOf = [this, &p](PhasorText which) {
        const auto found = p.texts.find(QString::fromLatin1(textName(which)));
        return found == p.texts.end() ? text(which) : found->second;
    };
    for (PhasorText which : kParameters)
        m_texts[static_cast<std::size_t>(which)] = textOf(which);
    for (Voltage v : kVoltages)
        m_shown[static_cast<std::size_t>(v)] =
            p.checked.contains(QString::fromLatin1(checkName(v)));
    emit changed(Change::Inputs);
    // The time and the bar as they were, without the redraw a drag would make.
    const auto restoreTime = [this, &p, &textOf] {
        placeTime(textOf(PhasorText::t2));
        m_barStep = p.timeBar;
        emit changed(Change::Inputs);
    };
    switch (p.drawing) {
    case PhasorDrawing::Cleared:
        keep(clearGraphs());
        restoreTime();
        break;
    case PhasorDrawing::Loaded:
        restoreTime();
        keep(load());
        break;
    case PhasorDrawing::Redrawn:
        restoreTime();
        keep(redrawAtStep(p.timeBar));
        restoreTime();
        break;
    }
    if (p.projections)
        keep(showProjections());
    return problems;
}

bool PhasorSession::markReference()
{
    if (!m_lastReading)
        return false;
    m_reference = m_lastReading;
    return true;
}

std::optional<VoltageDelta> PhasorSession::lastDelta() const
{
    if (!m_reference || !m_lastReading)
        return std::nullopt;
    return voltageDeltaOf(*m_reference, *m_lastReading);
}

VoltageDelta voltageDeltaOf(const VoltageReading &reference, const VoltageReading &now)
{
    VoltageDelta d;
    d.dt = now.t - reference.t;
    if (d.dt != 0)
        d.rate = 1 / d.dt;
    for (std::size_t i = 0; i < d.dv.size(); ++i)
        d.dv[i] = now.volts[i] - reference.volts[i];
    return d;
}

QString voltageDeltaText(const VoltageDelta &d, const ShownCurves &shown)
{
    static constexpr std::array<const char *, 4> kSymbols{"ΔvR", "ΔvC", "ΔvL", "Δv0"};
    const auto number = [](double v) { return fromUtf8(solutions::shortText(v, 6)); };
    QStringList parts;
    parts << QStringLiteral("Δt = %1 s").arg(number(d.dt));
    if (d.rate)
        parts << QStringLiteral("1/Δt = %1 Hz").arg(number(*d.rate));
    for (std::size_t i = 0; i < d.dv.size(); ++i)
        if (shown[i])
            parts
                << QStringLiteral("%1 = %2 V").arg(QString::fromUtf8(kSymbols[i]), number(d.dv[i]));
    return parts.join(QStringLiteral(", "));
}

} // namespace kel::phasor
