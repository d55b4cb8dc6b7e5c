// SPDX-License-Identifier: GPL-3.0-or-later
// Experiment files: what they hold reads back unchanged, every kind of bad file is refused
// with one sentence naming its problem, and the examples are sound.
#include "typedexperiment.h"

#include "measurement/measurementexperiment.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <cstring>
#include <functional>
#include <limits>

using kel::lab::CircuitKind;
using kel::lab::FrameKind;
using kel::measurement::FitParameter;
using kel::measurement::MeasurementExperiment;
using kel::phasor::PhasorDrawing;
using kel::testing::Experiment;
using kel::testing::ExperimentFile;
using kel::testing::ExperimentWindow;

namespace
{

kel::display::BoxTexts labTexts(const QString &r)
{
    return {{"R", r},     {"L", "10"},   {"C", "0.1"},
            {"v0", "5"},  {"f0", "100"}, {"w0", "628.318548202515"},
            {"q0", "10"}, {"i0", "0"}};
}

Experiment labExperiment()
{
    Experiment e;
    e.window = ExperimentWindow::Lab;
    e.lab.launcher = 13;
    e.lab.circuitKind = CircuitKind::DrivenRlc;
    e.lab.frame = FrameKind::CurrentScale;
    e.lab.texts = labTexts("2.5e-3");
    e.lab.texts["w0"] = " "; // a box that was never written starts as a blank
    e.lab.readouts = {{"Time", "12.5"}, {"qq", "-0.25"}, {"ii", "1E-05"}};
    e.lab.scale = {"0", "20", "1", "-1"};
    e.lab.defaultScale = {"0", "20", "1", "-1"};
    e.lab.curves = {"Voltage", "Charge"};
    e.lab.plots = {{labTexts("1"), {"Charge"}}, {labTexts("1.0"), {"Current", "Voltage"}}};
    return e;
}

Experiment phasorExperiment()
{
    Experiment e;
    e.window = ExperimentWindow::Phasor;
    e.phasor.texts = {{"R", "1000"},  {"C", "0.00005"}, {"L", "10.0"}, {"v0", "500"},
                      {"f0", "10.0"}, {"NumPer", "5"},  {"t2", "0.26"}};
    e.phasor.timeBar = 104;
    e.phasor.checked = {"Checkvr", "CheckVM"};
    e.phasor.drawing = PhasorDrawing::Cleared;
    e.phasor.projections = true;
    return e;
}

// An RLC recording with a constant source, two columns, samples that only an exact store
// keeps (a subnormal, -0, the largest double, 0.1 + 0.2), and a fit with every kind of entry.
MeasurementExperiment measurementExperiment()
{
    MeasurementExperiment m;
    auto &r = m.recording;
    for (int k = 0; k < 1000; ++k) {
        r.time.push_back(-1e-4 + k * 4e-6);
        r.channels.resize(2);
        r.channels[0].push_back(std::sin(k * 0.01) * 0.1 + 0.2);
        r.channels[1].push_back(std::cos(k * 0.37) * 1e-3);
    }
    r.channels[0][3] = std::numeric_limits<double>::denorm_min();
    r.channels[0][4] = -0.0;
    r.channels[1][5] = std::numeric_limits<double>::max();
    r.channels[1][6] = 0.1 + 0.2;
    r.channelNames = {"CH1", QString::fromUtf8("U_C, µs probe").toStdString()};
    r.channelUnits = {"V", ""};
    m.fileName = QString::fromUtf8("Messung 1 (Gruppe ä).csv");
    m.circuit = kel::measurement::FitCircuit::RLC;
    m.source = kel::measurement::FitSource::Constant;
    m.channel = 1;
    m.quantity = kel::measurement::Quantity::ResistorVoltage;
    m.from = 0.1 + 0.2 - 0.3; // 5.55e-17, not a text of 15 digits
    m.to = r.time[900];
    m.free[std::size_t(FitParameter::R)] = m.free[std::size_t(FitParameter::v0)] = true;
    kel::measurement::FitResult fit;
    using P = FitParameter;
    for (P p : {P::R, P::L, P::C, P::v0, P::q0, P::i0})
        fit.parameters.push_back(
            {p, 1.0 / 3 + double(p), 1e-17 / 7, p != P::R && p != P::v0, p != P::q0});
    fit.parameters[4].value = std::numeric_limits<double>::quiet_NaN(); // not determined
    fit.rmsResidual = 0.019876543210987654;
    fit.points = 876;
    fit.converged = true;
    fit.iterations = 17;
    fit.correlations = {{P::R, P::v0, -0.9712345678901234}};
    fit.notDetermined = {P::q0};
    fit.suggestHold = {P::q0};
    m.fit = fit;
    return m;
}

// The lab on launcher 9, the RLC circuit with a constant source, with the measurement.
Experiment labWithMeasurement()
{
    Experiment e;
    e.lab.launcher = 9;
    e.lab.circuitKind = CircuitKind::Rlc;
    e.lab.frame = FrameKind::CurrentScale;
    e.lab.texts = labTexts("20");
    e.lab.readouts = {{"Time", "0"}, {"qq", "0"}, {"ii", "0"}};
    e.lab.scale = e.lab.defaultScale = {"0", "100", "10", "-10"};
    e.lab.curves = {"Charge"};
    e.task = QStringLiteral("Fit R and v0; explain the correlation.");
    e.measurement = measurementExperiment().toJson();
    return e;
}

bool sameBits(const std::vector<double> &a, const std::vector<double> &b)
{
    return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(double)) == 0;
}

