// SPDX-License-Identifier: GPL-3.0-or-later
#include "showphasors.h"

#include "display/dialogs.h"
#include "display/windowinstance.h"
#include "phasorswindow.h"

namespace kel::phasor
{

namespace
{

// The window on the process-wide dialogs, for callers that do not own one yet.
class SharedPhasorsWindow : public PhasorsWindow
{
public:
    SharedPhasorsWindow() : PhasorsWindow(display::dialogs()) {}
};

} // namespace

void showPhasors()
{
    PhasorsWindow &window = display::WindowInstance<SharedPhasorsWindow>::get();
    window.show();
    window.raise();
    window.activateWindow();
}

} // namespace kel::phasor
