// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace kel::solutions
{

// The circuit studied, numbered as the solutions number their cases. The RC, RL, LC and RLC
// circuits without a source and with a constant one share a kind (the source voltage v0 is 0
// without one); an alternating source has kinds of its own.
enum class CircuitKind : std::int16_t {
    None = 0, // before the first launcher
    Rc = 1,
    Rl = 2,
    Lc = 3,
    Rlc = 4,
    DrivenLc = 5,
    DrivenRc = 6,
    DrivenRl = 7,
    DrivenRlc = 8,
};

// The source across the circuit: none, a constant voltage v0, or v0·sin(w0·t).
enum class SourceKind { None, Constant, Alternating };

// The case number of the solutions (1..8, 0 for None).
constexpr int caseNumber(CircuitKind kind)
{
    return static_cast<int>(kind);
}

// The kind of case number `number`; None for a number outside 1..8.
constexpr CircuitKind circuitKindOf(int number)
{
    return number >= 1 && number <= 8 ? static_cast<CircuitKind>(number) : CircuitKind::None;
}

// What the circuit holds: a capacitor (so a charge), an inductor, a resistor.
constexpr bool hasCapacitor(CircuitKind kind)
{
    return kind != CircuitKind::Rl && kind != CircuitKind::DrivenRl;
}

constexpr bool hasInductor(CircuitKind kind)
{
    return kind != CircuitKind::Rc && kind != CircuitKind::DrivenRc;
}

constexpr bool hasResistor(CircuitKind kind)
{
    return kind != CircuitKind::Lc && kind != CircuitKind::DrivenLc;
}

// Driven by an alternating source.
constexpr bool isDriven(CircuitKind kind)
{
    return caseNumber(kind) >= caseNumber(CircuitKind::DrivenLc);
}

} // namespace kel::solutions
