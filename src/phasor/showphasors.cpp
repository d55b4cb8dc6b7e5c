// SPDX-License-Identifier: GPL-3.0-or-later
#include "showphasors.h"

#include "display/windowinstance.h"
#include "phasorswindow.h"

namespace kel::phasor
{

void showPhasors()
{
    PhasorsWindow &window = display::WindowInstance<PhasorsWindow>::get();
    window.show();
    window.raise();
    window.activateWindow();
}

} // namespace kel::phasor
