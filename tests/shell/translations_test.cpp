// SPDX-License-Identifier: GPL-3.0-or-later
// The translations are complete for the texts in the sources, every text the windows look up
// is translated, and the language comes from --lang, then the system's UI languages.
#include "shell/languages.h"
#include "shell/mainmenu.h"
#include "support/scripteddialogs.h"
#include "translationtesting.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>

#include <map>
#include <vector>

namespace
{

using kel::shell::Languages;
using kel::testing::topLevel;

struct Message {
    QString context, source, comment;
};

// Every translatable text in the sources now, as lupdate finds it.
std::vector<Message> sourceMessages()
{
    QTemporaryDir folder;
    const QString ts = folder.filePath(QStringLiteral("kel_en.ts"));
    QProcess lupdate;
    lupdate.start(QStringLiteral(KEL_LUPDATE),
                  {QStringLiteral("-silent"), QStringLiteral("-recursive"),
                   QStringLiteral(KEL_SOURCE_DIR "/src"), QStringLiteral("-extensions"),
                   QStringLiteral("cpp,h"), QStringLiteral("-locations"), QStringLiteral("none"),
                   QStringLiteral("-ts"), ts});
    lupdate.waitForFinished(60000);
    QFile file(ts);
    std::vector<Message> messages;
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("message"))
            message = {context, {}, {}};
        else if (xml.name() == QLatin1String("source"))
            message.source = xml.readElementText();
        else if (xml.name() == QLatin1String("comment"))
            message.comment = xml.readElementText();
        else if (xml.name() == QLatin1String("translation"))
            messages.push_back(message);
    }
    return messages;
}

TEST(Translations, EveryTextInTheSourcesIsTranslated)
{
    const std::vector<Message> messages = sourceMessages();
    ASSERT_GT(messages.size(), 100u) << "lupdate found too few texts in " KEL_SOURCE_DIR "/src";
    std::map<QString, QStringList> untranslated;
    for (const QString &language : kel::testing::translatedLanguages()) {
        QTranslator translator;
        ASSERT_TRUE(translator.load(QStringLiteral("kel_") + language, QStringLiteral(":/i18n")))
            << language.toStdString();
        for (const Message &m : messages) {
            const QString text =
                translator.translate(m.context.toUtf8(), m.source.toUtf8(), m.comment.toUtf8());
            const bool same = text.isEmpty() || text == m.source;
            if (same && !kel::testing::sameInLanguage(language, m.source))
                untranslated[language] << m.context + QStringLiteral(": ") + m.source;
        }
    }
    for (const auto &[language, texts] : untranslated)
        ADD_FAILURE() << language.toStdString() << ": " << texts.size()
                      << " untranslated text(s) (run tools/update_translations.py and add them "
                         "to translations/dict/"
                      << language.toStdString() << ".tsv):\n  "
                      << texts.join(QStringLiteral("\n  ")).toStdString();
}

void trigger(const QWidget *window, const char *action)
{
    for (QAction *a : window->findChildren<QAction *>(QString::fromLatin1(action)))
        a->trigger();
}

void setText(const QWidget *window, const char *box, const QString &text)
{
    if (auto *edit = window->findChild<QLineEdit *>(QString::fromLatin1(box)))
        edit->setText(text);
}

// The commands a student uses, with their questions and messages.
void useEveryCommand(kel::shell::MainMenu &menu)
{
    kel::testing::openEveryWindow(menu);
    const QWidget *lab = topLevel(QStringLiteral("rc"));
    const QWidget *phasors = topLevel(QStringLiteral("Phasors"));
    const QWidget *about = topLevel(QStringLiteral("AboutKel"));
    ASSERT_TRUE(lab && phasors && about);
    for (const char *action :
         {"ClGraphs", "GScale", "PlGraphs", "SaveGraph", "CopyGraph", "SaveData"})
        trigger(lab, action);
    if (auto *voltage = lab->findChild<QCheckBox *>(QStringLiteral("Voltage")))
        voltage->setChecked(true);
    setText(lab, "C", QStringLiteral("0"));
    trigger(lab, "PlGraphs");
    for (const char *action : {"plot", "ClrGraphs", "SavePicture", "CopyPicture", "SaveCsv"})
        trigger(phasors, action);
    if (auto *projection = phasors->findChild<QAbstractButton *>(QStringLiteral("Projection")))
        projection->click();
    setText(phasors, "f0", QStringLiteral("x"));
    trigger(phasors, "plot");
    if (auto *sysInfo = about->findChild<QAbstractButton *>(QStringLiteral("cmdSysInfo")))
        sysInfo->click();
}

class RunTimeTexts : public ::testing::TestWithParam<QString>
{
};

