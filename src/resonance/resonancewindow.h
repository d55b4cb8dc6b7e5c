// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "resonancecurve.h"

#include <QMainWindow>

#include <optional>

class QComboBox;
class QLabel;
class QTabWidget;

namespace kel::display
{
class Dialogs;
class PictureArea;
} // namespace kel::display

namespace kel::resonance
{

class ResonanceRuler;
class CircuitSource;
class ResponseSession;

// The window's two pages.
enum class ResonancePage { Resonance, Response };

// The resonance and frequency-response window `ResonanceCurve` of the driven series circuit
// whose values `source` holds, on two pages of `ResonanceTabs`:
// - "Resonance Curve" `ResonancePage`, for the RLC (and the LC, which has no finite peak):
//   on one picture `ResonancePicture`, the current amplitude I0(f) above and the phase
//   phi(f) below, against frequency on a logarithmic axis, with the half-power band shaded
//   and f0 and the source frequency marked; f0, Q, the bandwidth and the band edges beside
//   it. Texts that cannot be drawn leave the picture and the figures as they were and say
//   why in the note `ResonanceNote`; no box interrupts typing. A driven RC or RL circuit has
//   no resonance: the page is disabled and the window shows the frequency response alone.
// - "Frequency Response" `ResponsePage`: the quantity picked in `ResponseChoice` (V_R, V_C,
//   V_L or the current), its magnitude in dB relative to the source above and its phase
//   below on `ResponsePicture` against log f, numbered "f (Hz)", "|H| (dB)", "φ (°)"; the
//   −3 dB corners and the band between two of them, the asymptotes, f0 and the peak, and the
//   source frequency marked; the figures in `ResponseFigures`, a problem in `ResponseNote`.
// On either picture a left click, or Left and Right while it has the focus, writes a
// frequency into the source. The title follows the page. Export saves or copies the page's
// picture and its data.
//
// objectName        slot
// ResonancePicture  onPictureClicked(), onPointerMoved()
// ResponsePicture   onPictureClicked(), onPointerMoved()
// ResponseChoice    onResponseChosen()
// SavePicture       savePicture()
// CopyPicture       copyPicture()
// SaveCsv           saveCsv()
// close             hide()
class ResonanceWindow : public QMainWindow
{
    Q_OBJECT
public:
    ResonanceWindow(CircuitSource &source, display::Dialogs &dialogs, QWidget *parent = nullptr);

    // The curve now drawn; empty until texts could be drawn.
    const std::optional<ResonanceCurve> &curve() const { return m_curve; }
    display::PictureArea *picture() const { return m_picture; }
    display::PictureArea *responsePicture() const { return m_responsePicture; }
    const ResponseSession &response() const { return *m_response; }

    // Brings `page` to the front; the resonance page only where the circuit has one.
    void showPage(ResonancePage page);
    ResonancePage page() const;

public slots:
    // Reads the source's values and redraws; the host calls it whenever they change. Hidden,
    // the window only remembers to refresh when shown again.
    void refresh();

    void savePicture();
    void copyPicture();
    void saveCsv();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    QWidget *buildResponsePage();
    void buildMenu();
    void onPictureClicked(int button, int shift, float x, float y);
    void onPointerMoved(float x, float y);
    void onResponsePointerMoved(float x, float y);
    void onResponseChosen(int index);
    // Left and Right on the focused picture: the source frequency one step down or up.
    void stepSourceFrequency(const display::PictureArea *picture, double decades);
    // Sets the source to the frequency at `decade` (log10 f) of `picture`, rounded to what a
    // pixel there tells apart.
    void pickFrequency(const display::PictureArea *picture, double decade);
    void refreshResonance();
    void redrawResponse();
    // Enables the pages the circuit has and names the window after the one in front.
    void followKind();
    display::PictureArea *currentPicture() const;
    void writeFigures(const ResonanceCurve &curve);
    QString problemText(const ResonanceCurve &curve, const CircuitReading &reading) const;

    CircuitSource &m_source;
    display::Dialogs &m_dialogs;
    ResponseSession *m_response = nullptr; // a child
    QTabWidget *m_tabs = nullptr;
    display::PictureArea *m_picture = nullptr;
    display::PictureArea *m_responsePicture = nullptr;
    QComboBox *m_choice = nullptr;
    QLabel *m_responseFigures = nullptr;
    QLabel *m_responseKey = nullptr;
    QLabel *m_responseNote = nullptr;
    ResonanceRuler *m_ruler = nullptr;
    QLabel *m_f0 = nullptr;
    QLabel *m_quality = nullptr;
    QLabel *m_bandwidth = nullptr;
    QLabel *m_band = nullptr;
    QLabel *m_sourcePoint = nullptr;
    QLabel *m_scales = nullptr;
    QLabel *m_note = nullptr;
    QLabel *m_statusPointer = nullptr;
    std::optional<ResonanceCurve> m_curve;
    // The values of the last refresh, drawn or not: a refresh with the same values does
    // nothing.
    std::optional<CircuitReading> m_lastReading;
};

} // namespace kel::resonance
