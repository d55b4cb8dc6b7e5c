// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "resonancecurve.h"
#include "solutions/circuitkind.h"
#include "solutions/frequencyresponse.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <optional>
#include <vector>

namespace kel::resonance
{

class CircuitSource;

// The frequency response of a source's driven circuit (LC, RC, RL or RLC) without widgets:
// the quantity picked (the voltage across R, C or L relative to the source, or the current),
// its magnitude in dB and phase at kPoints frequencies evenly spaced in log f over kDecades
// decades centred on the circuit's own frequency (the middle of its corners, or f0), its
// corners, band, asymptotes and peak, and the source frequency. It reads the source and never
// changes it.
class ResponseSession : public QObject
{
    Q_OBJECT
public:
    static constexpr int kPoints = 301;
    static constexpr double kDecades = 6;

    explicit ResponseSession(const CircuitSource &source, QObject *parent = nullptr);

    // Reads the source again; emits changed() when anything it shows differs.
    void refresh();
    solutions::Response response() const { return m_response; }
    // Picks the quantity; one the circuit lacks is refused (false).
    bool setResponse(solutions::Response response);
    // The quantities the circuit has, in the order V_R, V_C, V_L, current.
    std::vector<solutions::Response> responses() const;

    solutions::CircuitKind kind() const { return m_kind; }
    const solutions::CircuitParameters &parameters() const { return m_parameters; }
    const std::vector<solutions::ResponsePoint> &curve() const { return m_curve; }
    const std::optional<solutions::ResponseFeatures> &features() const { return m_features; }
    double lowFrequency() const { return m_fLow; }
    double highFrequency() const { return m_fHigh; }
    // The undamped resonance frequency 1/(2π√(LC)) of the LC and RLC (Hz), none otherwise.
    std::optional<double> resonanceFrequency() const;
    // Where the asymptotes of each side meet: the corner of a first-order circuit, f0 of a
    // second-order one (Hz).
    double asymptoteMeeting() const;
    // The source frequency (Hz), none when its text is not a positive number.
    std::optional<double> sourceFrequency() const { return m_frequency; }
    // The picked quantity at f.
    solutions::ResponsePoint at(double f) const;
    // Why there is no curve, empty when there is one.
    const QString &problem() const { return m_problem; }
    // The figures as lines of text: corners, band, slopes, f0 and the peaks, and the source's
    // line last.
    QString figuresText(bool withSource = true) const;
    // The quantity at the source frequency; empty without a curve or a source frequency.
    QString sourceText() const;
    // The curve as a CSV table f,magnitude_dB,phase_deg; none without a curve.
    std::optional<QByteArray> csv() const;
    static QString responseName(solutions::Response response);
    // The short symbol of the quantity: "V_C/V", "I/V".
    static QString responseSymbol(solutions::Response response);

signals:
    void changed();

private:
    void compute();

    const CircuitSource &m_source;
    solutions::Response m_response = solutions::Response::VC;
    solutions::CircuitKind m_kind = solutions::CircuitKind::None;
    solutions::CircuitParameters m_parameters;
    std::vector<solutions::ResponsePoint> m_curve;
    std::optional<solutions::ResponseFeatures> m_features;
    std::optional<double> m_frequency;
    double m_fLow = 1, m_fHigh = 10;
    QString m_problem;
    std::optional<ResonanceTexts> m_lastTexts;
    solutions::CircuitKind m_lastKind = solutions::CircuitKind::None;
};

} // namespace kel::resonance