bool sameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

QJsonObject jsonOf(const Experiment &e)
{
    return QJsonDocument::fromJson(ExperimentFile::write(e)).object();
}

QByteArray bytesOf(const QJsonObject &root)
{
    return QJsonDocument(root).toJson();
}

// Changes one entry of a written lab file, reached by a path of keys.
QByteArray editedLab(const std::function<void(QJsonObject &lab)> &edit)
{
    QJsonObject root = jsonOf(labExperiment());
    QJsonObject lab = root["lab"].toObject();
    edit(lab);
    root["lab"] = lab;
    return bytesOf(root);
}

QString errorOf(const QByteArray &bytes)
{
    const ExperimentFile::Reading reading = ExperimentFile::read(bytes);
    EXPECT_FALSE(reading.ok());
    EXPECT_FALSE(reading.error.isEmpty());
    return reading.error;
}

} // namespace

TEST(ExperimentFile, LabAndPhasorExperimentsReadBackUnchanged)
{
    for (const Experiment &e : {labExperiment(), phasorExperiment()}) {
        const QByteArray bytes = ExperimentFile::write(e);
        const ExperimentFile::Reading reading = ExperimentFile::read(bytes);
        ASSERT_TRUE(reading.ok()) << reading.error.toStdString();
        EXPECT_TRUE(*reading.experiment == e);
        EXPECT_TRUE(ExperimentFile::problemIn(e).isEmpty());
        // Written again, the same bytes: saving an opened file changes nothing.
        EXPECT_EQ(ExperimentFile::write(*reading.experiment), bytes);
    }
}

TEST(ExperimentFile, FileNamesItsFormatVersionAndWindow)
{
    const QJsonObject root = jsonOf(phasorExperiment());
    EXPECT_EQ(root["format"].toString(), "kel-experiment");
    EXPECT_EQ(root["version"].toInt(), 1);
    EXPECT_EQ(root["window"].toString(), "phasor");
    EXPECT_FALSE(root.contains("lab"));
    EXPECT_EQ(root["phasor"]["drawing"].toString(), "cleared");
    EXPECT_EQ(root["phasor"]["texts"]["t2"].toString(), "0.26");
}

TEST(ExperimentFile, RefusesWhatIsNotAnExperimentBeforeLookingInside)
{
    EXPECT_TRUE(errorOf("{\"format\": \"kel-experiment\", ").contains("not JSON"));
    EXPECT_TRUE(errorOf("").contains("not JSON"));
    EXPECT_TRUE(errorOf("[1, 2]").contains("no JSON object"));
    EXPECT_TRUE(errorOf("{\"format\": \"spreadsheet\", \"version\": 1}")
                    .contains("not a Kel Circuit Lab experiment"));
    EXPECT_TRUE(errorOf("{\"version\": 1}").contains("not a Kel Circuit Lab experiment"));

    // Too large is decided on the size alone, even for a well-formed file.
    QByteArray huge = ExperimentFile::write(labExperiment());
    huge.append(QByteArray(ExperimentFile::kMaxBytes, ' '));
    EXPECT_EQ(errorOf(huge), "The file is larger than 55 MB, too large for an experiment.");
}

