// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

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
// `window` names the window's entry in the file; nullptr for a name no window has.
std::unique_ptr<display::ExperimentTarget> makeExperimentWindow(const QString &window,
                                                                display::Dialogs &dialogs);

} // namespace kel::shell
