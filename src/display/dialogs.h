// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPageLayout>
#include <QString>

#include <functional>
#include <optional>

class QPagedPaintDevice;

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
    // A modal box for a text of several lines: the text as left when accepted (empty
    // included), none when cancelled (as it is where nobody can answer).
    virtual std::optional<QString> multiLineInput(const QString & /*prompt*/,
                                                  const QString & /*title*/,
                                                  const QString & /*defaultText*/)
    {
        return std::nullopt;
    }
    // A modal print preview of pages laid out as `layout` says, each drawn by `paint` on the
    // device it is given (the preview's or the printer's), from which the user may print.
    // Where nobody can answer, nothing is shown.
    virtual void printPreview(const QString & /*title*/, const QPageLayout & /*layout*/,
                              const std::function<void(QPagedPaintDevice &)> & /*paint*/)
    {
    }
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
    std::optional<QString> multiLineInput(const QString &prompt, const QString &title,
                                          const QString &defaultText) override;
    void printPreview(const QString &title, const QPageLayout &layout,
                      const std::function<void(QPagedPaintDevice &)> &paint) override;
};

} // namespace kel::display
