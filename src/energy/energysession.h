// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lab/core/labsession.h"
#include "solutions/circuitenergy.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace kel::energy
{

// The energies of the lab's circuit over the lab graph's time range, without widgets: W_C,
// W_L, W_R and W_S at kIntervals + 1 evenly spaced times from the scale's x1 to x2, and the
// balance W_C + W_L + W_R − W_S against the energy at t = 0. It reads the circuit's kind, texts
// and scale through the lab session and never changes them.
class EnergySession : public QObject
{
    Q_OBJECT
public:
    static constexpr int kIntervals = 400;

    explicit EnergySession(const lab::LabSession &lab, QObject *parent = nullptr);

    // Computes the curve again from the lab's circuit, texts and scale, and emits changed()
    // when any of them differs from the last refresh.
    void refresh();

    // The samples, oldest time first; empty while there is a problem.
    const std::vector<solutions::EnergySample> &curve() const { return m_curve; }
    const solutions::EnergyBalance &balance() const { return m_balance; }
    // Why there is no curve ("The text of C is not a number."), empty when there is one.
    const QString &problem() const { return m_problem; }
    double startTime() const { return m_t1; }
    double endTime() const { return m_t2; }

    // The energies at time t (s) exactly, not read off the samples; none without a curve.
    std::optional<solutions::EnergySample> sampleAt(double t) const;
    // "t = 2.5 s: W_C = 1.2 J, W_L = 0.3 J, W_R = 0.4 J, W_S = 0 J, balance 1.9 J".
    static QString readOutText(const solutions::EnergySample &sample);
    // "Balance W_C + W_L + W_R − W_S = 1.9 J, largest deviation 3E-16 J".
    QString balanceText() const;
    // The samples as CSV with the columns t,W_C,W_L,W_R,W_S; none without a curve.
    std::optional<QByteArray> csv() const;

signals:
    void changed();

private:
    const lab::LabSession &m_lab;
    solutions::CircuitKind m_kind = solutions::CircuitKind::None;
    solutions::CircuitParameters m_parameters;
    std::vector<solutions::EnergySample> m_curve;
    solutions::EnergyBalance m_balance;
    QString m_problem;
    double m_t1 = 0, m_t2 = 0;
    // What the last refresh read, so that a refresh with nothing new changes nothing.
    std::optional<std::array<QString, lab::kFieldCount>> m_lastTexts;
    lab::CircuitKind m_lastKind = lab::CircuitKind::None;
    lab::GraphScale m_lastScale;
};

} // namespace kel::energy
