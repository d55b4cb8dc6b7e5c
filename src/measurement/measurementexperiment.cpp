// SPDX-License-Identifier: GPL-3.0-or-later
#include "measurementexperiment.h"

#include "core/recordingreader.h"

#include "display/experimentfile.h"
#include "display/qstringtext.h"
#include "solutions/numbertext.h"

#include <QByteArray>
#include <QJsonArray>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <span>
#include <string_view>

namespace kel::measurement
{

namespace
{

using display::JsonReader;
using Names = JsonReader::Names;

constexpr Names kParameterNames = {"R", "L", "C", "v0", "f0", "q0", "i0"};
constexpr Names kQuantityNames = {"vC", "vR", "vL", "i", "q"};
constexpr Names kStatusNames = {"fitted",     "noSuchQuantity", "tooFewPoints", "nothingFree",
                                "badSamples", "badHeldValue",   "noSolution"};
constexpr std::array kStatuses{FitStatus::Fitted,       FitStatus::NoSuchQuantity,
                               FitStatus::TooFewPoints, FitStatus::NothingFree,
                               FitStatus::BadSamples,   FitStatus::BadHeldValue,
                               FitStatus::NoSolution};
constexpr std::array kQuantities{Quantity::CapacitorVoltage, Quantity::ResistorVoltage,
                                 Quantity::InductorVoltage, Quantity::Current, Quantity::Charge};
constexpr std::array kCircuitNames{"rc", "rc-dc", "rc-ac", "rl",  "rl-dc",  "rl-ac",
                                   "lc", "lc-dc", "lc-ac", "rlc", "rlc-dc", "rlc-ac"};

// The characters of `count` doubles in base64.
constexpr std::size_t base64Size(std::size_t count)
{
    return 4 * ((8 * count + 2) / 3);
}

// The samples the file may hold fit in it beside the rest of an experiment, which was 4 MiB.
static_assert(qint64{4} * 1024 * 1024 + qint64(base64Size(MeasurementExperiment::kMaxValues)) <=
              display::ExperimentFile::kMaxBytes);

QString tr(const char *text)
{
    return JsonReader::tr(text);
}

QString wholeText(std::size_t value)
{
    return JsonReader::wholeText(static_cast<qint64>(value));
}

QString quotedEntry(const QString &path, const char *key)
{
    return JsonReader::quoted(JsonReader::entry(path, key));
}

QString utf8(std::string_view text)
{
    return display::toQString(text);
}

QString exact(double value)
{
    return std::isfinite(value) ? utf8(solutions::exactText(value)) : QString();
}

QString samplesText(const std::vector<double> &values)
{
    QByteArray bytes(qsizetype(values.size() * sizeof(double)), Qt::Uninitialized);
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(bytes.data(), values.data(), std::size_t(bytes.size()));
    } else {
        char *out = bytes.data();
        for (std::size_t k = 0; k < values.size(); ++k) {
            const auto bits = std::bit_cast<std::uint64_t>(values[k]);
            for (std::size_t b = 0; b < 8; ++b)
                out[8 * k + b] = char((bits >> (8 * b)) & 0xffU);
        }
    }
    return QString::fromLatin1(bytes.toBase64());
}

// The value of each base64 character, 64 for any other.
constexpr std::array<std::uint8_t, 128> kBase64Values = [] {
    std::array<std::uint8_t, 128> values{};
    values.fill(64);
    constexpr std::string_view kDigits =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    for (std::size_t k = 0; k < kDigits.size(); ++k)
        values[static_cast<unsigned char>(kDigits[k])] = std::uint8_t(k);
    return values;
}();

// The bytes of `text`, base64 as QByteArray::toBase64 writes it (padded with '=', the unused
// bits zero, so that one text stands for one set of samples), into `out`; false for any other
// text. Read straight from the UTF-16 of the file's text, several times faster than Qt's
// decoder, which matters for a million samples opened on the GUI thread.
bool decodeBase64(QStringView text, std::span<unsigned char> out)
{
    const std::size_t whole = out.size() / 3, rest = out.size() % 3;
    if (std::size_t(text.size()) != 4 * (whole + (rest ? 1 : 0)))
        return false;
    const char16_t *in = text.utf16();
    const auto value = [](char16_t c) -> unsigned { return c < 128 ? kBase64Values[c] : 64U; };
    for (std::size_t g = 0; g < whole; ++g, in += 4) {
        const unsigned a = value(in[0]), b = value(in[1]), c = value(in[2]), d = value(in[3]);
        if ((a | b | c | d) & 64U)
            return false;
        const unsigned bits = (a << 18) | (b << 12) | (c << 6) | d;
        out[3 * g] = static_cast<unsigned char>(bits >> 16);
        out[3 * g + 1] = static_cast<unsigned char>(bits >> 8);
        out[3 * g + 2] = static_cast<unsigned char>(bits);
    }
    if (rest == 0)
        return true;
    const unsigned a = value(in[0]), b = value(in[1]);
    const unsigned c = rest == 2 ? value(in[2]) : 0;
    if ((a | b | c) & 64U || in[3] != u'=' || (rest == 1 && in[2] != u'='))
        return false;
    const unsigned bits = (a << 18) | (b << 12) | (c << 6);
    if (bits & (rest == 1 ? 0xffffU : 0xffU))
        return false;
    out[3 * whole] = static_cast<unsigned char>(bits >> 16);
    if (rest == 2)
        out[3 * whole + 1] = static_cast<unsigned char>(bits >> 8);
    return true;
}

// `count` finite doubles from the base64 text of `key`. Samples are counted from 1 in messages.
std::vector<double> readSamples(JsonReader &reader, const QJsonObject &parent, const QString &path,
                                const char *key, std::size_t count)
{
    const QString text = reader.text(parent, path, key);
    if (reader.failed())
        return {};
    std::vector<double> values(count);
    bool decoded = false;
    if constexpr (std::endian::native == std::endian::little) {
        decoded = decodeBase64(
            text, {reinterpret_cast<unsigned char *>(values.data()), count * sizeof(double)});
    } else {
        std::vector<unsigned char> bytes(count * sizeof(double));
        decoded = decodeBase64(text, bytes);
        for (std::size_t k = 0; k < count && decoded; ++k) {
            std::uint64_t bits = 0;
            for (std::size_t b = 0; b < 8; ++b)
                bits |= std::uint64_t(bytes[8 * k + b]) << (8 * b);
            values[k] = std::bit_cast<double>(bits);
        }
    }
    if (!decoded) {
        reader.fail(tr("The entry %1 is not the base64 text of %2 samples.")
                        .arg(quotedEntry(path, key), wholeText(count)));
        return {};
    }
    const auto bad =
        std::find_if(values.begin(), values.end(), [](double v) { return !std::isfinite(v); });
    if (bad != values.end())
        reader.fail(
            tr("Sample %1 of %2 is not a finite number.")
                .arg(wholeText(std::size_t(bad - values.begin()) + 1), quotedEntry(path, key)));
    return values;
}

std::span<const FitParameter> parametersOfCircuit(const MeasurementExperiment &m)
{
    return parametersOf(m.circuit, m.source);
}

QString circuitText(FitCircuit circuit, FitSource source)
{
    return utf8(circuitName(circuit, source));
}

QString parameterText(FitParameter p)
{
    return utf8(parameterName(p));
}

// Names of parameters of the circuit, each at most once.
std::vector<FitParameter> readParameters(JsonReader &reader, const QJsonObject &parent,
                                         const QString &path, const char *key,
                                         const MeasurementExperiment &m)
{
    const QStringList names = reader.names(parent, path, key, kParameterNames);
    std::vector<FitParameter> result;
    const auto own = parametersOfCircuit(m);
    for (const QString &name : names) {
        const FitParameter p = parameterNamed(name.toStdString()).value_or(FitParameter::R);
        if (!reader.failed() && std::find(own.begin(), own.end(), p) == own.end())
            reader.fail(tr("The list %1 names %2, which circuit %3 does not have.")
                            .arg(quotedEntry(path, key), JsonReader::quoted(name),
                                 JsonReader::quoted(circuitText(m.circuit, m.source))));
        result.push_back(p);
    }
    return result;
}

QJsonArray parameterList(const std::vector<FitParameter> &parameters)
{
    QJsonArray list;
    for (FitParameter p : parameters)
        list.append(parameterText(p));
    return list;
}

// A text of a number, blank for one that is not finite.
double readValue(JsonReader &reader, const QJsonObject &parent, const QString &path,
                 const char *key)
{
    const QString text = reader.numberText(parent, path, key, true);
    return display::numberOf(text).value_or(std::nan(""));
}

std::size_t readCount(JsonReader &reader, const QJsonObject &parent, const QString &path,
                      const char *key, std::size_t high)
{
    const auto limit = static_cast<int>(std::min<std::size_t>(high, INT32_MAX));
    return std::size_t(reader.whole(parent, path, key, 0, limit));
}

std::optional<FitResult> readFit(JsonReader &reader, const QJsonObject &parent, const QString &path,
                                 const MeasurementExperiment &m)
{
    if (reader.failed() || parent.value(QStringLiteral("fit")).isNull())
        return std::nullopt;
    const QString fitPath = JsonReader::entry(path, "fit");
    const QJsonObject fit =
        reader.object(parent, path, "fit",
                      {"status", "parameters", "rmsResidual", "points", "converged", "iterations",
                       "correlations", "notDetermined", "suggestHold"});
    FitResult result;
    result.status = kStatuses[std::size_t(reader.choice(fit, fitPath, "status", kStatusNames))];
    const QJsonArray parameters = reader.array(fit, fitPath, "parameters");
    const auto own = parametersOfCircuit(m);
    if (!reader.failed() && !parameters.isEmpty() && std::size_t(parameters.size()) != own.size())
        reader.fail(tr("The list %1 has %2 parameters; circuit %3 has %4.")
                        .arg(quotedEntry(fitPath, "parameters"), wholeText(parameters.size()),
                             JsonReader::quoted(circuitText(m.circuit, m.source)),
                             wholeText(own.size())));
    for (qsizetype i = 0; i < parameters.size() && !reader.failed(); ++i) {
        const QString itemPath =
            JsonReader::entry(fitPath, "parameters") + QLatin1Char('[') + wholeText(i) + ']';
        const QJsonObject item = reader.object(
            parameters.at(i), itemPath, {"name", "value", "uncertainty", "held", "determined"});
        FittedParameter p;
        p.parameter = own[std::size_t(i)];
        const QString name = reader.text(item, itemPath, "name");
        if (!reader.failed() && name != parameterText(p.parameter))
            reader.fail(tr("The entry %1 is %2; circuit %3 has %4 there.")
                            .arg(quotedEntry(itemPath, "name"), JsonReader::quoted(name),
                                 JsonReader::quoted(circuitText(m.circuit, m.source)),
                                 JsonReader::quoted(parameterText(p.parameter))));
        p.value = readValue(reader, item, itemPath, "value");
        p.uncertainty = readValue(reader, item, itemPath, "uncertainty");
        p.fixed = reader.flag(item, itemPath, "held");
        p.determined = reader.flag(item, itemPath, "determined");
        result.parameters.push_back(p);
    }
    result.rmsResidual = readValue(reader, fit, fitPath, "rmsResidual");
    result.points = readCount(reader, fit, fitPath, "points", m.recording.time.size());
    result.converged = reader.flag(fit, fitPath, "converged");
    result.iterations = reader.whole(fit, fitPath, "iterations", 0, INT32_MAX);
    const QJsonArray correlations = reader.array(fit, fitPath, "correlations");
    for (qsizetype i = 0; i < correlations.size() && !reader.failed(); ++i) {
        const QString itemPath =
            JsonReader::entry(fitPath, "correlations") + QLatin1Char('[') + wholeText(i) + ']';
        const QJsonObject item =
            reader.object(correlations.at(i), itemPath, {"first", "second", "coefficient"});
        Correlation c;
        c.first = FitParameter(reader.choice(item, itemPath, "first", kParameterNames));
        c.second = FitParameter(reader.choice(item, itemPath, "second", kParameterNames));
        c.coefficient = readValue(reader, item, itemPath, "coefficient");
        result.correlations.push_back(c);
    }
    result.notDetermined = readParameters(reader, fit, fitPath, "notDetermined", m);
    result.suggestHold = readParameters(reader, fit, fitPath, "suggestHold", m);
    return result;
}

QJsonValue fitJson(const std::optional<FitResult> &fit)
{
    if (!fit)
        return QJsonValue::Null;
    QJsonArray parameters;
    for (const FittedParameter &p : fit->parameters)
        parameters.append(QJsonObject{{QStringLiteral("name"), parameterText(p.parameter)},
                                      {QStringLiteral("value"), exact(p.value)},
                                      {QStringLiteral("uncertainty"), exact(p.uncertainty)},
                                      {QStringLiteral("held"), p.fixed},
                                      {QStringLiteral("determined"), p.determined}});
    QJsonArray correlations;
    for (const Correlation &c : fit->correlations)
        correlations.append(QJsonObject{{QStringLiteral("first"), parameterText(c.first)},
                                        {QStringLiteral("second"), parameterText(c.second)},
                                        {QStringLiteral("coefficient"), exact(c.coefficient)}});
    const auto status = std::find(kStatuses.begin(), kStatuses.end(), fit->status);
    const std::size_t statusIndex =
        status == kStatuses.end() ? 0 : std::size_t(status - kStatuses.begin());
    return QJsonObject{
        {QStringLiteral("status"), QLatin1String(std::data(kStatusNames)[statusIndex])},
        {QStringLiteral("parameters"), parameters},
        {QStringLiteral("rmsResidual"), exact(fit->rmsResidual)},
        {QStringLiteral("points"), qint64(fit->points)},
        {QStringLiteral("converged"), fit->converged},
        {QStringLiteral("iterations"), fit->iterations},
        {QStringLiteral("correlations"), correlations},
        {QStringLiteral("notDetermined"), parameterList(fit->notDetermined)},
        {QStringLiteral("suggestHold"), parameterList(fit->suggestHold)},
    };
}

} // namespace

