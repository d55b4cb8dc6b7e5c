// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/windowinstance.h"
#include "shell/mainmenu.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("kel");
    QApplication::setApplicationVersion("1.0.0");
    kel::display::WindowInstance<kel::shell::MainMenu>::get().show();
    return QApplication::exec();
}
