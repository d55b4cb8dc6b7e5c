// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lab/core/labsession.h"
#include "solutions/frequencyresponse.h"

#include <QObject>
#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace kel::response
{

// The frequency response of the lab's driven circuit (kinds 5 to 8) without widgets: the
// response picked, its magnitude and phase at kPoints frequencies evenly spaced in log f over
// kDecades decades centred on the circuit's own frequency (its corner, or f0), its corners,
// band, asymptotes and peaks, and the source frequency f0. It reads the lab session and never
// changes it.
class ResponseSession : public QObject
{
    Q_OBJECT
public:
    static constexpr int kPoints = 301;
    static constexpr double kDecades = 6;

    explicit ResponseSession(const lab::LabSession &lab, QObject *parent = nullptr);

    // Reads the lab again; emits changed() when anything it shows differs.
    void refresh();
    solutions::Response response() const { return m_response; }
    // Picks the response; one the circuit lacks is refused (false).
    bool setResponse(solutions::Response response);
    // The responses the circuit has, in the order V_R, V_C, V_L, current.
    std::vector<solutions::Response> responses() const;

    const std::vector<solutions::ResponsePoint> &curve() const { return m_curve; }
    const std::optional<solutions::ResponseFeatures> &features() const { return m_features; }
    double lowFrequency() const { return m_fLow; }
    double highFrequency() const { return m_fHigh; }
    // The source frequency f0 (Hz), none when its text is not a positive number.
    std::optional<double> sourceFrequency() const { return m_source; }
    // Why there is no curve, empty when there is one.
    const QString &problem() const { return m_problem; }
    // The figures as lines of text: corners, band, slopes, peak, source.
    QString figuresText() const;
    static QString responseName(solutions::Response response);

signals:
    void changed();

private:
    void compute();

    const lab::LabSession &m_lab;
    solutions::Response m_response = solutions::Response::VC;
    int m_kind = 0;
    solutions::CircuitParameters m_parameters;
    std::vector<solutions::ResponsePoint> m_curve;
    std::optional<solutions::ResponseFeatures> m_features;
    std::optional<double> m_source;
    double m_fLow = 1, m_fHigh = 10;
    QString m_problem;
    std::optional<std::array<QString, lab::kFieldCount>> m_lastTexts;
    lab::CircuitKind m_lastKind = lab::CircuitKind::None;
};

} // namespace kel::response
