// SPDX-License-Identifier: GPL-3.0-or-later
#include "eventfuzzer.h"

#include "display/picturearea.h"
#include "lab/labwindow.h"
#include "shell/mainmenu.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include <cmath>
#include <limits>
#include <map>

namespace kel::testing
{

namespace
{

template <class T> T *pick(const QList<T *> &items, std::mt19937_64 &random)
{
    if (items.isEmpty())
        return nullptr;
    return items[static_cast<qsizetype>(random() % static_cast<std::uint64_t>(items.size()))];
}

// Visible controls of a window that a student can reach.
template <class T> QList<T *> reachable(QWidget *window)
{
    QList<T *> result;
    for (T *w : window->findChildren<T *>())
        if (w->isVisibleTo(window) && w->isEnabled())
            result.push_back(w);
    return result;
}

bool inSingleRange(float v)
{
    return std::isfinite(v) && std::fabs(v) <= std::numeric_limits<float>::max();
}

std::map<QString, QString> allTexts()
{
    std::map<QString, QString> texts;
    for (QWidget *top : QApplication::topLevelWidgets())
        for (QLineEdit *box : top->findChildren<QLineEdit *>())
            texts[top->objectName() + "." + box->objectName()] = box->text();
    return texts;
}

} // namespace

RandomDialogs::RandomDialogs(std::mt19937_64 &random) : m_random(random) {}

RandomDialogs::~RandomDialogs() = default;

display::MessageAnswer RandomDialogs::message(const QString &, const QString &title,
                                              display::MessageButtons buttons)
{
    titles.push_back(title);
    if (buttons == display::MessageButtons::OkCancel && m_random() % 2)
        return display::MessageAnswer::Cancel;
    return display::MessageAnswer::Ok;
}

QString RandomDialogs::input(const QString &, const QString &, const QString &defaultText)
{
    ++inputsAsked;
    switch (m_random() % 6) {
    case 0:
        return {};
    case 1: {
        const QStringList hostile = EventFuzzer::hostileTexts();
        return hostile[static_cast<qsizetype>(m_random() %
                                              static_cast<std::uint64_t>(hostile.size()))];
    }
    case 2:
        return QString::number(static_cast<int>(m_random() % 200) - 100);
    default:
        return defaultText;
    }
}

EventFuzzer::EventFuzzer(std::uint64_t seed)
    : m_random(seed), m_dialogs(m_random), m_menu(std::make_unique<shell::MainMenu>(m_dialogs))
{
    m_menu->show();
}

EventFuzzer::~EventFuzzer() = default;

QStringList EventFuzzer::hostileTexts()
{
    return {"",
            " ",
            "abc",
            "1e309",
            "-1e309",
            "nan",
            "inf",
            "0",
            "-0",
            "1e-320",
            "1,5",
            "1e",
            "+",
            ".",
            "1e308",
            "-1e308",
            "3e38",
            "1e-45",
            "\u0661\u0662",
            "\uFF15",
            "1e-300",
            "-1",
            "0.000001",
            QString(10000, QChar('9')),
            QString("1") + QString(400, QChar('0'))};
}

QString EventFuzzer::randomText()
{
    if (m_random() % 2) {
        const QStringList hostile = hostileTexts();
        return hostile[static_cast<qsizetype>(m_random() %
                                              static_cast<std::uint64_t>(hostile.size()))];
    }
    std::uniform_real_distribution<double> mantissa(-10, 10);
    std::uniform_int_distribution<int> exponent(-3, 3);
    return QString::number(mantissa(m_random) * std::pow(10.0, exponent(m_random)), 'g', 6);
}

QWidget *EventFuzzer::randomWindow()
{
    QList<QWidget *> windows;
    for (QWidget *top : QApplication::topLevelWidgets())
        if (top->isVisible() && !top->objectName().isEmpty())
            windows.push_back(top);
    return pick(windows, m_random);
}

std::string EventFuzzer::run(std::uint64_t events)
{
    for (std::uint64_t n = 0; n < events; ++n) {
        const std::string broken = step();
        ++m_eventsRun;
        if (!broken.empty())
            return "event " + std::to_string(n) + ": " + broken;
    }
    return {};
}

std::string EventFuzzer::step()
{
    QWidget *window = randomWindow();
    if (!window)
        return "no window is shown";
    const auto before = allTexts();
    m_dialogs.titles.clear();
    QString event;
    QString editedBox;
    QStringList mayChange; // texts an event writes before it can reject its input

    switch (m_random() % 8) {
    case 0:
    case 1: { // type into a text box
        if (QLineEdit *box = pick(reachable<QLineEdit>(window), m_random)) {
            const QString text = randomText();
            event = "type '" + text.left(20) + "' into " + box->objectName();
            editedBox = window->objectName() + "." + box->objectName();
            box->setText(text);
        }
        break;
    }
    case 2: { // press a button
        QList<QPushButton *> buttons;
        for (QPushButton *b : reachable<QPushButton>(window))
            if (b->objectName() != "Command2") // Quit ends the program
                buttons.push_back(b);
        if (QPushButton *button = pick(buttons, m_random)) {
            event = "press " + button->objectName();
            button->click();
        }
        break;
    }
    case 3: { // a menu-bar command
        QList<QAction *> actions;
        if (auto *bar = window->findChild<QMenuBar *>())
            for (QAction *a : bar->actions())
                if (!a->objectName().isEmpty() && a->isEnabled() && !a->menu())
                    actions.push_back(a);
        if (QAction *action = pick(actions, m_random)) {
            event = "menu " + action->objectName();
            action->trigger();
        }
        break;
    }
    case 4: { // tick or untick a check box, or choose an option button
        if (QCheckBox *box = pick(reachable<QCheckBox>(window), m_random)) {
            event = "toggle " + box->objectName();
            box->click();
        }
        break;
    }
    case 5: { // move a scroll bar
        if (QScrollBar *bar = pick(reachable<QScrollBar>(window), m_random)) {
            const int value =
                bar->minimum() +
                static_cast<int>(m_random() %
                                 static_cast<std::uint64_t>(bar->maximum() - bar->minimum() + 1));
            event = "bar " + bar->objectName() + " to " + QString::number(value);
            bar->setValue(value);
        }
        break;
    }
    case 6: { // release the mouse on a picture area
        if (auto *area = pick(reachable<display::PictureArea>(window), m_random)) {
            const QPoint at(static_cast<int>(m_random() % static_cast<std::uint64_t>(
                                                              std::max(1, area->width()))),
                            static_cast<int>(m_random() % static_cast<std::uint64_t>(
                                                              std::max(1, area->height()))));
            const Qt::MouseButton button = m_random() % 3 == 0 ? Qt::RightButton : Qt::LeftButton;
            event = "release on " + window->objectName() + "." + area->objectName();
            mayChange << window->objectName() + ".Time" << window->objectName() + ".t2";
            // A click on the resonance curve or the frequency response writes the source
            // frequency into the window it came from, which then plots and may refuse one of
            // its other texts.
            if (area->objectName() == "ResonancePicture" || area->objectName() == "ResponsePicture")
                mayChange << "Phasors.f0"
                          << "rc.f0"
                          << "rc.w0";
            QTest::mouseRelease(area, button, Qt::NoModifier, at);
        }
        break;
    }
    default: { // open a window from the main menu, or close one
        shell::MainMenu &menu = *m_menu;
        if (window != &menu && m_random() % 3 == 0) {
            event = "close " + window->objectName();
            window->close();
        } else {
            QList<QPushButton *> openers;
            for (QPushButton *b : menu.findChildren<QPushButton *>())
                if (b->objectName() != "Command2")
                    openers.push_back(b);
            if (QPushButton *b = pick(openers, m_random)) {
                event = "open " + b->objectName();
                b->click();
            }
            if (m_random() % 8 == 0)
                if (QAction *about = menu.findChild<QAction *>("About")) {
                    event += " and About";
                    about->trigger();
                }
        }
        break;
    }
    }
    QCoreApplication::sendPostedEvents();
    m_eventsActed += event.isEmpty() ? 0 : 1;
    m_messagesShown += static_cast<std::uint64_t>(m_dialogs.titles.size());

    // A rejected input changes no other text.
    if (m_dialogs.titles.contains("Input Error")) {
        const auto after = allTexts();
        for (const auto &[name, text] : before) {
            if (name == editedBox || mayChange.contains(name))
                continue;
            const auto found = after.find(name);
            if (found != after.end() && found->second != text)
                return (event + ": rejected input changed " + name + " from '" + text.left(30) +
                        "' to '" + found->second.left(30) + "'")
                    .toStdString();
        }
    }
    return checkInvariants(event);
}

std::string EventFuzzer::checkInvariants(const QString &event)
{
    if (const lab::LabWindow *labWindow = m_menu->labWindow()) {
        const lab::GraphScale &s = labWindow->session().scale();
        if (!std::isfinite(s.x1) || !std::isfinite(s.x2) || !std::isfinite(s.y1) ||
            !std::isfinite(s.y2) || s.x1 == s.x2 || s.y1 == s.y2)
            return (event + ": the lab's scale is not usable").toStdString();
    }

    for (QWidget *top : QApplication::topLevelWidgets()) {
        for (auto *area : top->findChildren<display::PictureArea *>()) {
            const auto &ops = area->operations();
            std::size_t &checked = m_checkedOps[area];
            if (checked > ops.size())
                checked = 0;
            for (std::size_t i = checked; i < ops.size(); ++i) {
                const display::DrawOp &op = ops[i];
                if (!inSingleRange(op.x1) || !inSingleRange(op.y1) || !inSingleRange(op.x2) ||
                    !inSingleRange(op.y2))
                    return (event + ": a coordinate out of single range reached " +
                            top->objectName() + "." + area->objectName())
                        .toStdString();
                if (op.kind == display::DrawOp::Kind::Scale && (op.x1 == op.x2 || op.y1 == op.y2))
                    return (event + ": a zero-extent coordinate system on " + top->objectName() +
                            "." + area->objectName())
                        .toStdString();
            }
            checked = ops.size();
        }
    }
    return {};
}

} // namespace kel::testing
