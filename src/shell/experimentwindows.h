// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "display/experiment.h"

#include <memory>

namespace kel::display
{
class Dialogs;
class ExperimentTarget;
} // namespace kel::display

namespace kel::shell
{

// A new window of the kind an experiment opens into, asking through `dialogs`, for a headless
// export: the lab window or the phasor window, never shown on a display.
std::unique_ptr<display::ExperimentTarget> makeExperimentWindow(display::ExperimentWindow window,
                                                                display::Dialogs &dialogs);

} // namespace kel::shell
