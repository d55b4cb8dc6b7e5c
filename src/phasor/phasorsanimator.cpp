// SPDX-License-Identifier: GPL-3.0-or-later
#include "phasorsanimator.h"

#include "display/qstringtext.h"

#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <cmath>

namespace kel::phasor
{

namespace
{

// Frames per second when the screen does not tell its refresh rate.
constexpr double kDefaultRefreshRate = 60.0;

} // namespace

PhasorsAnimator::PhasorsAnimator(QWidget *window, PhasorSession &session,
                                 const AnimationClock &clock)
    : QObject(window), m_window(window), m_session(session), m_clock(clock),
      m_timer(new QTimer(this)), m_seenStep(session.barStep())
{
    m_timer->setObjectName("animationTimer");
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, &PhasorsAnimator::advance);
    connect(&m_session, &PhasorSession::changed, this, &PhasorsAnimator::followSession);
    m_window->installEventFilter(this);
}

void PhasorsAnimator::followSession()
{
    const int step = m_session.barStep();
    if (step == m_seenStep)
        return;
    m_seenStep = step;
    if (!m_inFrame)
        m_animation.moveTo(m_clock.now(), step);
}

void PhasorsAnimator::showStep(int step)
{
    m_inFrame = true;
    const PhasorOutcome problem = m_session.showStep(step, StepSource::Animation);
    m_inFrame = false;
    if (problem && m_report)
        m_report(*problem);
}

void PhasorsAnimator::setIndicators(QAction *playPause, QLabel *status)
{
    m_playPause = playPause;
    m_status = status;
}

void PhasorsAnimator::togglePlaying()
{
    if (m_animation.playing()) {
        pause();
        return;
    }
    const std::optional<double> steps = m_stepsPerPeriod ? m_stepsPerPeriod() : std::nullopt;
    if (!steps)
        return;
    m_animation.setStepsPerPeriod(*steps);
    const auto now = m_clock.now();
    if (m_session.barStep() != m_animation.stepAt(now))
        m_animation.moveTo(now, m_session.barStep());
    m_animation.play(now);
    updateIndicators();
    updateTimer();
}

void PhasorsAnimator::pause()
{
    if (!m_animation.playing())
        return;
    m_animation.pause(m_clock.now());
    updateIndicators();
    updateTimer();
    emit paused();
}

void PhasorsAnimator::slower()
{
    m_animation.slower(m_clock.now());
    updateIndicators();
}

void PhasorsAnimator::faster()
{
    m_animation.faster(m_clock.now());
    updateIndicators();
}

void PhasorsAnimator::restart()
{
    m_animation.moveTo(m_clock.now(), 0);
    showStep(0);
}

void PhasorsAnimator::advance()
{
    if (!m_animation.playing())
        return;
    const int step = m_animation.stepAt(m_clock.now());
    if (step == m_session.barStep())
        return;
    showStep(step);
}

bool PhasorsAnimator::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && (event->type() == QEvent::Show || event->type() == QEvent::Hide ||
                                event->type() == QEvent::WindowStateChange))
        updateTimer();
    return QObject::eventFilter(watched, event);
}

void PhasorsAnimator::updateTimer()
{
    const bool run = m_animation.playing() && m_window->isVisible() && !m_window->isMinimized();
    // Out of sight the phasors wait, and turn on from there when seen again.
    if (!run) {
        m_timer->stop();
        if (m_animation.playing())
            m_animation.hold(m_clock.now());
        return;
    }
    m_animation.resume(m_clock.now());
    if (m_timer->isActive())
        return;
    const QScreen *screen = m_window->screen();
    const double rate =
        screen && screen->refreshRate() > 1 ? screen->refreshRate() : kDefaultRefreshRate;
    m_timer->start(static_cast<int>(std::lround(1000.0 / rate)));
}

void PhasorsAnimator::updateIndicators()
{
    const QString speed = display::toQString(m_animation.speedText());
    if (m_playPause)
        m_playPause->setText(m_animation.playing() ? tr("Pause") : tr("Play"));
    if (m_status)
        m_status->setText(m_animation.playing() ? tr("Playing at %1\u00D7").arg(speed)
                                                : tr("Paused at %1\u00D7").arg(speed));
}

} // namespace kel::phasor