TEST(ExperimentFile, NewerFormatIsRefusedAndTheFirstVersionOpens)
{
    QJsonObject root = jsonOf(labExperiment());
    root["version"] = ExperimentFile::kFormatVersion + 1;
    EXPECT_EQ(errorOf(bytesOf(root)),
              "The experiment was saved by a newer version of Kel Circuit Lab (file format 3; "
              "this version reads up to 2).");
    root["version"] = 1;
    EXPECT_TRUE(ExperimentFile::read(bytesOf(root)).ok());
    root["version"] = 0;
    EXPECT_TRUE(errorOf(bytesOf(root)).contains("\"version\""));
    root["version"] = 1.5;
    EXPECT_EQ(errorOf(bytesOf(root)), "The entry \"version\" is not a whole number.");
}

TEST(ExperimentFile, TaskMakesVersionTwoAndVersionOneKnowsNoTask)
{
    Experiment e = phasorExperiment();
    e.task = QString::fromUtf8("Measure τ = RC.\n\tThen \"halve\" R — what changes?");
    const QByteArray bytes = ExperimentFile::write(e);
    EXPECT_EQ(QJsonDocument::fromJson(bytes)["version"].toInt(), 2);
    const ExperimentFile::Reading reading = ExperimentFile::read(bytes);
    ASSERT_TRUE(reading.ok()) << reading.error.toStdString();
    EXPECT_TRUE(*reading.experiment == e);
    EXPECT_EQ(ExperimentFile::write(*reading.experiment), bytes);

    // Without a task, the file every earlier release reads.
    e.task.clear();
    EXPECT_EQ(QJsonDocument::fromJson(ExperimentFile::write(e))["version"].toInt(), 1);

    QJsonObject root = QJsonDocument::fromJson(bytes).object();
    root["version"] = 1;
    EXPECT_EQ(errorOf(bytesOf(root)),
              "The experiment has an entry \"task\" that this version does not know.");
    root["version"] = 2;
    root["task"] = 12;
    EXPECT_EQ(errorOf(bytesOf(root)), "The entry \"task\" is not a text in quotes.");
    root["task"] = QString(ExperimentFile::kMaxTaskLength, QLatin1Char('x'));
    EXPECT_TRUE(ExperimentFile::read(bytesOf(root)).ok());
    root["task"] = QString(ExperimentFile::kMaxTaskLength + 1, QLatin1Char('x'));
    EXPECT_EQ(errorOf(bytesOf(root)),
              "The task of the experiment has 20001 characters; at most 20000 are read.");
}

TEST(ExperimentFile, MeasurementReadsBackBitForBitAndSavesToTheSameBytes)
{
    const Experiment e = labWithMeasurement();
    const QByteArray bytes = ExperimentFile::write(e);
    EXPECT_EQ(QJsonDocument::fromJson(bytes)["version"].toInt(), 2);
    const ExperimentFile::Reading reading = ExperimentFile::read(bytes);
    ASSERT_TRUE(reading.ok()) << reading.error.toStdString();
    EXPECT_EQ(ExperimentFile::write(*reading.experiment), bytes);

    const auto back = MeasurementExperiment::fromJson(reading.experiment->measurement);
    ASSERT_TRUE(back.has_value());
    const MeasurementExperiment m = measurementExperiment();
    EXPECT_TRUE(sameBits(back->recording.time, m.recording.time));
    ASSERT_EQ(back->recording.channels.size(), 2u);
    for (std::size_t k = 0; k < 2; ++k)
        EXPECT_TRUE(sameBits(back->recording.channels[k], m.recording.channels[k])) << k;
    EXPECT_EQ(back->recording.channelNames, m.recording.channelNames);
    EXPECT_EQ(back->recording.channelUnits, m.recording.channelUnits);
    EXPECT_EQ(back->fileName, m.fileName);
    EXPECT_EQ(back->channel, 1u);
    EXPECT_EQ(back->quantity, m.quantity);
    EXPECT_TRUE(sameBits(back->from, m.from) && sameBits(back->to, m.to));
    EXPECT_EQ(back->free, m.free);
    ASSERT_TRUE(back->fit.has_value());
    const auto &fit = *back->fit;
    ASSERT_EQ(fit.parameters.size(), m.fit->parameters.size());
    for (std::size_t k = 0; k < fit.parameters.size(); ++k) {
        const auto &p = fit.parameters[k];
        const auto &q = m.fit->parameters[k];
        EXPECT_TRUE(p.parameter == q.parameter && sameBits(p.value, q.value) &&
                    sameBits(p.uncertainty, q.uncertainty) && p.fixed == q.fixed &&
                    p.determined == q.determined)
            << k;
    }
    EXPECT_TRUE(sameBits(fit.rmsResidual, m.fit->rmsResidual));
    EXPECT_EQ(fit.points, 876u);
    EXPECT_EQ(fit.iterations, 17);
    ASSERT_EQ(fit.correlations.size(), 1u);
    EXPECT_TRUE(sameBits(fit.correlations[0].coefficient, m.fit->correlations[0].coefficient));
    EXPECT_EQ(fit.notDetermined, m.fit->notDetermined);
}

