// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/circuitconfiguration.h"
#include "core/graphdescription.h"
#include "core/labcircuitsource.h"
#include "core/labsession.h"
#include "labcontrols.h"

#include "display/experimenttarget.h"
#include "worksheet/worksheet.h"

#include <QMainWindow>

#include <array>

class QAction;
class QLabel;

namespace kel::display
{
class Dialogs;
class ExperimentMenu;
class PictureArea;
} // namespace kel::display

namespace kel::measurement
{
class MeasurementWindow;
}

namespace kel::resonance
{
class ResonanceWindow;
enum class ResonancePage;
} // namespace kel::resonance

namespace kel::lab
{

class EquationsWindow;
class LabCircuitHost;
} // namespace kel::lab

namespace kel::energy
{
class EnergySession;
} // namespace kel::energy

namespace kel::lab
{

// The circuit lab window `rc`: the parameter texts of the series circuit, the graph
// selection, the graph area with its frame, curves and value read-out, and the menu bar
// Clear Graphs, Graph Scale, Plot Graphs and Close, then Export (the graph as PNG or SVG, to
// the clipboard, and the last plot's samples as CSV). A status bar names the configuration
// and its regime, the graph's scale and the point under the mouse. Its state and every
// computation are the session's; the window shows them. Close only hides it.
// After Export: the Experiment menu (display::ExperimentMenu) and the View menu `View` with
// `Equations` (the circuit's equations, following the texts) and `ResonanceCurve` (the driven
// RLC circuit only).
class LabWindow : public QMainWindow, public display::ExperimentTarget
{
    Q_OBJECT
public:
    explicit LabWindow(display::Dialogs &dialogs, QWidget *parent = nullptr);

    // Applies a launcher's configuration: the texts, the visibility of every control group,
    // the unchecked graph selection, and the empty graph; then shows the window.
    void applyConfiguration(const CircuitConfiguration &configuration);

    const LabSession &session() const { return m_session; }
    // The scale the next empty graph and plot use (Graph Scale without its questions); the
    // graph on screen stays as it is until then.
    void setGraphScale(const GraphScale &scale) { m_session.setScale(scale); }
    display::PictureArea *graphArea() const { return m_controls.graph; }
    // The samples of the last Plot Graphs; empty again once the graph is erased.
    const PlotRecord &lastPlot() const { return m_session.lastPlot(); }

