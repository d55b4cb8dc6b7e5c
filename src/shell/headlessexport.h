// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "display/experiment.h"

#include <QString>

#include <functional>
#include <memory>

class QTextStream;

namespace kel::display
{
class Dialogs;
class ExperimentTarget;
} // namespace kel::display

namespace kel::shell
{

struct CommandLineRequest;

// Makes the window an experiment opens into, answering its questions through `dialogs`;
// nullptr when there is none for that window.
using ExperimentTargetFactory = std::function<std::unique_ptr<display::ExperimentTarget>(
    const QString &window, display::Dialogs &dialogs)>;

// Carries out an Export request: reads the experiment, replays it into a window that is never
// shown, and writes the PNG, SVG, CSV and worksheet PDF asked for, each through the program's one
// file writer. The PNG is the pixels Save Graph would write (or fitted within the size asked for).
// Every problem, and every message the window would have shown, goes to `errors` as one line
// naming the file. Returns the exit status: 0 when everything was written, 1 otherwise.
int exportExperiment(const CommandLineRequest &request, const ExperimentTargetFactory &makeTarget,
                     QTextStream &errors);

} // namespace kel::shell
