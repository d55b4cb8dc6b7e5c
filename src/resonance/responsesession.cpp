// SPDX-License-Identifier: GPL-3.0-or-later
#include "responsesession.h"

#include "circuitsource.h"
#include "display/csvtable.h"
#include "display/qstringtext.h"
#include "solutions/numbertext.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kel::resonance
{

namespace
{

using solutions::CircuitKind;
using solutions::Response;

QString number(double value)
{
    return display::toQString(solutions::shortText(value, 4));
}

QString hertz(double f)
{
    return display::toQString(withPrefix(f, "Hz"));
}

QString degrees(double phi)
{
    return number(phi * 180 / std::numbers::pi) + QStringLiteral("\u00b0");
}

// A slope with its sign: "+20", "-40", "0".
QString slopeText(double slope)
{
    return slope > 0 ? QLatin1Char('+') + number(slope) : number(slope);
}

double readNumber(const std::string &text)
{
    return solutions::toNumber(text).value_or(NAN);
}

} // namespace

ResponseSession::ResponseSession(const CircuitSource &source, QObject *parent)
    : QObject(parent), m_source(source)
{
}

std::vector<Response> ResponseSession::responses() const
{
    std::vector<Response> all;
    for (Response r : {Response::VR, Response::VC, Response::VL, Response::Current})
        if (solutions::hasResponse(m_source.circuitKind(), r))
            all.push_back(r);
    return all;
}

bool ResponseSession::setResponse(Response response)
{
    if (!solutions::hasResponse(m_source.circuitKind(), response))
        return false;
    if (response != m_response) {
        m_response = response;
        compute();
    }
    return true;
}

void ResponseSession::refresh()
{
    const ResonanceTexts texts = m_source.texts();
    const CircuitKind kind = m_source.circuitKind();
    if (m_lastTexts == texts && m_lastKind == kind)
        return;
    m_lastTexts = texts;
    m_lastKind = kind;
    if (!solutions::hasResponse(kind, m_response)) {
        const std::vector<Response> all = responses();
        if (!all.empty())
            m_response = std::find(all.begin(), all.end(), Response::VC) != all.end() ? Response::VC
                                                                                      : all.front();
    }
    compute();
}

void ResponseSession::compute()
{
    const ResonanceTexts texts = m_lastTexts.value_or(ResonanceTexts{});
    m_kind = m_lastKind;
    m_curve.clear();
    m_features.reset();
    m_problem.clear();
    m_parameters = {};
    // Only the components the circuit has are read; the others stay 0.
    if (solutions::hasResistor(m_kind))
        m_parameters.R = readNumber(texts.R);
    if (solutions::hasInductor(m_kind))
        m_parameters.L = readNumber(texts.L);
    if (solutions::hasCapacitor(m_kind))
        m_parameters.C = readNumber(texts.C);
    const double f = readNumber(texts.f);
    m_frequency = std::isfinite(f) && f > 0 ? std::optional<double>(f) : std::nullopt;
    m_features = solutions::featuresOf(m_kind, m_parameters, m_response);
    if (!m_features) {
        m_problem = solutions::isDriven(m_kind)
                        ? tr("R, L and C must be positive numbers for a frequency response.")
                        : tr("A frequency response needs a circuit with an AC source.");
        emit changed();
        return;
    }
    // Centred on the circuit's own frequency: the geometric middle of its corners, or f0.
    double centre = 0;
    if (!m_features->corners.empty())
        centre = std::sqrt(m_features->corners.front() * m_features->corners.back());
    else
        centre = resonanceFrequency().value_or(1);
    m_fLow = centre * std::pow(10.0, -kDecades / 2);
    m_fHigh = centre * std::pow(10.0, kDecades / 2);
    m_curve = solutions::responseCurve(m_kind, m_parameters, m_response, m_fLow, m_fHigh, kPoints);
    if (!std::isfinite(m_fLow) || !std::isfinite(m_fHigh) || !(m_fLow > 0) ||
        std::any_of(m_curve.begin(), m_curve.end(),
                    [](const solutions::ResponsePoint &p) { return !std::isfinite(p.phase); })) {
        m_curve.clear();
        m_features.reset();
        m_problem = tr("These values give frequencies too large or too small to draw.");
    }
    emit changed();
}

std::optional<double> ResponseSession::resonanceFrequency() const
{
    if (!solutions::hasCapacitor(m_kind) || !solutions::hasInductor(m_kind) || !m_features)
        return std::nullopt;
    return 1 / (2 * std::numbers::pi * std::sqrt(m_parameters.L * m_parameters.C));
}

double ResponseSession::asymptoteMeeting() const
{
    if (const std::optional<double> f0 = resonanceFrequency())
        return *f0;
    return m_features && !m_features->corners.empty() ? m_features->corners.front() : 1;
}

solutions::ResponsePoint ResponseSession::at(double f) const
{
    return solutions::responseAt(m_kind, m_parameters, m_response, f);
}

QString ResponseSession::responseName(Response response)
{
    switch (response) {
    case Response::VR:
        return tr("Voltage across R (V_R/V)");
    case Response::VC:
        return tr("Voltage across C (V_C/V)");
    case Response::VL:
        return tr("Voltage across L (V_L/V)");
    case Response::Current:
        return tr("Current (I/V, dB re 1 A/V)");
    }
    return {};
}

QString ResponseSession::responseSymbol(Response response)
{
    switch (response) {
    case Response::VR:
        return QStringLiteral("V_R/V");
    case Response::VC:
        return QStringLiteral("V_C/V");
    case Response::VL:
        return QStringLiteral("V_L/V");
    case Response::Current:
        return QStringLiteral("I/V");
    }
    return {};
}

QString ResponseSession::figuresText(bool withSource) const
{
    if (!m_features)
        return {};
    QStringList lines;
    QStringList corners;
    for (double f : m_features->corners)
        corners << hertz(f);
    lines << (corners.isEmpty() ? tr("\u2212"
                                     "3 dB corner: none")
                                : tr("\u2212"
                                     "3 dB corner(s): %1")
                                      .arg(corners.join(QStringLiteral(", "))));
    if (m_features->bandwidth)
        lines << tr("Band between them (shaded): width %1").arg(hertz(*m_features->bandwidth));
    lines << tr("Asymptotes: %1 dB/decade below, %2 dB/decade above")
                 .arg(slopeText(m_features->lowSlope), slopeText(m_features->highSlope));
    if (const std::optional<double> f0 = resonanceFrequency())
        lines << tr("Resonance frequency f₀ = %1").arg(hertz(*f0));
    // The RLC's voltages across C and L peak below and above f0, the further the larger
    // the damping, and not at all once Q ≤ 1/√2.
    if (m_kind == CircuitKind::DrivenRlc) {
        for (Response r : {Response::VC, Response::VL}) {
            const std::optional<solutions::ResponseFeatures> f =
                solutions::featuresOf(m_kind, m_parameters, r);
            const QString name = responseSymbol(r);
            if (f && f->peak)
                lines << tr("Peak of %1: %2 dB at %3")
                             .arg(name, number(f->peak->magnitudeDb), hertz(f->peak->frequency));
            else
                lines << tr("%1 has no peak: Q ≤ 1/√2").arg(name);
        }
    }
    if (m_features->peak && (m_response == Response::VR || m_response == Response::Current ||
                             m_kind != CircuitKind::DrivenRlc))
        lines << tr("Peak: %1 dB at %2")
                     .arg(number(m_features->peak->magnitudeDb),
                          hertz(m_features->peak->frequency));
    if (withSource && !sourceText().isEmpty())
        lines << sourceText();
    return lines.join(QLatin1Char('\n'));
}

QString ResponseSession::sourceText() const
{
    if (!m_frequency || !m_features)
        return {};
    const solutions::ResponsePoint p = at(*m_frequency);
    return tr("Source f = %1: %2 dB, phase %3")
        .arg(hertz(*m_frequency), number(p.magnitudeDb), degrees(p.phase));
}

std::optional<QByteArray> ResponseSession::csv() const
{
    if (m_curve.empty())
        return std::nullopt;
    display::CsvTable table({"f", "magnitude_dB", "phase_deg"});
    for (const solutions::ResponsePoint &p : m_curve)
        table.addRow({p.frequency, p.magnitudeDb, p.phase * 180 / std::numbers::pi});
    return QByteArray::fromStdString(table.text());
}

} // namespace kel::resonance
