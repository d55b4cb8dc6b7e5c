// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "display/dialogs.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

class QWidget;

namespace kel::shell
{
class MainMenu;
}

namespace kel::testing
{

// Dialog answers drawn at random: input boxes get their default, an empty text, a hostile
// text or an ordinary number; message boxes OK or Cancel. Records the titles shown.
class RandomDialogs final : public display::Dialogs
{
public:
    explicit RandomDialogs(std::mt19937_64 &random);
    ~RandomDialogs() override;
    display::MessageAnswer message(const QString &text, const QString &title,
                                   display::MessageButtons buttons) override;
    QString input(const QString &prompt, const QString &title, const QString &defaultText) override;
    // The fuzzer writes no files: every save is cancelled.
    QString saveFile(const QString &, const QString &, const QString &) override { return {}; }

    QStringList titles; // of the message boxes since the last clear
    int inputsAsked = 0;

private:
    std::mt19937_64 &m_random;
};

// A seeded random driver over the program's real windows: types hostile and ordinary texts
// into every visible text box, presses every button and menu command but Quit, ticks and
// unticks every check box, moves the time bar, releases the mouse on the picture areas and
// opens and closes the windows. After every event it checks the invariants that a student
// relies on; the first broken one ends the run with its description.
class EventFuzzer
{
public:
    explicit EventFuzzer(std::uint64_t seed);
    ~EventFuzzer();

    // Runs up to `events` events; returns an empty text, or what broke and at which event.
    std::string run(std::uint64_t events);

    // The hostile texts typed into text boxes, besides ordinary numbers.
    static QStringList hostileTexts();

    std::uint64_t eventsRun() const { return m_eventsRun; }
    std::uint64_t messagesShown() const { return m_messagesShown; }
    // Events that found a control to act on (the others found none in the chosen window).
    std::uint64_t eventsActed() const { return m_eventsActed; }

private:
    std::string step();
    std::string checkInvariants(const QString &event);
    QString randomText();
    QWidget *randomWindow();

    std::mt19937_64 m_random;
    RandomDialogs m_dialogs;
    std::unique_ptr<shell::MainMenu> m_menu; // owns every window the run opens
    std::uint64_t m_eventsRun = 0;
    std::uint64_t m_messagesShown = 0;
    std::uint64_t m_eventsActed = 0;
    std::map<const void *, std::size_t> m_checkedOps; // per picture area, ops already checked
};

} // namespace kel::testing
