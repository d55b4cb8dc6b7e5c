// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "animationclock.h"
#include "core/phasoranimation.h"
#include "core/phasorsession.h"

#include <QObject>

#include <functional>
#include <optional>

class QAction;
class QLabel;
class QTimer;
class QWidget;

namespace kel::phasor
{

// Turns the phasors by moving the session's time bar, frame by frame, exactly as a drag of its
// thumb would, and the session redraws; the window's bar follows the session. Frames come
// from a precise timer at the screen's refresh rate, which runs only while playing with the
// window shown and not minimised; the time comes from an AnimationClock, so tests need not
// wait.
class PhasorsAnimator : public QObject
{
    Q_OBJECT
public:
    // `window` is watched for being shown, hidden and minimised; `session` is advanced;
    // `playPause` and `status` show the state. None is owned.
    PhasorsAnimator(QWidget *window, PhasorSession &session, const AnimationClock &clock);

    // Asked before playing: the bar steps one source period spans, or none when the texts
    // cannot be drawn (the asker reports why).
    void setStepsPerPeriodSource(std::function<std::optional<double>()> source)
    {
        m_stepsPerPeriod = std::move(source);
    }
    // Told what keeps a frame from being drawn.
    void setReport(std::function<void(const PhasorProblem &)> report)
    {
        m_report = std::move(report);
    }
    void setIndicators(QAction *playPause, QLabel *status);

    bool playing() const { return m_animation.playing(); }
    const PhasorAnimation &animation() const { return m_animation; }
    QTimer *timer() const { return m_timer; }

    void togglePlaying();
    void pause();
    void slower();
    void faster();
    void restart();
    // One frame: the session put at the step reached, if that is another one.
    void advance();

signals:
    // The animation stopped playing.
    void paused();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void updateTimer();
    void updateIndicators();
    void showStep(int step);
    // The bar moved by hand (or by another command): run on from there.
    void followSession();

    QWidget *m_window;
    PhasorSession &m_session;
    const AnimationClock &m_clock;
    PhasorAnimation m_animation;
    QTimer *m_timer;
    QAction *m_playPause = nullptr;
    QLabel *m_status = nullptr;
    std::function<std::optional<double>()> m_stepsPerPeriod;
    std::function<void(const PhasorProblem &)> m_report;
    // Whether the session is being moved by a frame (or Restart) right now.
    bool m_inFrame = false;
    // The session's step when it last changed.
    int m_seenStep = 0;
};

} // namespace kel::phasor