TEST(ExperimentFile, ABadMeasurementIsNamedWhereItIs)
{
    const auto withMeasurement = [](const std::function<void(QJsonObject &)> &edit) {
        QJsonObject root = jsonOf(labWithMeasurement());
        QJsonObject m = root["measurement"].toObject();
        edit(m);
        root["measurement"] = m;
        return bytesOf(root);
    };
    const auto withColumn = [&](const std::function<void(QJsonObject &)> &edit) {
        return withMeasurement([&](QJsonObject &m) {
            QJsonArray columns = m["columns"].toArray();
            QJsonObject column = columns[1].toObject();
            edit(column);
            columns[1] = column;
            m["columns"] = columns;
        });
    };
    // One character of the samples changed into one base64 does not have.
    EXPECT_EQ(errorOf(withColumn([](QJsonObject &c) {
                  c["values"] = c["values"].toString().replace(10, 1, QLatin1Char('*'));
              })),
              "The entry \"measurement.columns[1].values\" is not the base64 text of 1000 "
              "samples.");
    EXPECT_EQ(errorOf(withColumn(
                  [](QJsonObject &c) { c["values"] = c["values"].toString().chopped(4); })),
              "The entry \"measurement.columns[1].values\" is not the base64 text of 1000 "
              "samples.");
    // A NaN sample, and a time that goes back.
    MeasurementExperiment m = measurementExperiment();
    m.recording.channels[0][7] = std::numeric_limits<double>::quiet_NaN();
    Experiment e = labWithMeasurement();
    e.measurement = m.toJson();
    EXPECT_EQ(ExperimentFile::problemIn(e),
              "Sample 8 of \"measurement.columns[0].values\" is not a finite number.");
    m = measurementExperiment();
    m.recording.time[500] = m.recording.time[499];
    e.measurement = m.toJson();
    EXPECT_EQ(ExperimentFile::problemIn(e),
              "Sample 501 of \"measurement.time\" is not later than the one before.");
    // The counts are checked before any sample is decoded.
    EXPECT_EQ(errorOf(withMeasurement([](QJsonObject &m) { m["samples"] = 2'000'000; })),
              "The measurement holds 6000000 values, the times included; an experiment keeps "
              "at most 5000000.");
    EXPECT_EQ(errorOf(withMeasurement([](QJsonObject &m) { m["column"] = 2; })),
              "The entry \"measurement.column\" is 2; it must be from 0 to 1.");
    EXPECT_EQ(errorOf(withMeasurement([](QJsonObject &m) { m["to"] = "1"; })),
              "The fit window from \"measurement.from\" to \"measurement.to\" is not a span of "
              "the recording's times.");
    EXPECT_EQ(errorOf(withMeasurement([](QJsonObject &m) {
                  m["free"] = QJsonArray{"R", "f0"};
              })),
              "The list \"measurement.free\" names \"f0\", which circuit \"rlc-dc\" does not "
              "have.");
    EXPECT_EQ(errorOf(withMeasurement([](QJsonObject &m) {
                  QJsonObject fit = m["fit"].toObject();
                  QJsonArray parameters = fit["parameters"].toArray();
                  parameters.removeLast();
                  fit["parameters"] = parameters;
                  m["fit"] = fit;
              })),
              "The list \"measurement.fit.parameters\" has 5 parameters; circuit \"rlc-dc\" "
              "has 6.");
    // The measurement belongs to the lab's circuit.
    EXPECT_EQ(errorOf(withMeasurement([](QJsonObject &m) {
                  m["circuit"] = "rc";
                  m["free"] = QJsonArray{"R"};
                  m["fit"] = QJsonValue::Null;
              })),
              "The measurement is of circuit \"rc\", but the lab's launcher 9 sets circuit "
              "\"rlc-dc\".");

    // Version 1 and the phasor window know no measurement.
    QJsonObject root = jsonOf(labWithMeasurement());
    root.remove("task");
    root["version"] = 1;
    EXPECT_EQ(errorOf(bytesOf(root)),
              "The experiment has an entry \"measurement\" that this version does not know.");
    root = jsonOf(phasorExperiment());
    root["version"] = 2;
    root["measurement"] = labWithMeasurement().measurement;
    EXPECT_EQ(errorOf(bytesOf(root)),
              "The experiment has an entry \"measurement\" that this version does not know.");
}

