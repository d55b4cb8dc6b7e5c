// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/deferredicons.h"
#include "display/dialogs.h"
#include "display/experimentfile.h"
#include "display/experimenttarget.h"
#include "display/qstringtext.h"
#include "kelversion.h"
#include "shell/commandline.h"
#include "shell/experimentparts.h"
#include "shell/experimentwindows.h"
#include "shell/headlessexport.h"
#include "shell/headlessfit.h"
#include "shell/languages.h"
#include "shell/mainmenu.h"

#include <QApplication>
#include <QDir>
#include <QTextStream>

#include <memory>
#include <optional>

namespace
{

using kel::shell::CommandLineRequest;

// The messages of the start-up, in a translation context that lupdate finds.
struct StartupText {
    Q_DECLARE_TR_FUNCTIONS(StartupText)
};

QStringList argumentsOf(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

bool displayPresent()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
#else
    return true;
#endif
}

// Exports render exactly what the window would show on any machine, so they never use the
// display; the help, the version and a refusal need none either. Without a display, Qt would
// abort before a word could be said.
void choosePlatform(const CommandLineRequest &request)
{
    const bool chosenByUser = qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
    if (request.action == CommandLineRequest::Action::Export ||
        request.action == CommandLineRequest::Action::Fit ||
        (!chosenByUser && (!request.needsDisplay() || !displayPresent())))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// Whether the language installed is the one asked for: English is asked for by "en", "en_GB"
// or the C locale's names, and then nothing is installed.
bool speaks(const QString &installed, const QString &asked)
{
    if (installed != QLatin1String("en"))
        return true;
    return asked.startsWith(QLatin1String("en"), Qt::CaseInsensitive) ||
           asked == QLatin1String("C") || asked == QLatin1String("POSIX");
}

// Qt's own notes about the platform ("QStandardPaths: XDG_RUNTIME_DIR not set", "This plugin
// does not support propagateSizeHints()", "raise() is not supported") say nothing to someone
// who runs an export from a script: the program reports each failure itself, in one line.
void quietPlatformNotes(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtFatalMsg)
        QTextStream(stderr) << "kel: " << message << Qt::endl;
}

} // namespace

int main(int argc, char *argv[])
{
    const CommandLineRequest early = kel::shell::CommandLine::parse(argumentsOf(argc, argv));
    // Only a program that shows its windows to someone keeps Qt's notes for its console.
    if (!early.needsDisplay() || !displayPresent())
        qInstallMessageHandler(quietPlatformNotes);
    choosePlatform(early);
    QApplication app(argc, argv);
    kel::display::useDeferredIcons();
    QApplication::setApplicationName(QStringLiteral("kel"));
    QApplication::setApplicationVersion(kel::display::toQString(kel::kVersion));

    // Before the command line is read again, so that its help and messages are translated too.
    kel::shell::Languages languages;
    const QString spoken = languages.install(early.language);
    QTextStream out(stdout);
    QTextStream errors(stderr);
    if (!early.language.isEmpty() && !speaks(spoken, early.language))
        errors << "kel: "
               << StartupText::tr(
                      "There is no translation into \"%1\"; the program stays in English.")
                      .arg(early.language)
               << Qt::endl;

    const CommandLineRequest request = kel::shell::CommandLine::parse(QApplication::arguments());
    switch (request.action) {
    case CommandLineRequest::Action::ShowHelp:
        out << request.text;
        return 0;
    case CommandLineRequest::Action::ShowVersion:
        out << request.text << Qt::endl;
        return 0;
    case CommandLineRequest::Action::Refuse:
        errors << "kel: " << request.text << Qt::endl
               << StartupText::tr("Try \"kel --help\" for the options.") << Qt::endl;
        return 1;
    case CommandLineRequest::Action::Export:
        return kel::shell::exportExperiment(request, kel::shell::makeExperimentWindow, errors);
    case CommandLineRequest::Action::Fit:
        return kel::shell::fitRecording(*request.fit, out, errors);
    case CommandLineRequest::Action::OpenWindows:
        break;
    }

    if (QGuiApplication::platformName() == QLatin1String("offscreen") && !displayPresent()) {
        errors << "kel: "
               << StartupText::tr(
                      "There is no display to show the windows on (neither DISPLAY nor "
                      "WAYLAND_DISPLAY is set). To write an experiment's pictures without one: "
                      "kel FILE.kel --export-png OUT.png")
               << Qt::endl;
        return 1;
    }

    kel::display::QtDialogs dialogs;
    std::optional<kel::display::Experiment> experiment;
    if (!request.experimentPath.isEmpty()) {
        const auto reading = kel::display::ExperimentFile::readFile(request.experimentPath,
                                                                    kel::shell::experimentParts());
        if (!reading.ok()) {
            const QString file = QDir::toNativeSeparators(request.experimentPath);
            errors << "kel: " << file << ": " << reading.error << Qt::endl;
            dialogs.message(
                StartupText::tr("The experiment %1 cannot be opened. %2").arg(file, reading.error),
                QStringLiteral("kel"));
            return 1;
        }
        experiment = reading.experiment;
    }

    kel::shell::MainMenu menu(dialogs);
    menu.show();
    if (experiment)
        menu.openExperiment(*experiment, request.experimentPath);
    return QApplication::exec();
}
