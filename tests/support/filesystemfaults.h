// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace kel::testing
{

// A folder that turns faulty when armed: read-only, or on a disk with no room left. As root
// it is a small tmpfs of its own (made read-only or filled up when armed); otherwise a
// read-only folder is a plain folder without write permission, and a full disk is not
// available (isValid() is false).
class FaultyFolder
{
public:
    enum class Fault { ReadOnly, Full };

    explicit FaultyFolder(Fault fault);
    ~FaultyFolder();
    FaultyFolder(const FaultyFolder &) = delete;
    FaultyFolder &operator=(const FaultyFolder &) = delete;

    bool isValid() const { return m_valid; }
    QString path() const { return m_dir.path(); }
    // Makes the fault happen from now on.
    void arm();
    // The words a failed write into the folder should give.
    QString expectedCause() const;
    // Every file in the folder, hidden ones included, by name.
    QStringList files() const;

private:
    Fault m_fault;
    QTemporaryDir m_dir;
    bool m_mounted = false;
    bool m_valid = false;
};

// A recognisable old file to be kept through failed writes.
QByteArray oldFileBytes();
void writeOldFile(const QString &path);
bool holdsOldFile(const QString &path);

} // namespace kel::testing
