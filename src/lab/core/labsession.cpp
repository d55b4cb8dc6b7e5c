// SPDX-License-Identifier: GPL-3.0-or-later
#include "labsession.h"

#include "labstatus.h"
#include "parametertests.h"
#include "rangemessage.h"

#include "solutions/numbertext.h"
#include "solutions/pi.h"

#include <QCoreApplication>
#include <QStringList>

#include <cmath>
#include <limits>

namespace kel::lab
{

namespace
{

using solutions::Parameter;

// A sample whose texts cannot be read: the curve is broken there.
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

constexpr std::array<Parameter, 2> kSourceVoltageReads{Parameter::w0, Parameter::v0};

constexpr int kCircuitIntervals = 200;
constexpr int kVoltageIntervals = 500;

QString tr(const char *text)
{
    return QCoreApplication::translate("LabSession", text);
}

QString qtext(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string stdText(const QString &text)
{
    return text.toStdString();
}

LabMessage inputError(const QString &text)
{
    return {text, tr("Input Error"), {}};
}

Field fieldOf(TextBox box)
{
    switch (box) {
    case TextBox::v0:
        return Field::v0;
    case TextBox::f0:
        return Field::f0;
    case TextBox::q0:
        return Field::q0;
    case TextBox::i0:
        return Field::i0;
    case TextBox::R:
        return Field::R;
    case TextBox::L:
        return Field::L;
    case TextBox::C:
        return Field::C;
    }
    return Field::v0;
}

// The frequency of a frequency text as an angular frequency text; none when the text is not a
// number or the product overflows.
std::optional<QString> angularFrequencyText(const QString &frequency)
{
    const auto f = solutions::toNumber(stdText(frequency));
    if (!f)
        return std::nullopt;
    const double w = *f * solutions::kTwoPi;
    if (!std::isfinite(w))
        return std::nullopt;
    return qtext(solutions::toText(w));
}

} // namespace

LabSession::LabSession()
{
    const std::pair<Field, const char *> initial[] = {
        {Field::R, "1.0"},  {Field::L, "10.0"}, {Field::C, "10.0"}, {Field::v0, "5"},
        {Field::f0, "100"}, {Field::w0, " "},   {Field::q0, "0"},   {Field::i0, "0"},
        {Field::Time, "0"}, {Field::qq, "0"},   {Field::ii, "0"},
    };
    for (const auto &[field, text] : initial)
        m_texts[index(field)] = QString::fromLatin1(text);
}

bool LabSession::setText(Field field, const QString &text)
{
    QString &stored = m_texts[index(field)];
    if (stored == text)
        return false;
    stored = text;
    if (field == Field::f0) {
        if (const auto w0 = angularFrequencyText(text))
            m_texts[index(Field::w0)] = *w0;
    }
    return true;
}

void LabSession::applyConfiguration(const CircuitConfiguration &configuration)
{
    m_kind = configuration.circuitKind;
    m_source = configuration.source;
    m_frame = configuration.frame;
    m_texts[index(Field::VSource)] = QCoreApplication::translate(
        "CircuitLaunchers", std::string(configuration.vsourceText).c_str());
    for (const auto &[box, text] : configuration.texts) {
        // Written in full even when unchanged, so that f0 always sets w0 again.
        m_texts[index(fieldOf(box))] = {};
        setText(fieldOf(box), qtext(text));
    }
    m_selection = {};
    clearPlots();
    m_frameIsScale = m_frame == FrameKind::CurrentScale;
}

GraphScale LabSession::frameScale() const
{
    return m_frame == FrameKind::CurrentScale ? m_scale : GraphScale{};
}

ScaleAnswer LabSession::readScaleAnswer(const QString &answer, double remembered)
{
    const QString typed = answer.trimmed();
    if (typed.isEmpty())
        return {remembered, std::nullopt};
    const auto value = solutions::toNumber(stdText(answer));
    if (value && solutions::fitsSingle(*value))
        return {*value, std::nullopt};
    // A value the graph cannot draw would leave the graph without a usable scale.
    const QString text = value ? tr("Error: %1 is too large for the graph. Try Again")
                               : tr("Error: %1 is not a number. Try Again");
    return {remembered,
            LabMessage{text.arg(typed), tr("Error in Entry"), value ? QString() : typed}};
}

bool LabSession::distinctOnGraph(double a, double b)
{
    return static_cast<float>(a) != static_cast<float>(b);
}

void LabSession::clearPlots()
{
    m_reference.reset();
    m_lastPlot = {};
    m_history.clear();
    m_curvesOnGraph = {};
    m_frameIsScale = true;
}

std::string LabSession::parameterText(Parameter parameter) const
{
    return stdText(text(fieldOf(parameter)));
}

LabMessage LabSession::notANumber(Parameter box) const
{
    LabMessage message =
        inputError(tr("The text of %1 is not a number.").arg(qtext(solutions::boxName(box))));
    message.typedText = text(fieldOf(box));
    return message;
}

Evaluation LabSession::evaluate(solutions::SolutionFunction f, std::span<const Parameter> reads,
                                double t) const
{
    const solutions::ReadResult read =
        solutions::readParameters([this](Parameter p) { return parameterText(p); }, reads);
    if (!read.parameters)
        return {std::nullopt, read.badBox};
    return {f(*read.parameters, t), std::nullopt};
}

solutions::ParsedParameters LabSession::parsed() const
{
    return solutions::ParsedParameters([this](Parameter p) { return parameterText(p); });
}

std::optional<solutions::CircuitParameters>
LabSession::read(const solutions::ParsedParameters &texts, std::span<const Parameter> which,
                 std::vector<LabMessage> &messages) const
{
    const solutions::ReadResult result = texts.read(which);
    if (!result.parameters)
        messages.push_back(notANumber(result.badBox.value_or(Parameter::R)));
    return result.parameters;
}

void LabSession::planCircuitCurves(const solutions::ParsedParameters &texts, PlotPlan &plan) const
{
    const int kind = caseNumber(m_kind);
    const ParameterTest *test = plotTest(kind);
    if (!test)
        return;
    const auto values = read(texts, test->parameters, plan.messages);
    if (!values)
        return;
    if (rejects(*test, *values)) {
        plan.messages.push_back(inputError(tr("Wrong Values of parameters")));
        return;
    }
    const solutions::CaseRow *row = solutions::caseFor(kind);
    const bool charge = row->charge && m_selection.charge;
    const bool current = m_selection.current;
    // Both curves read the same texts: one that is not a number is reported once and neither
    // curve is drawn.
    if (!(charge || current))
        return;
    const auto parameters = read(texts, row->reads, plan.messages);
    if (!parameters)
        return;
    if (const auto problem = solutions::checkRange(kind, *parameters, m_scale.x1, m_scale.x2,
                                                   kCircuitIntervals + 1)) {
        plan.messages.push_back(rangeMessage(*problem));
        plan.refused = true;
        return;
    }
    const solutions::CircuitParameters &p = *parameters;
    const auto sampled = [&p](solutions::SolutionFunction f) {
        return [&p, f](double t) { return f(p, t); };
    };
    if (charge)
        plan.curves.charge =
            sampleCurve(sampled(row->charge), kCircuitIntervals, m_scale.x1, m_scale.x2);
    if (current)
        plan.curves.current =
            sampleCurve(sampled(row->current), kCircuitIntervals, m_scale.x1, m_scale.x2);
}

PlotPlan LabSession::planPlot()
{
    PlotPlan plan;
    const solutions::ParsedParameters texts = parsed();
    planCircuitCurves(texts, plan);
    if (!plan.refused && m_selection.voltage) {
        if (const auto source = read(texts, kSourceVoltageReads, plan.messages)) {
            const solutions::CircuitParameters &p = *source;
            plan.curves.voltage = sampleCurve([&p](double t) { return solutions::VS(p, t); },
                                              kVoltageIntervals, m_scale.x1, m_scale.x2);
        }
    }
    m_lastPlot = plan.curves;
    m_curvesOnGraph.charge = m_curvesOnGraph.charge || !plan.curves.charge.samples.empty();
    m_curvesOnGraph.current = m_curvesOnGraph.current || !plan.curves.current.samples.empty();
    m_curvesOnGraph.voltage = m_curvesOnGraph.voltage || !plan.curves.voltage.samples.empty();
    if (!plan.curves.empty())
        m_history.push_back({m_texts, m_selection});
    return plan;
}

ReadOut LabSession::readOutAt(float t)
{
    ReadOut out;
    out.time = qtext(solutions::toText(t));
    m_texts[index(Field::Time)] = out.time;
    m_lastReading.reset();
    if (!readoutTest(caseNumber(m_kind)))
        return out;
    std::optional<LabMessage> why;
    const std::optional<Reading> reading =
        evaluateReading(solutions::toNumber(stdText(out.time)), why);
    if (!reading) {
        out.message = why;
        return out;
    }
    m_lastReading = reading;
    out.current = qtext(solutions::toText(reading->i));
    m_texts[index(Field::ii)] = *out.current;
    if (reading->q) {
        out.charge = qtext(solutions::toText(*reading->q));
        m_texts[index(Field::qq)] = *out.charge;
    }
    return out;
}

std::optional<Reading> LabSession::readingAt(double t) const
{
    std::optional<LabMessage> why;
    return evaluateReading(t, why);
}

std::optional<Reading> LabSession::evaluateReading(std::optional<double> time,
                                                   std::optional<LabMessage> &why) const
{
    const int kind = caseNumber(m_kind);
    const ParameterTest *test = readoutTest(kind);
    if (!test)
        return std::nullopt;
    const solutions::ParsedParameters texts = parsed();
    std::vector<LabMessage> messages;
    const auto values = read(texts, test->parameters, messages);
    if (!values) {
        why = messages.front();
        return std::nullopt;
    }
    if (rejects(*test, *values)) {
        why = inputError(tr("Wrong Values of parameters"));
        return std::nullopt;
    }
    if (!time) {
        why = inputError(tr("The text of Time is not a number."));
        return std::nullopt;
    }
    const solutions::CaseRow *row = solutions::caseFor(kind);
    // Current and charge read the same texts: the first that is not a number is the message.
    const auto parameters = read(texts, row->reads, messages);
    if (!parameters) {
        why = messages.back();
        return std::nullopt;
    }
    if (const auto problem = solutions::checkRange(kind, *parameters, *time, *time, 2)) {
        why = rangeMessage(*problem);
        return std::nullopt;
    }
    const double current = row->current(*parameters, *time);
    std::optional<double> charge;
    if (row->charge)
        charge = row->charge(*parameters, *time);
    if (!std::isfinite(current) || (charge && !std::isfinite(*charge))) {
        why = inputError(
            tr("These parameters give no finite value of the current or charge at this time."));
        return std::nullopt;
    }
    return Reading{*time, charge, current};
}

bool LabSession::markReference()
{
    if (!m_lastReading)
        return false;
    m_reference = m_lastReading;
    return true;
}

std::optional<ReadingDelta> LabSession::lastDelta() const
{
    if (!m_reference || !m_lastReading)
        return std::nullopt;
    return deltaOf(*m_reference, *m_lastReading);
}

ReadingDelta deltaOf(const Reading &reference, const Reading &now)
{
    ReadingDelta d;
    d.dt = now.t - reference.t;
    if (d.dt != 0)
        d.rate = 1 / d.dt;
    if (now.q && reference.q) {
        d.dq = *now.q - *reference.q;
        if (*reference.q != 0) {
            d.ratio = *now.q / *reference.q;
            if (*d.ratio > 0)
                d.logRatio = std::log(*d.ratio);
        }
    }
    d.di = now.i - reference.i;
    return d;
}

QString deltaText(const ReadingDelta &d)
{
    const auto number = [](double v) { return qtext(solutions::shortText(v, 6)); };
    QStringList parts;
    parts << QStringLiteral("Δt = %1 s").arg(number(d.dt));
    if (d.rate)
        parts << QStringLiteral("1/Δt = %1 Hz").arg(number(*d.rate));
    if (d.dq)
        parts << QStringLiteral("Δq = %1 C").arg(number(*d.dq));
    parts << QStringLiteral("Δi = %1 A").arg(number(d.di));
    if (d.ratio)
        parts << QStringLiteral("q/q(ref) = %1").arg(number(*d.ratio));
    if (d.logRatio)
        parts << QStringLiteral("ln(q/q(ref)) = %1").arg(number(*d.logRatio));
    return parts.join(QStringLiteral(", "));
}

bool LabSession::setNaturalFrequency()
{
    const auto L = solutions::toNumber(stdText(text(Field::L)));
    const auto C = solutions::toNumber(stdText(text(Field::C)));
    if (!L || !C)
        return false;
    // Only a positive, finite L·C has a natural frequency; anything else changes nothing.
    const double product = *L * *C;
    if (!(product > 0) || !std::isfinite(product))
        return false;
    const double omega = 1 / std::sqrt(product);
    setText(Field::f0, qtext(solutions::toText(omega / 6.28318)));
    m_texts[index(Field::w0)] = qtext(solutions::toText(omega));
    return true;
}

QString LabSession::regimeDescription() const
{
    if (!m_source)
        return {};
    return qtext(regimeStatus(caseNumber(m_kind), *m_source,
                              [this](Parameter p) { return parameterText(p); }));
}

Evaluation LabSession::evaluateCase(solutions::SolutionFunction f, int kind, double t) const
{
    return evaluate(f, solutions::caseFor(kind)->reads, t);
}

Evaluation LabSession::q1(double t) const
{
    return evaluateCase(solutions::q1, 1, t);
}
Evaluation LabSession::i1(double t) const
{
    return evaluateCase(solutions::i1, 1, t);
}
Evaluation LabSession::i2(double t) const
{
    return evaluateCase(solutions::i2, 2, t);
}
Evaluation LabSession::q3(double t) const
{
    return evaluateCase(solutions::q3, 3, t);
}
Evaluation LabSession::i3(double t) const
{
    return evaluateCase(solutions::i3, 3, t);
}
Evaluation LabSession::q4(double t) const
{
    return evaluateCase(solutions::q4, 4, t);
}
Evaluation LabSession::i4(double t) const
{
    return evaluateCase(solutions::i4, 4, t);
}
Evaluation LabSession::q5(double t) const
{
    return evaluateCase(solutions::q5, 5, t);
}
Evaluation LabSession::i5(double t) const
{
    return evaluateCase(solutions::i5, 5, t);
}
Evaluation LabSession::q6(double t) const
{
    return evaluateCase(solutions::q6, 6, t);
}
Evaluation LabSession::i6(double t) const
{
    return evaluateCase(solutions::i6, 6, t);
}
Evaluation LabSession::i7(double t) const
{
    return evaluateCase(solutions::i7, 7, t);
}
Evaluation LabSession::q8(double t) const
{
    return evaluateCase(solutions::q8, 8, t);
}
Evaluation LabSession::i8(double t) const
{
    return evaluateCase(solutions::i8, 8, t);
}
Evaluation LabSession::VS(double t) const
{
    return evaluate(solutions::VS, kSourceVoltageReads, t);
}

} // namespace kel::lab
