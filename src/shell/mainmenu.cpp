// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainmenu.h"

namespace kel::shell {

MainMenu::MainMenu(QWidget *parent) : QMainWindow(parent)
{
    setObjectName("kel_main");
    setWindowTitle("Kel Lab for Dax 202");
}

} // namespace kel::shell
