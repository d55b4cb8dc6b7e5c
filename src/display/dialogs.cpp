// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace kel::display
{

MessageAnswer QtDialogs::message(const QString &text, const QString &title, MessageButtons buttons)
{
    QMessageBox box(QMessageBox::NoIcon, title, text,
                    buttons == MessageButtons::Ok ? QMessageBox::Ok
                                                  : QMessageBox::Ok | QMessageBox::Cancel,
                    QApplication::activeWindow());
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
}

QString QtDialogs::input(const QString &prompt, const QString &title, const QString &defaultText)
{
    bool accepted = false;
    const QString answer = QInputDialog::getText(QApplication::activeWindow(), title, prompt,
                                                 QLineEdit::Normal, defaultText, &accepted);
    return accepted ? answer : QString();
}

QString QtDialogs::saveFile(const QString &caption, const QString &suggestedName,
                            const QString &filter)
{
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), caption, suggestedName,
                                        filter);
}

QString QtDialogs::openFile(const QString &caption, const QString &filter)
{
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), caption, {}, filter);
}

std::optional<QString> QtDialogs::multiLineInput(const QString &prompt, const QString &title,
                                                 const QString &defaultText)
{
    bool accepted = false;
    const QString answer = QInputDialog::getMultiLineText(QApplication::activeWindow(), title,
                                                          prompt, defaultText, &accepted);
    return accepted ? std::optional<QString>(answer) : std::nullopt;
}

void QtDialogs::printPreview(const QString &title, const QPageLayout &layout,
                             const std::function<void(QPagedPaintDevice &)> &paint)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(layout);
    QPrintPreviewDialog dialog(&printer, QApplication::activeWindow());
    dialog.setWindowTitle(title);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&paint](QPrinter *device) { paint(*device); });
    dialog.exec();
}

} // namespace kel::display
