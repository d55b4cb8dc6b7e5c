// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "resonancecurve.h"

#include <QMainWindow>

#include <optional>

class QLabel;

namespace kel::display
{
class Dialogs;
class PictureArea;
} // namespace kel::display

namespace kel::resonance
{

class ResonanceRuler;
class CircuitSource;

// The resonance curve window `ResonanceCurve` ("Resonance Curve") of the driven series RLC
// circuit whose values `source` holds: on one picture `ResonancePicture`, the current
// amplitude I0(f) above and the phase phi(f) below, against frequency on a logarithmic axis,
// with the half-power band shaded and f0 and the source frequency marked; f0, Q, the
// bandwidth and the band edges beside it. A left click on the picture writes the frequency
// under the pointer into the source. Texts that cannot be drawn leave the picture and the
// figures as they were and say why in the note `ResonanceNote`; no box interrupts typing.
//
// objectName        slot
// ResonancePicture  onPictureClicked(), onPointerMoved()
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
    void buildMenu();
    void onPictureClicked(int button, int shift, float x, float y);
    void onPointerMoved(float x, float y);
    // Left and Right on the focused picture: the source frequency one step down or up.
    void stepSourceFrequency(double decades);
    void pickFrequency(double decade);
    void writeFigures(const ResonanceCurve &curve);
    QString problemText(const ResonanceCurve &curve, const CircuitReading &reading) const;

    CircuitSource &m_source;
    display::Dialogs &m_dialogs;
    display::PictureArea *m_picture = nullptr;
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
