// SPDX-License-Identifier: GPL-3.0-or-later
// The lab window's Measurement menu: a recording laid over the lab's circuit, whose values the
// measurement reads from the lab session and writes back after a fit.
#include "labwindow.h"

#include "core/labexperiment.h"
#include "display/windowplacement.h"
#include "measurement/circuithost.h"
#include "measurement/measurementwindow.h"
#include "solutions/numbertext.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace kel::lab
{

// The lab session as the measurement window sees it.
class LabCircuitHost final : public QObject, public measurement::CircuitHost
{
public:
    explicit LabCircuitHost(LabWindow &lab) : QObject(&lab), m_lab(lab) {}

    std::optional<measurement::HostCircuit> hostCircuit() const override
    {
        const LabSession &session = m_lab.m_session;
        const auto kind =
            measuredCircuit(session.circuitKind(), session.source().value_or(SourceKind::None));
        if (!kind)
            return std::nullopt;
        measurement::HostCircuit circuit{kind->circuit, kind->source, {}};
        for (std::size_t k = 0; k < measurement::kFitParameterCount; ++k)
            circuit.values[k] = solutions::toNumber(
                session.text(fieldOf(static_cast<measurement::FitParameter>(k))).toStdString());
        return circuit;
    }

    void applyValues(std::span<const std::pair<measurement::FitParameter, double>> values) override
    {
        for (const auto &[parameter, value] : values)
            m_lab.m_session.setText(fieldOf(parameter),
                                    QString::fromStdString(solutions::toText(value)));
        m_lab.showAllTexts();
        m_lab.followTexts();
        m_lab.plotGraphs();
    }

    std::optional<worksheet::Worksheet> hostWorksheet() const override { return m_lab.worksheet(); }

private:
    static Field fieldOf(measurement::FitParameter parameter)
    {
        using P = measurement::FitParameter;
        switch (parameter) {
        case P::R:
            return Field::R;
        case P::L:
            return Field::L;
        case P::C:
            return Field::C;
        case P::v0:
            return Field::v0;
        case P::f0:
            return Field::f0;
        case P::q0:
            return Field::q0;
        case P::i0:
            return Field::i0;
        }
        return Field::R;
    }

    LabWindow &m_lab;
};

void LabWindow::buildMeasurementMenu()
{
    QMenu *menu = menuBar()->addMenu(tr("Measurement"));
    menu->setObjectName("MeasurementMenu");
    menu->menuAction()->setObjectName("MeasurementMenu");
    QAction *open = menu->addAction(tr("Open Measurement..."));
    open->setObjectName("OpenMeasurement");
    open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    connect(open, &QAction::triggered, this, &LabWindow::openMeasurement);
}

measurement::MeasurementWindow &LabWindow::ensureMeasurementWindow()
{
    if (!m_measurement) {
        auto *host = new LabCircuitHost(*this);
        m_measurement = new measurement::MeasurementWindow(*host, m_dialogs, this);
        m_measurement->setWindowFlag(Qt::Window);
    }
    return *m_measurement;
}

void LabWindow::openMeasurement()
{
    ensureMeasurementWindow();
    m_measurement->followHost();
    m_measurement->show();
    display::placeBesideOnce(m_measurement, this);
    m_measurement->raise();
    m_measurement->activateWindow();
    if (!m_measurement->session().recording())
        m_measurement->openRecording();
}

QJsonObject LabWindow::measurementEntry() const
{
    if (!m_measurement)
        return {};
    const auto taken = m_measurement->experiment();
    return taken ? taken->toJson() : QJsonObject();
}

QString LabWindow::saveProblem() const
{
    if (!m_measurement || !m_measurement->session().recording())
        return {};
    using measurement::MeasurementExperiment;
    const std::size_t values =
        MeasurementExperiment::valueCount(*m_measurement->session().recording());
    if (values <= MeasurementExperiment::kMaxValues)
        return {};
    return tr("the measurement's recording holds %1 values, the times included, and an "
              "experiment keeps at most %2; open a shorter recording in the measurement window "
              "first")
        .arg(QString::fromStdString(solutions::integerText(qint64(values))),
             QString::fromStdString(
                 solutions::integerText(qint64(MeasurementExperiment::kMaxValues))));
}

void LabWindow::applyMeasurement(const display::Experiment &experiment)
{
    // As the file's reader decoded it, else (an experiment made otherwise, or opened again)
    // read here.
    const auto *read =
        dynamic_cast<const measurement::MeasurementReading *>(experiment.measurementReading.get());
    auto taken = read ? read->take() : std::nullopt;
    if (!taken)
        taken = measurement::MeasurementExperiment::fromJson(experiment.measurement);
    if (!taken)
        return;
    measurement::MeasurementWindow &window = ensureMeasurementWindow();
    window.applyExperiment(std::move(*taken));
    if (isVisible()) {
        window.show();
        window.raise();
        display::placeBesideOnce(&window, this);
    }
}

} // namespace kel::lab
