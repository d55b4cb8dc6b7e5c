// SPDX-License-Identifier: GPL-3.0-or-later
#include "recentexperiments.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace kel::display
{

namespace
{

const QString kKey = QStringLiteral("experiments/recent");

QString cleanPath(const QString &path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

} // namespace

QStringList RecentExperiments::files() const
{
    QStringList result = m_settings.value(kKey).toStringList();
    result.removeAll(QString());
    result.removeDuplicates();
    while (result.size() > kMaxFiles)
        result.removeLast();
    return result;
}

void RecentExperiments::add(const QString &path)
{
    const QString clean = cleanPath(path);
    QStringList list = files();
    list.removeAll(clean);
    list.prepend(clean);
    while (list.size() > kMaxFiles)
        list.removeLast();
    store(list);
}

void RecentExperiments::remove(const QString &path)
{
    QStringList list = files();
    list.removeAll(cleanPath(path));
    store(list);
}

void RecentExperiments::clear()
{
    store({});
}

void RecentExperiments::store(const QStringList &files)
{
    m_settings.setValue(kKey, files);
    m_settings.sync();
}

} // namespace kel::display
