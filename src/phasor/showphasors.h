// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace kel::phasor
{

// Shows the single phasor window, not modal, creating it (and running its load sequence)
// on first use.
void showPhasors();

} // namespace kel::phasor
