// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace kel::lab
{

// The circuit the lab window studies, numbered as the solutions number their cases. The RC,
// RL, LC and RLC circuits without a source and with a constant one share a kind (the source
// voltage v0 is 0 without one); an alternating source has kinds of its own.
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

// The case number of the solutions (1..8, 0 for None).
constexpr int caseNumber(CircuitKind kind)
{
    return static_cast<int>(kind);
}

} // namespace kel::lab