TEST(ExperimentFile, MissingAndUnknownEntriesAreNamed)
{
    QJsonObject root = jsonOf(labExperiment());
    root["comment"] = "by hand";
    EXPECT_EQ(errorOf(bytesOf(root)),
              "The experiment has an entry \"comment\" that this version does not know.");

    root = jsonOf(labExperiment());
    root["phasor"] = jsonOf(phasorExperiment())["phasor"];
    EXPECT_TRUE(errorOf(bytesOf(root)).contains("\"phasor\""));

    root = jsonOf(labExperiment());
    root.remove("window");
    EXPECT_EQ(errorOf(bytesOf(root)), "The experiment has no entry \"window\".");

    EXPECT_EQ(errorOf(editedLab([](QJsonObject &lab) {
                  QJsonObject texts = lab["texts"].toObject();
                  texts.remove("q0");
                  lab["texts"] = texts;
              })),
              "The experiment has no entry \"lab.texts.q0\".");
    EXPECT_EQ(errorOf(editedLab([](QJsonObject &lab) {
                  QJsonArray plots = lab["plots"].toArray();
                  QJsonObject plot = plots[1].toObject();
                  plot["colour"] = "red";
                  plots[1] = plot;
                  lab["plots"] = plots;
              })),
              "The experiment has an entry \"lab.plots[1].colour\" that this version does not "
              "know.");
}

TEST(ExperimentFile, TextsThatAreNotNumbersAreRefused)
{
    const auto withText = [](const char *group, const char *box, const QJsonValue &text) {
        return editedLab([&](QJsonObject &lab) {
            QJsonObject texts = lab[group].toObject();
            texts[box] = text;
            lab[group] = texts;
        });
    };
    EXPECT_EQ(errorOf(withText("texts", "R", "ten")),
              "The text \"ten\" of \"lab.texts.R\" is not a number.");
    // A decimal comma is not a number here, whatever the locale.
    EXPECT_EQ(errorOf(withText("texts", "C", "1,5")),
              "The text \"1,5\" of \"lab.texts.C\" is not a number.");
    EXPECT_EQ(errorOf(withText("readouts", "qq", "1e999")),
              "The text \"1e999\" of \"lab.readouts.qq\" is not a number.");
    EXPECT_EQ(errorOf(withText("texts", "L", 10)),
              "The entry \"lab.texts.L\" is not a text in quotes.");
    // A scale is always a number, and x1 = x2 draws nothing.
    EXPECT_TRUE(errorOf(withText("scale", "y2", "")).contains("lab.scale.y2"));
    EXPECT_EQ(errorOf(withText("defaultScale", "x2", "0.0")),
              "The scale \"lab.defaultScale\" has x1 equal to x2.");

    Experiment e = phasorExperiment();
    e.phasor.texts["NumPer"] = "five";
    EXPECT_EQ(ExperimentFile::problemIn(e),
              "The text \"five\" of \"phasor.texts.NumPer\" is not a number.");
}

TEST(ExperimentFile, LauncherCircuitFrameAndNamesMustFitTheProgram)
{
    const auto withValue = [](const char *key, const QJsonValue &value) {
        return editedLab([&](QJsonObject &lab) { lab[key] = value; });
    };
    EXPECT_EQ(errorOf(withValue("launcher", 2)),
              "The entry \"lab.launcher\" is 2, which names no circuit button.");
    EXPECT_EQ(errorOf(withValue("launcher", 14)),
              "The entry \"lab.launcher\" is 14; it must be from 1 to 13.");
    EXPECT_EQ(errorOf(withValue("circuit", 5)),
              "The entry \"lab.circuit\" is 5, but launcher 13 sets circuit 8.");
    EXPECT_TRUE(errorOf(withValue("frame", "round")).contains("not one of \"fixed\", \"scale\""));
    EXPECT_TRUE(errorOf(withValue("curves", QJsonArray{"Charge", "RVolts"}))
                    .contains("\"RVolts\", which is not one of"));
    EXPECT_EQ(errorOf(withValue("curves", QJsonArray{"Charge", "Charge"})),
              "The list \"lab.curves\" holds \"Charge\" twice.");
    EXPECT_EQ(errorOf(withValue("plots", QJsonArray{7})),
              "The entry \"lab.plots[0]\" is not a group of entries in braces.");

    // LC with an AC source draws the frame of the current scale: never the fixed one.
    QByteArray lc = editedLab([](QJsonObject &lab) {
        lab["launcher"] = 12;
        lab["circuit"] = 5;
        lab["frame"] = "fixed";
    });
    EXPECT_TRUE(errorOf(lc).contains("cannot be \"fixed\""));

    QJsonObject root = jsonOf(phasorExperiment());
    QJsonObject phasor = root["phasor"].toObject();
    phasor["timeBar"] = 201;
    root["phasor"] = phasor;
    EXPECT_EQ(errorOf(bytesOf(root)),
              "The entry \"phasor.timeBar\" is 201; it must be from 0 to 200.");
    phasor["timeBar"] = 0;
    phasor["projections"] = "yes";
    root["phasor"] = phasor;
    EXPECT_EQ(errorOf(bytesOf(root)), "The entry \"phasor.projections\" is not true or false.");
}

