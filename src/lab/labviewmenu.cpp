// SPDX-License-Identifier: GPL-3.0-or-later
// The lab window's menus after Export: Experiment, and View with the equations of the circuit
// and, for the driven RLC circuit, its resonance curve.
#include "labwindow.h"

#include "core/labexperiment.h"
#include "equationswindow.h"

#include "display/axisnumbersoption.h"
#include "display/experimentmenu.h"
#include "display/picturearea.h"
#include "energy/energysession.h"
#include "energy/energywindow.h"
#include "resonance/resonancewindow.h"
#include "solutions/numbertext.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

namespace kel::lab
{

void LabWindow::buildMoreMenus()
{
    m_experimentMenu = new display::ExperimentMenu(this, QLatin1String(LabExperiment::kWindow),
                                                   {LabExperiment::kWindow, &LabExperiment::check},
                                                   *this, m_dialogs);
    QMenu *view = menuBar()->addMenu(tr("View"));
    view->setObjectName("View");
    view->menuAction()->setObjectName("View");
    QAction *equations = view->addAction(tr("Equations"));
    equations->setObjectName("Equations");
    connect(equations, &QAction::triggered, this, &LabWindow::showEquations);
    m_resonanceCurve = view->addAction(tr("Resonance Curve"));
    m_resonanceCurve->setObjectName("ResonanceCurve");
    m_resonanceCurve->setVisible(false);
    connect(m_resonanceCurve, &QAction::triggered, this, &LabWindow::showResonanceCurve);
    QAction *energy = view->addAction(tr("Energy"));
    energy->setObjectName("Energy");
    connect(energy, &QAction::triggered, this, &LabWindow::showEnergy);
    m_frequencyResponse = view->addAction(tr("Frequency Response"));
    m_frequencyResponse->setObjectName("FrequencyResponse");
    m_frequencyResponse->setVisible(false);
    connect(m_frequencyResponse, &QAction::triggered, this, &LabWindow::showFrequencyResponse);
    display::addAxisNumbersOption(this, {m_controls.graph});
    QAction *mark = view->addAction(tr("Mark Reference"));
    mark->setObjectName("MarkReference");
    // M on the focused graph; the menu shows the key.
    mark->setShortcut(QKeySequence(Qt::Key_M));
    mark->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    m_controls.graph->addAction(mark);
    connect(mark, &QAction::triggered, this, &LabWindow::markReference);
}

void LabWindow::followTexts()
{
    // The resonance curve of the RLC, the frequency response of every driven circuit, in one
    // window.
    const bool driven = solutions::isDriven(m_session.circuitKind());
    if (m_resonanceCurve)
        m_resonanceCurve->setVisible(m_session.circuitKind() == CircuitKind::DrivenRlc);
    if (m_frequencyResponse)
        m_frequencyResponse->setVisible(driven);
    if (m_resonance && !driven)
        m_resonance->hide();
    else if (m_resonance)
        m_resonance->refresh();
    if (m_energySession)
        m_energySession->refresh();
    if (m_equations && m_session.circuitKind() != CircuitKind::None)
        m_equations->showCircuit(m_session.circuitKind(), [this](solutions::Parameter p) {
            return m_session.text(fieldOf(p));
        });
}

void LabWindow::showEquations()
{
    if (!m_equations) {
        m_equations = new EquationsWindow(m_dialogs, this);
        m_equations->setWindowFlag(Qt::Window);
    }
    followTexts();
    m_equations->show();
    m_equations->raise();
}

void LabWindow::showResonanceCurve()
{
    if (m_session.circuitKind() == CircuitKind::DrivenRlc)
        showResonanceWindow(resonance::ResonancePage::Resonance);
}

void LabWindow::showFrequencyResponse()
{
    if (solutions::isDriven(m_session.circuitKind()))
        showResonanceWindow(resonance::ResonancePage::Response);
}

void LabWindow::showResonanceWindow(resonance::ResonancePage page)
{
    if (!m_resonance)
        m_resonance = new resonance::ResonanceWindow(m_circuitSource, m_dialogs, this);
    m_resonance->showPage(page);
    m_resonance->show();
    m_resonance->raise();
    m_resonance->activateWindow();
}

void LabWindow::plotAtFrequency(const QString &f0)
{
    m_controls.box(Field::f0)->setText(f0);
    plotGraphs();
}

void LabWindow::showEnergy()
{
    if (!m_energySession) {
        m_energySession = new energy::EnergySession(m_session, this);
        new energy::EnergyWindow(*m_energySession, m_dialogs, this);
    }
    m_energySession->refresh();
    auto *window = findChild<energy::EnergyWindow *>();
    window->show();
    window->raise();
}

std::optional<QByteArray> LabWindow::energyCsv() const
{
    energy::EnergySession session(m_session);
    session.refresh();
    return session.csv();
}

} // namespace kel::lab
