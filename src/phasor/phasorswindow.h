// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "animationclock.h"
#include "core/phasorsession.h"
#include "phasorsanimator.h"
#include "phasorscontrols.h"

#include "display/experimenttarget.h"
#include "worksheet/worksheet.h"

#include <QMainWindow>

#include <cstdint>
#include <memory>
#include <optional>

namespace kel::display
{
class Dialogs;
class ExperimentMenu;
} // namespace kel::display

namespace kel::resonance
{
class CircuitSource;
class ResonanceWindow;
} // namespace kel::resonance

namespace kel::phasor
{

// The phasor window `Phasors` ("Phasor Plots"): the driven series RLC circuit's voltage
// phasors on the diagram `Picture3`, the checked voltages against time on `Picture1` with a
// marker at the time in `t2`, the time bar `TimeSc`, the projection button, the parameter
// strip, an Export menu, an Animate menu that turns the phasors by themselves and the
// resonance curve of the circuit. Close only hides it. A binding of these widgets to a
// PhasorSession: edits go into the session, every change of the session is shown from it,
// and what the session cannot draw is reported through the dialogs.
//
// objectName        signal            slot
// plot              triggered         plotAtTime()
// ClrGraphs         triggered         clearGraphs()
// close             triggered         hide()
// Projection        clicked           showProjections()
// TimeSc            valueChanged      onTimeBarChanged()
// t2                textChanged       onTimeTextChanged()
// Picture1          mouseUp           replotAt()
// Picture1          mouseMove         showPointerReading()
// Picture1          cursorMoved       replotAt(), as a click there (see MarkerCursor)
// SavePicture       triggered         savePicture()
// CopyPicture       triggered         copyPicture()
// SaveCsv           triggered         saveCsv()
// PlayPause         triggered         PhasorsAnimator::togglePlaying()
// Slower, Faster    triggered         PhasorsAnimator::slower(), faster()
// Restart           triggered         PhasorsAnimator::restart()
// animationTimer    timeout           PhasorsAnimator::advance()
// Resonance         triggered         showResonanceCurve()
// Experiment        (menu)            display::ExperimentMenu, after Resonance
class MarkerCursor;

class PhasorsWindow : public QMainWindow, public display::ExperimentTarget
{
    Q_OBJECT
public:
    explicit PhasorsWindow(display::Dialogs &dialogs, QWidget *parent = nullptr);
    // The same with the clock the animation reads (not owned; it must outlive the window).
    PhasorsWindow(display::Dialogs &dialogs, const AnimationClock &clock,
                  QWidget *parent = nullptr);
    ~PhasorsWindow() override;

    PhasorSession &session() { return m_session; }
    // Redraws both areas for the time of step n (any whole number, also outside 0..200) and
    // writes that time into t2.
    void redrawAtStep(std::int64_t n);

    void plotAtTime();
    void clearGraphs();
    void showProjections();
    void onTimeBarChanged();
    void onTimeTextChanged();
    // A click on the time plot at x, in the plot's coordinates: redraws at that time.
    void replotAt(float x);
    void showPointerReading(float x, float y);
    void showResonanceCurve();
    // View → Mark Reference: the time and voltages drawn last become the reference.
    void markReference();

    void savePicture();
    void copyPicture();
    void saveCsv();

    PhasorsAnimator &animator() const { return *m_animator; }
    // The circuit the resonance curve reads and sets the frequency of.
    resonance::CircuitSource &circuitSource() const { return *m_circuit; }

    void applyExperiment(const display::Experiment &experiment) override;
    display::Experiment experiment() const override;
    display::PictureExport pictures() const override;
    double pictureScale() const override;
    std::optional<QByteArray> csv() const override;
    std::optional<QByteArray> worksheetPdf() const override;
    // The worksheet of the circuit as the window shows it (phasorworksheet.cpp).
    worksheet::Worksheet worksheet() const;
    display::ExperimentMenu &experimentMenu() const { return *m_experimentMenu; }
    // The worksheet's task, kept by the session: typed with Worksheet Task, opened and saved
    // with the experiment; empty for none.
    const QString &task() const { return m_session.task(); }
    void setTask(const QString &task) { m_session.setTask(task); }

    display::PictureArea *diagramArea() const { return m_c.diagram; }
    display::PictureArea *plotArea() const { return m_c.plot; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    PhasorsWindow(display::Dialogs &dialogs, std::unique_ptr<AnimationClock> ownClock,
                  const AnimationClock *clock, QWidget *parent);
    void buildMenus();
    void buildReference(QAction *before);
    // The reference line and the differences against it, as the session holds them.
    void showDelta();
    void buildWorksheetCommands();
    void connectControls();

    // Shows what the session holds: the inputs always, the drawings and read-outs when they
    // changed.
    void showSession(PhasorSession::Change change);
    void showDrawings();
    // The drawings' descriptions for the last frame shown.
    void describeDrawings();
    void report(const PhasorOutcome &outcome);
    void updateCircuitStatus();

    display::Dialogs &m_dialogs;
    std::unique_ptr<AnimationClock> m_ownClock;
    PhasorSession m_session;
    PhasorsControls m_c;
    PhasorsAnimator *m_animator = nullptr;
    MarkerCursor *m_cursor = nullptr;
    QLabel *m_deltaReadout = nullptr;
    display::ExperimentMenu *m_experimentMenu = nullptr;
    std::unique_ptr<resonance::CircuitSource> m_circuit;
    resonance::ResonanceWindow *m_resonance = nullptr; // once opened; a child window
};

} // namespace kel::phasor
