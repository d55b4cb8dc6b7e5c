// SPDX-License-Identifier: GPL-3.0-or-later
#include "modalwatchdog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>

namespace
{

QtMessageHandler g_previous = nullptr;

// The offscreen platform reports this for every window; it says nothing about the program.
void filterNoise(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.contains("propagateSizeHints"))
        return;
    if (g_previous)
        g_previous(type, context, message);
}

} // namespace

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The tests check English texts, whatever languages the system prefers; numbers still
    // follow the locale the suite runs under.
    qputenv("LANGUAGE", "en");
    testing::InitGoogleTest(&argc, argv);
    // Settings the windows keep (the recent experiments) go to a test folder, never into the
    // user's own configuration.
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    QApplication::setApplicationName("kel");
    g_previous = qInstallMessageHandler(filterNoise);
    const kel::testing::ModalWatchdog watchdog;
    return RUN_ALL_TESTS();
}
