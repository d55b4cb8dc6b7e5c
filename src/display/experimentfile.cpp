// SPDX-License-Identifier: GPL-3.0-or-later
#include "experimentfile.h"

#include "qstringtext.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <array>
#include <cmath>
#include <initializer_list>
#include <limits>

namespace kel::display
{

namespace
{

QString tr(const char *text)
{
    return QCoreApplication::translate("ExperimentFile", text);
}

QString quoted(const QString &text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString wholeText(qint64 value)
{
    return numberText(static_cast<double>(value));
}

using Names = std::initializer_list<const char *>;

constexpr Names kLabTexts = {"R", "L", "C", "v0", "f0", "w0", "q0", "i0"};
constexpr Names kReadouts = {"Time", "qq", "ii"};
constexpr Names kLabCurves = {"Charge", "Current", "Voltage"};
constexpr Names kScaleKeys = {"x1", "x2", "y1", "y2"};
constexpr Names kPhasorTexts = {"R", "C", "L", "v0", "f0", "NumPer", "t2"};
constexpr Names kPhasorChecks = {"Checkvr", "CheckVC", "CheckVL", "CheckVM"};

// What each circuit button of the main menu sets, so that a file cannot pair a button with
// another button's circuit or draw a fixed frame where that button draws the scale's.
struct LauncherFacts {
    int command;
    int circuitKind;
    LabFrame frame;
};
constexpr std::array<LauncherFacts, 12> kLaunchers = {{
    {1, 1, LabFrame::Fixed},
    {3, 2, LabFrame::Fixed},
    {4, 3, LabFrame::Scale},
    {5, 4, LabFrame::Scale},
    {6, 1, LabFrame::Fixed},
    {7, 2, LabFrame::Fixed},
    {8, 3, LabFrame::Scale},
    {9, 4, LabFrame::Scale},
    {10, 6, LabFrame::Fixed},
    {11, 7, LabFrame::Fixed},
    {12, 5, LabFrame::Scale},
    {13, 8, LabFrame::Fixed},
}};

const LauncherFacts *launcherFacts(int command)
{
    for (const LauncherFacts &facts : kLaunchers) {
        if (facts.command == command)
            return &facts;
    }
    return nullptr;
}

QString nameList(Names names)
{
    QStringList quotedNames;
    for (const char *name : names)
        quotedNames << quoted(QString::fromLatin1(name));
    return quotedNames.join(QStringLiteral(", "));
}

bool isBlank(const QString &text)
{
    return text.trimmed().isEmpty();
}

// Walks the JSON tree; the first problem found is the one reported, and every step after it
// does nothing, so the reading code reads straight through without testing at each step.
class TreeReader
{
public:
    bool failed() const { return !m_error.isEmpty(); }
    const QString &error() const { return m_error; }

    void fail(const QString &message)
    {
        if (m_error.isEmpty())
            m_error = message;
    }

    // Requires exactly `keys` in `object`: a missing one is named first, then an unknown one.
    void requireKeys(const QJsonObject &object, const QString &path, Names keys)
    {
        for (const char *key : keys) {
            if (!object.contains(QLatin1String(key)))
                fail(tr("The experiment has no entry %1.").arg(quoted(entry(path, key))));
        }
        for (auto it = object.begin(); it != object.end(); ++it) {
            bool known = false;
            for (const char *key : keys)
                known = known || it.key() == QLatin1String(key);
            if (!known)
                fail(tr("The experiment has an entry %1 that this version does not know.")
                         .arg(quoted(entry(path, it.key()))));
        }
    }

    // `value` as an object holding exactly `keys`; `name` is its entry in the file.
    QJsonObject object(const QJsonValue &value, const QString &name, Names keys)
    {
        if (failed())
            return {};
        if (!value.isObject()) {
            fail(tr("The entry %1 is not a group of entries in braces.").arg(quoted(name)));
            return {};
        }
        QJsonObject result = value.toObject();
        requireKeys(result, name, keys);
        return result;
    }

    QJsonObject object(const QJsonObject &parent, const QString &path, const char *key, Names keys)
    {
        return object(fetch(parent, path, key), entry(path, key), keys);
    }

    QString text(const QJsonObject &parent, const QString &path, const char *key)
    {
        const QJsonValue value = fetch(parent, path, key);
        if (failed())
            return {};
        if (!value.isString()) {
            fail(tr("The entry %1 is not a text in quotes.").arg(quoted(entry(path, key))));
            return {};
        }
        return value.toString();
    }

    // A text that is a number, or blank when `blankAllowed`.
    QString numberText(const QJsonObject &parent, const QString &path, const char *key,
                       bool blankAllowed)
    {
        QString result = text(parent, path, key);
        if (failed() || (blankAllowed && isBlank(result)))
            return result;
        if (!numberOf(result))
            fail(tr("The text %1 of %2 is not a number.")
                     .arg(quoted(result), quoted(entry(path, key))));
        return result;
    }

    BoxTexts boxTexts(const QJsonObject &parent, const QString &path, const char *key, Names names)
    {
        const QJsonObject group = object(parent, path, key, names);
        const QString name = entry(path, key);
        BoxTexts result;
        for (const char *box : names)
            result[QLatin1String(box)] = numberText(group, name, box, true);
        return result;
    }

    GraphScale scale(const QJsonObject &parent, const QString &path, const char *key)
    {
        const QJsonObject group = object(parent, path, key, kScaleKeys);
        const QString name = entry(path, key);
        GraphScale result;
        result.x1 = numberText(group, name, "x1", false);
        result.x2 = numberText(group, name, "x2", false);
        result.y1 = numberText(group, name, "y1", false);
        result.y2 = numberText(group, name, "y2", false);
        if (!failed() && numberOf(result.x1) == numberOf(result.x2))
            fail(tr("The scale %1 has x1 equal to x2.").arg(quoted(name)));
        return result;
    }

    int whole(const QJsonObject &parent, const QString &path, const char *key, int low, int high)
    {
        const QJsonValue value = fetch(parent, path, key);
        if (failed())
            return low;
        const QString name = entry(path, key);
        const double number = value.toDouble(std::nan(""));
        if (!value.isDouble() || !std::isfinite(number) || std::floor(number) != number) {
            fail(tr("The entry %1 is not a whole number.").arg(quoted(name)));
            return low;
        }
        if (number < low || number > high) {
            fail(tr("The entry %1 is %2; it must be from %3 to %4.")
                     .arg(quoted(name), display::numberText(number), wholeText(low),
                          wholeText(high)));
            return low;
        }
        return static_cast<int>(number);
    }

    bool flag(const QJsonObject &parent, const QString &path, const char *key)
    {
        const QJsonValue value = fetch(parent, path, key);
        if (failed())
            return false;
        if (!value.isBool())
            fail(tr("The entry %1 is not true or false.").arg(quoted(entry(path, key))));
        return value.toBool();
    }

    // One of `choices`, as its index.
    int choice(const QJsonObject &parent, const QString &path, const char *key, Names choices)
    {
        const QString chosen = text(parent, path, key);
        if (failed())
            return 0;
        int index = 0;
        for (const char *c : choices) {
            if (chosen == QLatin1String(c))
                return index;
            ++index;
        }
        fail(tr("The entry %1 is %2, not one of %3.")
                 .arg(quoted(entry(path, key)), quoted(chosen), nameList(choices)));
        return 0;
    }

    QJsonArray array(const QJsonObject &parent, const QString &path, const char *key)
    {
        const QJsonValue value = fetch(parent, path, key);
        if (failed())
            return {};
        if (!value.isArray()) {
            fail(tr("The entry %1 is not a list in brackets.").arg(quoted(entry(path, key))));
            return {};
        }
        return value.toArray();
    }

    // A list of distinct names, each one of `names`.
    QStringList names(const QJsonObject &parent, const QString &path, const char *key, Names names)
    {
        const QJsonArray list = array(parent, path, key);
        const QString name = entry(path, key);
        QStringList result;
        for (const auto &item : list) {
            if (failed())
                break;
            const QString listed = item.toString();
            bool known = false;
            for (const char *n : names)
                known = known || listed == QLatin1String(n);
            if (!item.isString() || !known)
                fail(tr("The list %1 holds %2, which is not one of %3.")
                         .arg(quoted(name),
                              item.isString() ? quoted(listed) : tr("an entry that is no name"),
                              nameList(names)));
            else if (result.contains(listed))
                fail(tr("The list %1 holds %2 twice.").arg(quoted(name), quoted(listed)));
            else
                result << listed;
        }
        return result;
    }

    static QString entry(const QString &path, const QString &key)
    {
        return path.isEmpty() ? key : path + QLatin1Char('.') + key;
    }
    static QString entry(const QString &path, const char *key)
    {
        return entry(path, QString::fromLatin1(key));
    }

private:
    QJsonValue fetch(const QJsonObject &parent, const QString &path, const char *key)
    {
        QJsonValue value = parent.value(QLatin1String(key));
        if (value.isUndefined())
            fail(tr("The experiment has no entry %1.").arg(quoted(entry(path, key))));
        return value;
    }

    QString m_error;
};

QString tooLarge()
{
    return tr("The file is larger than %1 MB, too large for an experiment.")
        .arg(wholeText(ExperimentFile::kMaxBytes / (qint64{1024} * 1024)));
}

LabExperiment readLab(TreeReader &reader, const QJsonObject &root)
{
    const QString path = QStringLiteral("lab");
    const QJsonObject lab = reader.object(root, {}, "lab",
                                          {"launcher", "circuit", "frame", "texts", "readouts",
                                           "scale", "defaultScale", "curves", "plots"});
    LabExperiment result;
    result.launcher = reader.whole(lab, path, "launcher", 1, 13);
    const LauncherFacts *facts = launcherFacts(result.launcher);
    if (!reader.failed() && !facts)
        reader.fail(tr("The entry \"lab.launcher\" is %1, which names no circuit button.")
                        .arg(wholeText(result.launcher)));
    result.circuitKind = reader.whole(lab, path, "circuit", 1, 8);
    if (!reader.failed() && result.circuitKind != facts->circuitKind)
        reader.fail(tr("The entry \"lab.circuit\" is %1, but launcher %2 sets circuit %3.")
                        .arg(wholeText(result.circuitKind), wholeText(result.launcher),
                             wholeText(facts->circuitKind)));
    result.frame = reader.choice(lab, path, "frame", {"fixed", "scale"}) == 0 ? LabFrame::Fixed
                                                                              : LabFrame::Scale;
    if (!reader.failed() && result.frame == LabFrame::Fixed && facts->frame == LabFrame::Scale)
        reader.fail(tr("Launcher %1 draws the frame of the current scale, so \"lab.frame\" "
                       "cannot be \"fixed\".")
                        .arg(wholeText(result.launcher)));
    result.texts = reader.boxTexts(lab, path, "texts", kLabTexts);
    result.readouts = reader.boxTexts(lab, path, "readouts", kReadouts);
    result.scale = reader.scale(lab, path, "scale");
    result.defaultScale = reader.scale(lab, path, "defaultScale");
    result.curves = reader.names(lab, path, "curves", kLabCurves);

    const QJsonArray plots = reader.array(lab, path, "plots");
    if (!reader.failed() && plots.size() > ExperimentFile::kMaxPlots)
        reader.fail(tr("The experiment has %1 plots; at most %2 are read.")
                        .arg(wholeText(plots.size()), wholeText(ExperimentFile::kMaxPlots)));
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

PhasorExperiment readPhasor(TreeReader &reader, const QJsonObject &root)
{
    const QString path = QStringLiteral("phasor");
    const QJsonObject phasor = reader.object(
        root, {}, "phasor", {"texts", "timeBar", "checked", "drawing", "projections"});
    PhasorExperiment result;
    result.texts = reader.boxTexts(phasor, path, "texts", kPhasorTexts);
    result.timeBar = reader.whole(phasor, path, "timeBar", 0, 200);
    result.checked = reader.names(phasor, path, "checked", kPhasorChecks);
    const int drawing = reader.choice(phasor, path, "drawing", {"loaded", "redrawn", "cleared"});
    result.drawing = static_cast<PhasorDrawing>(drawing);
    result.projections = reader.flag(phasor, path, "projections");
    return result;
}

QJsonObject textsObject(const BoxTexts &texts, Names names)
{
    QJsonObject result;
    for (const char *name : names) {
        const auto it = texts.find(QLatin1String(name));
        result.insert(QLatin1String(name), it == texts.end() ? QString() : it->second);
    }
    return result;
}

QJsonObject scaleObject(const GraphScale &scale)
{
    return QJsonObject{{QStringLiteral("x1"), scale.x1},
                       {QStringLiteral("x2"), scale.x2},
                       {QStringLiteral("y1"), scale.y1},
                       {QStringLiteral("y2"), scale.y2}};
}

QJsonObject labObject(const LabExperiment &lab)
{
    QJsonArray plots;
    for (const LabPlot &plot : lab.plots)
        plots.append(
            QJsonObject{{QStringLiteral("texts"), textsObject(plot.texts, kLabTexts)},
                        {QStringLiteral("curves"), QJsonArray::fromStringList(plot.curves)}});
    return QJsonObject{
        {QStringLiteral("launcher"), lab.launcher},
        {QStringLiteral("circuit"), lab.circuitKind},
        {QStringLiteral("frame"),
         lab.frame == LabFrame::Fixed ? QStringLiteral("fixed") : QStringLiteral("scale")},
        {QStringLiteral("texts"), textsObject(lab.texts, kLabTexts)},
        {QStringLiteral("readouts"), textsObject(lab.readouts, kReadouts)},
        {QStringLiteral("scale"), scaleObject(lab.scale)},
        {QStringLiteral("defaultScale"), scaleObject(lab.defaultScale)},
        {QStringLiteral("curves"), QJsonArray::fromStringList(lab.curves)},
        {QStringLiteral("plots"), plots},
    };
}

QJsonObject phasorObject(const PhasorExperiment &phasor)
{
    static constexpr std::array<const char *, 3> kDrawings = {"loaded", "redrawn", "cleared"};
    return QJsonObject{
        {QStringLiteral("texts"), textsObject(phasor.texts, kPhasorTexts)},
        {QStringLiteral("timeBar"), phasor.timeBar},
        {QStringLiteral("checked"), QJsonArray::fromStringList(phasor.checked)},
        {QStringLiteral("drawing"),
         QLatin1String(kDrawings.at(static_cast<std::size_t>(phasor.drawing)))},
        {QStringLiteral("projections"), phasor.projections},
    };
}

} // namespace

ExperimentFile::Reading ExperimentFile::read(const QByteArray &bytes)
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

    TreeReader reader;
    const int version = reader.whole(root, {}, "version", 1, std::numeric_limits<int>::max());
    if (!reader.failed() && version > kFormatVersion)
        return {std::nullopt,
                tr("The experiment was saved by a newer version of Kel Circuit Lab (file format "
                   "%1; this version reads up to %2).")
                    .arg(wholeText(version), wholeText(kFormatVersion))};
    Experiment experiment;
    const int window = reader.choice(root, {}, "window", {"lab", "phasor"});
    experiment.window = window == 0 ? ExperimentWindow::Lab : ExperimentWindow::Phasor;
    if (!reader.failed()) {
        if (experiment.window == ExperimentWindow::Lab) {
            reader.requireKeys(root, {}, {"format", "version", "window", "lab"});
            experiment.lab = readLab(reader, root);
        } else {
            reader.requireKeys(root, {}, {"format", "version", "window", "phasor"});
            experiment.phasor = readPhasor(reader, root);
        }
    }
    if (reader.failed())
        return {std::nullopt, reader.error()};
    return {std::move(experiment), {}};
}

ExperimentFile::Reading ExperimentFile::readFile(const QString &path)
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
    return read(bytes);
}

QByteArray ExperimentFile::write(const Experiment &experiment)
{
    QJsonObject root{
        {QStringLiteral("format"), QLatin1String(kFormatName)},
        {QStringLiteral("version"), kFormatVersion},
    };
    if (experiment.window == ExperimentWindow::Lab) {
        root.insert(QStringLiteral("window"), QStringLiteral("lab"));
        root.insert(QStringLiteral("lab"), labObject(experiment.lab));
    } else {
        root.insert(QStringLiteral("window"), QStringLiteral("phasor"));
        root.insert(QStringLiteral("phasor"), phasorObject(experiment.phasor));
    }
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

QString ExperimentFile::problemIn(const Experiment &experiment)
{
    return read(write(experiment)).error;
}

} // namespace kel::display
