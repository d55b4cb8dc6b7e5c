// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the Frequency Response page of the resonance window for a person to look at (not
// run as a test): response_shots <folder> writes, in English and Spanish, response-rc-<lang>.png
// (the driven RC's low-pass, V_C), response-rlc-<lang>.png (the driven RLC's V_C) and
// resonance-rlc-<lang>.png (its resonance page), and the RLC's picture as the program exports
// it, response-rlc-export-<lang>.png.
#include "lab/core/circuitlaunchers.h"
#include "lab/core/labcircuitsource.h"
#include "lab/core/labsession.h"
#include "resonance/resonancewindow.h"
#include "shell/languages.h"
#include "support/scripteddialogs.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QTest>

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
    kel::shell::Languages languages;
    kel::testing::ScriptedDialogs dialogs;
    using kel::resonance::ResonancePage;
    for (const char *language : {"en", "es"}) {
        languages.install(QString::fromLatin1(language));
        for (kel::lab::CircuitKind kind :
             {kel::lab::CircuitKind::DrivenRc, kel::lab::CircuitKind::DrivenRlc}) {
            kel::lab::LabSession lab;
            for (const kel::lab::CircuitLauncher &l : kel::lab::circuitLaunchers())
                if (l.configuration.circuitKind == kind)
                    lab.applyConfiguration(l.configuration);
            const bool rlc = kind == kel::lab::CircuitKind::DrivenRlc;
            if (rlc) {
                lab.setText(kel::lab::Field::R, "3");
                lab.setText(kel::lab::Field::f0, "0.12");
            } else {
                lab.setText(kel::lab::Field::f0, "0.01");
            }
            kel::lab::LabCircuitSource source(
                lab, [&lab](const QString &f0) { lab.setText(kel::lab::Field::f0, f0); });
            kel::resonance::ResonanceWindow window(source, dialogs);
            window.resize(900, 560);
            window.showPage(ResonancePage::Response);
            window.show();
            if (!QTest::qWaitForWindowExposed(&window))
                return 1;
            QTest::qWait(50);
            const QString name = rlc ? QStringLiteral("rlc") : QStringLiteral("rc");
            const QString lang = QString::fromLatin1(language);
            window.grab().save(
                folder.filePath(QStringLiteral("response-%1-%2.png").arg(name, lang)));
            if (rlc) {
                dialogs.queueSavePath(
                    folder.filePath(QStringLiteral("response-rlc-export-%1.png").arg(lang)));
                window.findChild<QAction *>("SavePicture")->trigger();
                window.showPage(ResonancePage::Resonance);
                QTest::qWait(50);
                window.grab().save(
                    folder.filePath(QStringLiteral("resonance-rlc-%1.png").arg(lang)));
            }
        }
    }
    return 0;
}
