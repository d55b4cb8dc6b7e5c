// SPDX-License-Identifier: GPL-3.0-or-later
#include "resonancetextboxes.h"

#include "resonancewindow.h"

#include <QLineEdit>
#include <QWidget>

namespace kel::phasor
{

namespace
{

const char *const kBoxes[] = {"v0", "R", "L", "C", "f0"};

} // namespace

ResonanceTextBoxes::ResonanceTextBoxes(QWidget *host, std::function<void()> redraw, QObject *parent)
    : QObject(parent), m_host(host), m_redraw(std::move(redraw))
{
    for (const char *name : kBoxes)
        if (QLineEdit *edit = box(QString::fromLatin1(name)))
            connect(edit, &QLineEdit::textChanged, this, &ResonanceTextBoxes::textsChanged);
}

QLineEdit *ResonanceTextBoxes::box(const QString &name) const
{
    return m_host ? m_host->findChild<QLineEdit *>(name) : nullptr;
}

QString ResonanceTextBoxes::parameterText(const QString &name) const
{
    const QLineEdit *edit = box(name);
    return edit ? edit->text() : QString();
}

void ResonanceTextBoxes::setSourceFrequency(const QString &text)
{
    if (QLineEdit *edit = box(QStringLiteral("f0")))
        edit->setText(text);
    if (m_redraw)
        m_redraw();
}

ResonanceWindow *showResonanceCurve(QWidget *host, display::Dialogs &dialogs,
                                    std::function<void()> redrawHost)
{
    auto *window = host->findChild<ResonanceWindow *>(QString(), Qt::FindDirectChildrenOnly);
    if (!window) {
        auto *source = new ResonanceTextBoxes(host, std::move(redrawHost));
        window = new ResonanceWindow(*source, dialogs, host);
        // The window owns its source, so the source outlives every use the window makes of it.
        source->setParent(window);
        QObject::connect(source, &ResonanceTextBoxes::textsChanged, window,
                         &ResonanceWindow::refresh);
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

} // namespace kel::phasor
