// SPDX-License-Identifier: GPL-3.0-or-later
#include "experimentwindows.h"

#include "lab/core/labexperiment.h"
#include "lab/labwindow.h"
#include "phasor/core/phasorexperimentfile.h"
#include "phasor/phasorswindow.h"

namespace kel::shell
{

std::unique_ptr<display::ExperimentTarget> makeExperimentWindow(const QString &window,
                                                                display::Dialogs &dialogs)
{
    if (window == QLatin1String(lab::LabExperiment::kWindow))
        return std::make_unique<lab::LabWindow>(dialogs);
    if (window == QLatin1String(phasor::PhasorExperiment::kWindow))
        return std::make_unique<phasor::PhasorsWindow>(dialogs);
    return nullptr;
}

} // namespace kel::shell
