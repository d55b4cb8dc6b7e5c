// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "phasormath.h"

#include <QMainWindow>

#include <array>
#include <cstdint>
#include <optional>

class QCheckBox;
class QLabel;
class QMenu;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace kel::display
{
class PictureArea;
} // namespace kel::display

namespace kel::phasor
{

// The phasor window `Phasors` ("Phasor Plots"): the driven series RLC circuit's voltage
// phasors on the diagram `Picture3`, the checked voltages against time on `Picture1` with
// a marker at the time in `t2`, the time bar `TimeSc`, the projection button, and the
// parameter strip. One instance for the whole run (display::WindowInstance); Close only
// hides it. Every action reads the texts afresh and writes nothing unless all of them can
// be used: a problem is reported in a message box and the drawings and texts stay as they are.
class PhasorsWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit PhasorsWindow(QWidget *parent = nullptr);

    // Computes the amplitudes and phase from the parameter texts and writes VRmax, VCmax and
    // VLmax; empty (and reported) when the texts cannot be used.
    std::optional<Solution> SolveAmplitudes();
    // Clears both areas and draws the empty frame on the time plot.
    void ResetGraphs();
    // Redraws both areas for the time of step n (any whole number, also outside 0..200) and
    // writes that time into t2.
    void RedrawAtStep(std::int64_t n);

    // Menu commands and event handlers.
    void plot_Click();
    void ClrGraphs_Click();
    void close_Click();
    void Projection_Click();
    void TimeSc_Change();
    void t2_Change();
    void Picture1_MouseUp(int button, int shift, float x, float y);
    // Shows the time and voltage under the pointer in the status bar.
    void Picture1_MouseMove(float x, float y);

    // Export menu: both drawings side by side as a PNG (twice the screen size) or SVG file, or
    // on the clipboard; the samples of the last redraw as CSV. Files are chosen through
    // display::dialogs(); a file that cannot be written is reported.
    void SavePicture_Click();
    void CopyPicture_Click();
    void SaveCsv_Click();

    display::PictureArea *diagramArea() const { return m_picture3; }
    display::PictureArea *plotArea() const { return m_picture1; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void buildMenu();
    void buildExportMenu();
    void buildStatusBar();
    void buildKeyboardAccess();
    void updateCircuitStatus();
    void Form_Load();
    void loadDrawing();

    ParameterTexts parameterTexts() const;
    std::optional<Solution> solveOrReport() const;
    void writeAmplitudes(const Solution &s);
    void setDiagramScale(const Solution &s);
    void setTimeScale(const Solution &s);
    void DrawPhasorDiagram(const Solution &s, double t2);
    void DrawVoltageCurves(const Solution &s);
    void DrawProjections(const Solution &s, double t2);
    bool checked(Voltage v) const;

    display::PictureArea *m_picture1 = nullptr;
    display::PictureArea *m_picture2 = nullptr;
    display::PictureArea *m_picture3 = nullptr;
    QLineEdit *m_R = nullptr, *m_C = nullptr, *m_L = nullptr, *m_v0 = nullptr, *m_f0 = nullptr;
    QLineEdit *m_NumPer = nullptr, *m_t2 = nullptr;
    QLineEdit *m_VRmax = nullptr, *m_VCmax = nullptr, *m_VLmax = nullptr;
    std::array<QCheckBox *, 4> m_checks{};
    std::array<QLineEdit *, 4> m_valueBoxes{};
    QScrollBar *m_TimeSc = nullptr;
    QPushButton *m_Projection = nullptr;
    QLabel *m_statusCircuit = nullptr;
    QLabel *m_statusPointer = nullptr;
    // What the last redraw drew the curves from; empty once the drawings are cleared.
    std::optional<Solution> m_lastDrawn;
    // Whether the time plot is in frame units (after a reset) rather than time coordinates.
    bool m_plotInFrameUnits = true;
};

} // namespace kel::phasor
