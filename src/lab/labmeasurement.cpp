// SPDX-License-Identifier: GPL-3.0-or-later
// The lab window's Measurement menu: a recording laid over the lab's circuit, whose values the
// measurement reads from the lab session and writes back after a fit.
#include "labwindow.h"

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
        using measurement::FitCircuit;
        using measurement::FitSource;
        const LabSession &session = m_lab.m_session;
        measurement::HostCircuit circuit;
        const bool constant = session.source() == SourceKind::Constant;
        switch (session.circuitKind()) {
        case CircuitKind::None:
            return std::nullopt;
        case CircuitKind::Rc:
        case CircuitKind::Rl:
        case CircuitKind::Lc:
        case CircuitKind::Rlc: {
            constexpr std::array kCircuits{FitCircuit::RC, FitCircuit::RL, FitCircuit::LC,
                                           FitCircuit::RLC};
            circuit.circuit = kCircuits[std::size_t(caseNumber(session.circuitKind()) - 1)];
            circuit.source = constant ? FitSource::Constant : FitSource::None;
            break;
        }
        case CircuitKind::DrivenLc:
            circuit = {FitCircuit::LC, FitSource::Alternating, {}};
            break;
        case CircuitKind::DrivenRc:
            circuit = {FitCircuit::RC, FitSource::Alternating, {}};
            break;
        case CircuitKind::DrivenRl:
            circuit = {FitCircuit::RL, FitSource::Alternating, {}};
            break;
        case CircuitKind::DrivenRlc:
            circuit = {FitCircuit::RLC, FitSource::Alternating, {}};
            break;
        }
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

void LabWindow::openMeasurement()
{
    if (!m_measurement) {
        auto *host = new LabCircuitHost(*this);
        m_measurement = new measurement::MeasurementWindow(*host, m_dialogs, this);
        m_measurement->setWindowFlag(Qt::Window);
    }
    m_measurement->followHost();
    m_measurement->show();
    m_measurement->raise();
    m_measurement->activateWindow();
    if (!m_measurement->session().recording())
        m_measurement->openRecording();
}

} // namespace kel::lab
