// SPDX-License-Identifier: GPL-3.0-or-later
#include "phasorexperimentfile.h"

#include <QJsonArray>

#include <array>

namespace kel::phasor
{

namespace
{

using display::JsonReader;
using Names = JsonReader::Names;

constexpr Names kPhasorTexts = {"R", "C", "L", "v0", "f0", "NumPer", "t2"};
constexpr Names kPhasorChecks = {"Checkvr", "CheckVC", "CheckVL", "CheckVM"};

} // namespace

PhasorExperiment PhasorExperiment::read(JsonReader &reader, const QJsonValue &entry)
{
    const QString path = QString::fromLatin1(kWindow);
    const QJsonObject phasor =
        reader.object(entry, path, {"texts", "timeBar", "checked", "drawing", "projections"});
    PhasorExperiment result;
    result.texts = reader.boxTexts(phasor, path, "texts", kPhasorTexts);
    result.timeBar = reader.whole(phasor, path, "timeBar", 0, 200);
    result.checked = reader.names(phasor, path, "checked", kPhasorChecks);
    const int drawing = reader.choice(phasor, path, "drawing", {"loaded", "redrawn", "cleared"});
    result.drawing = static_cast<PhasorDrawing>(drawing);
    result.projections = reader.flag(phasor, path, "projections");
    return result;
}

PhasorExperiment::Reading PhasorExperiment::fromJson(const QJsonValue &entry)
{
    JsonReader reader;
    PhasorExperiment experiment = read(reader, entry);
    if (reader.failed())
        return {std::nullopt, {reader.error()}};
    return {std::move(experiment), {}};
}

QJsonObject PhasorExperiment::toJson() const
{
    static constexpr std::array<const char *, 3> kDrawings = {"loaded", "redrawn", "cleared"};
    return QJsonObject{
        {QStringLiteral("texts"), display::boxTextsObject(texts, kPhasorTexts)},
        {QStringLiteral("timeBar"), timeBar},
        {QStringLiteral("checked"), QJsonArray::fromStringList(checked)},
        {QStringLiteral("drawing"), QLatin1String(kDrawings.at(static_cast<std::size_t>(drawing)))},
        {QStringLiteral("projections"), projections},
    };
}

} // namespace kel::phasor
