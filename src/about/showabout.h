// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace kel::about
{

// Shows the single about window, not modal, creating it (and running its load step) when
// it does not exist or is closing.
void showAbout();

} // namespace kel::about
