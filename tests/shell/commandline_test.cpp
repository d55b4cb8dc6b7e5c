// SPDX-License-Identifier: GPL-3.0-or-later
// The command line as parsed, the headless export through a stand-in window, and the program
// itself started without a display.
#include "display/dialogs.h"
#include "display/experimentfile.h"
#include "display/experimenttarget.h"
#include "display/picturearea.h"
#include "kelversion.h"
#include "lab/core/labexperiment.h"
#include "shell/commandline.h"
#include "shell/headlessexport.h"
#include "support/scripteddialogs.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>

using kel::display::Experiment;
using kel::display::ExperimentFile;
using kel::shell::CommandLine;
using kel::shell::CommandLineRequest;
using Action = CommandLineRequest::Action;

namespace
{

CommandLineRequest parsed(QStringList arguments)
{
    arguments.prepend("kel");
    return CommandLine::parse(arguments);
}

} // namespace

TEST(CommandLine, FileAloneOpensTheWindowsAndHelpAndVersionNeedNoDisplay)
{
    const CommandLineRequest plain = parsed({});
    EXPECT_EQ(plain.action, Action::OpenWindows);
    EXPECT_TRUE(plain.experimentPath.isEmpty());
    EXPECT_TRUE(plain.needsDisplay());

    const CommandLineRequest file = parsed({"--lang", "de", "lab.kel"});
    EXPECT_EQ(file.action, Action::OpenWindows);
    EXPECT_EQ(file.experimentPath, "lab.kel");
    EXPECT_EQ(file.language, "de");

    const CommandLineRequest version = parsed({"--version"});
    EXPECT_EQ(version.action, Action::ShowVersion);
    EXPECT_EQ(version.text.toStdString(), "kel " + std::string(kel::kVersion));
    EXPECT_FALSE(version.needsDisplay());

    // Help wins over everything else on the line, even a wrong option value.
    const CommandLineRequest help = parsed({"x.kel", "--size", "huge", "-h"});
    EXPECT_EQ(help.action, Action::ShowHelp);
    for (const char *option :
         {"--export-png", "--export-svg", "--export-csv", "--size", "--lang", "--version"})
        EXPECT_TRUE(help.text.contains(option)) << option;
}

TEST(CommandLine, ExportTakesItsFilesAndAFittingSize)
{
    const CommandLineRequest request =
        parsed({"examples/rc.kel", "--export-png", "a.png", "--export-svg", "a.svg", "--export-csv",
                "a.csv", "--size", "1600x1200"});
    EXPECT_EQ(request.action, Action::Export);
    EXPECT_FALSE(request.needsDisplay());
    EXPECT_EQ(request.experimentPath, "examples/rc.kel");
    EXPECT_EQ(request.pngPath, "a.png");
    EXPECT_EQ(request.svgPath, "a.svg");
    EXPECT_EQ(request.csvPath, "a.csv");
    EXPECT_EQ(request.pngSize, QSize(1600, 1200));

    const CommandLineRequest csvOnly = parsed({"--export-csv=out.csv", "rc.kel"});
    EXPECT_EQ(csvOnly.action, Action::Export);
    EXPECT_TRUE(csvOnly.pngPath.isEmpty());
    EXPECT_FALSE(csvOnly.pngSize.has_value());
}

TEST(CommandLine, MistakesAreRefusedWithWhatIsWrong)
{
    const struct {
        QStringList arguments;
        const char *says;
    } cases[] = {
        {{"--colour"}, "colour"},
        {{"a.kel", "b.kel"}, "one experiment file, not 2"},
        {{"--export-png", "a.png"}, "needs the experiment file"},
        {{"a.kel", "--size", "800x600"}, "--size sets the size of --export-png"},
        {{"a.kel", "--export-png", "a.png", "--size", "800"}, "\"800\" is not WIDTHxHEIGHT"},
        {{"a.kel", "--export-png", "a.png", "--export-png", "b.png"}, "more than once"},
        {{"a.kel", "--export-svg", ""}, "--export-svg needs a value"},
        {{"a.kel", "--lang"}, "lang"},
    };
    for (const auto &c : cases) {
        const CommandLineRequest request = parsed(c.arguments);
        EXPECT_EQ(request.action, Action::Refuse) << c.arguments.join(' ').toStdString();
        EXPECT_TRUE(request.text.contains(c.says)) << request.text.toStdString();
        EXPECT_FALSE(request.needsDisplay());
    }
}

TEST(CommandLine, SizesAreWholePixelsWithinTheLimit)
{
    EXPECT_EQ(CommandLine::sizeOf("800x600"), QSize(800, 600));
    EXPECT_EQ(CommandLine::sizeOf("1X1"), QSize(1, 1));
    EXPECT_EQ(CommandLine::sizeOf("8192x0100"), QSize(8192, 100));
    for (const char *bad :
         {"", "800", "800x", "x600", "0x600", "800x0", "8193x600", "-8x6", "8.5x6", "1e3x600",
          " 800x600", "800 x 600", "800x600x2", "99999x99999", "800×600"})
        EXPECT_FALSE(CommandLine::sizeOf(QString::fromUtf8(bad)).has_value()) << bad;
}