    void applyExperiment(const display::Experiment &experiment) override;
    display::Experiment experiment() const override;
    display::PictureExport pictures() const override;
    double pictureScale() const override { return 2.0; }
    std::optional<QByteArray> csv() const override;
    std::optional<QByteArray> energyCsv() const override;
    std::optional<QByteArray> worksheetPdf() const override;
    // The worksheet of the circuit as the window shows it (labworksheet.cpp).
    worksheet::Worksheet worksheet() const;
    QString saveProblem() const override;
    // The measurement window, once the Measurement menu or an experiment has opened it.
    measurement::MeasurementWindow *measurementWindow() const { return m_measurement; }
    display::ExperimentMenu &experimentMenu() const { return *m_experimentMenu; }
    // The worksheet's task, kept by the session: typed with Worksheet Task, opened and saved
    // with the experiment; empty for none.
    const QString &task() const { return m_session.task(); }
    void setTask(const QString &task) { m_session.setTask(task); }

public slots:
    void clearGraphs();
    void askGraphScale();
    void plotGraphs();
    void closeLab();
    void saveGraph();
    void copyGraph();
    void saveData();
    void setNaturalFrequency();
    void onVoltageToggled();
    void onFrequencyEdited();
    void readOutAt(int button, int shift, float x, float y);
    // The keyboard cursor moved to time t: the read-out of a click there, and the graph's
    // description follows.
    void onCursorMoved(float t);
    void showPointerAt(float x, float y);
    void showEquations();
    // Resonance Curve and Frequency Response: one window, each at its own page.
    void showResonanceCurve();
    void showEnergy();
    void showFrequencyResponse();
    void showResonanceWindow(resonance::ResonancePage page);
    // Mark Reference: the last read-out time becomes the reference, drawn dashed; later
    // read-outs show their differences from it.
    void markReference();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void connectControls();
    void buildMenus();
    void onTextEdited(Field field);
    void showText(Field field);
    void showAllTexts();
    // The session's read-out at time t (s): the time, current and charge boxes, or its message.
    void showReadOut(float t);
    void readSelection();
    void applyVisibility(const CircuitConfiguration &configuration);
    // Clears the graph and draws its empty frame for the session's scale.
    void drawEmptyGraph();
    // Shows the window and draws axes and ticks for the scale, without clearing.
    void drawFrame(const GraphScale &scale);
    void drawCurve(const CurveSamples &curve, const CurveLook &look, bool fromZero);
    // The graph's keyboard cursor, its Export option, and the legend and description that
    // follow what the graph shows (labgraph.cpp).
    void buildGraphAccess();
    void showGraphChanges();
    // The numbered axes for the scale the frame was drawn in and the quantities plotted.
    void showAxes();
    // The differences of the last read-out from the reference, in `DeltaReadout` and the
    // graph's description; the reference line where the session has one.
    void showDelta();
    void describeGraph();
    double askScaleValue(const QString &prompt, const QString &title, double remembered);
    void report(const LabMessage &message);
    void showRegime();
    void elideRegime();
    void buildMoreMenus();
    // Keeps the equations and the View menu with the circuit and its texts.
    void followTexts();
    // A frequency picked on the resonance curve: typed into f0, then plotted.
    void plotAtFrequency(const QString &f0);
    void applyLabPlot(const display::BoxTexts &texts, const QStringList &curves);
    // The Measurement menu, after the others, and the window it opens (labmeasurement.cpp).
    void buildMeasurementMenu();
    void buildWorksheetCommands();
    void openMeasurement();
    measurement::MeasurementWindow &ensureMeasurementWindow();
    // The measurement window's entry of an experiment, empty without a recording; and the
    // opening of one (sound, as the experiment file has read it).
    QJsonObject measurementEntry() const;
    void applyMeasurement(const display::Experiment &experiment);
    friend class LabCircuitHost;

    display::Dialogs &m_dialogs;
    LabSession m_session;
    LabControls m_controls;
    QString m_regimeText;    // whole, while the status bar may show it elided
    GraphScale m_shownScale; // the one the graph's frame was last drawn for
    display::ExperimentMenu *m_experimentMenu = nullptr;
    QAction *m_resonanceCurve = nullptr;
    QLabel *m_deltaReadout = nullptr;
    EquationsWindow *m_equations = nullptr; // once opened; a child window
    // What the resonance curve and the frequency response read: f0 picked there is typed into
    // its box and plotted.
    LabCircuitSource m_circuitSource{m_session, [this](const QString &f0) { plotAtFrequency(f0); }};
    resonance::ResonanceWindow *m_resonance = nullptr;       // once opened; a child window
    measurement::MeasurementWindow *m_measurement = nullptr; // likewise
    energy::EnergySession *m_energySession = nullptr;        // with the Energy window, once opened
    QAction *m_frequencyResponse = nullptr;
};

// Which slot each widget and action runs, by objectName (the signal in brackets).
struct LabSlot {
    const char *objectName;
    void (LabWindow::*slot)();
};
inline constexpr std::array<LabSlot, 10> kLabSlots{{
    {"ClGraphs", &LabWindow::clearGraphs},        // triggered
    {"GScale", &LabWindow::askGraphScale},        // triggered
    {"PlGraphs", &LabWindow::plotGraphs},         // triggered
    {"close", &LabWindow::closeLab},              // triggered
    {"SaveGraph", &LabWindow::saveGraph},         // triggered
    {"CopyGraph", &LabWindow::copyGraph},         // triggered
    {"SaveData", &LabWindow::saveData},           // triggered
    {"SetNatf", &LabWindow::setNaturalFrequency}, // clicked
    {"Voltage", &LabWindow::onVoltageToggled},    // toggled
    {"f0", &LabWindow::onFrequencyEdited},        // textChanged
}};
// Picture1: mouseUp runs readOutAt, mouseMove runs showPointerAt, cursorMoved (the keyboard)
// runs onCursorMoved; every parameter box's textChanged records the text in the session.

} // namespace kel::lab
