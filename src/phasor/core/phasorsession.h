// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "phasorscene.h"

#include "phasorexperimentfile.h"

#include <QObject>
#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace kel::phasor
{

// The texts a phasor window edits: the six parameters and the time t2, in this order.
enum class PhasorText { R, C, L, v0, f0, NumPer, t2 };
inline constexpr std::size_t kPhasorTextCount = 7;

// Why an operation drew nothing: texts that give no solution, or a time text for Plot that is
// not a number or lies too far outside the plotted interval.
struct PhasorProblem {
    enum class Kind { Texts, TimeNotANumber, TimeTooFar };
    Kind kind = Kind::Texts;
    SolveResult solve; // for Texts
    QString timeText;  // for TimeNotANumber
};
// Nothing when the operation was done.
using PhasorOutcome = std::optional<PhasorProblem>;

// What moved the time bar: the user (a drag, a key, a command) or the animation, whose frames
// keep the projections on the drawings.
enum class StepSource { User, Animation };

// The four voltages (V) at the time t (s) a frame was drawn for, in kVoltages' order.
struct VoltageReading {
    double t = 0;
    std::array<double, 4> volts{};
};

// A frame's reading against the reference: Δt = t - t(ref) (s), 1/Δt (Hz, none at Δt = 0)
// and the change of each voltage (V).
struct VoltageDelta {
    double dt = 0;
    std::optional<double> rate;
    std::array<double, 4> dv{};
};
VoltageDelta voltageDeltaOf(const VoltageReading &reference, const VoltageReading &now);
// "Δt = 0.025 s, 1/Δt = 40 Hz, ΔVR = 12.5 V, …" for the voltages `shown`.
QString voltageDeltaText(const VoltageDelta &delta, const ShownCurves &shown);

// What the accessible descriptions of the last frame tell: the curves, the marker and t2 (s).
struct PhasorDescription {
    ShownCurves shown{};
    std::optional<double> marker;
    double t2 = 0;
};

// The phasor window without widgets: its texts, the voltages shown, the time bar's step, the
// projections, the drawing mode and the last solution, and the drawings and read-outs they
// give. Every operation computes everything before it changes anything, so texts that cannot
// be drawn leave the session as it was and return the problem to report. The texts are parsed
// once per operation. Every change is told by changed(): Inputs when only what the user edits
// changed (texts, check boxes, the bar), Drawings when the drawings changed too, Outputs when
// the read-outs were written as well.
class PhasorSession : public QObject
{
    Q_OBJECT
public:
    enum class Change { Inputs, Drawings, Outputs };

    // The texts as the window opens (R 1000, C 0.00005, L 10.0, v0 500, f0 10.0, NumPer 5,
    // t2 0), every voltage shown, nothing drawn: load() draws.
    explicit PhasorSession(QObject *parent = nullptr);

    const QString &text(PhasorText which) const { return m_texts[static_cast<std::size_t>(which)]; }
    ParameterTexts parameterTexts() const;
    const ShownCurves &shown() const { return m_shown; }
    int barStep() const { return m_barStep; }
    bool projectionsShown() const { return m_projections; }
    PhasorDrawing drawing() const { return m_drawing; }
    // The solution the curves were last drawn from; none once the drawings are cleared.
    const std::optional<Solution> &lastSolution() const { return m_lastDrawn; }
    // Whether the time plot is in frame units (after a reset) rather than time coordinates.
    bool plotInFrameUnits() const { return m_plotInFrameUnits; }

    // What the two areas show, from their cleared state, and the read-outs.
    const SceneDrawing &plotDrawing() const { return m_plot; }
    const SceneDrawing &diagramDrawing() const { return m_diagram; }
    const std::array<QString, 3> &amplitudeTexts() const { return m_amplitudes; } // VRmax..
    const std::array<QString, 4> &valueTexts() const { return m_values; }         // vrt..
    // The time marker on the plot, when one lies within the plotted interval.
    std::optional<float> marker() const { return m_marker; }
    const PhasorDescription &description() const { return m_described; }

    // A text as typed. A time that falls within the plotted interval moves the bar to its step,
    // which redraws there when the step changes.
    PhasorOutcome setText(PhasorText which, const QString &text);
    void setShown(Voltage voltage, bool shown);

    // The load drawing: the diagram at t2 without a marker, and the curves.
    PhasorOutcome load();
    // Moves the bar to `step` (0 to 200) and redraws there.
    PhasorOutcome showStep(int step, StepSource source);
    // Redraws for the time of step n (any whole number), writing that time into t2.
    PhasorOutcome redrawAtStep(std::int64_t n);
    // Plot: redraws at the time in t2, the bar put at its step when within the interval.
    PhasorOutcome plotAtTime();
    // A click on the time plot at x (the plot's coordinates): t2 set to that time, then Plot.
    PhasorOutcome replotAt(float x);
    // Clear Graphs: the bar back to 0, then both drawings cleared.
    PhasorOutcome clearGraphs();
    // The projection lines for the bar's step over both drawings.
    PhasorOutcome showProjections();
    // The bar steps one source period spans, for the animation.
    std::optional<double> stepsPerPeriod(PhasorOutcome &problem) const;
    // The time and voltage under a pointer at (x, y) on the time plot.
    std::optional<Point> pointerReading(double x, double y) const;

    // Mark Reference: the voltages of the last frame drawn at a time of its own become the
    // reference (moving one marked before). False when no such frame is shown. Clear Graphs
    // removes it.
    bool markReference();
    const std::optional<VoltageReading> &reference() const { return m_reference; }
    // The last frame's voltages against the reference; none without either.
    std::optional<VoltageDelta> lastDelta() const;
    // The task a teacher typed for the worksheet, lines kept; a new one is told as Inputs.
    const QString &task() const { return m_task; }
    void setTask(const QString &task)
    {
        m_task = task;
        emit changed(Change::Inputs);
    }

    // The session's part of an experiment file, and the replay that opens one. Every problem
    // the replay meets is returned, in order.
    PhasorExperiment experiment() const;
    std::vector<PhasorProblem> applyExperiment(const PhasorExperiment &experiment);

    // The objectNames the file keys the texts and check boxes by.
    static const char *textName(PhasorText which);
    static const char *checkName(Voltage voltage);

signals:
    void changed(kel::phasor::PhasorSession::Change change);

private:
    std::optional<PhasorScene> solve(PhasorOutcome &problem) const;
    // t2 written as a frame writes it: the bar follows without a redraw.
    void placeTime(const QString &t2);
    void writeAmplitudes(const Solution &s);
    void showFrame(const PhasorScene &scene, const SceneFrame &frame);
    void resetGraphs();
    void appendProjections(const SceneProjections &projections);

    std::array<QString, kPhasorTextCount> m_texts;
    ShownCurves m_shown{true, true, true, true};
    int m_barStep = 0;
    bool m_projections = false;
    PhasorDrawing m_drawing = PhasorDrawing::Cleared;
    std::optional<Solution> m_lastDrawn;
    bool m_plotInFrameUnits = true;
    // Set while an animation frame redraws, so that the projections stay on.
    bool m_animationFrame = false;
    SceneDrawing m_plot;
    SceneDrawing m_diagram;
    std::array<QString, 3> m_amplitudes;
    std::array<QString, 4> m_values;
    std::optional<float> m_marker;
    PhasorDescription m_described;
    std::optional<VoltageReading> m_lastReading;
    std::optional<VoltageReading> m_reference;
    QString m_task;
};

} // namespace kel::phasor
