// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "animationclock.h"
#include "core/phasoranimation.h"

#include <QObject>

#include <functional>
#include <optional>

class QAction;
class QLabel;
class QScrollBar;
class QTimer;
class QWidget;

namespace kel::phasor
{

// Turns the phasors by moving the time bar, frame by frame, exactly as a drag of its thumb
// would: the bar's change handling does the redraw. Frames come from a precise timer at the
// screen's refresh rate, which runs only while playing with the window shown and not
// minimised; the time comes from an AnimationClock, so tests need not wait.
class PhasorsAnimator : public QObject
{
    Q_OBJECT
public:
    // `window` is watched for being shown, hidden and minimised; `bar` is moved; `playPause`
    // and `status` show the state. None is owned.
    PhasorsAnimator(QWidget *window, QScrollBar *bar, const AnimationClock &clock);

    // Asked before playing: the bar steps one source period spans, or none when the texts
    // cannot be drawn (the asker reports why).
    void setStepsPerPeriodSource(std::function<std::optional<double>()> source)
    {
        m_stepsPerPeriod = std::move(source);
    }
    // Called to redraw at a step the bar already stands at (Restart at step 0).
    void setRedraw(std::function<void(int step)> redraw) { m_redraw = std::move(redraw); }
    void setIndicators(QAction *playPause, QLabel *status);

    bool playing() const { return m_animation.playing(); }
    // Whether the bar is being moved by a frame (or Restart) right now.
    bool inFrame() const { return m_inFrame; }
    const PhasorAnimation &animation() const { return m_animation; }
    QTimer *timer() const { return m_timer; }

    void togglePlaying();
    void pause();
    void slower();
    void faster();
    void restart();
    // One frame: the bar put at the step reached, if that is another one.
    void advance();

signals:
    // The animation stopped playing.
    void paused();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void updateTimer();
    void updateIndicators();

    QWidget *m_window;
    QScrollBar *m_bar;
    const AnimationClock &m_clock;
    PhasorAnimation m_animation;
    QTimer *m_timer;
    QAction *m_playPause = nullptr;
    QLabel *m_status = nullptr;
    std::function<std::optional<double>()> m_stepsPerPeriod;
    std::function<void(int)> m_redraw;
    bool m_inFrame = false;
};

} // namespace kel::phasor
