// SPDX-License-Identifier: GPL-3.0-or-later
#include "languages.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace kel::shell
{

namespace
{

constexpr auto kResourceFolder = ":/i18n";
// tools/update_translations.py writes every translation once more into this context.
constexpr auto kAnyContext = "SourceText";

// The program's translation, which finds a text by its English alone when its own context has
// no entry for it: texts keep their translation when code moves between classes ahead of the
// next update of the translation files.
class ProgramTranslator final : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText,
                      const char *disambiguation = nullptr, int n = -1) const override
    {
        QString text = QTranslator::translate(context, sourceText, disambiguation, n);
        if (text.isNull() && sourceText && *sourceText)
            text = QTranslator::translate(kAnyContext, sourceText, disambiguation, n);
        return text;
    }
};

// "de-DE", "de_DE.UTF-8" and "de_DE@euro" all become "de_DE".
QString normalised(QString code)
{
    code.replace(QLatin1Char('-'), QLatin1Char('_'));
    for (const QLatin1Char stop : {QLatin1Char('.'), QLatin1Char('@')}) {
        const qsizetype at = code.indexOf(stop);
        if (at >= 0)
            code.truncate(at);
    }
    return code.trimmed();
}

} // namespace

Languages::Languages() = default;

Languages::~Languages()
{
    remove();
}

QStringList Languages::available()
{
    return {QStringLiteral("en"), QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("es"),
            QStringLiteral("pt_BR")};
}

QString Languages::choose(const QStringList &preferred)
{
    const QStringList known = available();
    for (const QString &entry : preferred) {
        const QString code = normalised(entry);
        if (code.isEmpty())
            continue;
        if (code == QLatin1String("C") || code == QLatin1String("POSIX"))
            return QStringLiteral("en");
        for (const QString &language : known)
            if (code.compare(language, Qt::CaseInsensitive) == 0)
                return language;
        // A region the program has no translation for still gets its language: de_AT is
        // German and pt_PT reads the Brazilian translation rather than English.
        const QString base = code.section(QLatin1Char('_'), 0, 0);
        for (const QString &language : known)
            if (language.section(QLatin1Char('_'), 0, 0).compare(base, Qt::CaseInsensitive) == 0)
                return language;
    }
    return QStringLiteral("en");
}

QString Languages::install(const QString &code)
{
    remove();
    const QString language =
        choose(code.isEmpty() ? QLocale::system().uiLanguages() : QStringList{code});
    if (language == QLatin1String("en"))
        return m_language;

    auto program = std::make_unique<ProgramTranslator>();
    if (!program->load(QStringLiteral("kel_") + language, QString::fromLatin1(kResourceFolder)))
        return m_language;
    QCoreApplication::installTranslator(program.get());
    m_program = std::move(program);
    m_language = language;

    // Qt's own texts come from the system's Qt translations, where they are installed.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_") + language,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        m_qt = std::move(qt);
    }
    return m_language;
}

void Languages::remove()
{
    for (std::unique_ptr<QTranslator> *translator : {&m_qt, &m_program}) {
        if (*translator)
            QCoreApplication::removeTranslator(translator->get());
        translator->reset();
    }
    m_language = QStringLiteral("en");
}

} // namespace kel::shell
