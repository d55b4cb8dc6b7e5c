// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>

namespace kel::phasor
{

// Where the animation reads the time: the steady wall clock in the program, a clock the test
// moves by hand in tests, so that no test waits.
class AnimationClock
{
public:
    virtual ~AnimationClock() = default;
    // A monotonic time; only differences between readings count.
    virtual std::chrono::nanoseconds now() const = 0;
};

} // namespace kel::phasor
