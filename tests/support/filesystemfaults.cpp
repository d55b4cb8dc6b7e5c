// SPDX-License-Identifier: GPL-3.0-or-later
#include "filesystemfaults.h"

#include <QDir>
#include <QFile>

#include <sys/mount.h>
#include <unistd.h>

namespace kel::testing
{

namespace
{

constexpr const char *kSmallDisk = "size=64k";

} // namespace

FaultyFolder::FaultyFolder(Fault fault) : m_fault(fault)
{
    if (!m_dir.isValid())
        return;
    const QByteArray where = QFile::encodeName(m_dir.path());
    if (geteuid() == 0)
        m_mounted = ::mount("tmpfs", where.constData(), "tmpfs", 0, kSmallDisk) == 0;
    m_valid = m_mounted || fault == Fault::ReadOnly;
}

FaultyFolder::~FaultyFolder()
{
    if (m_mounted)
        ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
    else
        QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void FaultyFolder::arm()
{
    const QByteArray where = QFile::encodeName(m_dir.path());
    if (m_fault == Fault::ReadOnly) {
        if (m_mounted)
            ::mount("tmpfs", where.constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, kSmallDisk);
        else
            QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::ExeOwner);
        return;
    }
    QFile filler(m_dir.filePath("filler"));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return;
    const QByteArray block(512, 'x');
    while (filler.write(block) == block.size()) {
    }
    while (filler.write(block.left(1)) == 1) {
    }
}

QString FaultyFolder::expectedCause() const
{
    if (m_fault == Fault::Full)
        return "No space left on device";
    return m_mounted ? "Read-only file system" : "Permission denied";
}

QStringList FaultyFolder::files() const
{
    return QDir(m_dir.path())
        .entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::Dirs | QDir::NoDotAndDotDot,
                   QDir::Name);
}

QByteArray oldFileBytes()
{
    return "old contents kept through a failed write";
}

void writeOldFile(const QString &path)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(oldFileBytes());
}

bool holdsOldFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.readAll() == oldFileBytes();
}

} // namespace kel::testing
