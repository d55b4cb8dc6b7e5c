// SPDX-License-Identifier: GPL-3.0-or-later
#include "jsonreader.h"

#include "qstringtext.h"

#include <QCoreApplication>

#include <cmath>

namespace kel::display
{

namespace
{

QString nameList(const std::vector<const char *> &names)
{
    QStringList quotedNames;
    for (const char *name : names)
        quotedNames << JsonReader::quoted(QString::fromLatin1(name));
    return quotedNames.join(QStringLiteral(", "));
}

bool isBlank(const QString &text)
{
    return text.trimmed().isEmpty();
}

} // namespace

QString JsonReader::tr(const char *text)
{
    return QCoreApplication::translate("ExperimentFile", text);
}

QString JsonReader::quoted(const QString &text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString JsonReader::wholeText(qint64 value)
{
    return display::numberText(static_cast<double>(value));
}

void JsonReader::fail(const QString &message)
{
    if (m_error.isEmpty())
        m_error = message;
}

void JsonReader::requireKeys(const QJsonObject &object, const QString &path, Names keys)
{
    requireKeys(object, path, std::vector<const char *>(keys));
}

void JsonReader::requireKeys(const QJsonObject &object, const QString &path,
                             const std::vector<const char *> &keys)
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

QJsonObject JsonReader::object(const QJsonValue &value, const QString &name, Names keys)
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

QJsonObject JsonReader::object(const QJsonObject &parent, const QString &path, const char *key,
                               Names keys)
{
    return object(fetch(parent, path, key), entry(path, key), keys);
}

QString JsonReader::text(const QJsonObject &parent, const QString &path, const char *key)
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

QString JsonReader::numberText(const QJsonObject &parent, const QString &path, const char *key,
                               bool blankAllowed)
{
    QString result = text(parent, path, key);
    if (failed() || (blankAllowed && isBlank(result)))
        return result;
    if (!numberOf(result))
        fail(
            tr("The text %1 of %2 is not a number.").arg(quoted(result), quoted(entry(path, key))));
    return result;
}

BoxTexts JsonReader::boxTexts(const QJsonObject &parent, const QString &path, const char *key,
                              Names names)
{
    const QJsonObject group = object(parent, path, key, names);
    const QString name = entry(path, key);
    BoxTexts result;
    for (const char *box : names)
        result[QLatin1String(box)] = numberText(group, name, box, true);
    return result;
}

int JsonReader::whole(const QJsonObject &parent, const QString &path, const char *key, int low,
                      int high)
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
                 .arg(quoted(name), display::numberText(number), wholeText(low), wholeText(high)));
        return low;
    }
    return static_cast<int>(number);
}

bool JsonReader::flag(const QJsonObject &parent, const QString &path, const char *key)
{
    const QJsonValue value = fetch(parent, path, key);
    if (failed())
        return false;
    if (!value.isBool())
        fail(tr("The entry %1 is not true or false.").arg(quoted(entry(path, key))));
    return value.toBool();
}

int JsonReader::choice(const QJsonObject &parent, const QString &path, const char *key,
                       Names choices)
{
    return choice(parent, path, key, std::vector<const char *>(choices));
}

int JsonReader::choice(const QJsonObject &parent, const QString &path, const char *key,
                       const std::vector<const char *> &choices)
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

QJsonArray JsonReader::array(const QJsonObject &parent, const QString &path, const char *key)
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

QStringList JsonReader::names(const QJsonObject &parent, const QString &path, const char *key,
                              Names names)
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
                          nameList(std::vector<const char *>(names))));
        else if (result.contains(listed))
            fail(tr("The list %1 holds %2 twice.").arg(quoted(name), quoted(listed)));
        else
            result << listed;
    }
    return result;
}

QString JsonReader::entry(const QString &path, const QString &key)
{
    return path.isEmpty() ? key : path + QLatin1Char('.') + key;
}

QString JsonReader::entry(const QString &path, const char *key)
{
    return entry(path, QString::fromLatin1(key));
}

QJsonValue JsonReader::fetch(const QJsonObject &parent, const QString &path, const char *key)
{
    QJsonValue value = parent.value(QLatin1String(key));
    if (value.isUndefined())
        fail(tr("The experiment has no entry %1.").arg(quoted(entry(path, key))));
    return value;
}

QJsonObject boxTextsObject(const BoxTexts &texts, JsonReader::Names names)
{
    QJsonObject result;
    for (const char *name : names) {
        const auto it = texts.find(QLatin1String(name));
        result.insert(QLatin1String(name), it == texts.end() ? QString() : it->second);
    }
    return result;
}

} // namespace kel::display
