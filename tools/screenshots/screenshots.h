// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDir>
#include <QString>

namespace kel::screenshots
{

// Each writes its pictures into `folder` and returns 0, or 1 when a window never showed.
int labWindow(const QDir &folder);
int equationsWindow(const QDir &folder);
int phasorWindow(const QDir &folder);
int experimentMenus(const QDir &folder);

// Prints the captions of the windows started in the language `code` chooses (the system's when
// empty), one "name=text" a line, for the translations test.
int printCaptions(const QString &code);

} // namespace kel::screenshots
