// SPDX-License-Identifier: GPL-3.0-or-later
#include "energysession.h"

#include "display/csvtable.h"
#include "solutions/circuitsolutions.h"
#include "solutions/numbertext.h"

#include <cmath>
#include <string>

namespace kel::energy
{

namespace
{

QString number(double value)
{
    return QString::fromStdString(solutions::shortText(value, 6));
}

QString joules(double value)
{
    return number(value) + QStringLiteral(" J");
}

} // namespace

EnergySession::EnergySession(const lab::LabSession &lab, QObject *parent)
    : QObject(parent), m_lab(lab)
{
}

void EnergySession::refresh()
{
    const lab::GraphScale &scale = m_lab.scale();
    if (m_lastTexts == m_lab.texts() && m_lastKind == m_lab.circuitKind() && m_lastScale == scale)
        return;
    m_lastTexts = m_lab.texts();
    m_lastKind = m_lab.circuitKind();
    m_lastScale = scale;
    m_curve.clear();
    m_balance = {};
    m_problem.clear();
    m_kind = m_lab.circuitKind();
    m_t1 = scale.x1;
    m_t2 = scale.x2;
    const solutions::CaseRow *row = solutions::caseFor(solutions::caseNumber(m_kind));
    if (!row) {
        m_problem = tr("Choose a circuit in the main menu first.");
        emit changed();
        return;
    }
    const solutions::ReadResult read = solutions::readParameters(
        [this](solutions::Parameter p) { return m_lab.text(lab::fieldOf(p)).toStdString(); },
        row->reads);
    if (!read.parameters) {
        m_problem = m_lab.notANumber(read.badBox.value_or(solutions::Parameter::R)).text;
        emit changed();
        return;
    }
    m_parameters = *read.parameters;
    std::vector<double> times;
    times.reserve(kIntervals + 1);
    for (int k = 0; k <= kIntervals; ++k)
        times.push_back(m_t1 + (m_t2 - m_t1) * k / kIntervals);
    std::vector<solutions::EnergySample> curve =
        solutions::energyCurve(m_kind, m_parameters, times);
    const solutions::EnergyBalance balance = solutions::balanceOf(m_kind, m_parameters, curve);
    if (!std::isfinite(balance.largestTerm) || !std::isfinite(balance.initial)) {
        m_problem = tr("These parameters give the circuit no finite energy over the graph's "
                       "time range.");
        emit changed();
        return;
    }
    m_curve = std::move(curve);
    m_balance = balance;
    emit changed();
}

std::optional<solutions::EnergySample> EnergySession::sampleAt(double t) const
{
    if (m_curve.empty())
        return std::nullopt;
    return solutions::energyCurve(m_kind, m_parameters, std::span(&t, 1)).front();
}

QString EnergySession::readOutText(const solutions::EnergySample &s)
{
    return tr("t = %1 s: W_C = %2, W_L = %3, W_R = %4, W_S = %5, balance %6")
        .arg(number(s.t), joules(s.capacitor), joules(s.inductor), joules(s.resistor),
             joules(s.source), joules(s.balance()));
}

QString EnergySession::balanceText() const
{
    if (m_curve.empty())
        return {};
    return tr("Balance W_C + W_L + W_R \u2212 W_S = %1, largest deviation %2")
        .arg(joules(m_balance.initial), joules(m_balance.largestDeviation));
}

std::optional<QByteArray> EnergySession::csv() const
{
    if (m_curve.empty())
        return std::nullopt;
    display::CsvTable table({"t", "W_C", "W_L", "W_R", "W_S"});
    for (const solutions::EnergySample &s : m_curve)
        table.addRow({s.t, s.capacitor, s.inductor, s.resistor, s.source});
    return QByteArray::fromStdString(table.text());
}

} // namespace kel::energy
