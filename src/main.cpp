// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/windowinstance.h"
#include "kelversion.h"
#include "shell/mainmenu.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("kel");
    QApplication::setApplicationVersion(
        QString::fromLatin1(kel::kVersion.data(), static_cast<qsizetype>(kel::kVersion.size())));
    kel::display::WindowInstance<kel::shell::MainMenu>::get().show();
    return QApplication::exec();
}
