// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "display/experiment.h"

namespace kel::shell
{

// Every window an experiment file opens into, with the reader of its entry: the lab (with the
// measurement window beside it), then the phasor window.
display::ExperimentParts experimentParts();

} // namespace kel::shell
