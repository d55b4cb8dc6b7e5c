// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "animationclock.h"

namespace kel::phasor
{

// The wall clock the animation runs by: std::chrono::steady_clock, which never jumps.
class SteadyAnimationClock final : public AnimationClock
{
public:
    std::chrono::nanoseconds now() const override
    {
        return std::chrono::steady_clock::now().time_since_epoch();
    }
};

} // namespace kel::phasor
