// SPDX-License-Identifier: GPL-3.0-or-later
#include "labexperiment.h"

#include "circuitlaunchers.h"

#include "display/qstringtext.h"
#include "measurement/measurementexperiment.h"

#include <QJsonArray>

namespace kel::lab
{

namespace
{

using display::JsonReader;
using Names = JsonReader::Names;

constexpr Names kLabTexts = {"R", "L", "C", "v0", "f0", "w0", "q0", "i0"};
constexpr Names kReadouts = {"Time", "qq", "ii"};
constexpr Names kLabCurves = {"Charge", "Current", "Voltage"};
constexpr Names kScaleKeys = {"x1", "x2", "y1", "y2"};

QString tr(const char *text)
{
    return JsonReader::tr(text);
}

QString wholeText(qint64 value)
{
    return JsonReader::wholeText(value);
}

ScaleTexts readScale(JsonReader &reader, const QJsonObject &parent, const QString &path,
                     const char *key)
{
    const QJsonObject group = reader.object(parent, path, key, kScaleKeys);
    const QString name = JsonReader::entry(path, key);
    ScaleTexts result;
    result.x1 = reader.numberText(group, name, "x1", false);
    result.x2 = reader.numberText(group, name, "x2", false);
    result.y1 = reader.numberText(group, name, "y1", false);
    result.y2 = reader.numberText(group, name, "y2", false);
    if (!reader.failed() && display::numberOf(result.x1) == display::numberOf(result.x2))
        reader.fail(tr("The scale %1 has x1 equal to x2.").arg(JsonReader::quoted(name)));
    return result;
}

QJsonObject scaleObject(const ScaleTexts &scale)
{
    return QJsonObject{{QStringLiteral("x1"), scale.x1},
                       {QStringLiteral("x2"), scale.x2},
                       {QStringLiteral("y1"), scale.y1},
                       {QStringLiteral("y2"), scale.y2}};
}

} // namespace

LabExperiment LabExperiment::read(JsonReader &reader, const QJsonValue &entry)
{
    const QString path = QString::fromLatin1(kWindow);
    const QJsonObject lab = reader.object(entry, path,
                                          {"launcher", "circuit", "frame", "texts", "readouts",
                                           "scale", "defaultScale", "curves", "plots"});
    LabExperiment result;
    result.launcher = reader.whole(lab, path, "launcher", 1, 13);
    const CircuitConfiguration *facts = launcherConfiguration(result.launcher);
    if (!reader.failed() && !facts)
        reader.fail(tr("The entry \"lab.launcher\" is %1, which names no circuit button.")
                        .arg(wholeText(result.launcher)));
    const int circuit = reader.whole(lab, path, "circuit", 1, 8);
    result.circuitKind = static_cast<CircuitKind>(circuit);
    if (!reader.failed() && facts && result.circuitKind != facts->circuitKind)
        reader.fail(tr("The entry \"lab.circuit\" is %1, but launcher %2 sets circuit %3.")
                        .arg(wholeText(circuit), wholeText(result.launcher),
                             wholeText(caseNumber(facts->circuitKind))));
    result.frame = reader.choice(lab, path, "frame", {"fixed", "scale"}) == 0
                       ? FrameKind::Fixed
                       : FrameKind::CurrentScale;
    if (!reader.failed() && facts && result.frame == FrameKind::Fixed &&
        facts->frame == FrameKind::CurrentScale)
        reader.fail(tr("Launcher %1 draws the frame of the current scale, so \"lab.frame\" "
                       "cannot be \"fixed\".")
                        .arg(wholeText(result.launcher)));
    result.texts = reader.boxTexts(lab, path, "texts", kLabTexts);
    result.readouts = reader.boxTexts(lab, path, "readouts", kReadouts);
    result.scale = readScale(reader, lab, path, "scale");
    result.defaultScale = readScale(reader, lab, path, "defaultScale");
    result.curves = reader.names(lab, path, "curves", kLabCurves);

    const QJsonArray plots = reader.array(lab, path, "plots");
    if (!reader.failed() && plots.size() > kMaxPlots)
        reader.fail(tr("The experiment has %1 plots; at most %2 are read.")
                        .arg(wholeText(plots.size()), wholeText(kMaxPlots)));
    for (qsizetype i = 0; i < plots.size() && !reader.failed(); ++i) {
        const QString plotPath = path + QStringLiteral(".plots[") + wholeText(i) + QLatin1Char(']');
        const QJsonObject plot = reader.object(plots.at(i), plotPath, {"texts", "curves"});
        LabPlot entry;
        entry.texts = reader.boxTexts(plot, plotPath, "texts", kLabTexts);
        entry.curves = reader.names(plot, plotPath, "curves", kLabCurves);
        result.plots.push_back(std::move(entry));
    }
    return result;
}

LabExperiment::Reading LabExperiment::fromJson(const QJsonValue &entry)
{
    JsonReader reader;
    LabExperiment experiment = read(reader, entry);
    if (reader.failed())
        return {std::nullopt, {reader.error()}};
    return {std::move(experiment), {}};
}

std::shared_ptr<const display::ExperimentReading>
LabExperiment::checkMeasurement(JsonReader &reader, const QJsonValue &measurement,
                                const QJsonValue &lab)
{
    auto taken = measurement::MeasurementExperiment::read(reader, measurement);
    const LabExperiment own = read(reader, lab);
    const CircuitConfiguration *facts = launcherConfiguration(own.launcher);
    if (reader.failed() || !facts)
        return nullptr;
    const auto circuit = measuredCircuit(facts->circuitKind, facts->source);
    if (!circuit || circuit->circuit != taken.circuit || circuit->source != taken.source) {
        const auto name = [](measurement::FitCircuit c, measurement::FitSource s) {
            return JsonReader::quoted(display::toQString(measurement::circuitName(c, s)));
        };
        reader.fail(tr("The measurement is of circuit %1, but the lab's launcher %2 sets "
                       "circuit %3.")
                        .arg(name(taken.circuit, taken.source), wholeText(own.launcher),
                             circuit ? name(circuit->circuit, circuit->source) : QString()));
        return nullptr;
    }
    return std::make_shared<const measurement::MeasurementReading>(std::move(taken));
}

std::optional<measurement::CircuitName> measuredCircuit(CircuitKind kind, SourceKind source)
{
    using measurement::FitCircuit;
    using measurement::FitSource;
    const FitSource undriven =
        source == SourceKind::Constant ? FitSource::Constant : FitSource::None;
    switch (kind) {
    case CircuitKind::None:
        return std::nullopt;
    case CircuitKind::Rc:
        return measurement::CircuitName{FitCircuit::RC, undriven};
    case CircuitKind::Rl:
        return measurement::CircuitName{FitCircuit::RL, undriven};
    case CircuitKind::Lc:
        return measurement::CircuitName{FitCircuit::LC, undriven};
    case CircuitKind::Rlc:
        return measurement::CircuitName{FitCircuit::RLC, undriven};
    case CircuitKind::DrivenLc:
        return measurement::CircuitName{FitCircuit::LC, FitSource::Alternating};
    case CircuitKind::DrivenRc:
        return measurement::CircuitName{FitCircuit::RC, FitSource::Alternating};
    case CircuitKind::DrivenRl:
        return measurement::CircuitName{FitCircuit::RL, FitSource::Alternating};
    case CircuitKind::DrivenRlc:
        return measurement::CircuitName{FitCircuit::RLC, FitSource::Alternating};
    }
    return std::nullopt;
}

QJsonObject LabExperiment::toJson() const
{
    QJsonArray plotList;
    for (const LabPlot &plot : plots)
        plotList.append(
            QJsonObject{{QStringLiteral("texts"), display::boxTextsObject(plot.texts, kLabTexts)},
                        {QStringLiteral("curves"), QJsonArray::fromStringList(plot.curves)}});
    return QJsonObject{
        {QStringLiteral("launcher"), launcher},
        {QStringLiteral("circuit"), caseNumber(circuitKind)},
        {QStringLiteral("frame"),
         frame == FrameKind::Fixed ? QStringLiteral("fixed") : QStringLiteral("scale")},
        {QStringLiteral("texts"), display::boxTextsObject(texts, kLabTexts)},
        {QStringLiteral("readouts"), display::boxTextsObject(readouts, kReadouts)},
        {QStringLiteral("scale"), scaleObject(scale)},
        {QStringLiteral("defaultScale"), scaleObject(defaultScale)},
        {QStringLiteral("curves"), QJsonArray::fromStringList(curves)},
        {QStringLiteral("plots"), plotList},
    };
}

} // namespace kel::lab
