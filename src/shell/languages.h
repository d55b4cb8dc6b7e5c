// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class QTranslator;

namespace kel::shell
{

// Installs the program's translation and Qt's own (OK, Cancel, the file chooser) for one
// language, and removes them again when it goes. Create it after the application object and
// before the first window, and keep it for as long as the windows live.
class Languages
{
public:
    Languages();
    ~Languages();
    Languages(const Languages &) = delete;
    Languages &operator=(const Languages &) = delete;

    // Installs the translations for `code` ("de", "fr", "es", "pt_BR"; "de_AT" and "pt"
    // find their language too), or, when `code` is empty, for the first of the system's UI
    // languages (LANGUAGE, LC_MESSAGES, LANG) that the program speaks. English, the source
    // language, is what remains when none fits. Returns the language now in use ("en" for
    // English).
    QString install(const QString &code = QString());

    // The language now in use ("en" when nothing is installed).
    QString language() const { return m_language; }

    // The languages the program is translated into, English first.
    static QStringList available();

    // The first entry of `preferred` (BCP 47 or POSIX codes, best first) that the program
    // speaks: "en" for English or one of available(); "en" when none fits.
    static QString choose(const QStringList &preferred);

private:
    void remove();

    std::unique_ptr<QTranslator> m_program;
    std::unique_ptr<QTranslator> m_qt;
    QString m_language = QStringLiteral("en");
};

} // namespace kel::shell
