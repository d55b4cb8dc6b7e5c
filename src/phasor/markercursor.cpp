// SPDX-License-Identifier: GPL-3.0-or-later
#include "markercursor.h"

#include "display/picturearea.h"

#include <QEvent>

namespace kel::phasor
{

MarkerCursor::MarkerCursor(display::PictureArea *plot) : QObject(plot), m_plot(plot)
{
    plot->installEventFilter(this);
}

void MarkerCursor::follow(const SceneFrame &frame, const TimeBase &time)
{
    // A frame with a t2 text is drawn with its marker; the load drawing has none.
    if (frame.t2Text && time.contains(frame.t2))
        m_marker = static_cast<float>(frame.t2);
    else
        m_marker.reset();
    place();
}

void MarkerCursor::clearMarker()
{
    m_marker.reset();
    place();
}

void MarkerCursor::place()
{
    if (m_plot->hasFocus() && m_marker)
        m_plot->setCursorX(*m_marker);
    else
        m_plot->clearCursor();
}

bool MarkerCursor::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_plot &&
        (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut))
        place();
    return QObject::eventFilter(watched, event);
}

} // namespace kel::phasor
