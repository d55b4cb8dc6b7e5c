// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace kel::about
{

// The program's version, major.minor.revision.
constexpr int kVersionMajor = 1;
constexpr int kVersionMinor = 0;
constexpr int kVersionRevision = 0;

// The program's title: the application's name, "kel" when none is set.
QString programTitle();

// "Version " followed by major "." minor "." revision, each a whole number: "Version 1.0.0".
QString versionText();

} // namespace kel::about
