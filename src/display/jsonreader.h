// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QStringList>

#include <initializer_list>
#include <map>
#include <vector>

namespace kel::display
{

// Texts keyed by the name of the box they stood in, exactly as they stood.
using BoxTexts = std::map<QString, QString>;

// The reading of an experiment file's JSON tree, strict as every part of the file is: every
// key required, no other allowed, each value of the kind asked. The first problem found is
// the one reported, in one sentence naming the entry by its path ("group.texts.R"), and every
// step after it does nothing, so a part's reader reads straight through without testing at
// each step.
class JsonReader
{
public:
    using Names = std::initializer_list<const char *>;

    bool failed() const { return !m_error.isEmpty(); }
    const QString &error() const { return m_error; }
    // Keeps the first of the messages.
    void fail(const QString &message);

    // Requires exactly `keys` in `object`: a missing one is named first, then an unknown one.
    void requireKeys(const QJsonObject &object, const QString &path, Names keys);
    void requireKeys(const QJsonObject &object, const QString &path,
                     const std::vector<const char *> &keys);
    // `value` as an object holding exactly `keys`; `name` is its entry in the file.
    QJsonObject object(const QJsonValue &value, const QString &name, Names keys);
    QJsonObject object(const QJsonObject &parent, const QString &path, const char *key, Names keys);
    QString text(const QJsonObject &parent, const QString &path, const char *key);
    // A text that is a number, or blank when `blankAllowed`.
    QString numberText(const QJsonObject &parent, const QString &path, const char *key,
                       bool blankAllowed);
    // The texts of `names`, each a number or blank.
    BoxTexts boxTexts(const QJsonObject &parent, const QString &path, const char *key, Names names);
    // A whole number from `low` to `high`; `low` when it is not one.
    int whole(const QJsonObject &parent, const QString &path, const char *key, int low, int high);
    bool flag(const QJsonObject &parent, const QString &path, const char *key);
    // One of `choices`, as its index.
    int choice(const QJsonObject &parent, const QString &path, const char *key, Names choices);
    int choice(const QJsonObject &parent, const QString &path, const char *key,
               const std::vector<const char *> &choices);
    QJsonArray array(const QJsonObject &parent, const QString &path, const char *key);
    // A list of distinct names, each one of `names`.
    QStringList names(const QJsonObject &parent, const QString &path, const char *key, Names names);

    static QString entry(const QString &path, const QString &key);
    static QString entry(const QString &path, const char *key);

    // Messages in the words of every experiment file's reading, for a part's own checks.
    static QString tr(const char *text);
    static QString quoted(const QString &text);
    static QString wholeText(qint64 value);

private:
    QJsonValue fetch(const QJsonObject &parent, const QString &path, const char *key);

    QString m_error;
};

// The texts of `names` as a JSON object, blank for a name `texts` does not hold.
QJsonObject boxTextsObject(const BoxTexts &texts, JsonReader::Names names);

} // namespace kel::display
