// SPDX-License-Identifier: GPL-3.0-or-later
#include "showabout.h"

#include "aboutkel.h"
#include "display/windowinstance.h"

namespace kel::about
{

void showAbout()
{
    using Instance = display::WindowInstance<AboutKel>;
    // A window closed by OK is destroyed at the next turn of the event loop; until then the
    // next About must not bring back the dying one.
    if (AboutKel *closing = Instance::existing(); closing && closing->isClosed())
        Instance::destroy();
    AboutKel &window = Instance::get();
    window.show();
    window.raise();
    window.activateWindow();
}

} // namespace kel::about