std::size_t MeasurementExperiment::valueCount(const Recording &recording)
{
    return recording.time.size() * (1 + recording.channels.size());
}

QJsonObject MeasurementExperiment::toJson() const
{
    QJsonArray columns;
    for (std::size_t k = 0; k < recording.channels.size(); ++k)
        columns.append(QJsonObject{
            {QStringLiteral("name"), utf8(recording.channelNames.at(k))},
            {QStringLiteral("unit"), utf8(recording.channelUnits.at(k))},
            {QStringLiteral("values"), samplesText(recording.channels[k])},
        });
    QJsonArray freeList;
    for (FitParameter p : parametersOf(circuit, source))
        if (free[indexOf(p)])
            freeList.append(parameterText(p));
    return QJsonObject{
        {QStringLiteral("file"), fileName},
        {QStringLiteral("samples"), qint64(recording.time.size())},
        {QStringLiteral("time"), samplesText(recording.time)},
        {QStringLiteral("columns"), columns},
        {QStringLiteral("circuit"), circuitText(circuit, source)},
        {QStringLiteral("column"), qint64(channel)},
        {QStringLiteral("quantity"), utf8(quantityName(quantity))},
        {QStringLiteral("from"), exact(from)},
        {QStringLiteral("to"), exact(to)},
        {QStringLiteral("free"), freeList},
        {QStringLiteral("fit"), fitJson(fit)},
    };
}