namespace
{

// A window stand-in: one picture area with a line on it, the experiment it was given, and
// the samples it would write; it can report a message as a refused plot would.
class StandInWindow final : public kel::display::ExperimentTarget
{
public:
    StandInWindow(kel::display::Dialogs &dialogs, bool complains, bool plotted,
                  Experiment *applied = nullptr)
        : m_dialogs(dialogs), m_applied(applied), m_complains(complains), m_plotted(plotted)
    {
        m_area.resize(200, 100);
        m_area.setScale(0, 10, 100, -10);
        m_area.line(0, 0, 100, 5, Qt::red);
    }

    void applyExperiment(const Experiment &experiment) override
    {
        if (m_applied)
            *m_applied = experiment;
        if (m_complains)
            m_dialogs.message("Wrong Values of parameters", "Input Error");
    }
    Experiment experiment() const override { return m_applied ? *m_applied : Experiment(); }
    kel::display::PictureExport pictures() const override
    {
        return kel::display::PictureExport({&m_area});
    }
    double pictureScale() const override { return 2.0; }
    std::optional<QByteArray> csv() const override
    {
        if (!m_plotted)
            return std::nullopt;
        return QByteArray("t,q\n0,1\n");
    }

private:
    kel::display::Dialogs &m_dialogs;
    Experiment *m_applied;
    kel::display::PictureArea m_area;
    bool m_complains;
    bool m_plotted;
};

class HeadlessExport : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        QFile file(path("lab.kel"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        kel::lab::LabExperiment lab;
        lab.texts = {{"R", "1"},   {"L", "10"},   {"C", "10"},
                     {"v0", "0"},  {"f0", "100"}, {"w0", "628.318548202515"},
                     {"q0", "10"}, {"i0", "0"}};
        lab.readouts = {{"Time", "0"}, {"qq", "0"}, {"ii", "0"}};
        lab.scale = lab.defaultScale = {"0", "100", "10", "-10"};
        m_experiment = {};
        m_experiment.window = QLatin1String(kel::lab::LabExperiment::kWindow);
        m_experiment.entry = lab.toJson();
        file.write(ExperimentFile::write(m_experiment));
    }

    QString path(const QString &name) const { return m_dir.filePath(name); }

    // Runs the export of `arguments` with stand-in windows; what it wrote on stderr.
    int run(const QStringList &arguments, bool complains = false, bool plotted = true)
    {
        const CommandLineRequest request = parsed(arguments);
        EXPECT_EQ(request.action, Action::Export);
        QTextStream stream(&m_errors);
        const auto makeTarget =
            [&](const QString &window,
                kel::display::Dialogs &dialogs) -> std::unique_ptr<kel::display::ExperimentTarget> {
            m_windowsMade++;
            EXPECT_EQ(window, kel::lab::LabExperiment::kWindow);
            return std::make_unique<StandInWindow>(dialogs, complains, plotted, &m_applied);
        };
        const int status = kel::shell::exportExperiment(request, makeTarget, stream);
        stream.flush();
        return status;
    }

    QTemporaryDir m_dir;
    Experiment m_experiment;
    QString m_errors;
    int m_windowsMade = 0;
    Experiment m_applied;
};

} // namespace

