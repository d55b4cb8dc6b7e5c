// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "solutions/circuitsolutions.h"

#include <span>

namespace kel::lab
{

// The zero-parameter test a configuration passes before its curves are plotted or its
// values read out: the circuit equation divides by these values, so an exact zero
// (compared without tolerance; negative values pass) is refused.
struct ParameterTest {
    enum class Rule {
        AnyZero,    // rejected when any of the parameters is 0
        ProductZero // rejected when their product, taken in order, is 0
    };
    Rule rule = Rule::AnyZero;
    std::span<const solutions::Parameter> parameters; // in the order they are read
};

// The test of Plot Graphs for CircuitKind 1..8; nullptr for any other kind.
const ParameterTest *plotTest(int circuitKind);
// The test of the value read-out; it differs from Plot Graphs only for the RL circuit with
// an AC source (kind 7), which it lets through with R = 0.
const ParameterTest *readoutTest(int circuitKind);

// Whether the test refuses these values (only the test's parameters are looked at).
bool rejects(const ParameterTest &test, const solutions::CircuitParameters &values);

} // namespace kel::lab
