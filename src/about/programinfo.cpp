// SPDX-License-Identifier: GPL-3.0-or-later
#include "programinfo.h"

#include <QCoreApplication>

namespace kel::about
{

QString programTitle()
{
    const QString name = QCoreApplication::applicationName();
    return name.isEmpty() ? QStringLiteral("kel") : name;
}

QString versionText()
{
    return QStringLiteral("Version %1.%2.%3")
        .arg(kVersionMajor)
        .arg(kVersionMinor)
        .arg(kVersionRevision);
}

} // namespace kel::about
