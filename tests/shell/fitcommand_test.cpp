// SPDX-License-Identifier: GPL-3.0-or-later
// kel --fit: the options as parsed, and the program run on a recording made from the model,
// as a teacher's script would run it, without a display.
#include "measurement/core/circuitfit.h"
#include "shell/commandline.h"
#include "solutions/numbertext.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <random>

using kel::shell::CommandLine;
using kel::shell::CommandLineRequest;
using Action = CommandLineRequest::Action;
using namespace kel::measurement;

namespace
{

CommandLineRequest parsed(QStringList arguments)
{
    arguments.prepend("kel");
    return CommandLine::parse(arguments);
}

// An underdamped RLC circuit switched onto 5 V: R = 47 Ω, L = 0.1 H, C = 1 µF.
FitProblem charging()
{
    FitProblem problem;
    problem.circuit = FitCircuit::RLC;
    problem.source = FitSource::Constant;
    problem.quantity = Quantity::CapacitorVoltage;
    problem[FitParameter::R].value = 47;
    problem[FitParameter::L].value = 0.1;
    problem[FitParameter::C].value = 1e-6;
    problem[FitParameter::v0].value = 5;
    return problem;
}

// 1 ms before the switch (the scope's pre-trigger, at 0 V) to 20 ms after it, every 10 µs; the
// capacitor voltage with 0.02 V of noise in the second column, the source in the first.
QByteArray recordingText()
{
    std::vector<double> t;
    for (int k = -100; k <= 2000; ++k)
        t.push_back(k * 1e-5);
    const std::vector<double> vC = modelCurve(charging(), t);
    std::mt19937_64 random(11);
    std::normal_distribution<double> noise(0, 0.02);
    QByteArray text = "time (s),source (V),vC (V)\n";
    for (std::size_t k = 0; k < t.size(); ++k) {
        const double value = t[k] < 0 ? 0 : vC[k];
        text += kel::solutions::toText(t[k]) + "," + (t[k] < 0 ? "0" : "5") + "," +
                kel::solutions::toText(value + noise(random)) + "\n";
    }
    return text;
}

struct Outcome {
    int status;
    QString out, err;
};

Outcome run(const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(name);
    // A runtime folder of its own, so that Qt has nothing to say about it on standard error.
    const QTemporaryDir runtime;
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(KEL_PROGRAM), arguments);
    EXPECT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << "crashed";
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

} // namespace

TEST(FitCommand, ParsesTheRequestAndFreesEveryParameterNotFixed)
{
    const CommandLineRequest request =
        parsed({"--fit", "scope.csv", "--circuit", "rlc-ac", "--quantity", "vR", "--fix", "C=1e-6",
                "--fix", "f0=50", "--from", "0", "--to", "2e-2", "--channel", "2", "--json"});
    ASSERT_EQ(request.action, Action::Fit) << request.text.toStdString();
    EXPECT_FALSE(request.needsDisplay());
    const kel::shell::FitRequest &fit = *request.fit;
    EXPECT_EQ(fit.recordingPath, "scope.csv");
    EXPECT_EQ(fit.problem.circuit, FitCircuit::RLC);
    EXPECT_EQ(fit.problem.source, FitSource::Alternating);
    EXPECT_EQ(fit.problem.quantity, Quantity::ResistorVoltage);
    EXPECT_EQ(fit.channel, 2);
    EXPECT_EQ(fit.from, 0.0);
    EXPECT_EQ(fit.to, 2e-2);
    EXPECT_TRUE(fit.json);
    for (const FitParameter p : parametersOf(FitCircuit::RLC, FitSource::Alternating)) {
        const bool held = p == FitParameter::C || p == FitParameter::f0;
        EXPECT_EQ(fit.problem[p].free, !held) << parameterName(p);
    }
    EXPECT_EQ(fit.problem[FitParameter::f0].value, 50);
}

TEST(FitCommand, MistakesAreRefusedWithWhatIsWrong)
{
    const QStringList base{"--fit", "a.csv", "--circuit", "rlc", "--quantity", "vC"};
    const struct {
        QStringList arguments;
        const char *says;
    } cases[] = {
        {{"--fit", "a.csv", "--circuit", "rlc"}, "needs the circuit and the quantity"},
        {{"--fit", "a.csv", "--circuit", "rcl", "--quantity", "vC"}, "\"rcl\" is not one of"},
        {{"--fit", "a.csv", "--circuit", "rlc", "--quantity", "VC"}, "\"VC\" is not one of"},
        {{"--fit", "a.csv", "--circuit", "rl-dc", "--quantity", "q"}, "rl-dc circuit has no q"},
        {base + QStringList{"--fix", "C"}, "is not NAME=VALUE"},
        {base + QStringList{"--fix", "C=1,5e-6"}, "is not NAME=VALUE"},
        {base + QStringList{"--fix", "v0=5"}, "rlc circuit has no parameter v0"},
        {base + QStringList{"--fix", "C=1e-6", "--fix", "C=2e-6"}, "fixed more than once"},
        {base + QStringList{"--fix", "L=0"}, "must be above 0"},
        {base + QStringList{"--from", "1ms"}, "\"1ms\" of --from is not a number"},
        {base + QStringList{"--from", "2", "--to", "1"}, "is empty"},
        {base + QStringList{"--channel", "0"}, "\"0\" is not a column number"},
        {base + QStringList{"--to", "1", "--to", "2"}, "more than once"},
        {base + QStringList{"x.kel"}, "give no experiment file"},
        {{"--circuit", "rlc"}, "--circuit goes with --fit"},
        {{"--fix", "R=1"}, "--fix goes with --fit"},
    };
    for (const auto &c : cases) {
        const CommandLineRequest request = parsed(c.arguments);
        EXPECT_EQ(request.action, Action::Refuse) << c.arguments.join(' ').toStdString();
        EXPECT_TRUE(request.text.contains(c.says)) << request.text.toStdString();
    }
}

