// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "circuitconfiguration.h"
#include "plotrecord.h"
#include "solutions/circuitsolutions.h"

#include <QMainWindow>

#include <functional>
#include <optional>
#include <span>
#include <string>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStatusBar;

namespace kel::display
{
class PictureArea;
class TwipLayout;
} // namespace kel::display

namespace kel::lab
{

// The result of a solution function evaluated from the lab window's texts: the value, or
// the parameter whose text is not a number.
struct Evaluation {
    std::optional<double> value;
    std::optional<solutions::Parameter> badBox;
    explicit operator bool() const { return value.has_value(); }
};

// The circuit lab window `rc`: the parameter texts of the series circuit, the graph
// selection, the graph area with its frame, curves and value read-out, and the menu bar
// Clear Graphs, Graph Scale, Plot Graphs and Close, then Export (the graph as PNG or SVG, to
// the clipboard, and the last plot's samples as CSV). A status bar names the configuration
// and its regime, the graph's scale and the point under the mouse. One instance for the whole run
// (display::WindowInstance<LabWindow>); Close only hides it.
class LabWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit LabWindow(QWidget *parent = nullptr);

    // The solution functions of the circuit, evaluated at time t (s) from the parameter
    // texts as they stand now: each call reads the texts it needs once and keeps nothing.
    // Charges in coulombs, currents in amperes, VS in volts.
    Evaluation q1(double t) const;
    Evaluation i1(double t) const;
    Evaluation i2(double t) const;
    Evaluation q3(double t) const;
    Evaluation i3(double t) const;
    Evaluation q4(double t) const;
    Evaluation i4(double t) const;
    Evaluation q5(double t) const;
    Evaluation i5(double t) const;
    Evaluation q6(double t) const;
    Evaluation i6(double t) const;
    Evaluation i7(double t) const;
    Evaluation q8(double t) const;
    Evaluation i8(double t) const;
    Evaluation VS(double t) const;

    // Applies a circuit configuration: CircuitKind, the source and default texts, the
    // visibility of every control group, the unchecked graph selection, and the empty graph.
    void applyConfiguration(const CircuitConfiguration &configuration);

    // Clears the graph area and draws the empty graph for the current scale x1..y2.
    void DrawGraphFrame();

    // Menu commands and event handlers.
    void ClGraphs_Click();
    void GScale_Click();
    void PlGraphs_Click();
    void close_Click();
    void Picture1_MouseUp(int button, int shift, float x, float y);
    void f0_Change();
    void SetNatf_Click();
    void Voltage_Click();
    void Picture1_MouseMove(float x, float y);

    // Export commands: they ask for a file through display::dialogs() and report a failure
    // to write in a message box.
    void SaveGraph_Click();
    void CopyGraph_Click();
    void SaveData_Click();

    display::PictureArea *graphArea() const { return m_picture1; }
    // The samples of the last Plot Graphs; empty again once the graph is erased.
    const PlotRecord &lastPlot() const { return m_lastPlot; }

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Form_Load();
    void buildControls();
    void buildMenu();
    void buildStatusBar();
    void buildKeyboardOrder();
    void updateRegimeStatus();
    void updateScaleStatus(double left, double right, double top, double bottom);

    // Shows the window and draws axes and ticks for the given scale, without clearing.
    void drawFrame(double x1, double x2, double y1, double y2);
    // Reads the named parameters from their texts; reports a text that is not a number in
    // a message box naming the box.
    std::optional<solutions::CircuitParameters>
    readOrReport(std::span<const solutions::Parameter> which) const;
    Evaluation evaluate(solutions::SolutionFunction f, std::span<const solutions::Parameter> reads,
                        double t) const;
    std::string textOf(solutions::Parameter parameter) const;
    // Samples f from x1 to x2 and draws it; firstValue replaces the first point's drawn
    // value. Returns the samples as computed.
    CurveSamples drawCurve(const std::function<double(double)> &f, int intervals, int colour,
                           std::optional<double> firstValue = std::nullopt);
    // Asks one scale value until the answer is empty (keeps `remembered`) or a number
    // that the graph can draw.
    double askScaleValue(const QString &prompt, const QString &title, double remembered);
    QLineEdit *box(TextBox which) const;

    display::PictureArea *m_picture1 = nullptr;
    display::PictureArea *m_picture2 = nullptr;

    QLabel *m_label19 = nullptr, *m_labelR = nullptr, *m_unitR = nullptr, *m_labelL = nullptr,
           *m_unitL = nullptr, *m_labelC = nullptr, *m_mu = nullptr, *m_unitC = nullptr,
           *m_clabel = nullptr, *m_ilabel = nullptr, *m_label14 = nullptr, *m_amp = nullptr,
           *m_amplabel = nullptr, *m_freq = nullptr, *m_unitw = nullptr, *m_label10 = nullptr,
           *m_label13 = nullptr, *m_label12 = nullptr, *m_label3 = nullptr, *m_label6 = nullptr,
           *m_labelcc = nullptr, *m_labelii = nullptr;
    QLineEdit *m_R = nullptr, *m_L = nullptr, *m_C = nullptr, *m_q0 = nullptr, *m_i0 = nullptr,
              *m_VSource = nullptr, *m_v0 = nullptr, *m_f0 = nullptr, *m_w0 = nullptr,
              *m_Time = nullptr, *m_qq = nullptr, *m_ii = nullptr;
    QRadioButton *m_NoV = nullptr, *m_DC = nullptr, *m_AC = nullptr;
    QPushButton *m_SetNatf = nullptr;
    QCheckBox *m_Charge = nullptr, *m_Current = nullptr, *m_Voltage = nullptr, *m_RVolts = nullptr,
              *m_CVolts = nullptr, *m_LVolts = nullptr, *m_CR = nullptr, *m_CC = nullptr,
              *m_LC = nullptr;

    QStatusBar *m_statusBar = nullptr;
    QLabel *m_regimeStatus = nullptr, *m_scaleStatus = nullptr, *m_pointerStatus = nullptr;
    // The source of the configuration last applied; none before the first launcher.
    std::optional<SourceKind> m_source;
    PlotRecord m_lastPlot;
};

} // namespace kel::lab
