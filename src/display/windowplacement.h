// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace kel::display
{

// The first time a window is shown, puts it beside `anchor` (to its right, or below it, or
// offset from it, whichever fits the screen), so that it does not cover the window it was
// opened from. Later calls leave the window where the user put it.
void placeBesideOnce(QWidget *window, const QWidget *anchor);

} // namespace kel::display
