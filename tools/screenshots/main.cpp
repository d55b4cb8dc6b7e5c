// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the windows for a person to look at:
//   kel_screenshots FOLDER              writes every picture into FOLDER
//   kel_screenshots --captions [--lang CODE]   prints the captions in a language
#include "screenshots.h"

#include <QApplication>
#include <QTextStream>

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.contains(QStringLiteral("--captions"))) {
        const qsizetype at = arguments.indexOf(QStringLiteral("--lang"));
        return kel::screenshots::printCaptions(
            at >= 0 && at + 1 < arguments.size() ? arguments[at + 1] : QString());
    }
    if (arguments.size() != 2) {
        QTextStream(stderr) << "Usage: kel_screenshots FOLDER\n";
        return 2;
    }
    const QDir folder(arguments[1]);
    if (!folder.exists() && !QDir().mkpath(folder.path())) {
        QTextStream(stderr) << "Cannot make the folder " << folder.path() << '\n';
        return 1;
    }
    int failed = 0;
    for (int (*shoot)(const QDir &) :
         {&kel::screenshots::labWindow, &kel::screenshots::equationsWindow,
          &kel::screenshots::phasorWindow, &kel::screenshots::experimentMenus})
        failed |= shoot(folder);
    return failed;
}
