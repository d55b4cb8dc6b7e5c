// SPDX-License-Identifier: GPL-3.0-or-later
#include "experimentmenu.h"

#include "dialogs.h"
#include "experimentfile.h"
#include "experimenttarget.h"
#include "fileexport.h"
#include "recentexperiments.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QtConcurrent/QtConcurrentRun>

namespace kel::display
{

namespace
{

QString withoutFinalStop(QString text)
{
    while (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

QAction *addCommand(QMenu *menu, QMainWindow *window, const char *name, const QString &caption,
                    const QKeySequence &shortcut)
{
    auto *action = new QAction(caption, window);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    menu->addAction(action);
    // On the window too, so that the shortcut works while the menu is closed.
    window->addAction(action);
    return action;
}

// A file larger than this (one with a long measurement: a million samples take half a
// second) is read and checked on a worker thread while the windows go on painting, user input
// held back; a smaller one, as every file without a measurement is, at once.
constexpr qint64 kReadAtOnceBytes = qint64{1024} * 1024;

ExperimentFile::Reading readExperiment(const QString &path, const ExperimentParts &parts)
{
    if (QFileInfo(path).size() <= kReadAtOnceBytes)
        return ExperimentFile::readFile(path, parts);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QEventLoop loop;
    QFutureWatcher<ExperimentFile::Reading> watcher;
    QObject::connect(&watcher, &QFutureWatcherBase::finished, &loop, &QEventLoop::quit);
    watcher.setFuture(
        QtConcurrent::run([path, parts] { return ExperimentFile::readFile(path, parts); }));
    if (!watcher.isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    QApplication::restoreOverrideCursor();
    return watcher.result();
}

} // namespace

ExperimentMenu::ExperimentMenu(QMainWindow *window, const QString &windowName,
                               ExperimentParts parts, ExperimentTarget &target, Dialogs &dialogs,
                               QSettings *settings)
    : QObject(window), m_window(window), m_windowName(windowName), m_parts(std::move(parts)),
      m_target(target), m_dialogs(dialogs),
      m_ownSettings(settings ? nullptr : std::make_unique<QSettings>()),
      m_settings(settings ? settings : m_ownSettings.get())
{
    m_menu = window->menuBar()->addMenu(tr("Experiment"));
    m_menu->setObjectName(QStringLiteral("Experiment"));
    m_menu->menuAction()->setObjectName(QStringLiteral("Experiment"));
    connect(addCommand(m_menu, window, "OpenExperiment", tr("Open Experiment..."),
                       QKeySequence(Qt::CTRL | Qt::Key_O)),
            &QAction::triggered, this, &ExperimentMenu::openExperiment);
    connect(addCommand(m_menu, window, "SaveExperiment", tr("Save Experiment"),
                       QKeySequence(Qt::CTRL | Qt::Key_E)),
            &QAction::triggered, this, &ExperimentMenu::saveExperiment);
    connect(addCommand(m_menu, window, "SaveExperimentAs", tr("Save Experiment As..."),
                       QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E)),
            &QAction::triggered, this, &ExperimentMenu::saveExperimentAs);
    m_menu->addSeparator();
    m_recent = m_menu->addMenu(tr("Recent Experiments"));
    m_recent->setObjectName(QStringLiteral("RecentExperiments"));
    m_recent->menuAction()->setObjectName(QStringLiteral("RecentExperiments"));
    connect(m_menu, &QMenu::aboutToShow, this, &ExperimentMenu::fillRecent);
    fillRecent();
}

ExperimentMenu::~ExperimentMenu() = default;

void ExperimentMenu::fillRecent()
{
    m_recent->clear();
    const QStringList files = RecentExperiments(*m_settings).files();
    for (const QString &file : files) {
        QAction *action = m_recent->addAction(QDir::toNativeSeparators(file));
        connect(action, &QAction::triggered, this, [this, file] { openFile(file); });
    }
    m_recent->setEnabled(!files.isEmpty());
}

void ExperimentMenu::setCurrentPath(const QString &path)
{
    m_path = path;
    RecentExperiments(*m_settings).add(path);
}

bool ExperimentMenu::openFile(const QString &path)
{
    const ExperimentFile::Reading reading = readExperiment(path, m_parts);
    const QString file = QDir::toNativeSeparators(path);
    if (!reading.ok()) {
        if (!QFileInfo::exists(path))
            RecentExperiments(*m_settings).remove(path);
        m_dialogs.message(tr("The experiment %1 cannot be opened. %2").arg(file, reading.error),
                          tr("Open Experiment"));
        return false;
    }
    if (reading.experiment->window != m_windowName) {
        if (!m_elsewhere) {
            m_dialogs.message(tr("The experiment %1 is for another window.").arg(file),
                              tr("Open Experiment"));
            return false;
        }
        RecentExperiments(*m_settings).add(path);
        m_elsewhere(*reading.experiment, path);
        return true;
    }
    setCurrentPath(path);
    m_target.applyExperiment(*reading.experiment);
    return true;
}

void ExperimentMenu::openExperiment()
{
    const QString path =
        m_dialogs.openFile(tr("Open Experiment"), tr("Kel experiment (*.kel);;All files (*)"));
    if (!path.isEmpty())
        openFile(path);
}

bool ExperimentMenu::saveTo(const QString &path)
{
    const QString problem = m_target.saveProblem();
    const ExportResult result =
        problem.isEmpty() ? writeFileAtomically(path, ExperimentFile::write(m_target.experiment()))
                          : ExportResult{problem};
    if (!result.ok()) {
        m_dialogs.message(tr("The file %1 could not be saved: %2.")
                              .arg(QDir::toNativeSeparators(path), withoutFinalStop(result.error)),
                          tr("Save Experiment"));
        return false;
    }
    setCurrentPath(path);
    return true;
}

void ExperimentMenu::saveExperiment()
{
    if (m_path.isEmpty())
        saveExperimentAs();
    else
        saveTo(m_path);
}

void ExperimentMenu::saveExperimentAs()
{
    const QString suggested =
        m_path.isEmpty() ? QStringLiteral("experiment.kel") : QFileInfo(m_path).fileName();
    QString chosen =
        m_dialogs.saveFile(tr("Save Experiment As"), suggested, tr("Kel experiment (*.kel)"));
    if (chosen.isEmpty())
        return;
    if (QFileInfo(chosen).suffix().isEmpty())
        chosen += QStringLiteral(".kel");
    saveTo(chosen);
}

} // namespace kel::display
