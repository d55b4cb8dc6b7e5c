// SPDX-License-Identifier: GPL-3.0-or-later
// Worksheets: the page read back from its PDF (text, page size, the attached experiment), the
// Export entries of real windows through the scripted dialogs, kel --export-pdf, and the page
// size and schematic that the page is drawn from.
#include "display/experimentfile.h"
#include "lab/core/circuitlaunchers.h"
#include "lab/labwindow.h"
#include "measurement/circuithost.h"
#include "measurement/measurementwindow.h"
#include "phasor/phasorswindow.h"
#include "shell/experimentparts.h"
#include "support/qtprinters.h"
#include "support/scripteddialogs.h"
#include "worksheet/schematicgeometry.h"
#include "worksheet/worksheetpage.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <tuple>

namespace kel::testing
{
namespace
{

bool havePoppler()
{
    for (const char *tool : {"pdftotext", "pdfinfo", "pdfdetach"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            return false;
    return true;
}

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(30000)) << program.toStdString();
    EXPECT_EQ(process.exitCode(), 0)
        << program.toStdString() << ": " << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString simplified(const QString &text)
{
    return text.simplified();
}

void save(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

void trigger(QWidget &window, const char *name)
{
    auto *action = window.findChild<QAction *>(name);
    ASSERT_NE(action, nullptr) << name;
    action->trigger();
}

TEST(Worksheet, LabPdfShowsTheCircuitAsTypedOnOnePageAndCarriesItsExperiment)
{
    if (!havePoppler())
        GTEST_SKIP() << "pdftotext, pdfinfo and pdfdetach (poppler-utils) are needed";
    ScriptedDialogs dialogs;
    lab::LabWindow lab(dialogs);
    lab.applyConfiguration(*lab::launcherConfiguration(5)); // RLC without a source
    // Typed as a student might: the texts must come out exactly so, not as numbers re-written.
    const std::pair<const char *, QString> typed[] = {
        {"R", "0.50"}, {"L", "10.0"}, {"C", "1e1"}, {"q0", "10"}, {"i0", "0"}};
    for (const auto &[box, text] : typed)
        lab.findChild<QLineEdit *>(box)->setText(text);
    lab.findChild<QCheckBox *>("Charge")->setChecked(true);
    trigger(lab, "PlGraphs");
    lab.setTask(QStringLiteral("Read the damped period off the graph.\nCompare it "
                               "with 2\u03C0/\u03C9d."));
    ASSERT_TRUE(lab.session().regimeDescription().contains("underdamped"));

    QTemporaryDir dir;
    const QString pdf = dir.filePath("lab.pdf");
    const std::optional<QByteArray> bytes = lab.worksheetPdf();
    ASSERT_TRUE(bytes);
    save(pdf, *bytes);

    const QString text = run("pdftotext", {"-layout", pdf, "-"});
    const std::pair<const char *, const char *> units[] = {
        {"R", "\u03A9"}, {"L", "H"}, {"C", "F"}, {"q0", "C"}, {"i0", "A"}};
    for (const auto &[name, unit] : units) {
        const QString box = lab.session().text(name == std::string("R")    ? lab::Field::R
                                               : name == std::string("L")  ? lab::Field::L
                                               : name == std::string("C")  ? lab::Field::C
                                               : name == std::string("q0") ? lab::Field::q0
                                                                           : lab::Field::i0);
        const QRegularExpression row(
            QStringLiteral("%1\\s*=\\s*%2\\s*%3")
                .arg(name, QRegularExpression::escape(box), QString::fromUtf8(unit)));
        EXPECT_TRUE(row.match(text).hasMatch()) << name << " = " << box.toStdString();
    }
    const QString regime = lab.session().regimeDescription();
    const QString words = regime.mid(regime.indexOf(QStringLiteral("\u2014")) + 2);
    EXPECT_TRUE(simplified(text).contains(words.mid(1))) << words.toStdString() << "\n"
                                                         << text.toStdString();
    EXPECT_TRUE(text.contains("RLC, no source"));
    EXPECT_TRUE(simplified(text).contains("Read the damped period off the graph."));
    EXPECT_TRUE(text.contains(QStringLiteral("Kel Circuit Lab")));

    const QString info = run("pdfinfo", {pdf});
    EXPECT_TRUE(QRegularExpression("Pages:\\s+1\\n").match(info).hasMatch()) << info.toStdString();
    const QRegularExpressionMatch size =
        QRegularExpression("Page size:\\s+([0-9.]+) x ([0-9.]+) pts").match(info);
    ASSERT_TRUE(size.hasMatch()) << info.toStdString();
    const long width = std::lround(size.captured(1).toDouble());
    const long height = std::lround(size.captured(2).toDouble());
    if (worksheet::WorksheetPage::pageSizeFor(QLocale::system()) == QPageSize::Letter)
        EXPECT_EQ(std::pair(width, height), std::pair(612L, 792L));
    else
        EXPECT_EQ(std::pair(width, height), std::pair(595L, 842L));

    EXPECT_TRUE(run("pdfdetach", {"-list", pdf}).contains("experiment.kel"));
    const QString attached = dir.filePath("attached.kel");
    run("pdfdetach", {"-save", "1", "-o", attached, pdf});
    const display::ExperimentFile::Reading reading =
        display::ExperimentFile::readFile(attached, shell::experimentParts());
    ASSERT_TRUE(reading.ok()) << reading.error.toStdString();
    lab::LabWindow reopened(dialogs);
    reopened.applyExperiment(*reading.experiment);
    EXPECT_EQ(reopened.session().texts(), lab.session().texts());
    EXPECT_EQ(reopened.task(), lab.task()); // the task travels in the experiment
    EXPECT_EQ(reopened.experiment(), lab.experiment());
}

class NoHost final : public measurement::CircuitHost
{
public:
    std::optional<measurement::HostCircuit> hostCircuit() const override { return std::nullopt; }
    void applyValues(std::span<const std::pair<measurement::FitParameter, double>>) override {}
};

TEST(Worksheet, WindowsTakeTheTaskPrintAndSaveThroughTheDialogs)
{
    ScriptedDialogs dialogs;
    phasor::PhasorsWindow phasors(dialogs);
    trigger(phasors, "plot");

    // After the entries already there.
    const QList<QAction *> entries = phasors.findChild<QMenu *>("Export")->actions();
    const auto at = [&entries](const char *name) {
        for (qsizetype i = 0; i < entries.size(); ++i)
            if (entries[i]->objectName() == QLatin1String(name))
                return i;
        return qsizetype(-1);
    };
    EXPECT_LT(at("SaveCsv"), at("WorksheetTask"));
    EXPECT_LT(at("WorksheetTask"), at("PrintWorksheet"));
    EXPECT_LT(at("PrintWorksheet"), at("SaveWorksheetPdf"));

    dialogs.queueInput(QStringLiteral("Draw the phasors at t = 0.\nWhich one leads?"));
    trigger(phasors, "WorksheetTask");
    EXPECT_EQ(phasors.session().task(), "Draw the phasors at t = 0.\nWhich one leads?");
    trigger(phasors, "WorksheetTask"); // cancelled: the task stays
    EXPECT_EQ(phasors.session().task(), "Draw the phasors at t = 0.\nWhich one leads?");

    QTemporaryDir dir;
    dialogs.queueSavePath(dir.filePath("sheet")); // the suffix is added
    trigger(phasors, "SaveWorksheetPdf");
    QFile saved(dir.filePath("sheet.pdf"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.readAll().startsWith("%PDF-1.6"));
    EXPECT_TRUE(dialogs.messages().empty());
    if (havePoppler()) {
        EXPECT_TRUE(run("pdftotext", {saved.fileName(), "-"}).contains("Which one leads?"));
    }

    // A folder that is not there: one message naming the file and the cause, nothing written.
    const QString missing = dir.filePath("missing/sheet.pdf");
    dialogs.queueSavePath(missing);
    trigger(phasors, "SaveWorksheetPdf");
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_TRUE(dialogs.messages()[0].text.contains(QDir::toNativeSeparators(missing)));
    EXPECT_TRUE(dialogs.messages()[0].text.contains("folder does not exist"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"sheet.pdf"});

    trigger(phasors, "PrintWorksheet");
    EXPECT_EQ(dialogs.calls().back().kind, ScriptedDialogs::Call::Kind::PrintPreview);
    EXPECT_TRUE(dialogs.printed().startsWith("%PDF"));

    // The measurement window has the same entries in an Export menu of its own.
    NoHost host;
    measurement::MeasurementWindow measurement(host, dialogs);
    dialogs.queueSavePath(dir.filePath("measurement.pdf"));
    trigger(measurement, "SaveWorksheetPdf");
    EXPECT_TRUE(QFile::exists(dir.filePath("measurement.pdf")));
}

// The program itself without a display, as a script would run it.
TEST(Worksheet, ExportPdfWritesQuietlyAndFailsInOneLine)
{
    QTemporaryDir dir;
    const auto start = [](const QStringList &arguments) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(name);
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(KEL_PROGRAM), arguments);
        EXPECT_TRUE(process.waitForFinished(30000));
        return std::tuple(process.exitCode(), process.readAllStandardOutput(),
                          QString::fromUtf8(process.readAllStandardError()));
    };
    const QString experiment = QStringLiteral(KEL_EXAMPLES_DIR "/driven-rlc-resonance.kel");
    const QString pdf = dir.filePath("phasor.pdf");
    const auto [status, out, err] = start({experiment, "--export-pdf", pdf});
    EXPECT_EQ(status, 0) << err.toStdString();
    EXPECT_TRUE(out.isEmpty());
    EXPECT_TRUE(err.isEmpty()) << err.toStdString();
    QFile written(pdf);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.readAll().startsWith("%PDF"));

    const QString missing = dir.filePath("missing/a.pdf");
    const auto [failed, nothing, why] = start({experiment, "--export-pdf", missing});
    EXPECT_EQ(failed, 1);
    EXPECT_EQ(why.count(QLatin1Char('\n')), 1) << why.toStdString();
    EXPECT_TRUE(why.contains(QDir::toNativeSeparators(missing))) << why.toStdString();
    EXPECT_FALSE(QFile::exists(missing));
}

TEST(Worksheet, PageSizeFollowsTheTerritoryAndTheSchematicTheCircuit)
{
    using worksheet::WorksheetPage;
    for (const char *name : {"en_US", "en_CA", "fr_CA", "es_MX", "en_PH"})
        EXPECT_EQ(WorksheetPage::pageSizeFor(QLocale(QString::fromLatin1(name))), QPageSize::Letter)
            << name;
    for (const char *name : {"de_DE", "fr_FR", "en_GB", "pt_BR", "es_ES", "en_AU"})
        EXPECT_EQ(WorksheetPage::pageSizeFor(QLocale(QString::fromLatin1(name))), QPageSize::A4)
            << name;

    using namespace worksheet;
    const auto names = [](const std::vector<SchematicPart> &parts) {
        std::vector<std::string> result;
        result.reserve(parts.size());
        for (const SchematicPart &p : parts)
            result.push_back(p.name);
        return result;
    };
    const std::vector<SchematicPart> rc =
        schematicParts(schematicCircuitOf(solutions::CircuitKind::Rc, false));
    EXPECT_EQ(names(rc), (std::vector<std::string>{"wire", "resistor", "capacitor", "R", "C"}));
    // The wire closes the loop where the inductor and the source would be: every end of a
    // wire stroke lies on a component or at the end of another wire stroke.
    const auto near = [](SchematicPoint p, SchematicPoint a, SchematicPoint b) {
        const double dx = b.x - a.x, dy = b.y - a.y, len2 = dx * dx + dy * dy;
        const double t =
            len2 > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / len2, 0.0, 1.0) : 0;
        return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy)) < 1e-9;
    };
    const std::vector<SchematicStroke> &wires = rc.front().strokes;
    const auto joined = [&](SchematicPoint p, const SchematicStroke &self) {
        for (const SchematicPart &part : rc)
            for (const SchematicStroke &s : part.strokes) {
                if (part.name == "wire" && &s != &self &&
                    (near(p, s.front(), s.front()) || near(p, s.back(), s.back())))
                    return true;
                for (std::size_t i = 0; part.name != "wire" && i + 1 < s.size(); ++i)
                    if (near(p, s[i], s[i + 1]))
                        return true;
            }
        return false;
    };
    ASSERT_EQ(wires.size(), 3u); // broken by the resistor and the capacitor only
    for (const SchematicStroke &s : wires) {
        EXPECT_TRUE(joined(s.front(), s)) << s.front().x << ", " << s.front().y;
        EXPECT_TRUE(joined(s.back(), s)) << s.back().x << ", " << s.back().y;
    }
    const std::vector<SchematicPart> driven =
        schematicParts(schematicCircuitOf(solutions::CircuitKind::DrivenRlc, false));
    EXPECT_EQ(names(driven), (std::vector<std::string>{"wire", "acsource", "resistor", "capacitor",
                                                       "inductor", "E", "R", "C", "L"}));
    // The main menu's picture is the constant-source RLC circuit.
    EXPECT_EQ(names(schematicParts(SchematicCircuit{})), names(schematicParts()));
}

} // namespace
} // namespace kel::testing
