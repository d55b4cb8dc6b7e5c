// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the Frequency Response window for a person to look at (not run as a test):
// response_shots <folder> writes response-rc-<lang>.png (the driven RC's low-pass, V_C) and
// response-rlc-<lang>.png (the driven RLC's V_C) in English and Spanish.
#include "lab/core/circuitlaunchers.h"
#include "lab/core/labsession.h"
#include "response/responsesession.h"
#include "response/responsewindow.h"
#include "shell/languages.h"

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
    for (const char *language : {"en", "es"}) {
        languages.install(QString::fromLatin1(language));
        for (kel::lab::CircuitKind kind :
             {kel::lab::CircuitKind::DrivenRc, kel::lab::CircuitKind::DrivenRlc}) {
            kel::lab::LabSession lab;
            for (const kel::lab::CircuitLauncher &l : kel::lab::circuitLaunchers())
                if (l.configuration.circuitKind == kind)
                    lab.applyConfiguration(l.configuration);
            if (kind == kel::lab::CircuitKind::DrivenRlc)
                lab.setText(kel::lab::Field::R, "3");
            kel::response::ResponseSession session(lab);
            kel::response::ResponseWindow window(session);
            session.refresh();
            window.resize(760, 620);
            window.show();
            if (!QTest::qWaitForWindowExposed(&window))
                return 1;
            QApplication::processEvents();
            const char *name = kind == kel::lab::CircuitKind::DrivenRc ? "rc" : "rlc";
            window.grab().save(
                folder.filePath(QStringLiteral("response-%1-%2.png").arg(name, language)));
        }
    }
    return 0;
}