TEST_F(HeadlessExport, WritesThePicturesAtTheWindowsScaleAndTheSamples)
{
    EXPECT_EQ(run({path("lab.kel"), "--export-png", path("a.png"), "--export-svg", path("a.svg"),
                   "--export-csv", path("a.csv")}),
              0)
        << m_errors.toStdString();
    EXPECT_TRUE(m_errors.isEmpty());
    ASSERT_EQ(m_windowsMade, 1);

    const QImage png(path("a.png"));
    EXPECT_EQ(png.size(), QSize(400, 200));
    // The pixels of the window's own picture export at its scale.
    kel::testing::ScriptedDialogs dialogs;
    const StandInWindow window(dialogs, false, true);
    const QImage expected = window.pictures().image(window.pictureScale());
    EXPECT_EQ(png.convertToFormat(QImage::Format_RGB32),
              expected.convertToFormat(QImage::Format_RGB32));
    EXPECT_TRUE(m_applied == m_experiment);

    QFile svg(path("a.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_TRUE(svg.readAll().contains("<svg"));
    QFile csv(path("a.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_EQ(csv.readAll(), "t,q\n0,1\n");
}

TEST_F(HeadlessExport, EnergiesAreWrittenOnlyWhereTheWindowHasThem)
{
    // The stand-in window has no Energy window: one line says so, and nothing is written.
    EXPECT_EQ(run({path("lab.kel"), "--export-energy-csv", path("e.csv")}), 1);
    EXPECT_TRUE(m_errors.contains(QLatin1String("no energies"))) << m_errors.toStdString();
    EXPECT_FALSE(QFile::exists(path("e.csv")));
}

TEST_F(HeadlessExport, SizeFitsThePngWithinTheBoxKeepingItsProportions)
{
    EXPECT_EQ(run({path("lab.kel"), "--export-png", path("a.png"), "--size", "1000x300"}), 0)
        << m_errors.toStdString();
    EXPECT_EQ(QImage(path("a.png")).size(), QSize(600, 300));
}

TEST_F(HeadlessExport, ABadFileOrAWindowsMessageWritesNothingAndSaysWhy)
{
    QFile broken(path("broken.kel"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("{\"format\": \"kel-experiment\"");
    broken.close();
    EXPECT_EQ(run({path("broken.kel"), "--export-png", path("a.png")}), 1);
    EXPECT_TRUE(m_errors.contains("broken.kel: The file is not an experiment: it is not JSON"))
        << m_errors.toStdString();
    EXPECT_EQ(m_windowsMade, 0);

    m_errors.clear();
    EXPECT_EQ(run({path("lab.kel"), "--export-png", path("a.png")}, true), 1);
    EXPECT_TRUE(m_errors.contains("lab.kel: Input Error: Wrong Values of parameters"))
        << m_errors.toStdString();
    EXPECT_FALSE(QFile::exists(path("a.png")));
}

TEST_F(HeadlessExport, EachOutputThatCannotBeWrittenIsNamedAndTheOthersAreWritten)
{
    EXPECT_EQ(run({path("lab.kel"), "--export-png", path("missing/a.png"), "--export-svg",
                   path("a.svg"), "--export-csv", path("a.csv")},
                  false, false),
              1);
    EXPECT_TRUE(m_errors.contains("a.png: The folder does not exist")) << m_errors.toStdString();
    EXPECT_TRUE(m_errors.contains("a.csv: The experiment has no plot")) << m_errors.toStdString();
    EXPECT_TRUE(QFile::exists(path("a.svg")));
    EXPECT_FALSE(QFile::exists(path("a.csv")));
}

// The program itself, started as a user or a script would, with no display at all.
class Program : public ::testing::Test
{
protected:
    struct Outcome {
        int status;
        QString out, err;
    };

    Outcome start(const QStringList &arguments)
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        // No runtime folder either, as in a bare script or a container.
        for (const char *name :
             {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_RUNTIME_DIR"})
            environment.remove(name);
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(KEL_PROGRAM), arguments);
        EXPECT_TRUE(process.waitForFinished(30000));
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << "crashed";
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }
};

TEST_F(Program, AnswersHelpAndVersionAndRefusesMistakesWithoutADisplay)
{
    const Outcome version = start({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.toStdString(), "kel " + std::string(kel::kVersion) + "\n");

    const Outcome help = start({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.contains("--export-png <FILE>"));

    const Outcome wrong = start({"--export-gif", "a.gif"});
    EXPECT_EQ(wrong.status, 1);
    EXPECT_TRUE(wrong.err.contains("kel: Unknown option 'export-gif'.")) << wrong.err.toStdString();

    QTemporaryDir dir;
    const Outcome missing =
        start({dir.filePath("none.kel"), "--export-png", dir.filePath("a.png")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(missing.err.contains("none.kel: The file does not exist."))
        << missing.err.toStdString();

    // Windows cannot be shown without a display: said, not aborted.
    const Outcome windows = start({});
    EXPECT_EQ(windows.status, 1);
    EXPECT_TRUE(windows.err.contains("no display")) << windows.err.toStdString();
}

// As a script runs it: an export that succeeds says nothing at all, one that fails says why in
// one line, with none of Qt's notes about the platform around it.
TEST_F(Program, ExportsQuietlyAndFailsInOneLine)
{
    QTemporaryDir dir;
    const QString experiment = QStringLiteral(KEL_SOURCE_DIR "/examples/underdamped-rlc.kel");
    const Outcome done = start(
        {experiment, "--export-png", dir.filePath("a.png"), "--export-csv", dir.filePath("a.csv")});
    EXPECT_EQ(done.status, 0);
    EXPECT_EQ(done.err.toStdString(), "");
    EXPECT_EQ(done.out.toStdString(), "");
    EXPECT_TRUE(QFile::exists(dir.filePath("a.png")));
    EXPECT_TRUE(QFile::exists(dir.filePath("a.csv")));

    const Outcome failed = start({experiment, "--export-png", dir.filePath("missing/a.png")});
    EXPECT_EQ(failed.status, 1);
    EXPECT_EQ(failed.err.count('\n'), 1) << failed.err.toStdString();
    EXPECT_TRUE(failed.err.contains("a.png: The folder does not exist"))
        << failed.err.toStdString();

    const Outcome version = start({"--version"});
    EXPECT_EQ(version.err.toStdString(), "");
}
