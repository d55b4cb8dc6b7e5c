// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace kel::display
{

enum class MessageButtons { Ok, OkCancel };
enum class MessageAnswer { Ok, Cancel };

// Every modal question the program asks goes through this interface, so that tests can
// script the answers instead of blocking on a real modal box.
class Dialogs
{
public:
    virtual ~Dialogs() = default;
    // A modal message box without an icon.
    virtual MessageAnswer message(const QString &text, const QString &title,
                                  MessageButtons buttons = MessageButtons::Ok) = 0;
    // A modal input box; the text typed, or an empty text when cancelled.
    virtual QString input(const QString &prompt, const QString &title,
                          const QString &defaultText) = 0;
    // A modal file chooser for saving: the path chosen, or an empty text when cancelled.
    // `filter` is a Qt name filter such as "PNG image (*.png);;SVG drawing (*.svg)".
    virtual QString saveFile(const QString &caption, const QString &suggestedName,
                             const QString &filter) = 0;
    // A modal file chooser for opening an existing file: the path chosen, or an empty text
    // when cancelled (as it is where nobody can answer).
    virtual QString openFile(const QString & /*caption*/, const QString & /*filter*/) { return {}; }
};

// The real Qt boxes, parented to the active window.
class QtDialogs final : public Dialogs
{
public:
    MessageAnswer message(const QString &text, const QString &title,
                          MessageButtons buttons = MessageButtons::Ok) override;
    QString input(const QString &prompt, const QString &title, const QString &defaultText) override;
    QString saveFile(const QString &caption, const QString &suggestedName,
                     const QString &filter) override;
    QString openFile(const QString &caption, const QString &filter) override;
};

} // namespace kel::display
