// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "display/dialogs.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <deque>
#include <vector>

namespace kel::testing
{

// A stand-in for the program's dialogs: records every call and gives the answers the test
// queued. An input box with no answer queued returns its default text, as pressing OK
// would; a message box with none queued is answered OK. Hand it to the windows under test.
class ScriptedDialogs final : public display::Dialogs
{
public:
    struct Call {
        enum class Kind { Message, Input, SaveFile, OpenFile, MultiLineInput, PrintPreview } kind;
        QString text; // message text or input prompt
        QString title;
        QString defaultText;               // input boxes only
        display::MessageButtons buttons{}; // message boxes only
    };

    ScriptedDialogs();
    ~ScriptedDialogs() override;

    void queueInput(const QString &answer) { m_inputs.push_back(answer); }
    void queueInputs(const QStringList &answers);
    void queueMessage(display::MessageAnswer answer) { m_messages.push_back(answer); }

    const std::vector<Call> &calls() const { return m_calls; }
    std::vector<Call> messages() const;
    void clear() { m_calls.clear(); }

    display::MessageAnswer message(const QString &text, const QString &title,
                                   display::MessageButtons buttons) override;
    QString input(const QString &prompt, const QString &title, const QString &defaultText) override;
    // Save choosers get the queued paths, or an empty text (cancelled) when none is queued.
    void queueSavePath(const QString &path) { m_savePaths.push_back(path); }
    QString saveFile(const QString &caption, const QString &suggestedName,
                     const QString &filter) override;
    // Open choosers likewise get the queued paths, or an empty text.
    void queueOpenPath(const QString &path) { m_openPaths.push_back(path); }
    QString openFile(const QString &caption, const QString &filter) override;

    // Multi-line boxes take the queued inputs too; with none queued they are cancelled.
    std::optional<QString> multiLineInput(const QString &prompt, const QString &title,
                                          const QString &defaultText) override;
    // The preview's pages are drawn into a PDF, kept for the test to read.
    void printPreview(const QString &title, const QPageLayout &layout,
                      const std::function<void(QPagedPaintDevice &)> &paint) override;
    const QByteArray &printed() const { return m_printed; }

private:
    std::vector<Call> m_calls;
    QByteArray m_printed;
    std::deque<QString> m_inputs;
    std::deque<display::MessageAnswer> m_messages;
    std::deque<QString> m_savePaths;
    std::deque<QString> m_openPaths;
};

} // namespace kel::testing
