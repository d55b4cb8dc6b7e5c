// SPDX-License-Identifier: GPL-3.0-or-later
#include "measurementsession.h"

#include <algorithm>

namespace kel::measurement
{
namespace
{

bool has(std::span<const FitParameter> parameters, FitParameter p)
{
    return std::find(parameters.begin(), parameters.end(), p) != parameters.end();
}

// A first fit that the data of a step response determine: the resistance, the inductance and
// the amplitude (the source voltage, or the initial charge or current without a source); the
// capacitance is held, as one voltage cannot tell it from the inductance.
std::array<bool, kFitParameterCount> defaultFree(std::span<const FitParameter> parameters)
{
    std::array<bool, kFitParameterCount> free{};
    for (FitParameter p : {FitParameter::R, FitParameter::L})
        free[indexOf(p)] = has(parameters, p);
    if (has(parameters, FitParameter::v0))
        free[indexOf(FitParameter::v0)] = true;
    else if (has(parameters, FitParameter::q0))
        free[indexOf(FitParameter::q0)] = true;
    else
        free[indexOf(FitParameter::i0)] = has(parameters, FitParameter::i0);
    return free;
}

} // namespace

MeasurementSession::MeasurementSession(QObject *parent) : QObject(parent) {}

void MeasurementSession::touch(bool clearFit)
{
    if (clearFit)
        m_fit.reset();
    m_residuals.reset();
    emit changed();
}

void MeasurementSession::setRecording(Recording recording, const QString &fileName)
{
    m_recording = std::move(recording);
    m_fileName = fileName;
    m_channel = 0;
    const auto &t = m_recording->time;
    m_from = std::clamp(0.0, t.front(), t.back());
    m_to = t.back();
    if (!(m_to > m_from))
        m_from = t.front();
    touch(true);
}

void MeasurementSession::setChannel(std::size_t channel)
{
    if (!m_recording || channel >= m_recording->channels.size() || channel == m_channel)
        return;
    m_channel = channel;
    touch(true);
}

void MeasurementSession::setQuantity(Quantity quantity)
{
    if (quantity == m_quantity)
        return;
    m_quantity = quantity;
    touch(true);
}

bool MeasurementSession::setWindow(double from, double to)
{
    if (!m_recording)
        return false;
    if (from > to)
        std::swap(from, to);
    from = std::clamp(from, m_recording->time.front(), m_recording->time.back());
    to = std::clamp(to, m_recording->time.front(), m_recording->time.back());
    if (!(to > from))
        return false;
    if (from == m_from && to == m_to)
        return true;
    m_from = from;
    m_to = to;
    touch(true);
    return true;
}

void MeasurementSession::setHostCircuit(const HostCircuit &circuit)
{
    const bool sameKind =
        m_host && m_host->circuit == circuit.circuit && m_host->source == circuit.source;
    if (sameKind && m_host->values == circuit.values)
        return;
    if (!sameKind)
        m_free = defaultFree(parametersOf(circuit.circuit, circuit.source));
    m_host = circuit;
    // New values alone keep the fit: it says which values it held, and Apply to Lab brings the
    // fitted values back here.
    touch(!sameKind);
}

std::span<const FitParameter> MeasurementSession::parameters() const
{
    if (!m_host)
        return {};
    return parametersOf(m_host->circuit, m_host->source);
}

void MeasurementSession::setFree(FitParameter parameter, bool free)
{
    if (m_free[indexOf(parameter)] == free)
        return;
    m_free[indexOf(parameter)] = free;
    touch(true);
}

std::optional<FitProblem> MeasurementSession::fitProblem() const
{
    if (!m_host || !m_recording || !hasQuantity(m_host->circuit, m_quantity))
        return std::nullopt;
    FitProblem problem;
    problem.circuit = m_host->circuit;
    problem.source = m_host->source;
    problem.quantity = m_quantity;
    for (FitParameter p : parameters()) {
        const auto &value = m_host->values[indexOf(p)];
        if (!value && !m_free[indexOf(p)])
            return std::nullopt;
        problem[p] = ParameterSetting{value.value_or(0.0), m_free[indexOf(p)]};
    }
    return problem;
}

std::pair<std::size_t, std::size_t> MeasurementSession::windowRange() const
{
    if (!m_recording)
        return {0, 0};
    const auto &t = m_recording->time;
    const auto first = std::lower_bound(t.begin(), t.end(), m_from);
    const auto last = std::upper_bound(first, t.end(), m_to);
    return {std::size_t(first - t.begin()), std::size_t(last - t.begin())};
}

std::span<const double> MeasurementSession::windowTime() const
{
    const auto [first, last] = windowRange();
    if (!m_recording)
        return {};
    return std::span<const double>(m_recording->time).subspan(first, last - first);
}

std::span<const double> MeasurementSession::windowValue() const
{
    const auto [first, last] = windowRange();
    if (!m_recording)
        return {};
    return std::span<const double>(m_recording->channels[m_channel]).subspan(first, last - first);
}

WindowSamples MeasurementSession::windowSamples() const
{
    const auto t = windowTime();
    const auto y = windowValue();
    return {std::vector<double>(t.begin(), t.end()), std::vector<double>(y.begin(), y.end())};
}

void MeasurementSession::setFit(const FitResult &fit)
{
    m_fit = fit;
    touch(false);
}

std::optional<FitProblem> MeasurementSession::modelProblem() const
{
    auto problem = fitProblem();
    if (!problem)
        return std::nullopt;
    if (m_fit && m_fit->status == FitStatus::Fitted)
        return withFittedValues(*problem, *m_fit);
    // Before a fit every parameter needs a value of the host's to draw the curve.
    for (FitParameter p : parameters())
        if (!m_host->values[indexOf(p)])
            return std::nullopt;
    return problem;
}

std::vector<double> MeasurementSession::modelAt(std::span<const double> t) const
{
    const auto problem = modelProblem();
    if (!problem)
        return {};
    return modelCurve(*problem, t);
}

std::vector<std::pair<FitParameter, double>> MeasurementSession::fittedValues() const
{
    std::vector<std::pair<FitParameter, double>> values;
    if (!m_fit || m_fit->status != FitStatus::Fitted)
        return values;
    for (const FittedParameter &p : m_fit->parameters)
        if (!p.fixed && p.determined)
            values.emplace_back(p.parameter, p.value);
    return values;
}

const std::vector<double> &MeasurementSession::residuals() const
{
    if (!m_residuals) {
        const auto t = windowTime();
        const auto y = windowValue();
        std::vector<double> model = modelAt(t);
        if (model.size() == y.size())
            for (std::size_t k = 0; k < model.size(); ++k)
                model[k] = y[k] - model[k];
        else
            model.clear();
        m_residuals = std::move(model);
    }
    return *m_residuals;
}

std::optional<MeasurementExperiment> MeasurementSession::experiment() const
{
    if (!m_recording || !m_host)
        return std::nullopt;
    MeasurementExperiment e;
    e.recording = *m_recording;
    e.fileName = m_fileName;
    e.circuit = m_host->circuit;
    e.source = m_host->source;
    e.channel = m_channel;
    e.quantity = m_quantity;
    e.from = m_from;
    e.to = m_to;
    e.free = m_free;
    e.fit = m_fit;
    return e;
}

void MeasurementSession::applyExperiment(MeasurementExperiment experiment)
{
    m_recording = std::move(experiment.recording);
    m_fileName = experiment.fileName;
    m_channel = std::min(experiment.channel, m_recording->channels.size() - 1);
    m_quantity = experiment.quantity;
    m_from = experiment.from;
    m_to = experiment.to;
    const bool sameCircuit =
        m_host && m_host->circuit == experiment.circuit && m_host->source == experiment.source;
    if (sameCircuit)
        m_free = experiment.free;
    m_fit = sameCircuit ? std::move(experiment.fit) : std::nullopt;
    touch(false);
}

FitResult MeasurementSession::runFit(const FitProblem &problem, const WindowSamples &samples,
                                     const std::atomic<bool> *cancel)
{
    return fitCircuit(problem, samples.time, samples.value, cancel);
}

} // namespace kel::measurement
