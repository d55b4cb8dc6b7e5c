// SPDX-License-Identifier: GPL-3.0-or-later
// Experiments through the real windows: the Experiment menu's round trip, refused files and
// saves, and the headless export against the window's own Save Graph.
#include "display/experimentfile.h"
#include "display/experimentmenu.h"
#include "display/picturearea.h"
#include "display/qstringtext.h"
#include "lab/core/circuitlaunchers.h"
#include "lab/core/labexperiment.h"
#include "lab/labwindow.h"
#include "measurement/measurementexperiment.h"
#include "measurement/measurementwindow.h"
#include "phasor/core/phasorexperimentfile.h"
#include "phasor/phasorswindow.h"
#include "shell/commandline.h"
#include "shell/experimentparts.h"
#include "shell/experimentwindows.h"
#include "shell/headlessexport.h"
#include "support/scripteddialogs.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace kel::testing
{
namespace
{

QString examplePath(const char *name)
{
    return QStringLiteral(KEL_SOURCE_DIR "/examples/") + QString::fromLatin1(name);
}

class ExperimentTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    QSettings settings{dir.filePath("settings.ini"), QSettings::IniFormat};

    QString path(const char *name) const { return dir.filePath(QString::fromLatin1(name)); }
    static QImage picture(const display::ExperimentTarget &target)
    {
        return target.pictures().image(target.pictureScale());
    }
};

TEST_F(ExperimentTest, EveryExampleRoundTripsThroughSaveAndOpenInAFreshWindow)
{
    for (const char *name :
         {"underdamped-rlc.kel", "overdamped-rlc.kel", "critically-damped-rlc.kel",
          "rc-charging.kel", "lc-beats.kel", "driven-rlc-resonance.kel"}) {
        SCOPED_TRACE(name);
        const auto reading =
            display::ExperimentFile::readFile(examplePath(name), shell::experimentParts());
        ASSERT_TRUE(reading.ok()) << reading.error.toStdString();
        const auto kind = reading.experiment->window;
        auto first = shell::makeExperimentWindow(kind, dialogs);
        auto *window = dynamic_cast<QMainWindow *>(first.get());
        display::ExperimentMenu menu(window, kind, shell::experimentParts(), *first, dialogs,
                                     &settings);
        ASSERT_TRUE(menu.openFile(examplePath(name)));
        EXPECT_TRUE(dialogs.messages().empty());
        dialogs.queueSavePath(path("copy"));
        menu.saveExperimentAs();
        ASSERT_TRUE(QFile::exists(path("copy.kel")));

        auto second = shell::makeExperimentWindow(kind, dialogs);
        display::ExperimentMenu again(dynamic_cast<QMainWindow *>(second.get()), kind,
                                      shell::experimentParts(), *second, dialogs, &settings);
        ASSERT_TRUE(again.openFile(path("copy.kel")));
        EXPECT_EQ(second->experiment(), first->experiment());
        EXPECT_EQ(picture(*second), picture(*first));
        EXPECT_EQ(second->csv(), first->csv());
        EXPECT_EQ(again.currentPath(), path("copy.kel"));
        EXPECT_TRUE(dialogs.messages().empty());
    }
}

TEST_F(ExperimentTest, ABadFileGetsOneMessageAndChangesNothing)
{
    lab::LabWindow window(dialogs);
    display::ExperimentMenu menu(&window, QLatin1String(lab::LabExperiment::kWindow),
                                 shell::experimentParts(), window, dialogs, &settings);
    ASSERT_TRUE(menu.openFile(examplePath("underdamped-rlc.kel")));
    const display::Experiment before = window.experiment();
    const QImage pixels = picture(window);

    const QByteArray good = display::ExperimentFile::write(before);
    QByteArray newer = good;
    newer.replace("\"version\": 1", "\"version\": 99");
    QByteArray notANumber = good;
    notANumber.replace("\"R\": \"", "\"R\": \"x");
    const std::pair<const char *, QByteArray> files[] = {
        {"text.kel", "this is not JSON"},
        {"other.kel", QByteArray(good).replace("kel-experiment", "other-format")},
        {"newer.kel", newer},
        {"number.kel", notANumber},
        {"huge.kel", QByteArray(display::ExperimentFile::kMaxBytes + 1, ' ')},
    };
    for (const auto &[name, bytes] : files) {
        SCOPED_TRACE(name);
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        const std::size_t shown = dialogs.messages().size();
        EXPECT_FALSE(menu.openFile(path(name)));
        ASSERT_EQ(dialogs.messages().size(), shown + 1);
        EXPECT_TRUE(dialogs.messages().back().text.contains(QDir::toNativeSeparators(path(name))));
        EXPECT_EQ(window.experiment(), before);
        EXPECT_EQ(picture(window), pixels);
    }
}

QByteArray contents(const QString &file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool sameBits(const std::vector<double> &a, const std::vector<double> &b)
{
    return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(double)) == 0;
}

TEST_F(ExperimentTest, TheLabWithAFittedMeasurementReopensAsItWasSaved)
{
    lab::LabWindow first(dialogs);
    display::ExperimentMenu menu(&first, QLatin1String(lab::LabExperiment::kWindow),
                                 shell::experimentParts(), first, dialogs, &settings);
    first.applyConfiguration(*lab::launcherConfiguration(9)); // RLC, constant source
    for (const auto &[name, text] : {std::pair{"R", "30"},
                                     {"L", "0.02"},
                                     {"C", "1E-06"},
                                     {"v0", "4"},
                                     {"q0", "0"},
                                     {"i0", "0"}}) {
        auto *box = first.findChild<QLineEdit *>(name);
        box->selectAll();
        QTest::keyClicks(box, text);
    }
    dialogs.queueOpenPath(examplePath("synthetic-rlc-underdamped.csv"));
    first.findChild<QAction *>("OpenMeasurement")->trigger();
    measurement::MeasurementWindow *measured = first.measurementWindow();
    ASSERT_NE(measured, nullptr);
    QSignalSpy read(&measured->jobs(), &measurement::MeasurementJobs::busyChanged);
    ASSERT_TRUE(read.wait(5000));
    QSignalSpy fitted(&measured->jobs(), &measurement::MeasurementJobs::fitted);
    QTest::mouseClick(measured->findChild<QPushButton *>("Fit"), Qt::LeftButton);
    ASSERT_TRUE(fitted.wait(20000));
    ASSERT_TRUE(measured->session().fit().has_value());
    first.setTask(QStringLiteral("Fit R, L and v0 to the recording."));
    dialogs.queueSavePath(path("fitted"));
    menu.saveExperimentAs();
    const QByteArray saved = contents(path("fitted.kel"));
    ASSERT_FALSE(saved.isEmpty());

    lab::LabWindow second(dialogs);
    display::ExperimentMenu again(&second, QLatin1String(lab::LabExperiment::kWindow),
                                  shell::experimentParts(), second, dialogs, &settings);
    ASSERT_TRUE(again.openFile(path("fitted.kel")));
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_EQ(second.task(), first.task());
    measurement::MeasurementWindow *reopened = second.measurementWindow();
    ASSERT_NE(reopened, nullptr);
    EXPECT_FALSE(reopened->jobs().busy()); // shown as saved, not fitted again
    const auto &a = measured->session();
    const auto &b = reopened->session();
    ASSERT_TRUE(b.recording().has_value());
    EXPECT_TRUE(sameBits(b.recording()->time, a.recording()->time));
    EXPECT_TRUE(sameBits(b.recording()->channels.at(0), a.recording()->channels.at(0)));
    EXPECT_EQ(b.fileName(), a.fileName());
    EXPECT_EQ(std::pair(b.from(), b.to()), std::pair(a.from(), a.to()));
    EXPECT_EQ(b.windowTime().size(), a.windowTime().size());
    for (const char *shown : {"RecordingFile", "Circuit", "FitResult"})
        EXPECT_EQ(reopened->findChild<QLabel *>(shown)->text(),
                  measured->findChild<QLabel *>(shown)->text())
            << shown;
    for (const char *box : {"FreeR", "FreeL", "FreeC", "Freev0", "Freeq0", "Freei0"})
        EXPECT_EQ(reopened->findChild<QCheckBox *>(box)->isChecked(),
                  measured->findChild<QCheckBox *>(box)->isChecked())
            << box;
    EXPECT_EQ(reopened->findChild<QWidget *>("RecordingGraph")->accessibleDescription(),
              measured->findChild<QWidget *>("RecordingGraph")->accessibleDescription());
    EXPECT_EQ(b.fittedValues(), a.fittedValues());

    dialogs.queueSavePath(path("again"));
    again.saveExperimentAs();
    EXPECT_EQ(contents(path("again.kel")), saved);
}

TEST_F(ExperimentTest, ALargeMeasurementIsReadOnAWorkerAndOpensExactly)
{
    lab::LabWindow window(dialogs);
    display::ExperimentMenu menu(&window, QLatin1String(lab::LabExperiment::kWindow),
                                 shell::experimentParts(), window, dialogs, &settings);
    ASSERT_TRUE(menu.openFile(examplePath("underdamped-rlc.kel"))); // RLC without a source
    measurement::MeasurementExperiment m;
    constexpr int kSamples = 200'000; // 4 MB of base64, beyond what is read at once
    for (int k = 0; k < kSamples; ++k) {
        m.recording.time.push_back(k * 1e-7);
        m.recording.channels.resize(1);
        m.recording.channels[0].push_back(std::sin(k * 1e-3) / 3);
    }
    m.recording.channelNames = {"CH1"};
    m.recording.channelUnits = {"V"};
    m.circuit = measurement::FitCircuit::RLC;
    m.to = m.recording.time.back();
    display::Experiment large = window.experiment();
    large.measurement = m.toJson();
    QFile file(path("large.kel"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(display::ExperimentFile::write(large));
    file.close();
    ASSERT_GT(file.size(), 4'000'000);

    ASSERT_TRUE(menu.openFile(path("large.kel")));
    EXPECT_TRUE(dialogs.messages().empty());
    ASSERT_NE(window.measurementWindow(), nullptr);
    const auto &recording = window.measurementWindow()->session().recording();
    ASSERT_TRUE(recording.has_value());
    EXPECT_TRUE(sameBits(recording->time, m.recording.time));
    EXPECT_TRUE(sameBits(recording->channels.at(0), m.recording.channels[0]));
    EXPECT_EQ(window.experiment(), large);
}

TEST_F(ExperimentTest, AMeasurementTooLongToKeepIsNotSaved)
{
    lab::LabWindow window(dialogs);
    display::ExperimentMenu menu(&window, QLatin1String(lab::LabExperiment::kWindow),
                                 shell::experimentParts(), window, dialogs, &settings);
    window.applyConfiguration(*lab::launcherConfiguration(9));
    window.findChild<QAction *>("OpenMeasurement")->trigger(); // no recording chosen
    ASSERT_NE(window.measurementWindow(), nullptr);
    // Four columns of a million samples and one more row: one row beyond what is kept.
    constexpr std::size_t kRows = measurement::MeasurementExperiment::kMaxValues / 5 + 1;
    measurement::Recording big;
    big.time.resize(kRows);
    for (std::size_t k = 0; k < kRows; ++k)
        big.time[k] = double(k) * 1e-6;
    big.channels.assign(4, std::vector<double>(kRows, 1.0));
    big.channelNames = {"CH1", "CH2", "CH3", "CH4"};
    big.channelUnits = {"V", "V", "V", "V"};
    window.measurementWindow()->session().setRecording(std::move(big), "scope.csv");
    dialogs.clear();

    dialogs.queueSavePath(path("big"));
    menu.saveExperimentAs();
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_TRUE(dialogs.messages().back().text.contains("5000005 values"))
        << dialogs.messages().back().text.toStdString();
    EXPECT_FALSE(QFile::exists(path("big.kel")));
    EXPECT_TRUE(menu.currentPath().isEmpty());
}

TEST_F(ExperimentTest, ABadMeasurementGetsOneMessageAndOpensNothing)
{
    lab::LabWindow window(dialogs);
    display::ExperimentMenu menu(&window, QLatin1String(lab::LabExperiment::kWindow),
                                 shell::experimentParts(), window, dialogs, &settings);
    ASSERT_TRUE(menu.openFile(examplePath("underdamped-rlc.kel"))); // RLC without a source
    const display::Experiment before = window.experiment();
    const QImage pixels = picture(window);

    measurement::MeasurementExperiment m;
    m.recording.time = {0, 1e-3, 1e-3, 3e-3}; // the third sample is not later
    m.recording.channels = {{1, 2, 3, 4}};
    m.recording.channelNames = {"CH1"};
    m.recording.channelUnits = {"V"};
    m.circuit = measurement::FitCircuit::RLC;
    m.to = 3e-3;
    display::Experiment bad = before;
    bad.measurement = m.toJson();
    QFile file(path("bad.kel"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(display::ExperimentFile::write(bad));
    file.close();

    EXPECT_FALSE(menu.openFile(path("bad.kel")));
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_TRUE(dialogs.messages().back().text.contains("\"measurement.time\""))
        << dialogs.messages().back().text.toStdString();
    EXPECT_EQ(window.measurementWindow(), nullptr);
    EXPECT_EQ(window.experiment(), before);
    EXPECT_EQ(picture(window), pixels);
}

TEST_F(ExperimentTest, AFailedSaveNamesTheCauseAndKeepsTheOldFile)
{
    phasor::PhasorsWindow window(dialogs);
    display::ExperimentMenu menu(&window, QLatin1String(phasor::PhasorExperiment::kWindow),
                                 shell::experimentParts(), window, dialogs, &settings);
    dialogs.queueSavePath(path("missing/folder/a.kel"));
    menu.saveExperimentAs();
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_TRUE(menu.currentPath().isEmpty());

    // A directory where the file should be: the write fails, the directory stays.
    ASSERT_TRUE(QDir(dir.path()).mkpath("taken.kel/keep"));
    dialogs.queueSavePath(path("taken.kel"));
    menu.saveExperimentAs();
    EXPECT_EQ(dialogs.messages().size(), 2u);
    EXPECT_TRUE(QDir(path("taken.kel/keep")).exists());
}

TEST_F(ExperimentTest, HeadlessExportWritesThePixelsOfSaveGraph)
{
    for (const char *name : {"lc-beats.kel", "driven-rlc-resonance.kel"}) {
        SCOPED_TRACE(name);
        shell::CommandLineRequest request;
        request.action = shell::CommandLineRequest::Action::Export;
        request.experimentPath = examplePath(name);
        request.pngPath = path("out.png");
        QString errorText;
        QTextStream errors(&errorText);
        EXPECT_EQ(shell::exportExperiment(request, shell::makeExperimentWindow, errors), 0)
            << errorText.toStdString();

        const auto reading =
            display::ExperimentFile::readFile(examplePath(name), shell::experimentParts());
        auto window = shell::makeExperimentWindow(reading.experiment->window, dialogs);
        window->applyExperiment(*reading.experiment);
        const QImage saved(path("out.png"));
        EXPECT_EQ(saved.convertToFormat(QImage::Format_ARGB32),
                  picture(*window).convertToFormat(QImage::Format_ARGB32));
    }
}

// The lab refuses what double precision cannot draw, and draws the resonance it can.
class LabRangeTest : public ExperimentTest
{
protected:
    lab::LabWindow window{dialogs};
    void launch(int command) { window.applyConfiguration(*lab::launcherConfiguration(command)); }
    void type(const char *name, const QString &text)
    {
        window.findChild<QLineEdit *>(name)->setText(text);
    }
};

TEST_F(LabRangeTest, DrivenLcAtResonanceWithTextsThatDifferPlotsAFiniteCurve)
{
    const auto *driven = [] {
        for (const auto &l : lab::circuitLaunchers())
            if (l.configuration.circuitKind == lab::CircuitKind::DrivenLc)
                return &l;
        return static_cast<const lab::CircuitLauncher *>(nullptr);
    }();
    ASSERT_NE(driven, nullptr);
    launch(driven->commandNumber);
    type("L", "1");
    type("C", "1");
    type("w0", "1.0");
    window.findChild<QCheckBox *>("Charge")->setChecked(true);
    window.plotGraphs();
    EXPECT_TRUE(dialogs.messages().empty());
    const auto &samples = window.lastPlot().charge.samples;
    ASSERT_FALSE(samples.empty());
    // At resonance q = v0/(2ω²)·(sin ωt − ωt cos ωt) from rest, q0 on top as q0 cos ωt.
    const auto q0 = display::numberOf(window.session().text(lab::Field::q0)).value_or(0.0);
    const auto v0 = display::numberOf(window.session().text(lab::Field::v0)).value_or(0.0);
    for (const auto &s : samples) {
        const double expected = q0 * std::cos(s.t) + v0 / 2 * (std::sin(s.t) - s.t * std::cos(s.t));
        EXPECT_NEAR(s.value, expected, 1e-9 * (std::abs(q0) + std::abs(v0) * (1 + s.t))) << s.t;
    }
}

TEST_F(LabRangeTest, AnAbsurdMagnitudeGetsAMessageNamingItAndNothingIsDrawn)
{
    launch(5); // RLC without a source
    type("R", "1e300");
    window.findChild<QCheckBox *>("Charge")->setChecked(true);
    window.findChild<QCheckBox *>("Current")->setChecked(true);
    const auto drawn = window.graphArea()->operations().size();
    window.plotGraphs();
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_TRUE(dialogs.messages().front().text.startsWith("R "));
    EXPECT_EQ(window.graphArea()->operations().size(), drawn);
    EXPECT_TRUE(window.session().history().empty());
    EXPECT_EQ(window.findChild<QLineEdit *>("R")->text(), "1e300");
}

} // namespace
} // namespace kel::testing
