// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The physics and geometry of the phasor window, free of Qt: the driven series RLC circuit's
// amplitudes and phase, the rotating phasors, the voltage curves, the time base of the plot
// and the frame drawn behind it. The window reads its texts, calls these and draws the result.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kel::phasor
{

// The four voltages of the circuit, in the order they are drawn and listed.
enum class Voltage { Resistor, Capacitor, Inductor, Source };
inline constexpr std::array<Voltage, 4> kVoltages{Voltage::Resistor, Voltage::Capacitor,
                                                  Voltage::Inductor, Voltage::Source};

// The palette index (display::QBColor) each voltage is drawn in: blue, green, red, black.
int colourIndex(Voltage v);

// The parameter texts exactly as the window's boxes hold them.
struct ParameterTexts {
    std::string R;      // resistance, ohm
    std::string C;      // capacitance, farad; 0 means no capacitor
    std::string L;      // inductance, henry
    std::string v0;     // source amplitude, volt
    std::string f0;     // source frequency, hertz
    std::string NumPer; // number of source periods shown on the time plot
};

// The plotted interval: step n (an integer) stands for the time tMin + n * dt; steps 0 to
// kSteps cover tMin .. tMax.
struct TimeBase {
    static constexpr int kSteps = 200;
    double tMin = 0; // s
    double tMax = 0; // s
    double dt = 0;   // s

    double timeOfStep(std::int64_t n) const { return tMin + static_cast<double>(n) * dt; }
    // The step a time falls in, rounding down; a time within a millionth of a step below a
    // step's own time belongs to that step, so that the time text written for step n maps
    // back to n despite decimal rounding. Empty when the step is beyond any sensible count
    // (more than 1e15 steps away) or the time is not finite.
    std::optional<std::int64_t> stepOfTime(double t) const;
    // Whether tMin <= t <= tMax.
    bool contains(double t) const { return tMin <= t && t <= tMax; }
};

// What SolveAmplitudes yields.
struct Solution {
    double omega = 0;  // angular frequency f0 * (Pi + Pi), rad/s
    double XC = 0;     // capacitive reactance (1 / omega) / C, 0 without a capacitor, ohm
    double XL = 0;     // inductive reactance omega * L, ohm
    double Z = 0;      // impedance sqrt(R^2 + (XL - XC)^2), ohm
    double phi = 0;    // phase by which the current lags the source, atan((XL - XC) / R), rad
    double I0 = 0;     // current amplitude v0 / Z, A
    double f0 = 0;     // source frequency, Hz
    double numPer = 0; // source periods on the time plot, > 0

    // The amplitude texts of VRmax, VCmax, VLmax (I0 R, I0 XC, I0 XL in the general number
    // format) and the amplitudes as read back from them and from v0, in volts: what is drawn
    // is what is shown.
    std::string VRmaxText, VCmaxText, VLmaxText;
    double VRmax = 0, VCmax = 0, VLmax = 0, v0 = 0;
    // The greatest of VRmax, VCmax, VLmax and v0, compared as numbers: the half-extent of
    // both drawing areas, volts.
    double PlotMax = 0;
    TimeBase time;

    double amplitude(Voltage v) const;
};

// What keeps SolveAmplitudes from giving a drawable solution.
enum class Problem {
    None,
    NotANumber,     // the box named in SolveResult::box holds no number
    ZeroFrequency,  // f = 0 divides the capacitive reactance and the plotted interval
    ZeroCycles,     // Number of Cycles = 0 leaves no interval to plot
    NegativeCycles, // Number of Cycles < 0 would run the time backwards
    ZeroImpedance,  // R = 0 and XL = XC: the current would be infinite
    TooLarge,       // a value beyond what the drawing can hold
    NothingToDraw,  // every amplitude is 0 or less
    BadInterval     // Number of Cycles / f too long or too short to draw
};

// Either a solution or what keeps the texts from giving one.
struct SolveResult {
    std::optional<Solution> solution;
    Problem problem = Problem::None;
    std::string box;  // the caption of the box that holds no number, for NotANumber
    std::string text; // and the text it holds
};

// SolveAmplitudes for the given texts, computed in the window's order of operations with the
// single-precision Pi. Nothing that cannot be drawn is returned: a text that is not a number,
// f0 = 0 where it divides, Z = 0, all amplitudes 0, NumPer <= 0, or values beyond what the
// single-precision drawing can hold all give the problem (and for a text that is not a
// number, the box).
SolveResult solveAmplitudes(const ParameterTexts &texts);

// Pi / 2 formed in single precision and widened: 1.5707963705062866.
double halfPi();

// Angle of a phasor at time t (s), counter-clockwise from the positive x axis, rad:
// resistor omega t - phi, capacitor omega t - phi - Pi/2, inductor omega t - phi + Pi/2,
// source omega t.
double phasorAngle(const Solution &s, Voltage v, double t);

struct Point {
    double x = 0, y = 0;
};

// The tip of a phasor at time t: (A cos theta, A sin theta), A its amplitude in volts. The
// height is the voltage's instantaneous value, written into its value box.
Point phasorTip(const Solution &s, Voltage v, double t);

// Instantaneous voltage at time t (s), volts, in the form the time plot samples it:
// vR = VRmax sin(omega t - phi), vC = VCmax sin(omega t - Pi/2 - phi),
// vL = VLmax sin(omega t + Pi/2 - phi), v0 = v0 sin(omega t).
double instantaneous(const Solution &s, Voltage v, double t);

// The 100 points of the dotted circle of radius PlotMax, k = 1..100 at angle 2 k Pi / 100;
// the last lies on the positive x axis.
std::array<Point, 100> circlePoints(double plotMax);

// One curve of the time plot: the start point at t = 0 followed by the 200 samples at
// tMin + j dt, j = 1..200. The source curve starts at (0, 0).
std::array<Point, TimeBase::kSteps + 1> curveSamples(const Solution &s, Voltage v);

struct Segment {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// The empty frame of the time plot in frame units (0..100 across, -10..10 up): the time
// axis, the vertical axis, 11 major and 51 minor ticks on the time axis, and 21 major and 41
// minor ticks on the vertical axis, in drawing order.
std::vector<Segment> frameSegments();

// Frame units of the time plot: left 0, top 10, right 100, bottom -10.
inline constexpr double kFrameLeft = 0, kFrameTop = 10, kFrameRight = 100, kFrameBottom = -10;

// A horizontal position in frame units taken to the time it stands for on the plot.
double frameToTime(double xFrame, const TimeBase &time);

// The plotted interval for NumPer source periods of frequency f0 (Hz): 0 to NumPer / f0 in
// 200 steps. Empty when either is 0, or the interval is too long or too short to draw.
std::optional<TimeBase> timeBaseFor(double numPer, double f0);

// Where typing a time into the time box puts the time bar: the step of that time when it lies
// within the plotted interval of the texts of NumPer and f0, otherwise nothing (a text that is
// not a number, a time outside the interval, or an interval that cannot be drawn).
std::optional<int> barStepForTime(const std::string &t2, const std::string &numPer,
                                  const std::string &f0);

// The time (s) and voltage (V) a pointer position on the time plot stands for. In time
// coordinates the position is already time and voltage; in frame units (after a reset) the
// time runs 0..100 across the interval of `time` and the voltage -10..10 up over
// -plotMax..plotMax, as a click there is read.
Point plotReading(double x, double y, bool inFrameUnits, const TimeBase &time, double plotMax);

// The reading of a pointer at (x, y) on the time plot for the parameter texts: in frame units
// it is read through the interval and height those texts give, as a click there is; empty
// when they cannot be used then.
std::optional<Point> pointerReading(const ParameterTexts &texts, double x, double y,
                                    bool inFrameUnits);

// What Plot draws for the time text t2 on `time`: the step of that time (any whole number),
// and the bar position when the step lies within 0..kSteps, or why nothing can be drawn.
struct PlotStep {
    enum class Problem { None, NotANumber, TooFar };
    Problem problem = Problem::None;
    std::int64_t step = 0;
    std::optional<int> barStep;
};
PlotStep plotStepForTime(const TimeBase &time, const std::string &t2);

} // namespace kel::phasor
