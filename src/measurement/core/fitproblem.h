// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

namespace kel::measurement
{

// The components of a series circuit and its source: the twelve configurations.
enum class FitCircuit { RC, RL, LC, RLC };
enum class FitSource { None, Constant, Alternating };

// What a recorded channel measured: vC = q/C, vR = R·i, vL = L·di/dt, the current i or the
// charge q.
enum class Quantity { CapacitorVoltage, ResistorVoltage, InductorVoltage, Current, Charge };

// The circuit's parameters: R (Ω), L (H), C (F), the source's voltage or amplitude v0 (V), its
// frequency f0 (Hz), the initial charge q0 (C) and current i0 (A).
enum class FitParameter { R, L, C, v0, f0, q0, i0 };
inline constexpr std::size_t kFitParameterCount = 7;

inline constexpr std::size_t indexOf(FitParameter parameter)
{
    return static_cast<std::size_t>(parameter);
}

// A parameter's value and whether the fit may change it. A held parameter keeps `value`; a
// free one is started from the data, `value` serving only where the data leave it open.
struct ParameterSetting {
    double value = 0;
    bool free = false;
};

// What is fitted: the configuration, the quantity recorded and each parameter's setting
// (indexed by FitParameter; those the configuration lacks are not read).
struct FitProblem {
    FitCircuit circuit = FitCircuit::RLC;
    FitSource source = FitSource::None;
    Quantity quantity = Quantity::CapacitorVoltage;
    std::array<ParameterSetting, kFitParameterCount> settings{};

    ParameterSetting &operator[](FitParameter p) { return settings[indexOf(p)]; }
    const ParameterSetting &operator[](FitParameter p) const { return settings[indexOf(p)]; }
};

// The parameters a configuration has, in the order R, L, C, v0, f0, q0, i0: v0 only with a
// source, f0 only with an alternating one, q0 only with a capacitor, i0 only with an inductor.
std::span<const FitParameter> parametersOf(FitCircuit circuit, FitSource source);

// Whether the circuit has the quantity: no charge or capacitor voltage without a capacitor,
// no resistor voltage without a resistor, no inductor voltage without an inductor.
bool hasQuantity(FitCircuit circuit, Quantity quantity);

// The command line's names: "rc", "rl-dc", "rlc-ac", ...; "vC", "vR", "vL", "i", "q"; "R",
// "L", "C", "v0", "f0", "q0", "i0". Names are compared exactly.
struct CircuitName {
    FitCircuit circuit;
    FitSource source;
};
std::optional<CircuitName> circuitNamed(std::string_view name);
std::string_view circuitName(FitCircuit circuit, FitSource source);
std::optional<Quantity> quantityNamed(std::string_view name);
std::string_view quantityName(Quantity quantity);
std::optional<FitParameter> parameterNamed(std::string_view name);
std::string_view parameterName(FitParameter parameter);
// The SI unit of a parameter's value, in UTF-8: "Ω", "H", "F", "V", "Hz", "C" or "A".
std::string_view parameterUnit(FitParameter parameter);

} // namespace kel::measurement
