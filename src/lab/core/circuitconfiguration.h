// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "solutions/circuitkind.h"

#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <utility>
#include <vector>

namespace kel::lab
{

// The groups of lab-window controls that a circuit configuration shows or hides as a whole.
enum class ControlGroup : std::uint32_t {
    Resistance = 1u << 0,     // LabelR, unitR, R
    Capacitance = 1u << 1,    // LabelC, unitC, C (the mu sign is never shown)
    Inductance = 1u << 2,     // LabelL, unitL, L
    Amplitude = 1u << 3,      // v0, Amp, amplabel
    Frequency = 1u << 4,      // freq, f0, unitw
    InitialCharge = 1u << 5,  // clabel, q0
    InitialCurrent = 1u << 6, // ilabel, i0
    ChargeReadout = 1u << 7,  // qq, Labelcc
    ChargeGraph = 1u << 8,    // Charge
    CurrentGraph = 1u << 9,   // Current
    SourceGraph = 1u << 10,   // Voltage
};

constexpr std::uint32_t groups(std::initializer_list<ControlGroup> list)
{
    std::uint32_t mask = 0;
    for (ControlGroup g : list)
        mask |= static_cast<std::uint32_t>(g);
    return mask;
}

// The circuit and source words of the solutions. The source of a configuration also decides
// when the graph area is cleared among the writes (before anything with an AC source, after
// VSource with a constant one, after v0 without a source).
using solutions::caseNumber;
using solutions::CircuitKind;
using solutions::SourceKind;

// Which of the source-kind option buttons NoV, DC, AC is shown (never selected).
enum class SourceButton { None, NoV, DC, AC };

// The empty graph a configuration draws: for the current scale x1..y2, or for the fixed
// scale 0..100 by 10..-10 without reading or changing x1..y2.
enum class FrameKind { CurrentScale, Fixed };

// The parameter text boxes a configuration may write. Writing f0 also writes w0, as
// f0 · (Pi + Pi).
enum class TextBox { v0, f0, q0, i0, R, L, C };

// One circuit configuration of the lab window: everything its launcher applies.
struct CircuitConfiguration {
    CircuitKind circuitKind = CircuitKind::Rc;
    SourceKind source = SourceKind::None;
    std::string_view vsourceText;                            // blanks included, exactly as shown
    std::vector<std::pair<TextBox, std::string_view>> texts; // in the order written
    std::uint32_t shown = 0; // ControlGroup bits; the current read-out is always shown
    SourceButton sourceButton = SourceButton::None;
    FrameKind frame = FrameKind::Fixed;
};

} // namespace kel::lab
