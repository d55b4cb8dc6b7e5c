// SPDX-License-Identifier: GPL-3.0-or-later
#include "responsesession.h"

#include "solutions/numbertext.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kel::response
{

namespace
{

using solutions::Response;

QString number(double value)
{
    return QString::fromStdString(solutions::shortText(value, 5));
}

double readNumber(const QString &text)
{
    return solutions::toNumber(text.toStdString()).value_or(NAN);
}

} // namespace

ResponseSession::ResponseSession(const lab::LabSession &lab, QObject *parent)
    : QObject(parent), m_lab(lab)
{
}

std::vector<Response> ResponseSession::responses() const
{
    std::vector<Response> all;
    for (Response r : {Response::VR, Response::VC, Response::VL, Response::Current})
        if (solutions::hasResponse(lab::caseNumber(m_lab.circuitKind()), r))
            all.push_back(r);
    return all;
}

bool ResponseSession::setResponse(Response response)
{
    if (!solutions::hasResponse(lab::caseNumber(m_lab.circuitKind()), response))
        return false;
    if (response != m_response) {
        m_response = response;
        compute();
    }
    return true;
}

void ResponseSession::refresh()
{
    if (m_lastTexts == m_lab.texts() && m_lastKind == m_lab.circuitKind())
        return;
    m_lastTexts = m_lab.texts();
    m_lastKind = m_lab.circuitKind();
    const int kind = lab::caseNumber(m_lab.circuitKind());
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
    m_kind = lab::caseNumber(m_lab.circuitKind());
    m_curve.clear();
    m_features.reset();
    m_problem.clear();
    m_parameters = {};
    m_parameters.R = readNumber(m_lab.text(lab::Field::R));
    m_parameters.L = readNumber(m_lab.text(lab::Field::L));
    m_parameters.C = readNumber(m_lab.text(lab::Field::C));
    const double f0 = readNumber(m_lab.text(lab::Field::f0));
    m_source = std::isfinite(f0) && f0 > 0 ? std::optional<double>(f0) : std::nullopt;
    m_features = solutions::featuresOf(m_kind, m_parameters, m_response);
    if (!m_features) {
        m_problem = m_kind < 5 ? tr("A frequency response needs a circuit with an AC source.")
                               : tr("R, L and C must be positive numbers for a frequency "
                                    "response.");
        emit changed();
        return;
    }
    // Centred on the circuit's own frequency: the geometric middle of its corners, or f0.
    double centre = 0;
    if (!m_features->corners.empty())
        centre = std::sqrt(m_features->corners.front() * m_features->corners.back());
    else
        centre = 1 / (2 * std::numbers::pi * std::sqrt(m_parameters.L * m_parameters.C));
    m_fLow = centre * std::pow(10.0, -kDecades / 2);
    m_fHigh = centre * std::pow(10.0, kDecades / 2);
    m_curve = solutions::responseCurve(m_kind, m_parameters, m_response, m_fLow, m_fHigh, kPoints);
    emit changed();
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

QString ResponseSession::figuresText() const
{
    if (!m_features)
        return {};
    QStringList lines;
    QStringList corners;
    for (double f : m_features->corners)
        corners << number(f) + QStringLiteral(" Hz");
    lines << (corners.isEmpty() ? tr("\u2212"
                                     "3 dB corner: none")
                                : tr("\u2212"
                                     "3 dB corner(s): %1")
                                      .arg(corners.join(", ")));
    if (m_features->bandwidth)
        lines << tr("Band: %1 Hz to %2 Hz, width %3 Hz")
                     .arg(number(m_features->corners.front()), number(m_features->corners.back()),
                          number(*m_features->bandwidth));
    lines << tr("Asymptotes: %1 dB/decade below, %2 dB/decade above")
                 .arg(number(m_features->lowSlope), number(m_features->highSlope));
    if (m_features->peak)
        lines << tr("Peak: %1 dB at %2 Hz")
                     .arg(number(m_features->peak->magnitudeDb),
                          number(m_features->peak->frequency));
    if (m_source) {
        const solutions::ResponsePoint at =
            solutions::responseAt(m_kind, m_parameters, m_response, *m_source);
        lines << tr("Source f = %1 Hz: %2 dB, phase %3\u00b0")
                     .arg(number(*m_source), number(at.magnitudeDb),
                          number(at.phase * 180 / std::numbers::pi));
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace kel::response
