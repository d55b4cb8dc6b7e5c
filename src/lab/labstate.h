// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace kel::lab
{

// The process-wide state of the circuit lab: the configuration shown and the graph scale.
struct LabState {
    std::int16_t CircuitKind = 0;               // 1..8 once a launcher has run
    double x1 = 0, x2 = 100, y1 = 10, y2 = -10; // t left, t right, value top, value bottom
    double x1Default = 0, x2Default = 100, y1Default = 10, y2Default = -10;
};

LabState &labState();

} // namespace kel::lab
