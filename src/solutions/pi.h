// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace kel::solutions
{

// Pi rounded to single precision (3.1415927410125732 when widened), the process-wide value
// with which the program turns a frequency into an angular frequency and measures every
// phasor angle. The main window's and the lab window's load steps set it.
inline float Pi = 3.1415927f;

} // namespace kel::solutions
