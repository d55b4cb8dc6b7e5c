// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "circuithost.h"
#include "core/circuitfit.h"
#include "core/recording.h"
#include "measurementexperiment.h"

#include <QObject>
#include <QString>

#include <optional>
#include <span>
#include <vector>

namespace kel::measurement
{

// The samples of the fit window of one channel, copied so that a fit on another thread does
// not share them with the session.
struct WindowSamples {
    std::vector<double> time, value;
};

// The state of a measurement window without its widgets: the recording, which channel holds
// what quantity, the time window of the fit, the circuit and its parameters (free or held,
// with the host's values), and the last fit. Every change emits changed().
class MeasurementSession : public QObject
{
    Q_OBJECT

public:
    explicit MeasurementSession(QObject *parent = nullptr);

    // --- The recording ------------------------------------------------------------------------
    const std::optional<Recording> &recording() const { return m_recording; }
    const QString &fileName() const { return m_fileName; }
    // A new recording: channel 1, the fit window over all of it from t = 0 on (the scope's
    // trigger is the switch), no fit.
    void setRecording(Recording recording, const QString &fileName);

    std::size_t channel() const { return m_channel; }
    void setChannel(std::size_t channel);
    Quantity quantity() const { return m_quantity; }
    void setQuantity(Quantity quantity);

    // The fit window, s. setWindow orders the two and keeps them inside the recording;
    // returns false (nothing changed) for a window that holds no time span.
    double from() const { return m_from; }
    double to() const { return m_to; }
    bool setWindow(double from, double to);

    // --- The circuit --------------------------------------------------------------------------
    // The configuration and values of the host, as they stand; the free choice of each
    // parameter stays where the configuration keeps it. Clears the fit when the configuration
    // changes.
    void setHostCircuit(const HostCircuit &circuit);
    const std::optional<HostCircuit> &hostCircuit() const { return m_host; }
    // The configuration's parameters in their order; empty without a host circuit.
    std::span<const FitParameter> parameters() const;
    bool isFree(FitParameter parameter) const { return m_free[indexOf(parameter)]; }
    void setFree(FitParameter parameter, bool free);

    // What to fit, with the host's values; none without a circuit, a recording or a host value
    // for a held parameter.
    std::optional<FitProblem> fitProblem() const;
    WindowSamples windowSamples() const;

    // --- The fit ------------------------------------------------------------------------------
    const std::optional<FitResult> &fit() const { return m_fit; }
    void setFit(const FitResult &fit);
    // The curve drawn over the samples: the fitted circuit after a fit, the host's before.
    std::optional<FitProblem> modelProblem() const;
    // The model at the times of `t`; empty when there is no model to draw.
    std::vector<double> modelAt(std::span<const double> t) const;
    // The values Apply to Lab writes: each fitted free parameter the data determined.
    std::vector<std::pair<FitParameter, double>> fittedValues() const;

    // The samples of the fit window as spans into the recording, and their residuals against
    // the model (empty when there is no model), computed once per change.
    std::span<const double> windowTime() const;
    std::span<const double> windowValue() const;
    const std::vector<double> &residuals() const;

    // --- The experiment file -------------------------------------------------------------
    // The session as an experiment keeps it; none without a recording or a host circuit.
    std::optional<MeasurementExperiment> experiment() const;
    // Puts the session in the state `experiment` describes, emitting one change: its
    // recording, channel, quantity, fit window, free parameters and fit, shown without
    // fitting again. The fit and the free parameters belong to the experiment's circuit: they
    // are taken only when the host circuit is that one.
    void applyExperiment(MeasurementExperiment experiment);

    // The fit of `samples`: one call, made on a worker thread, that stops when *cancel turns true.
    static FitResult runFit(const FitProblem &problem, const WindowSamples &samples,
                            const std::atomic<bool> *cancel);

    // The task a teacher typed for the worksheet, lines kept.
    const QString &task() const { return m_task; }
    void setTask(const QString &task)
    {
        m_task = task;
        emit changed();
    }

signals:
    void changed();

private:
    void touch(bool clearFit);
    std::pair<std::size_t, std::size_t> windowRange() const;

    std::optional<Recording> m_recording;
    QString m_fileName;
    std::size_t m_channel = 0;
    Quantity m_quantity = Quantity::CapacitorVoltage;
    double m_from = 0, m_to = 0;
    std::optional<HostCircuit> m_host;
    std::array<bool, kFitParameterCount> m_free{};
    std::optional<FitResult> m_fit;
    // The residuals of the window, recomputed after a change when first asked for.
    mutable std::optional<std::vector<double>> m_residuals;
    QString m_task;
};

} // namespace kel::measurement
