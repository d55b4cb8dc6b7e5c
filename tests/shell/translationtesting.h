// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

#include <ostream>
#include <set>
#include <utility>

class QWidget;

namespace kel::shell
{
class MainMenu;
}

namespace kel::testing
{

// The translated languages, without English.
QStringList translatedLanguages();

// Whether a translation may read exactly like its English source: symbols, units and
// placeholders everywhere, and the few words that are the same in that language.
bool sameInLanguage(const QString &language, const QString &source);

// The program's windows by objectName ("kel_main", "rc", "Phasors", "AboutKel"), opened from
// the main menu as a student would; nullptr for one that is not open.
QWidget *topLevel(const QString &objectName);
void openEveryWindow(shell::MainMenu &menu);

// Installed before the program's translators, so that it is asked last: every lookup of one
// of the program's texts that no translation answered ends here and is recorded.
class MissRecorder final : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText,
                      const char *disambiguation = nullptr, int n = -1) const override;
    bool isEmpty() const override { return false; }

    void setLanguage(const QString &language) { m_language = language; }
    // "context: source" of every text looked up and not translated.
    const std::set<QString> &misses() const { return m_misses; }

private:
    QString m_language;
    mutable std::set<QString> m_misses;
};

} // namespace kel::testing

// Test parameters print as their text.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << text.toStdString();
}
