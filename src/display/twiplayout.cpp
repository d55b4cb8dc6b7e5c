// SPDX-License-Identifier: GPL-3.0-or-later
#include "twiplayout.h"

#include <QEvent>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace kel::display
{

TwipLayout::TwipLayout(QWidget *container, QSize designTwips)
    : QObject(container), m_container(container), m_designTwips(designTwips)
{
    container->installEventFilter(this);
    container->setMinimumSize(designPixels());
}

double TwipLayout::pixelsPerTwip() const
{
    return m_container->logicalDpiX() / 1440.0;
}

QSize TwipLayout::designPixels() const
{
    const double k = pixelsPerTwip();
    return {static_cast<int>(std::lround(m_designTwips.width() * k)),
            static_cast<int>(std::lround(m_designTwips.height() * k))};
}

void TwipLayout::place(QWidget *widget, int left, int top, int width, int height)
{
    m_placements.push_back({widget, QRect(left, top, width, height), widget->font().pointSizeF()});
    applyTo(m_placements.back(), pixelsPerTwip() * m_factor);
}

void TwipLayout::apply()
{
    const QSize design = designPixels();
    m_factor =
        std::max(1.0, std::min(static_cast<double>(m_container->width()) / design.width(),
                               static_cast<double>(m_container->height()) / design.height()));
    const double k = pixelsPerTwip() * m_factor;
    for (const Placement &p : m_placements)
        applyTo(p, k);
}

void TwipLayout::applyTo(const Placement &p, double k) const
{
    const QRect &r = p.twips;
    const int x = static_cast<int>(std::lround(r.left() * k));
    const int y = static_cast<int>(std::lround(r.top() * k));
    const int w = static_cast<int>(std::lround((r.left() + r.width()) * k)) - x;
    const int h = static_cast<int>(std::lround((r.top() + r.height()) * k)) - y;
    p.widget->setGeometry(x, y, w, h);
    // Only a change of size is worth a font change: it re-lays out the widget's text.
    if (p.pointSize > 0 && p.widget->font().pointSizeF() != p.pointSize * m_factor) {
        QFont font = p.widget->font();
        font.setPointSizeF(p.pointSize * m_factor);
        p.widget->setFont(font);
    }
}

bool TwipLayout::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_container && event->type() == QEvent::Resize)
        apply();
    return QObject::eventFilter(watched, event);
}

} // namespace kel::display