TEST(FitCommand, WritesTheFitAsJsonOrATableAndSaysWhyWhenItCannot)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("scope.csv");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(recordingText());
    file.close();

    // C held, everything else of rlc-dc from the data; the pre-trigger left out.
    const Outcome json = run({"--fit", path, "--circuit", "rlc-dc", "--quantity", "vC", "--fix",
                              "C=1e-6", "--from", "0", "--channel", "2", "--json"});
    ASSERT_EQ(json.status, 0) << json.err.toStdString();
    EXPECT_TRUE(json.err.isEmpty()) << json.err.toStdString();
    QJsonParseError error;
    const QJsonObject result = QJsonDocument::fromJson(json.out.toUtf8(), &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << json.out.toStdString();
    EXPECT_EQ(result["circuit"].toString(), "rlc-dc");
    EXPECT_EQ(result["quantity"].toString(), "vC");
    EXPECT_EQ(result["points"].toInt(), 2001);
    EXPECT_TRUE(result["converged"].toBool());
    EXPECT_NEAR(result["rms_residual"].toDouble(), 0.02, 0.002);
    EXPECT_TRUE(result["not_determined"].toArray().isEmpty());
    const QJsonObject parameters = result["parameters"].toObject();
    EXPECT_EQ(parameters.keys(), (QStringList{"C", "L", "R", "i0", "q0", "v0"}));
    const struct {
        const char *name;
        double value;
    } truth[] = {{"R", 47}, {"L", 0.1}, {"v0", 5}, {"q0", 0}, {"i0", 0}};
    for (const auto &t : truth) {
        const QJsonObject p = parameters[t.name].toObject();
        EXPECT_FALSE(p["fixed"].toBool());
        EXPECT_GT(p["uncertainty"].toDouble(), 0) << t.name;
        EXPECT_LT(std::abs(p["value"].toDouble() - t.value), 5 * p["uncertainty"].toDouble())
            << t.name;
    }
    EXPECT_EQ(parameters["C"].toObject()["value"].toDouble(), 1e-6);
    EXPECT_EQ(parameters["C"].toObject()["uncertainty"].toDouble(), 0);
    EXPECT_TRUE(parameters["C"].toObject()["fixed"].toBool());

    // Nothing held: what the data leave open is named, with null for its values.
    const Outcome open = run({"--fit", path, "--circuit", "rlc-dc", "--quantity", "vC", "--from",
                              "0", "--to", "0.01", "--channel", "2", "--json"});
    ASSERT_EQ(open.status, 0) << open.err.toStdString();
    const QJsonObject openResult = QJsonDocument::fromJson(open.out.toUtf8()).object();
    EXPECT_EQ(openResult["points"].toInt(), 1001);
    EXPECT_TRUE(openResult["not_determined"].toArray().contains("C"));
    EXPECT_EQ(openResult["hold_to_determine"].toArray(), QJsonArray{"C"});
    EXPECT_TRUE(openResult["parameters"].toObject()["R"].toObject()["value"].isNull());

    const Outcome table = run({"--fit", path, "--circuit", "rlc-dc", "--quantity", "vC", "--fix",
                               "C=1e-6", "--from", "0", "--channel", "2"});
    ASSERT_EQ(table.status, 0) << table.err.toStdString();
    EXPECT_TRUE(table.out.contains("Parameter")) << table.out.toStdString();
    EXPECT_TRUE(table.out.contains("Uncertainty"));
    EXPECT_TRUE(table.out.contains(QRegularExpression("\nR +4[67]\\.\\d+ +0\\.\\d+ +Ω\n")))
        << table.out.toStdString();
    EXPECT_TRUE(table.out.contains(QRegularExpression("\nC +1e-06 +fixed +F\n")));

    const auto failsWith = [](const Outcome &outcome, const QString &says) {
        EXPECT_EQ(outcome.status, 1);
        EXPECT_TRUE(outcome.out.isEmpty()) << outcome.out.toStdString();
        EXPECT_EQ(outcome.err.count('\n'), 1) << outcome.err.toStdString();
        EXPECT_TRUE(outcome.err.startsWith("kel: ")) << outcome.err.toStdString();
        EXPECT_TRUE(outcome.err.contains(says)) << outcome.err.toStdString();
    };
    failsWith(run({"--fit", dir.filePath("none.csv"), "--circuit", "rlc", "--quantity", "vC"}),
              "none.csv: ");
    failsWith(run({"--fit", path, "--circuit", "rlc", "--quantity", "vC", "--channel", "3"}),
              "no channel 3; it has 2");
    failsWith(run({"--fit", path, "--circuit", "rlc-dc", "--quantity", "vC", "--from", "0.1"}),
              "too few samples");
}
