// SPDX-License-Identifier: GPL-3.0-or-later
#include "translationtesting.h"

#include "shell/mainmenu.h"

#include <QAbstractButton>
#include <QApplication>
#include <QRegularExpression>
#include <QTest>

namespace kel::testing
{

QStringList translatedLanguages()
{
    return {QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("es"),
            QStringLiteral("pt_BR")};
}

bool sameInLanguage(const QString &language, const QString &source)
{
    // Symbols of quantities and units read the same in every language.
    QString words = source;
    words.remove(QRegularExpression(QStringLiteral("%\\d")));
    words.remove(
        QRegularExpression(QStringLiteral("\\b(kel|Vmax|VRmax|VCmax|VLmax|rad|phi|Hz)\\b")));
    if (!words.contains(QRegularExpression(QStringLiteral("[A-Za-z]{3,}"))))
        return true;
    static const std::set<std::pair<QString, QString>> sameWords = {
        {"de", "Amplitude "},
        {"de", "Version %1"},
        {"de", "OK"},
        {"fr", "Amplitude "},
        {"fr", "Version %1"},
        {"fr", "OK"},
        {"fr", "Charge"},
        {"fr", "Pause"},
        {"fr", "phase φ"},
        {"de", "Pause"},
        {"pt_BR", "Amplitude "},
        {"pt_BR", "OK"},
        {"fr", "Solution"},
        {"pt_BR", "Regime"},
        {"es", "V total"},
        {"pt_BR", "V total"},
        {"fr", "charge"},
        {"fr", "Charge q"},
        {"de", "Parameter"},
        // The program's name, and a word Spanish and Portuguese share with English.
        {"de", "Kel Circuit Lab %1"},
        {"fr", "Kel Circuit Lab %1"},
        {"es", "Kel Circuit Lab %1"},
        {"pt_BR", "Kel Circuit Lab %1"},
        {"es", "Amplitudes: VR = %1 V, VC = %2 V, VL = %3 V"},
        {"pt_BR", "Amplitudes: VR = %1 V, VC = %2 V, VL = %3 V"},
    };
    // A shown text matches its source with each placeholder filled in.
    for (const auto &[lang, word] : sameWords) {
        if (lang != language)
            continue;
        QStringList parts = word.split(QRegularExpression(QStringLiteral("%\\d")));
        for (QString &part : parts)
            part = QRegularExpression::escape(part);
        const QString pattern = parts.join(QStringLiteral(".*"));
        if (QRegularExpression(QRegularExpression::anchoredPattern(pattern))
                .match(source)
                .hasMatch())
            return true;
    }
    return false;
}

QWidget *topLevel(const QString &objectName)
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->objectName() == objectName)
            return widget;
    return nullptr;
}

void openEveryWindow(shell::MainMenu &menu)
{
    menu.show();
    for (const char *button : {"Command13", "Command14"})
        if (auto *b = menu.findChild<QAbstractButton *>(button))
            b->click();
    menu.showAbout();
    for (const char *name : {"kel_main", "rc", "Phasors", "AboutKel"})
        if (QWidget *window = topLevel(name))
            static_cast<void>(QTest::qWaitForWindowExposed(window));
}

QString MissRecorder::translate(const char *context, const char *sourceText,
                                const char *disambiguation, int n) const
{
    Q_UNUSED(disambiguation);
    Q_UNUSED(n);
    const QString where = QString::fromUtf8(context ? context : "");
    const QString source = QString::fromUtf8(sourceText ? sourceText : "");
    // Qt's own classes are Qt's translation's business.
    const bool qtContext = where.contains(QRegularExpression(QStringLiteral("^Q[A-Z]")));
    if (!qtContext && !source.trimmed().isEmpty() && !sameInLanguage(m_language, source))
        m_misses.insert(where + QStringLiteral(": ") + source);
    return QString();
}

} // namespace kel::testing
