// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "circuitconfiguration.h"

#include <span>

namespace kel::lab
{

// A circuit button of the main menu, `Command<commandNumber>`, and the configuration it opens
// in the lab window.
struct CircuitLauncher {
    int commandNumber = 0;
    CircuitConfiguration configuration;
};

// The twelve circuit buttons (Command1, Command3 .. Command13), source kind by source kind.
std::span<const CircuitLauncher> circuitLaunchers();

// The configuration of the button `Command<commandNumber>`; nullptr for any other number.
const CircuitConfiguration *launcherConfiguration(int commandNumber);

} // namespace kel::lab
