// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "labsession.h"
#include "solutions/rangecheck.h"

namespace kel::lab
{

// The message box for a circuit whose curve double precision cannot give: the parameter and
// the magnitudes of it that work, or the first time whose value is not finite.
LabMessage rangeMessage(const solutions::RangeProblem &problem);

} // namespace kel::lab
