// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "solutions/circuitfigures.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

#include <functional>

namespace kel::lab
{

// The mathematics of one circuit as a teacher writes it on the board, in two typesettings of
// the same content.
struct EquationsDocument {
    QString richText; // the HTML subset Qt's rich text renders (sub, sup, tables, paragraphs)
    QString latex;    // a LaTeX fragment for a document with amsmath: balanced, specials escaped
    // Every number of the closed forms as shown, with the full value it was written from:
    // each is a field of the circuit's figures, the values the curves are evaluated with.
    struct Shown {
        QString symbol; // as in the formulas, plain text ("A", "ω0", "s1", ...)
        double value = 0;
    };
    QList<Shown> shown;
};

// Writes the differential equation, the initial conditions, the regime with its figures and
// the closed-form charge and current with the numbers substituted, for a circuit kind and
// its parameters, saying where the program evaluates a limiting form (resonance, critical
// damping). Numbers are written with 4 significant digits. Words go through tr(), in the
// context "EquationsText".
class EquationsText
{
    Q_DECLARE_TR_FUNCTIONS(EquationsText)

public:
    static EquationsDocument write(solutions::CircuitKind circuitKind,
                                   const solutions::CircuitParameters &p);
    // The same for a circuit whose texts did not give numbers: names the box.
    static EquationsDocument notANumber(const QString &boxName);
    // The document of a circuit kind from its parameter texts as typed: the equations, or
    // notANumber for the first text the circuit reads that is not a number.
    static EquationsDocument ofTexts(solutions::CircuitKind circuitKind,
                                     const std::function<QString(solutions::Parameter)> &textOf);
};

} // namespace kel::lab
