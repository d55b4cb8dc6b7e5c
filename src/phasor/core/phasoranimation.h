// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The animation of the phasor window, free of Qt: which step of the time bar to show at a
// given moment while the phasors turn by themselves.

#include <chrono>
#include <string>

namespace kel::phasor
{

// The position moves through the steps 0 to kSteps of the plotted interval at a rate set by
// the speed and wraps to 0 after the last. At 1x one source period lasts kSecondsPerPeriod of
// wall time, slow enough to follow the phasors; each Slower or Faster halves or doubles it,
// from 1/16x to 16x.
class PhasorAnimation
{
public:
    using Time = std::chrono::nanoseconds;

    static constexpr double kSecondsPerPeriod = 3.0;
    static constexpr int kSlowest = -4; // 1/16x as a power of two
    static constexpr int kFastest = 4;  // 16x

    // The steps of the time bar one source period spans: 200 / Number of Cycles.
    void setStepsPerPeriod(double steps);
    double stepsPerPeriod() const { return m_stepsPerPeriod; }

    bool playing() const { return m_playing; }
    // Starts from the position it holds; playing again changes nothing.
    void play(Time now);
    // Stops and holds the position reached.
    void pause(Time now);
    // While playing, stops the position without pausing (the window is hidden) and lets it
    // run on again from there.
    void hold(Time now);
    void resume(Time now);
    bool held() const { return m_held; }
    // Puts the position at `step` (the bar moved by hand, Restart), playing or not.
    void moveTo(Time now, double step);

    // Halves or doubles the speed within its range, the position running on from where it is.
    void slower(Time now);
    void faster(Time now);
    int speedExponent() const { return m_speedExponent; }
    double speed() const;
    // The speed as shown: "1/4", "1", "16".
    std::string speedText() const;

    // The position at `now` in steps, within 0 <= position < kSteps + 1, and the step shown.
    double positionAt(Time now) const;
    int stepAt(Time now) const;

private:
    double stepsPerSecond() const;
    void setSpeedExponent(Time now, int exponent);

    bool m_playing = false;
    bool m_held = false;
    int m_speedExponent = 0;
    double m_stepsPerPeriod = 40;
    // The position held at m_anchor; while playing it runs on from there.
    double m_anchorPosition = 0;
    Time m_anchor{0};
};

} // namespace kel::phasor
