// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

#include "measurement/core/fitproblem.h"

#include <optional>

namespace kel::shell
{

// What the command line asks for:
//   kel [--lang CODE] [FILE.kel]
//   kel FILE.kel [--export-png OUT.png] [--export-svg OUT.svg] [--export-csv OUT.csv]
//       [--export-energy-csv OUT.csv] [--export-pdf OUT.pdf] [--size WxH]
//   kel --fit FILE --circuit NAME --quantity Q [--fix NAME=VALUE]... [--from T] [--to T]
//       [--channel N] [--json]
//   kel --help | --version

// A recording to fit: every parameter of the circuit that is not fixed is free.
struct FitRequest {
    QString recordingPath;
    measurement::FitProblem problem;
    std::optional<double> from, to; // the time window, s
    int channel = 1;                // the value column, from 1
    bool json = false;
};

struct CommandLineRequest {
    enum class Action {
        OpenWindows, // the main menu, and the experiment when a file is given
        Export,      // the experiment's pictures and samples written without a window
        Fit,         // a recording fitted, the result written to standard output
        ShowHelp,    // `text` is the help
        ShowVersion, // `text` is "kel 1.0.0"
        Refuse,      // `text` says what is wrong with the command line
    };
    Action action = Action::OpenWindows;
    QString text;
    QString experimentPath; // empty when no file is given
    QString language;       // empty for the system's languages
    QString pngPath;
    QString svgPath;
    QString csvPath;
    QString energyCsvPath;        // the Energy window's data of the lab's circuit
    QString pdfPath;              // the window's worksheet
    std::optional<QSize> pngSize; // fit the PNG within this many pixels
    std::optional<FitRequest> fit;

    // Whether carrying it out shows windows, and so needs a display.
    bool needsDisplay() const { return action == Action::OpenWindows; }
};

class CommandLine
{
public:
    // The largest side --size accepts, in pixels.
    static constexpr int kMaxSide = 8192;

    // `arguments` as main() receives them, the program's name first. The texts of the help
    // and the messages are translated when a translation is installed.
    static CommandLineRequest parse(const QStringList &arguments);

    // "800x600" (or "800X600") as a size; none for anything else, a side of 0 or one beyond
    // kMaxSide.
    static std::optional<QSize> sizeOf(const QString &text);
};

} // namespace kel::shell
