// SPDX-License-Identifier: GPL-3.0-or-later
#include "modalwatchdog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QMessageBox>

namespace kel::testing
{

ModalWatchdog::ModalWatchdog(QObject *parent) : QObject(parent)
{
    connect(&m_timer, &QTimer::timeout, this, &ModalWatchdog::check);
    m_timer.start(20);
}

void ModalWatchdog::check()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal)
        return;
    QString what = modal->windowTitle();
    if (const auto *box = qobject_cast<QMessageBox *>(modal))
        what += ": " + box->text();
    ADD_FAILURE() << "A real modal window appeared (" << modal->metaObject()->className() << " \""
                  << what.toStdString() << "\"); answer it through ScriptedDialogs.";
    if (auto *dialog = qobject_cast<QDialog *>(modal))
        dialog->done(QDialog::Rejected);
    else
        modal->close();
}

} // namespace kel::testing
