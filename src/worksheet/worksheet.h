// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "schematicgeometry.h"

#include <QByteArray>
#include <QDate>
#include <QPicture>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <vector>

namespace kel::worksheet
{

// One parameter as its box shows it: "R", "10", "Ω".
struct WorksheetParameter {
    QString name;
    QString text; // exactly as typed
    QString unit;
};

// Everything one worksheet page shows, gathered by the window it is printed from; the page
// itself is laid out by WorksheetPage. Texts are already in the program's language.
struct Worksheet {
    QString window;  // the window it comes from: "Circuit lab", "Phasors", "Measurement"
    QString circuit; // the circuit's name: "RLC, AC source"
    QString regime;  // its regime in words and numbers, as the status bar says it
    SchematicCircuit schematic;
    std::vector<WorksheetParameter> parameters;
    // The graph as vector drawing in a box of graphSize (logical pixels on screen, which give
    // its proportions); none when graphSize is empty.
    QPicture graph;
    QSizeF graphSize;
    QString equations;    // Qt rich text; none when empty
    QStringList readings; // the Δ read-out, the fit result: a line each
    QString task;         // the teacher's task, as typed (lines kept)
    QDate date;
    QString version;       // "1.0.0"
    QByteArray experiment; // the .kel bytes attached to a PDF; none when empty
};

} // namespace kel::worksheet
