// SPDX-License-Identifier: GPL-3.0-or-later
#include "equationswindow.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace kel::lab
{

EquationsWindow::EquationsWindow(display::Dialogs &dialogs, QWidget *parent)
    : QWidget(parent, Qt::Window), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("Equations"));
    setWindowTitle(tr("Equations"));
    m_text = new QTextBrowser(this);
    m_text->setObjectName(QStringLiteral("EquationsText"));
    m_text->setAccessibleName(tr("Equations"));
    m_text->setOpenLinks(false);
    m_copyLatex = new QPushButton(tr("Copy as LaTeX"), this);
    m_copyLatex->setObjectName(QStringLiteral("CopyLatex"));
    connect(m_copyLatex, &QPushButton::clicked, this, &EquationsWindow::copyLatex);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_copyLatex);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addLayout(buttons);
    resize(560, 620);
}

void EquationsWindow::showCircuit(solutions::CircuitKind circuitKind,
                                  const std::function<QString(solutions::Parameter)> &textOf)
{
    m_document = EquationsText::ofTexts(circuitKind, textOf);
    m_text->setHtml(m_document.richText);
}

void EquationsWindow::copyLatex()
{
    QGuiApplication::clipboard()->setText(m_document.latex);
}

} // namespace kel::lab
