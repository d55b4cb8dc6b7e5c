// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTimer>

namespace kel::testing
{

// Fails the running test as soon as a real modal window appears (tests answer dialogs through
// the scripted stand-in), and closes that window so the test goes on instead of hanging.
class ModalWatchdog : public QObject
{
    Q_OBJECT

public:
    explicit ModalWatchdog(QObject *parent = nullptr);

private:
    void check();

    QTimer m_timer;
};

} // namespace kel::testing