TEST(ExperimentFile, PlotsBeyondTheLimitAreRefusedAtTheLimitRead)
{
    Experiment e = labExperiment();
    e.lab.plots.assign(ExperimentFile::kMaxPlots, e.lab.plots.front());
    const ExperimentFile::Reading atLimit = ExperimentFile::read(ExperimentFile::write(e));
    ASSERT_TRUE(atLimit.ok()) << atLimit.error.toStdString();
    EXPECT_EQ(atLimit.experiment->lab.plots.size(), std::size_t(ExperimentFile::kMaxPlots));

    e.lab.plots.push_back(e.lab.plots.front());
    EXPECT_EQ(errorOf(ExperimentFile::write(e)),
              "The experiment has 1001 plots; at most 1000 are read.");
}

TEST(ExperimentFile, EveryCutOfAGoodFileIsRefusedWithoutHarm)
{
    // Cut short anywhere (a save interrupted by another program, a download that stopped),
    // a file never reads as a different experiment.
    const QByteArray bytes = ExperimentFile::write(labExperiment());
    for (qsizetype n = 0; n < bytes.size() - 2; n += 7)
        EXPECT_FALSE(ExperimentFile::read(bytes.left(n)).ok()) << n;
}

TEST(ExperimentFile, ReadingFilesChecksTheSizeFirst)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    EXPECT_EQ(ExperimentFile::readFile(dir.filePath("none.kel")).error, "The file does not exist.");

    QFile big(dir.filePath("big.kel"));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    ASSERT_TRUE(big.resize(ExperimentFile::kMaxBytes + 1)); // sparse: nothing to read
    big.close();
    EXPECT_TRUE(ExperimentFile::readFile(big.fileName()).error.contains("larger than 55 MB"));

    QFile good(dir.filePath("good.kel"));
    ASSERT_TRUE(good.open(QIODevice::WriteOnly));
    good.write(ExperimentFile::write(phasorExperiment()));
    good.close();
    const ExperimentFile::Reading reading = ExperimentFile::readFile(good.fileName());
    ASSERT_TRUE(reading.ok()) << reading.error.toStdString();
    EXPECT_TRUE(*reading.experiment == phasorExperiment());
}

TEST(ExperimentFile, ExamplesAreSoundExperiments)
{
    const struct {
        const char *file;
        ExperimentWindow window;
    } examples[] = {
        {"underdamped-rlc.kel", ExperimentWindow::Lab},
        {"overdamped-rlc.kel", ExperimentWindow::Lab},
        {"critically-damped-rlc.kel", ExperimentWindow::Lab},
        {"rc-charging.kel", ExperimentWindow::Lab},
        {"lc-beats.kel", ExperimentWindow::Lab},
        {"driven-rlc-resonance.kel", ExperimentWindow::Phasor},
    };
    const QDir folder(QStringLiteral(KEL_EXAMPLES_DIR));
    EXPECT_EQ(folder.entryList({"*.kel"}, QDir::Files).size(), qsizetype(std::size(examples)));
    for (const auto &example : examples) {
        const ExperimentFile::Reading reading =
            ExperimentFile::readFile(folder.filePath(example.file));
        ASSERT_TRUE(reading.ok()) << example.file << ": " << reading.error.toStdString();
        EXPECT_EQ(reading.experiment->window, example.window) << example.file;
        if (example.window == ExperimentWindow::Lab) {
            EXPECT_FALSE(reading.experiment->lab.plots.empty()) << example.file;
        }
    }
}
