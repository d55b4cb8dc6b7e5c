// SPDX-License-Identifier: GPL-3.0-or-later
// Starts the windows as the program does, in the language the environment or `code`
// chooses, and prints a few captions and the text of a message box, one "name=text" a line,
// for the tests of how the language is chosen.
#include "screenshots.h"

#include "shell/languages.h"
#include "shell/mainmenu.h"
#include "support/scripteddialogs.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTextStream>

namespace
{

QWidget *topLevel(const QString &name)
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->objectName() == name)
            return widget;
    return nullptr;
}

QString actionText(const QWidget *window, const QString &name)
{
    const auto *action = window ? window->findChild<QAction *>(name) : nullptr;
    return action ? action->text() : QString();
}

QString buttonText(const QWidget *window, const QString &name)
{
    const auto *button = window ? window->findChild<QAbstractButton *>(name) : nullptr;
    return button ? button->text() : QString();
}

} // namespace

namespace kel::screenshots
{

int printCaptions(const QString &code)
{
    kel::shell::Languages languages;
    const QString language = languages.install(code);
    kel::testing::ScriptedDialogs dialogs;
    kel::shell::MainMenu menu(dialogs);
    if (auto *rc = menu.findChild<QAbstractButton *>(QStringLiteral("Command1")))
        rc->click();
    if (auto *phasors = menu.findChild<QAbstractButton *>(QStringLiteral("Command14")))
        phasors->click();
    QWidget *lab = topLevel(QStringLiteral("rc"));
    QWidget *phasor = topLevel(QStringLiteral("Phasors"));
    if (auto *capacitance = lab ? lab->findChild<QLineEdit *>(QStringLiteral("C")) : nullptr)
        capacitance->setText(QStringLiteral("0"));
    if (auto *plot = lab ? lab->findChild<QAction *>(QStringLiteral("PlGraphs")) : nullptr)
        plot->trigger();
    const auto messages = dialogs.messages();

    QTextStream out(stdout);
    out << "language=" << language << '\n'
        << "Command14=" << buttonText(&menu, QStringLiteral("Command14")) << '\n'
        << "PlGraphs=" << actionText(lab, QStringLiteral("PlGraphs")) << '\n'
        << "Projection=" << buttonText(phasor, QStringLiteral("Projection")) << '\n'
        << "message=" << (messages.empty() ? QString() : messages.front().text) << '\n';
    return 0;
}

} // namespace kel::screenshots
