// SPDX-License-Identifier: GPL-3.0-or-later
#include "scripteddialogs.h"

#include <QBuffer>
#include <QPdfWriter>

namespace kel::testing
{

ScriptedDialogs::ScriptedDialogs() = default;

ScriptedDialogs::~ScriptedDialogs() = default;

void ScriptedDialogs::queueInputs(const QStringList &answers)
{
    for (const QString &a : answers)
        m_inputs.push_back(a);
}

std::vector<ScriptedDialogs::Call> ScriptedDialogs::messages() const
{
    std::vector<Call> result;
    for (const Call &c : m_calls)
        if (c.kind == Call::Kind::Message)
            result.push_back(c);
    return result;
}

display::MessageAnswer ScriptedDialogs::message(const QString &text, const QString &title,
                                                display::MessageButtons buttons)
{
    m_calls.push_back({Call::Kind::Message, text, title, {}, buttons});
    if (m_messages.empty())
        return display::MessageAnswer::Ok;
    const auto answer = m_messages.front();
    m_messages.pop_front();
    return answer;
}

QString ScriptedDialogs::input(const QString &prompt, const QString &title,
                               const QString &defaultText)
{
    m_calls.push_back({Call::Kind::Input, prompt, title, defaultText, {}});
    if (m_inputs.empty())
        return defaultText;
    QString answer = m_inputs.front();
    m_inputs.pop_front();
    return answer;
}

} // namespace kel::testing

namespace kel::testing
{

QString ScriptedDialogs::openFile(const QString &caption, const QString &)
{
    m_calls.push_back({Call::Kind::OpenFile, caption, {}, {}, {}});
    if (m_openPaths.empty())
        return {};
    QString path = m_openPaths.front();
    m_openPaths.pop_front();
    return path;
}

QString ScriptedDialogs::saveFile(const QString &caption, const QString &suggestedName,
                                  const QString &)
{
    m_calls.push_back({Call::Kind::SaveFile, caption, {}, suggestedName, {}});
    if (m_savePaths.empty())
        return {};
    QString path = m_savePaths.front();
    m_savePaths.pop_front();
    return path;
}

} // namespace kel::testing

namespace kel::testing
{

std::optional<QString> ScriptedDialogs::multiLineInput(const QString &prompt, const QString &title,
                                                       const QString &defaultText)
{
    m_calls.push_back({Call::Kind::MultiLineInput, prompt, title, defaultText, {}});
    if (m_inputs.empty())
        return std::nullopt;
    QString answer = m_inputs.front();
    m_inputs.pop_front();
    return answer;
}

void ScriptedDialogs::printPreview(const QString &title, const QPageLayout &layout,
                                   const std::function<void(QPagedPaintDevice &)> &paint)
{
    m_calls.push_back({Call::Kind::PrintPreview, {}, title, {}, {}});
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(layout);
        paint(writer);
    }
    m_printed = buffer.data();
}

} // namespace kel::testing
