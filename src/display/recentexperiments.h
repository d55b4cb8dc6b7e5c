// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

class QSettings;

namespace kel::display
{

// The experiment files most recently opened or saved, newest first, kept in the settings
// the owner hands in (the program's own QSettings; a file of its own in tests).
class RecentExperiments
{
public:
    static constexpr int kMaxFiles = 8;

    explicit RecentExperiments(QSettings &settings) : m_settings(settings) {}

    QStringList files() const;
    // Puts `path` first (as an absolute, clean path), dropping the oldest beyond kMaxFiles.
    void add(const QString &path);
    // Forgets `path`, for a file that could not be opened.
    void remove(const QString &path);
    void clear();

private:
    void store(const QStringList &files);

    QSettings &m_settings;
};

} // namespace kel::display
