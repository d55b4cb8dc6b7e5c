// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the Equations window for a person to look at: equations-<regime>.png for an
// underdamped, an overdamped, a critically damped and a resonant circuit.
#include "screenshots.h"

#include "lab/equationswindow.h"
#include "support/scripteddialogs.h"

#include <QApplication>
#include <QDir>
#include <QTest>

#include <array>
#include <map>

namespace kel::screenshots
{

int equationsWindow(const QDir &folder)
{
    using kel::solutions::Parameter;
    struct Shot {
        const char *name;
        int kind;
        std::array<const char *, 7> texts; // R, L, C, v0, w0, q0, i0
    };
    const Shot shots[] = {
        {"underdamped", 4, {"1", "10", "10", "0", "0", "10", "0"}},
        {"overdamped", 8, {"3", "1", "1", "2", "1.5", "0", "1"}},
        {"critical", 4, {"2", "1", "1", "1", "0", "0.5", "2"}},
        {"resonant", 5, {"0", "10", "10", "1", "0.1", "0", "0"}},
        {"near-resonance", 8, {"0.001", "1", "1", "1", "1", "0", "0"}},
    };
    kel::testing::ScriptedDialogs dialogs;
    for (const Shot &shot : shots) {
        kel::lab::EquationsWindow window(dialogs);
        window.showCircuit(kel::solutions::circuitKindOf(shot.kind), [&shot](Parameter p) {
            return QString::fromLatin1(shot.texts[static_cast<std::size_t>(p)]);
        });
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            return 1;
        if (!window.grab().save(folder.filePath(QStringLiteral("equations-%1.png").arg(shot.name))))
            return 1;
    }
    return 0;
}

} // namespace kel::screenshots
