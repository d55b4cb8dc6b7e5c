// SPDX-License-Identifier: GPL-3.0-or-later
// The lab window's menus after Export: Experiment, and View with the equations of the circuit
// and, for the driven RLC circuit, its resonance curve.
#include "labwindow.h"

#include "core/labexperiment.h"
#include "equationswindow.h"

#include "display/experimentmenu.h"
#include "resonance/resonancewindow.h"

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
}

void LabWindow::followTexts()
{
    const bool driven = m_session.circuitKind() == CircuitKind::DrivenRlc;
    if (m_resonanceCurve)
        m_resonanceCurve->setVisible(driven);
    if (m_resonance && !driven)
        m_resonance->hide();
    else if (m_resonance)
        m_resonance->refresh();
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
    if (m_session.circuitKind() != CircuitKind::DrivenRlc)
        return;
    if (!m_resonance)
        m_resonance = new resonance::ResonanceWindow(m_circuitSource, m_dialogs, this);
    m_resonance->show();
    m_resonance->raise();
    m_resonance->activateWindow();
}

void LabWindow::plotAtFrequency(const QString &f0)
{
    m_controls.box(Field::f0)->setText(f0);
    plotGraphs();
}

} // namespace kel::lab
