// SPDX-License-Identifier: GPL-3.0-or-later
#include "showphasors.h"

namespace kel::phasor {

void showPhasors() {}

} // namespace kel::phasor
