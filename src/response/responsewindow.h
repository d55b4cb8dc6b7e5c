// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>

class QComboBox;
class QLabel;

namespace kel::display
{
class PictureArea;
}

namespace kel::response
{

class ResponseSession;

// The Frequency Response window `FrequencyResponse` of the lab's driven circuit: the response
// picked in `ResponseChoice` (V_R, V_C, V_L or the current), its magnitude in dB on
// `ResponseMagnitude` and its phase on `ResponsePhase`, both against log f; the −3 dB corners
// dashed, the band shaded by its edges, the asymptotes, the peak and the source frequency
// marked; the figures in `ResponseFigures`. A click on either picture, or Left and Right with
// one focused, picks a frequency: frequencyPicked() asks the lab to set its source to it.
//
// objectName         slot
// ResponseChoice     onResponseChosen()
// ResponseMagnitude  onPictureClicked()
// ResponsePhase      onPictureClicked()
// close              hide()
class ResponseWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit ResponseWindow(ResponseSession &session, QWidget *parent = nullptr);

    display::PictureArea *magnitude() const { return m_magnitude; }
    display::PictureArea *phase() const { return m_phase; }

signals:
    // A frequency in Hz the student picked for the source.
    void frequencyPicked(double frequency);

public slots:
    void redraw();

private:
    void onResponseChosen(int index);
    void onPictureClicked(int button, int shift, float x, float y);

    ResponseSession &m_session;
    QComboBox *m_choice = nullptr;
    display::PictureArea *m_magnitude = nullptr;
    display::PictureArea *m_phase = nullptr;
    QLabel *m_figures = nullptr;
    QLabel *m_note = nullptr;
};

// Draws the session's magnitude and phase on the two areas (x = log10 f).
void drawResponse(display::PictureArea &magnitude, display::PictureArea &phase,
                  const ResponseSession &session);

} // namespace kel::response