TEST_P(RunTimeTexts, EveryTextTheWindowsShowIsTranslated)
{
    kel::testing::MissRecorder recorder;
    recorder.setLanguage(GetParam());
    QCoreApplication::installTranslator(&recorder);
    {
        Languages languages;
        ASSERT_EQ(languages.install(GetParam()), GetParam());
        kel::testing::ScriptedDialogs dialogs;
        kel::shell::MainMenu menu(dialogs);
        useEveryCommand(menu);
        EXPECT_FALSE(dialogs.messages().empty());
        // The recorder hears what no translation answers.
        static_cast<void>(QCoreApplication::translate("kel::Probe", "No such text"));
        EXPECT_EQ(recorder.misses().count(QStringLiteral("kel::Probe: No such text")), 1u);
    }
    QCoreApplication::removeTranslator(&recorder);
    QStringList misses;
    for (const QString &miss : recorder.misses())
        if (!miss.startsWith(QLatin1String("kel::Probe:")))
            misses << miss;
    EXPECT_TRUE(misses.isEmpty()) << GetParam().toStdString() << ": " << misses.size()
                                  << " text(s) shown untranslated:\n  "
                                  << misses.join(QStringLiteral("\n  ")).toStdString();
}

// What a student reads in the windows after using every command: titles, labels (the status
// bars' too), buttons, menu entries and the source-kind box, by window and objectName.
std::map<QString, QString> shownTexts(const QString &language)
{
    Languages languages;
    languages.install(language);
    kel::testing::ScriptedDialogs dialogs;
    kel::shell::MainMenu menu(dialogs);
    useEveryCommand(menu);
    std::map<QString, QString> shown;
    for (const char *name : {"kel_main", "rc", "Phasors", "AboutKel"}) {
        const QWidget *window = topLevel(QString::fromLatin1(name));
        if (!window)
            continue;
        const QString prefix = window->objectName() + QLatin1Char('/');
        shown[prefix + QStringLiteral("(title)")] = window->windowTitle();
        for (const QObject *object : window->findChildren<QObject *>()) {
            const QString key = prefix + object->objectName();
            if (object->objectName().isEmpty())
                continue;
            if (const auto *label = qobject_cast<const QLabel *>(object))
                shown[key] = label->text();
            else if (const auto *button = qobject_cast<const QAbstractButton *>(object))
                shown[key] = button->text();
            else if (const auto *action = qobject_cast<const QAction *>(object))
                shown[key] = action->text();
            else if (object->objectName() == QLatin1String("VSource"))
                shown[key] = static_cast<const QLineEdit *>(object)->text();
        }
    }
    return shown;
}

// Catches texts that never go through tr(): they read in English whatever the language.
TEST_P(RunTimeTexts, NoCaptionStaysInEnglish)
{
    const std::map<QString, QString> english = shownTexts(QStringLiteral("en"));
    const std::map<QString, QString> translated = shownTexts(GetParam());
    QStringList same;
    for (const auto &[where, text] : english) {
        const auto it = translated.find(where);
        if (it != translated.end() && it->second == text &&
            !kel::testing::sameInLanguage(GetParam(), text))
            same << where + QStringLiteral(": ") + text;
    }
    EXPECT_TRUE(same.isEmpty()) << GetParam().toStdString() << ": " << same.size()
                                << " caption(s) still in English:\n  "
                                << same.join(QStringLiteral("\n  ")).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Languages, RunTimeTexts,
                         ::testing::ValuesIn(kel::testing::translatedLanguages().toVector()),
                         [](const ::testing::TestParamInfo<QString> &info) {
                             return info.param.toStdString();
                         });

