// SPDX-License-Identifier: GPL-3.0-or-later
#include "programinfo.h"

#include "kelversion.h"

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
    return QCoreApplication::translate("AboutKel", "Version %1")
        .arg(QString::fromLatin1(kVersion.data(), static_cast<qsizetype>(kVersion.size())));
}

} // namespace kel::about
