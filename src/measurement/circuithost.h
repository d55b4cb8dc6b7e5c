// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/fitproblem.h"
#include "worksheet/worksheet.h"

#include <array>
#include <optional>
#include <span>
#include <utility>

namespace kel::measurement
{

// The circuit a measurement is compared with, as the window that opened it holds it: its
// configuration and the value of each parameter box that reads as a number (SI units, f0 in
// Hz), indexed by FitParameter.
struct HostCircuit {
    FitCircuit circuit = FitCircuit::RLC;
    FitSource source = FitSource::None;
    std::array<std::optional<double>, kFitParameterCount> values{};
};

// The window a measurement belongs to, implemented over that window's session: the
// measurement reads the circuit through it and writes fitted values back, never touching the
// host's widgets.
class CircuitHost
{
public:
    virtual ~CircuitHost() = default;
    // None before a circuit is chosen.
    virtual std::optional<HostCircuit> hostCircuit() const = 0;
    // Writes the values into the host's parameter texts and lets it redraw its plots.
    virtual void applyValues(std::span<const std::pair<FitParameter, double>> values) = 0;
    // The host's worksheet (its circuit, parameters and experiment), on which the measurement's
    // own worksheet is built; none where the host has none.
    virtual std::optional<worksheet::Worksheet> hostWorksheet() const { return std::nullopt; }
};

} // namespace kel::measurement