TEST(ChooseLanguage, TakesTheFirstPreferredLanguageTheProgramSpeaks)
{
    const struct {
        QStringList preferred;
        const char *chosen;
    } cases[] = {
        {{"de-DE", "fr"}, "de"}, {{"fr_CA.UTF-8"}, "fr"},
        {{"es-419"}, "es"},      {{"pt-BR"}, "pt_BR"},
        {{"pt_PT"}, "pt_BR"},    {{"xx", "es"}, "es"},
        {{"en-GB", "de"}, "en"}, {{"C"}, "en"},
        {{"xx"}, "en"},          {{}, "en"},
        {{"de_AT@euro"}, "de"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(Languages::choose(c.preferred), QString::fromLatin1(c.chosen))
            << c.preferred.join(QLatin1Char(',')).toStdString();
}

// What the probe prints: captions of the three windows and a message box text.
std::map<QString, QString> probe(const QStringList &arguments,
                                 const std::map<QString, QString> &environment)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
        env.remove(QString::fromLatin1(name));
    for (const auto &[name, value] : environment)
        env.insert(name, value);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(KEL_LANGUAGE_PROBE),
                  QStringList{QStringLiteral("--captions")} + arguments);
    process.waitForFinished(60000);
    std::map<QString, QString> out;
    for (const QString &line : QString::fromUtf8(process.readAllStandardOutput())
                                   .split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        out[line.section(QLatin1Char('='), 0, 0)] = line.section(QLatin1Char('='), 1);
    return out;
}

struct Expected {
    const char *language, *phasorButton, *plotGraphs, *projection, *message;
};

constexpr Expected kEnglish{"en", "Phasors", "Plot Graphs", "Phasor Projections",
                            "Wrong Values of parameters"};
constexpr Expected kGerman{"de", "Zeiger", "Graphen zeichnen", "Zeigerprojektionen",
                           "Ungültige Parameterwerte"};
constexpr Expected kFrench{"fr", "Fresnel", "Tracer les courbes", "Projections",
                           "Valeurs des paramètres incorrectes"};
constexpr Expected kSpanish{"es", "Fasores", "Dibujar gráficas", "Proyecciones",
                            "Valores de los parámetros incorrectos"};
constexpr Expected kPortuguese{"pt_BR", "Fasores", "Traçar gráficos", "Projeções",
                               "Valores dos parâmetros inválidos"};

void expectCaptions(const std::map<QString, QString> &shown, const Expected &expected)
{
    const auto at = [&](const char *key) {
        const auto it = shown.find(QString::fromLatin1(key));
        return it == shown.end() ? std::string("(nothing)") : it->second.toStdString();
    };
    EXPECT_EQ(at("language"), expected.language);
    EXPECT_EQ(at("Command14"), expected.phasorButton);
    EXPECT_EQ(at("PlGraphs"), expected.plotGraphs);
    EXPECT_EQ(at("Projection"), expected.projection);
    EXPECT_EQ(at("message"), expected.message);
}

TEST(LanguageOption, ChoosesTheLanguageOfEveryWindow)
{
    for (const Expected *expected : {&kGerman, &kFrench, &kSpanish, &kPortuguese}) {
        SCOPED_TRACE(expected->language);
        expectCaptions(probe({QStringLiteral("--lang"), QString::fromLatin1(expected->language)},
                             {{QStringLiteral("LANGUAGE"), QStringLiteral("fr")}}),
                       *expected);
    }
}

TEST(LanguageOption, UnknownLanguageShowsEnglish)
{
    expectCaptions(probe({QStringLiteral("--lang"), QStringLiteral("xx")}, {}), kEnglish);
}

TEST(SystemLanguage, LanguageVariableChoosesFrench)
{
    expectCaptions(probe({}, {{QStringLiteral("LANGUAGE"), QStringLiteral("fr")}}), kFrench);
}

TEST(SystemLanguage, LangChoosesWhenNothingElseIsSet)
{
    expectCaptions(probe({}, {{QStringLiteral("LANG"), QStringLiteral("de_DE.UTF-8")}}), kGerman);
    expectCaptions(probe({}, {{QStringLiteral("LC_MESSAGES"), QStringLiteral("pt_BR.UTF-8")},
                              {QStringLiteral("LANG"), QStringLiteral("C")}}),
                   kPortuguese);
}

// The program itself: its command-line help in the language asked for.
QString programHelp(const QStringList &arguments, const QString &language)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LANGUAGE"), language);
    QProcess kel;
    kel.setProcessEnvironment(env);
    kel.start(QStringLiteral(KEL_PROGRAM), arguments + QStringList{QStringLiteral("--help")});
    kel.waitForFinished(60000);
    return QString::fromUtf8(kel.readAllStandardOutput());
}

TEST(Program, HelpIsInTheLanguageAskedFor)
{
    EXPECT_TRUE(programHelp({QStringLiteral("--lang"), QStringLiteral("de")}, QStringLiteral("fr"))
                    .contains(QStringLiteral("Zeigt die Version des Programms.")));
    EXPECT_TRUE(programHelp({}, QStringLiteral("fr"))
                    .contains(QStringLiteral("Affiche la version du programme.")));
    EXPECT_TRUE(programHelp({QStringLiteral("--lang"), QStringLiteral("xx")}, QStringLiteral("es"))
                    .contains(QStringLiteral("Shows the program's version.")));
}

TEST(SystemLanguage, UnknownOrEnglishFirstShowsEnglish)
{
    expectCaptions(probe({}, {{QStringLiteral("LANGUAGE"), QStringLiteral("xx")},
                              {QStringLiteral("LANG"), QStringLiteral("C")}}),
                   kEnglish);
    expectCaptions(probe({}, {{QStringLiteral("LANGUAGE"), QStringLiteral("en:de")}}), kEnglish);
}

} // namespace
