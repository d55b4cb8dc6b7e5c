// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace kel::about
{

// The program's title: the application's name, "kel" when none is set.
QString programTitle();

// "Version " followed by the program's version, major.minor.revision: "Version 1.0.0".
QString versionText();

} // namespace kel::about
