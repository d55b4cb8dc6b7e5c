// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The frequency response of the driven series RLC circuit, free of Qt: the current amplitude
// and phase against frequency, the resonance figures (f0, Q, the half-power band) and the
// logarithmic frequency axis they are drawn on. Angular frequencies are 2 Pi f with the
// program's single-precision Pi, as in the phasor window, so a frequency picked here gives
// there the same omega.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kel::resonance
{

// The parameter texts of the window the curve belongs to.
struct ResonanceTexts {
    std::string v0; // source amplitude, V
    std::string R;  // resistance, ohm
    std::string L;  // inductance, H
    std::string C;  // capacitance, F
    std::string f;  // source frequency, Hz

    bool operator==(const ResonanceTexts &) const = default;
};

// The same as numbers.
struct ResonanceCircuit {
    double v0 = 0; // V
    double R = 0;  // ohm
    double L = 0;  // H
    double C = 0;  // F
    double f = 0;  // Hz; need not be on the axis, nor positive

    bool operator==(const ResonanceCircuit &) const = default;
};

// The values of a circuit, in the order they are read.
enum class CircuitValue { SourceAmplitude, Resistance, Inductance, Capacitance, SourceFrequency };

// A circuit's values as its window holds them: all numbers, or the first value (in the order
// of CircuitValue) whose text is not one, with that text as typed.
struct CircuitReading {
    std::optional<ResonanceCircuit> circuit;
    CircuitValue notANumber = CircuitValue::SourceAmplitude;
    std::string text;

    bool operator==(const CircuitReading &) const = default;
};

// Reads the texts through the program's number conversion.
CircuitReading readCircuit(const ResonanceTexts &texts);

// omega = 2 Pi f, rad/s, f in Hz.
double angularFrequency(double f);
// Reactance X(f) = omega L - 1 / (omega C), ohm.
double reactance(const ResonanceCircuit &c, double f);
// Current amplitude I0(f) = v0 / |Z(f)| with |Z| = sqrt(R^2 + X^2), A.
double currentAmplitude(const ResonanceCircuit &c, double f);
// Phase by which the current lags the source, phi(f) = atan(X / R), rad, -pi/2 .. pi/2.
double phase(const ResonanceCircuit &c, double f);

// Figures of a circuit with R, L, C > 0, computed once.
struct ResonanceFigures {
    double f0 = 0;        // resonance frequency 1 / (2 Pi sqrt(L C)), Hz
    double omega0 = 0;    // 2 Pi f0, rad/s
    double quality = 0;   // quality factor Q = omega0 L / R
    double bandwidth = 0; // half-power bandwidth R / (2 Pi L) = f2 - f1, Hz
    // Half-power frequencies, where I0 = peak / sqrt 2 and phi = -+pi/4: with alpha = R / 2L,
    // omega1,2 = sqrt(alpha^2 + omega0^2) -+ alpha (omega1 omega2 = omega0^2), Hz.
    double f1 = 0, f2 = 0;
    double peakCurrent = 0; // I0(f0) = v0 / R, A
};

// The logarithmic frequency axis: whole decades 10^firstDecade .. 10^lastDecade Hz.
struct FrequencyAxis {
    int firstDecade = 0;
    int lastDecade = 1;
    double fMin() const;
    double fMax() const;
    int decades() const { return lastDecade - firstDecade; }
    bool contains(double f) const { return f >= fMin() && f <= fMax(); }
};

enum class ResonanceProblem {
    None,
    NotANumber,         // the value named in ResonanceCurve::badValue is not a number
    ZeroResistance,     // R = 0: infinite Q, no finite peak
    NegativeResistance, // R < 0
    NoInductance,       // L <= 0
    NoCapacitance,      // C <= 0
    OutOfRange,         // a figure overflows or underflows the numbers that can be drawn
    EmptyBand,          // the half-power band rounds to nothing
};

struct ResonanceSample {
    double f = 0;       // Hz
    double current = 0; // current amplitude I0, A
    double phi = 0;     // rad
};

// A curve ready to draw, or the reason there is none.
struct ResonanceCurve {
    ResonanceProblem problem = ResonanceProblem::None;
    std::optional<CircuitValue> badValue; // for NotANumber: which value
    ResonanceCircuit circuit;
    ResonanceFigures figures;
    FrequencyAxis axis;
    // Increasing frequencies over the whole axis: kSamplesPerDecade evenly spaced in log f,
    // denser through the half-power band, and f0, f1 and f2 themselves.
    std::vector<ResonanceSample> samples;

    static constexpr int kSamplesPerDecade = 100;
    // Samples laid evenly through the band and two bandwidths beside it, so that a narrow
    // peak is drawn whole.
    static constexpr int kBandSamples = 200;
    // The axis spans at most this many decades; it is centred on f0 when the band is wider.
    static constexpr int kMaxDecades = 12;

    bool ok() const { return problem == ResonanceProblem::None; }
    // Whether the source frequency lies on the axis (and so is marked).
    bool sourceOnAxis() const { return circuit.f > 0 && axis.contains(circuit.f); }
};

// Reads the texts (through the program's number conversion) and computes the curve.
ResonanceCurve resonanceCurve(const ResonanceTexts &texts);
ResonanceCurve resonanceCurve(const CircuitReading &reading);
ResonanceCurve resonanceCurve(const ResonanceCircuit &circuit);

// The axis for a band f1..f2 around f0 (Hz): at least a decade each side of f0, the band with
// a factor 2 to spare, and the source frequency f with the same margin when the axis stays
// within kMaxDecades; rounded out to whole decades.
FrequencyAxis frequencyAxis(double f0, double f1, double f2, double f);

// A frequency picked on the axis, rounded to as many significant digits as a step of
// `resolution` decades can tell apart (at least 3), so that the text written back is short.
double roundedFrequency(double f, double resolution);

// A value with an SI prefix (p to T) and the unit, the mantissa through solutions::shortText
// with 4 digits: "159.2 Hz", "47.75 mA", "1.592 MHz", "0 A". Beyond the prefixes, the
// plain short text with the unit.
std::string withPrefix(double value, std::string_view unit);

} // namespace kel::resonance
