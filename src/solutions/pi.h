// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace kel::solutions
{

// Pi rounded to single precision (3.1415927410125732 when widened): the value with which the
// program turns a frequency into an angular frequency and measures every phasor angle. Its
// single precision shows in the results (ω = f·(Pi + Pi)), so it is kept rather than M_PI.
inline constexpr float Pi = 3.1415927f;

// 2·Pi as the program forms it, Pi + Pi in single precision widened: the same bits as
// Pi + Pi in double precision, doubling being exact in both.
inline constexpr double kTwoPi = static_cast<double>(Pi + Pi);
static_assert(kTwoPi == static_cast<double>(Pi) + static_cast<double>(Pi));

} // namespace kel::solutions
