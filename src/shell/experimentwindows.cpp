// SPDX-License-Identifier: GPL-3.0-or-later
#include "experimentwindows.h"

#include "lab/labwindow.h"
#include "phasor/phasorswindow.h"

namespace kel::shell
{

std::unique_ptr<display::ExperimentTarget> makeExperimentWindow(display::ExperimentWindow window,
                                                                display::Dialogs &dialogs)
{
    switch (window) {
    case display::ExperimentWindow::Lab:
        return std::make_unique<lab::LabWindow>(dialogs);
    case display::ExperimentWindow::Phasor:
        return std::make_unique<phasor::PhasorsWindow>(dialogs);
    }
    return nullptr;
}

} // namespace kel::shell
