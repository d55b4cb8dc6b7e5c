// SPDX-License-Identifier: GPL-3.0-or-later
#include "experimentparts.h"

#include "lab/core/labexperiment.h"
#include "phasor/core/phasorexperimentfile.h"

namespace kel::shell
{

display::ExperimentParts experimentParts()
{
    display::ExperimentParts parts;
    parts.add(lab::LabExperiment::kWindow, &lab::LabExperiment::check,
              &lab::LabExperiment::checkMeasurement);
    parts.add(phasor::PhasorExperiment::kWindow, &phasor::PhasorExperiment::check);
    return parts;
}

} // namespace kel::shell
