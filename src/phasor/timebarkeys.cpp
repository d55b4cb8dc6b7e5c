// SPDX-License-Identifier: GPL-3.0-or-later
#include "timebarkeys.h"

#include <QKeyEvent>
#include <QScrollBar>

namespace kel::phasor
{

TimeBarKeys::TimeBarKeys(QScrollBar *bar) : QObject(bar), m_bar(bar)
{
    m_bar->installEventFilter(this);
}

bool TimeBarKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_bar && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->modifiers() == Qt::NoModifier &&
            (key->key() == Qt::Key_Left || key->key() == Qt::Key_Right)) {
            m_bar->triggerAction(key->key() == Qt::Key_Right
                                     ? QAbstractSlider::SliderSingleStepAdd
                                     : QAbstractSlider::SliderSingleStepSub);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace kel::phasor
