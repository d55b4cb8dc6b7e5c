// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "circuitconfiguration.h"
#include "plotrecord.h"
#include "solutions/circuitkind.h"
#include "solutions/circuitsolutions.h"

#include <QString>

#include <array>
#include <optional>
#include <span>
#include <vector>

namespace kel::lab
{

// The texts of one lab window that the session keeps: the parameters, the source kind and the
// read-out. They carry the objectNames of their boxes.
enum class Field { R, L, C, v0, f0, w0, q0, i0, VSource, Time, qq, ii };
inline constexpr std::size_t kFieldCount = 12;

// The box that holds the text of a solution's parameter.
constexpr Field fieldOf(solutions::Parameter parameter)
{
    switch (parameter) {
    case solutions::Parameter::R:
        return Field::R;
    case solutions::Parameter::L:
        return Field::L;
    case solutions::Parameter::C:
        return Field::C;
    case solutions::Parameter::v0:
        return Field::v0;
    case solutions::Parameter::w0:
        return Field::w0;
    case solutions::Parameter::q0:
        return Field::q0;
    case solutions::Parameter::i0:
        return Field::i0;
    }
    return Field::R;
}

// The result of a solution function evaluated from the session's texts: the value, or the
// parameter whose text is not a number.
struct Evaluation {
    std::optional<double> value;
    std::optional<solutions::Parameter> badBox;
    explicit operator bool() const { return value.has_value(); }
};

// A message box the window shows for the session. `typedText` is the text that was refused,
// when the message says a text is not a number (the window adds advice for a decimal comma).
struct LabMessage {
    QString text;
    QString title;
    QString typedText;
};

// The graph's scale: t from x1 (left edge) to x2 (right edge), values from y1 (top edge) to
// y2 (bottom edge).
struct GraphScale {
    double x1 = 0, x2 = 100, y1 = 10, y2 = -10;
    bool operator==(const GraphScale &) const = default;
};

// The curves ticked in the graph selection.
struct CurveSelection {
    bool charge = false, current = false, voltage = false;
    bool operator==(const CurveSelection &) const = default;
};

// One Plot Graphs since the graph was last cleared: the texts and the selection that drew it.
struct PlotEntry {
    std::array<QString, kFieldCount> texts;
    CurveSelection selection;
};

// What Plot Graphs draws, computed in full before anything is drawn: the messages to show, in
// order, and the curves (charge in colour 4 and current in colour 1 over 200 intervals, the
// source voltage in colour 4 over 500 intervals, drawn from 0 at its first point).
struct PlotPlan {
    std::vector<LabMessage> messages;
    PlotRecord curves;
    bool refused = false; // the circuit is beyond double precision: nothing at all is drawn
};

// What a click on the graph at time t gives: the new Time text, then either a message or the
// new read-out texts (both computed before either is written).
struct ReadOut {
    QString time;
    std::optional<LabMessage> message;
    std::optional<QString> charge, current;
};

// The values a read-out found at time t (s): the charge (C, none where the circuit's
// solutions have no charge) and the current (A).
struct Reading {
    double t = 0;
    std::optional<double> q;
    double i = 0;
};

// A read-out against the reference: Δt = t - t(ref) (s), 1/Δt (Hz, none at Δt = 0),
// Δq (C) and Δi (A), and q(t)/q(ref) with its natural logarithm where they exist (the
// logarithmic decrement α·T_d, negated, when the two points lie one damped period T_d
// apart: q(t + T_d) = e^(−α·T_d)·q(t) for the underdamped circuit).
struct ReadingDelta {
    double dt = 0;
    std::optional<double> rate;
    std::optional<double> dq;
    double di = 0;
    std::optional<double> ratio, logRatio;
};
ReadingDelta deltaOf(const Reading &reference, const Reading &now);

// The status label's text of a delta: "Δt = 64.89 s, 1/Δt = 0.01541 Hz, Δq = …".
QString deltaText(const ReadingDelta &delta);

// An answer to one question of Graph Scale: the value to use, or the message refusing it.
struct ScaleAnswer {
    double value = 0;
    std::optional<LabMessage> refusal;
};

// The state of one lab window without its widgets, and every computation the window's
// commands make. The window writes each edited text into the session and shows the texts the
// session changes.
class LabSession
{
public:
    LabSession();

    CircuitKind circuitKind() const { return m_kind; }
    // The source of the configuration last applied; none before the first launcher.
    std::optional<SourceKind> source() const { return m_source; }

    const QString &text(Field field) const { return m_texts[index(field)]; }
    const std::array<QString, kFieldCount> &texts() const { return m_texts; }
    // Records a text as typed. A new f0 text that is a number also sets w0 to f0 · (Pi + Pi)
    // unless the product overflows. Returns whether anything changed.
    bool setText(Field field, const QString &text);

    const CurveSelection &selection() const { return m_selection; }
    void setSelection(const CurveSelection &selection) { m_selection = selection; }

    // Applies a launcher's configuration: kind, source, texts (f0 with its w0), no curve
    // selected, nothing plotted. The graph is then drawn empty, for the current scale or for
    // the fixed 0..100 by 10..-10 (frameScale()).
    void applyConfiguration(const CircuitConfiguration &configuration);
    // The scale of the empty graph the last configuration draws.
    GraphScale frameScale() const;

