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

void MarkerCursor::follow(std::optional<float> marker)
{
    m_marker = marker;
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
