// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace kel::shell
{

// Runs the launcher of the main menu's circuit button `Command<number>` (1, 3..13): applies
// its configuration to the lab window and shows it.
void launchCircuit(int commandNumber);

} // namespace kel::shell