    // --- Graph scale -----------------------------------------------------------------------
    const GraphScale &scale() const { return m_scale; }
    // The values Graph Scale offers: the scale in use when it was last opened.
    const GraphScale &scaleDefaults() const { return m_scaleDefaults; }
    // Graph Scale starts: the scale in use becomes the offered one.
    void rememberScaleDefaults() { m_scaleDefaults = m_scale; }
    void setScale(const GraphScale &scale) { m_scale = scale; }
    // The values Graph Scale offers, as an opened experiment restores them.
    void setScaleDefaults(const GraphScale &scale) { m_scaleDefaults = scale; }
    // Whether the empty graph under the plots is the frame of the current scale (drawn by a
    // launcher, Clear Graphs or Graph Scale) rather than the launcher's fixed one.
    bool frameIsScale() const { return m_frameIsScale; }
    // An answer typed to a scale question: blank keeps `remembered`; otherwise a number the
    // graph can draw (single precision) or a refusal.
    static ScaleAnswer readScaleAnswer(const QString &answer, double remembered);
    // Whether two edges of a range are apart as the graph draws them (single precision).
    static bool distinctOnGraph(double a, double b);

    // --- Plotting and read-out -------------------------------------------------------------
    // The graph is cleared: nothing plotted, no history.
    void clearPlots();
    // Plot Graphs: every sample of every selected curve, or the messages that refuse them.
    // The samples become lastPlot() and the plot joins the history.
    PlotPlan planPlot();
    const PlotRecord &lastPlot() const { return m_lastPlot; }
    const std::vector<PlotEntry> &history() const { return m_history; }
    // The curves any plot since the graph was last cleared has drawn.
    const CurveSelection &curvesOnGraph() const { return m_curvesOnGraph; }

    // A click on the graph at time t (s): Time becomes t; the read-out texts change only when
    // both values are finite. The session's texts are updated as the result says.
    ReadOut readOutAt(float t);
    // The values a read-out at time t (s) would find, from the texts as they stand now; none
    // where it would show a message instead.
    std::optional<Reading> readingAt(double t) const;

    // --- Reference -------------------------------------------------------------------------
    // Mark Reference: the last read-out that found values becomes the reference (moving one
    // marked before). False when there is none to mark.
    bool markReference();
    const std::optional<Reading> &reference() const { return m_reference; }
    // The last read-out that found values, against the reference; none without either, or
    // when the last read-out showed a message.
    std::optional<ReadingDelta> lastDelta() const;

    // Set f to Natural Frequency: f0 = ω/6.28318 and w0 = ω = 1/sqrt(L·C) when L·C is a
    // positive finite number; otherwise nothing changes. Returns whether the texts changed.
    bool setNaturalFrequency();

    // The task a teacher typed for the worksheet, lines kept.
    const QString &task() const { return m_task; }
    void setTask(const QString &task) { m_task = task; }

    // The status bar's description of the configuration and its regime; empty before the
    // first configuration.
    QString regimeDescription() const;

    // The message for a parameter text that is not a number: "The text of C is not a number."
    LabMessage notANumber(solutions::Parameter box) const;

    // The solution functions of the circuit at time t (s), from the texts as they stand now:
    // charges in coulombs, currents in amperes, VS in volts.
    Evaluation q1(double t) const;
    Evaluation i1(double t) const;
    Evaluation i2(double t) const;
    Evaluation q3(double t) const;
    Evaluation i3(double t) const;
    Evaluation q4(double t) const;
    Evaluation i4(double t) const;
    Evaluation q5(double t) const;
    Evaluation i5(double t) const;
    Evaluation q6(double t) const;
    Evaluation i6(double t) const;
    Evaluation i7(double t) const;
    Evaluation q8(double t) const;
    Evaluation i8(double t) const;
    Evaluation VS(double t) const;

private:
    static constexpr std::size_t index(Field field) { return static_cast<std::size_t>(field); }
    std::string parameterText(solutions::Parameter parameter) const;
    Evaluation evaluate(solutions::SolutionFunction f, std::span<const solutions::Parameter> reads,
                        double t) const;
    // f at t with the parameters that the solutions of case `kind` read.
    Evaluation evaluateCase(solutions::SolutionFunction f, int kind, double t) const;
    // The session's parameter texts, each parsed once, for one plot or one read-out.
    solutions::ParsedParameters parsed() const;
    // The parameters, or the message naming the first text that is not a number.
    std::optional<solutions::CircuitParameters> read(const solutions::ParsedParameters &texts,
                                                     std::span<const solutions::Parameter> which,
                                                     std::vector<LabMessage> &messages) const;
    void planCircuitCurves(const solutions::ParsedParameters &texts, PlotPlan &plan) const;
    // The read-out's values at the time `time` was read as (none: not a number), or in
    // `why` the message it shows instead.
    std::optional<Reading> evaluateReading(std::optional<double> time,
                                           std::optional<LabMessage> &why) const;

    CircuitKind m_kind = CircuitKind::None;
    std::optional<SourceKind> m_source;
    FrameKind m_frame = FrameKind::Fixed;
    bool m_frameIsScale = false;
    std::array<QString, kFieldCount> m_texts;
    CurveSelection m_selection;
    GraphScale m_scale, m_scaleDefaults;
    PlotRecord m_lastPlot;
    std::vector<PlotEntry> m_history;
    CurveSelection m_curvesOnGraph;
    std::optional<Reading> m_lastReading, m_reference;
    QString m_task;
};

} // namespace kel::lab
