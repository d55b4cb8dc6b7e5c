// SPDX-License-Identifier: GPL-3.0-or-later
#include "sysinfo.h"

#include "display/dialogs.h"
#include "display/qstringtext.h"
#include "programinfo.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QVariant>

namespace kel::about
{

namespace
{

[[maybe_unused]] QString rootName(RegistryRoot root)
{
    switch (root) {
    case RegistryRoot::ClassesRoot:
        return QStringLiteral("HKEY_CLASSES_ROOT");
    case RegistryRoot::CurrentUser:
        return QStringLiteral("HKEY_CURRENT_USER");
    case RegistryRoot::LocalMachine:
        return QStringLiteral("HKEY_LOCAL_MACHINE");
    case RegistryRoot::Users:
        return QStringLiteral("HKEY_USERS");
    }
    return {};
}

} // namespace

bool readKeyValue([[maybe_unused]] RegistryRoot root, [[maybe_unused]] const QString &keyPath,
                  [[maybe_unused]] const QString &valueName, QString &result)
{
#ifdef Q_OS_WIN
    const QSettings key(rootName(root) + QLatin1Char('\\') + keyPath, QSettings::NativeFormat);
    if (key.status() == QSettings::NoError && key.contains(valueName)) {
        const QVariant value = key.value(valueName);
        switch (value.typeId()) {
        case QMetaType::QString:
            result = value.toString();
            break;
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
            result = display::toQString(solutions::integerText(value.toLongLong()));
            break;
        default:
            break;
        }
        return true;
    }
#endif
    result.clear();
    return false;
}

QString sysInfoToolPath(const KeyValueReader &readValue, const FileTest &fileExists)
{
    QString path;
    if (readValue(RegistryRoot::LocalMachine,
                  QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"),
                  QStringLiteral("PATH"), path) &&
        !path.isEmpty())
        return path;
    QString folder;
    if (readValue(RegistryRoot::LocalMachine,
                  QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location"),
                  QStringLiteral("MSINFO"), folder) &&
        !folder.isEmpty()) {
        QString tool = folder + QStringLiteral("\\MSINFO32.EXE");
        if (fileExists(tool))
            return tool;
    }
    return {};
}

void startSystemInfo(display::Dialogs &dialogs)
{
    const QString tool =
        sysInfoToolPath(readKeyValue, [](const QString &file) { return QFileInfo::exists(file); });
    if (!tool.isEmpty() && QProcess::startDetached(tool, {}))
        return;
    dialogs.message(
        QCoreApplication::translate("AboutKel", "System Information Is Unavailable At This Time"),
        programTitle(), display::MessageButtons::Ok);
}

} // namespace kel::about
