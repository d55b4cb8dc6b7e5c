// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QScrollBar;

namespace kel::phasor
{

// Makes Right move the time bar forward and Left back by one arrow step. A horizontal scroll
// bar takes them the wrong way round (its controls are inverted for the wheel). Owned by the
// bar it watches.
class TimeBarKeys : public QObject
{
    Q_OBJECT
public:
    explicit TimeBarKeys(QScrollBar *bar);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QScrollBar *m_bar;
};

} // namespace kel::phasor
