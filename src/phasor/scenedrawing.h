// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/phasorscene.h"

namespace kel::display
{
class PictureArea;
} // namespace kel::display

namespace kel::phasor
{

// Draws a scene's operations on a picture area, in order, in the palette's colours, marking
// what moves so that the area caches the rest. False when the area refused a coordinate
// system (it then keeps the one before).
bool drawScene(display::PictureArea *area, const SceneDrawing &ops);

} // namespace kel::phasor
