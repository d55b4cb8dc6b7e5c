// SPDX-License-Identifier: GPL-3.0-or-later
#include "phasoranimation.h"

#include "phasormath.h"

#include "solutions/numbertext.h"

#include <algorithm>
#include <cmath>

namespace kel::phasor
{

namespace
{

// Steps 0 to kSteps are all shown before the position wraps.
constexpr double kCycle = TimeBase::kSteps + 1;

double wrapped(double position)
{
    const double p = std::fmod(position, kCycle);
    return p < 0 ? p + kCycle : p;
}

} // namespace

void PhasorAnimation::setStepsPerPeriod(double steps)
{
    if (std::isfinite(steps) && steps > 0)
        m_stepsPerPeriod = steps;
}

double PhasorAnimation::speed() const
{
    return std::ldexp(1.0, m_speedExponent);
}

std::string PhasorAnimation::speedText() const
{
    if (m_speedExponent >= 0)
        return solutions::toText(std::ldexp(1.0, m_speedExponent));
    return "1/" + solutions::toText(std::ldexp(1.0, -m_speedExponent));
}

double PhasorAnimation::stepsPerSecond() const
{
    return speed() * m_stepsPerPeriod / kSecondsPerPeriod;
}

double PhasorAnimation::positionAt(Time now) const
{
    if (!m_playing || m_held)
        return m_anchorPosition;
    const double elapsed = std::chrono::duration<double>(now - m_anchor).count();
    return wrapped(m_anchorPosition + std::max(0.0, elapsed) * stepsPerSecond());
}

int PhasorAnimation::stepAt(Time now) const
{
    return std::min(TimeBase::kSteps, static_cast<int>(std::floor(positionAt(now))));
}

void PhasorAnimation::play(Time now)
{
    if (m_playing)
        return;
    m_anchor = now;
    m_playing = true;
}

void PhasorAnimation::pause(Time now)
{
    m_anchorPosition = positionAt(now);
    m_anchor = now;
    m_playing = false;
    m_held = false;
}

void PhasorAnimation::hold(Time now)
{
    if (!m_playing || m_held)
        return;
    m_anchorPosition = positionAt(now);
    m_anchor = now;
    m_held = true;
}

void PhasorAnimation::resume(Time now)
{
    if (!m_held)
        return;
    m_anchor = now;
    m_held = false;
}

void PhasorAnimation::moveTo(Time now, double step)
{
    m_anchorPosition = wrapped(step);
    m_anchor = now;
}

void PhasorAnimation::setSpeedExponent(Time now, int exponent)
{
    m_anchorPosition = positionAt(now);
    m_anchor = now;
    m_speedExponent = std::clamp(exponent, kSlowest, kFastest);
}

void PhasorAnimation::slower(Time now)
{
    setSpeedExponent(now, m_speedExponent - 1);
}

void PhasorAnimation::faster(Time now)
{
    setSpeedExponent(now, m_speedExponent + 1);
}

} // namespace kel::phasor