MeasurementExperiment MeasurementExperiment::read(JsonReader &reader, const QJsonValue &entry)
{
    const QString path = QString::fromLatin1(kEntry);
    const QJsonObject m = reader.object(entry, path,
                                        {"file", "samples", "time", "columns", "circuit", "column",
                                         "quantity", "from", "to", "free", "fit"});
    MeasurementExperiment result;
    result.fileName = reader.text(m, path, "file");
    const std::size_t samples = readCount(reader, m, path, "samples", kMaxValues);
    const QJsonArray columns = reader.array(m, path, "columns");
    if (!reader.failed() && (columns.isEmpty() || std::size_t(columns.size()) > kMaxValueColumns))
        reader.fail(tr("The list %1 has %2 columns; a measurement has from 1 to %3.")
                        .arg(quotedEntry(path, "columns"), wholeText(columns.size()),
                             wholeText(kMaxValueColumns)));
    if (!reader.failed() && samples < kMinSamples)
        reader.fail(tr("The measurement has %1 samples; it needs at least %2.")
                        .arg(wholeText(samples), wholeText(kMinSamples)));
    // Refused on the counts alone, before any sample is decoded.
    const std::size_t values = samples * (1 + std::size_t(columns.size()));
    if (!reader.failed() && values > kMaxValues)
        reader.fail(tr("The measurement holds %1 values, the times included; an experiment "
                       "keeps at most %2.")
                        .arg(wholeText(values), wholeText(kMaxValues)));
    result.recording.time = readSamples(reader, m, path, "time", samples);
    const auto &t = result.recording.time;
    if (!reader.failed()) {
        const auto step = std::adjacent_find(t.begin(), t.end(), std::greater_equal<>());
        if (step != t.end())
            reader.fail(
                tr("Sample %1 of %2 is not later than the one before.")
                    .arg(wholeText(std::size_t(step - t.begin()) + 2), quotedEntry(path, "time")));
    }
    for (qsizetype k = 0; k < columns.size() && !reader.failed(); ++k) {
        const QString columnPath =
            JsonReader::entry(path, "columns") + QLatin1Char('[') + wholeText(k) + ']';
        const QJsonObject column =
            reader.object(columns.at(k), columnPath, {"name", "unit", "values"});
        result.recording.channelNames.push_back(
            display::toStdString(reader.text(column, columnPath, "name")));
        result.recording.channelUnits.push_back(
            display::toStdString(reader.text(column, columnPath, "unit")));
        result.recording.channels.push_back(
            readSamples(reader, column, columnPath, "values", samples));
    }
    const int circuit =
        reader.choice(m, path, "circuit", {std::begin(kCircuitNames), std::end(kCircuitNames)});
    const auto named = circuitNamed(kCircuitNames[std::size_t(circuit)]);
    result.circuit = named->circuit;
    result.source = named->source;
    result.channel = readCount(reader, m, path, "column",
                               std::max<std::size_t>(std::size_t(columns.size()), 1) - 1);
    result.quantity = kQuantities[std::size_t(reader.choice(m, path, "quantity", kQuantityNames))];
    result.from = display::numberOf(reader.numberText(m, path, "from", false)).value_or(0);
    result.to = display::numberOf(reader.numberText(m, path, "to", false)).value_or(0);
    if (!reader.failed() &&
        !(result.from >= t.front() && result.from < result.to && result.to <= t.back()))
        reader.fail(tr("The fit window from %1 to %2 is not a span of the recording's times.")
                        .arg(quotedEntry(path, "from"), quotedEntry(path, "to")));
    for (FitParameter p : readParameters(reader, m, path, "free", result))
        result.free[indexOf(p)] = true;
    result.fit = readFit(reader, m, path, result);
    return result;
}

std::optional<MeasurementExperiment> MeasurementExperiment::fromJson(const QJsonValue &entry)
{
    JsonReader reader;
    MeasurementExperiment result = read(reader, entry);
    if (reader.failed())
        return std::nullopt;
    return result;
}

} // namespace kel::measurement
