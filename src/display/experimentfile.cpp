// SPDX-License-Identifier: GPL-3.0-or-later
#include "experimentfile.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

#include <limits>

namespace kel::display
{

namespace
{

QString tr(const char *text)
{
    return JsonReader::tr(text);
}

QString wholeText(qint64 value)
{
    return JsonReader::wholeText(value);
}

constexpr const char *kTask = "task";
constexpr const char *kMeasurement = "measurement";

QString tooLarge()
{
    return tr("The file is larger than %1 MB, too large for an experiment.")
        .arg(wholeText(ExperimentFile::kMaxBytes / (qint64{1024} * 1024)));
}

} // namespace

std::vector<const char *> ExperimentParts::windows() const
{
    std::vector<const char *> result;
    for (const Part &part : m_parts)
        result.push_back(part.window);
    return result;
}

ExperimentParts::Reader ExperimentParts::readerOf(const QString &window) const
{
    for (const Part &part : m_parts)
        if (window == QLatin1String(part.window))
            return part.reader;
    return nullptr;
}

ExperimentParts::MeasurementReader ExperimentParts::measurementReaderOf(const QString &window) const
{
    for (const Part &part : m_parts)
        if (window == QLatin1String(part.window))
            return part.measurement;
    return nullptr;
}

ExperimentFile::Reading ExperimentFile::read(const QByteArray &bytes, const ExperimentParts &parts)
{
    if (bytes.size() > kMaxBytes)
        return {std::nullopt, tooLarge()};
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return {std::nullopt,
                tr("The file is not an experiment: it is not JSON (%1 at character %2).")
                    .arg(parseError.errorString(), wholeText(parseError.offset))};
    if (!document.isObject())
        return {std::nullopt, tr("The file is not an experiment: it holds no JSON object.")};
    const QJsonObject root = document.object();
    if (root.value(QStringLiteral("format")).toString() != QLatin1String(kFormatName))
        return {std::nullopt, tr("The file is not a Kel Circuit Lab experiment (its \"format\" "
                                 "is not \"kel-experiment\").")};

    JsonReader reader;
    const int version = reader.whole(root, {}, "version", 1, std::numeric_limits<int>::max());
    if (!reader.failed() && version > kFormatVersion)
        return {std::nullopt,
                tr("The experiment was saved by a newer version of Kel Circuit Lab (file format "
                   "%1; this version reads up to %2).")
                    .arg(wholeText(version), wholeText(kFormatVersion))};
    const std::vector<const char *> windows = parts.windows();
    const int window = reader.choice(root, {}, "window", windows);
    Experiment experiment;
    if (!reader.failed()) {
        const char *name = windows.at(static_cast<std::size_t>(window));
        std::vector<const char *> keys{"format", "version", "window", name};
        const ExperimentParts::MeasurementReader measurement =
            parts.measurementReaderOf(QLatin1String(name));
        if (version >= 2 && root.contains(QLatin1String(kTask)))
            keys.push_back(kTask);
        if (version >= 2 && measurement && root.contains(QLatin1String(kMeasurement)))
            keys.push_back(kMeasurement);
        reader.requireKeys(root, {}, keys);
        const QJsonValue entry = root.value(QLatin1String(name));
        parts.readerOf(QLatin1String(name))(reader, entry);
        experiment = {QLatin1String(name), entry.toObject(), {}, {}, {}};
        if (measurement && root.contains(QLatin1String(kMeasurement)) && !reader.failed()) {
            const QJsonValue value = root.value(QLatin1String(kMeasurement));
            experiment.measurementReading = measurement(reader, value, entry);
            experiment.measurement = value.toObject();
        }
        if (root.contains(QLatin1String(kTask)))
            experiment.task = reader.text(root, {}, kTask);
        if (!reader.failed() && experiment.task.size() > kMaxTaskLength)
            reader.fail(tr("The task of the experiment has %1 characters; at most %2 are read.")
                            .arg(wholeText(experiment.task.size()), wholeText(kMaxTaskLength)));
    }
    if (reader.failed())
        return {std::nullopt, reader.error()};
    return {std::move(experiment), {}};
}

ExperimentFile::Reading ExperimentFile::readFile(const QString &path, const ExperimentParts &parts)
{
    QFile file(path);
    if (!file.exists())
        return {std::nullopt, tr("The file does not exist.")};
    if (!file.open(QIODevice::ReadOnly))
        return {std::nullopt, file.errorString()};
    if (file.size() > kMaxBytes)
        return {std::nullopt, tooLarge()};
    // A device that grows while it is read (a pipe, a special file) stops at the limit too.
    const QByteArray bytes = file.read(kMaxBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return {std::nullopt, file.errorString()};
    return read(bytes, parts);
}

int ExperimentFile::versionOf(const Experiment &experiment)
{
    return experiment.task.isEmpty() && experiment.measurement.isEmpty() ? 1 : 2;
}

QByteArray ExperimentFile::write(const Experiment &experiment)
{
    QJsonObject root{
        {QStringLiteral("format"), QLatin1String(kFormatName)},
        {QStringLiteral("version"), versionOf(experiment)},
    };
    root.insert(QStringLiteral("window"), experiment.window);
    root.insert(experiment.window, experiment.entry);
    if (!experiment.task.isEmpty())
        root.insert(QLatin1String(kTask), experiment.task);
    if (!experiment.measurement.isEmpty())
        root.insert(QLatin1String(kMeasurement), experiment.measurement);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

QString ExperimentFile::problemIn(const Experiment &experiment, const ExperimentParts &parts)
{
    return read(write(experiment), parts).error;
}

} // namespace kel::display
