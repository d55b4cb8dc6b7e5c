// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "experiment.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QMainWindow;
class QMenu;
class QSettings;

namespace kel::display
{

class Dialogs;
class ExperimentTarget;

// The "Experiment" menu of a lab or phasor window, appended to its menu bar:
//
// | objectName         | caption                  | shortcut     |
// |--------------------|--------------------------|--------------|
// | `Experiment`       | Experiment               |              |
// | `OpenExperiment`   | Open Experiment...       | Ctrl+O       |
// | `SaveExperiment`   | Save Experiment          | Ctrl+E       |
// | `SaveExperimentAs` | Save Experiment As...    | Ctrl+Shift+E |
// | `RecentExperiments`| Recent Experiments       | (submenu)    |
//
// Ctrl+S and Ctrl+Shift+S already save the picture and its data in both windows.
// A file is read in full before anything changes: a file that cannot be read gets one message
// naming the file and its problem, and the window stays as it was. A large file (one holding
// a long measurement) is read on a worker thread while the windows keep painting. Saving is
// atomic; a failure names the cause and leaves the old file as it was.
class ExperimentMenu : public QObject
{
    Q_OBJECT
public:
    // The recently used files are kept in `settings` (not owned), or in the program's own
    // settings when it is null.
    // `windowName` names the window's entry in the file; `parts` reads the files this menu opens
    // (at least the window's own).
    ExperimentMenu(QMainWindow *window, const QString &windowName, ExperimentParts parts,
                   ExperimentTarget &target, Dialogs &dialogs, QSettings *settings = nullptr);
    ~ExperimentMenu() override;

    // Where an experiment of another window of `parts` goes (the main menu opens that window);
    // without one, such a file is refused with a message.
    void setElsewhere(ExperimentParts parts,
                      std::function<void(const Experiment &, const QString &path)> elsewhere)
    {
        m_parts = std::move(parts);
        m_elsewhere = std::move(elsewhere);
    }

    // Opens the file at `path` into this window (or elsewhere); false, with the message shown,
    // when it cannot be read.
    bool openFile(const QString &path);
    // The experiment was opened from, or last saved to, `path`: Save writes there.
    void setCurrentPath(const QString &path);
    const QString &currentPath() const { return m_path; }
    QMenu *menu() const { return m_menu; }

public slots:
    void openExperiment();
    void saveExperiment();
    void saveExperimentAs();

private:
    bool saveTo(const QString &path);
    void fillRecent();

    QMainWindow *m_window;
    QString m_windowName;
    ExperimentParts m_parts;
    ExperimentTarget &m_target;
    Dialogs &m_dialogs;
    std::unique_ptr<QSettings> m_ownSettings;
    QSettings *m_settings;
    QMenu *m_menu = nullptr;
    QMenu *m_recent = nullptr;
    QString m_path;
    std::function<void(const Experiment &, const QString &)> m_elsewhere;
};

} // namespace kel::display
