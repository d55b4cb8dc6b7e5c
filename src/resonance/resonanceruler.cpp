// SPDX-License-Identifier: GPL-3.0-or-later
#include "resonanceruler.h"

#include "display/qstringtext.h"

#include <QPainter>

#include <cmath>

namespace kel::resonance
{

namespace
{

QString decadeText(int decade)
{
    return display::toQString(withPrefix(std::pow(10.0, decade), "Hz"));
}

} // namespace

ResonanceRuler::ResonanceRuler(QWidget *parent) : QWidget(parent) {}

void ResonanceRuler::setAxis(const FrequencyAxis &axis)
{
    m_axis = axis;
    update();
}

double ResonanceRuler::pixelsPerDecade() const
{
    return static_cast<double>(width()) / (1 + 2 * kSideMargin) / std::max(1, m_axis.decades());
}

int ResonanceRuler::labelStep() const
{
    const int widest = fontMetrics().horizontalAdvance(QStringLiteral("100 MHz")) + 8;
    const double perDecade = pixelsPerDecade();
    for (int step : {1, 2, 5, 10})
        if (perDecade * step >= widest)
            return step;
    return 20;
}

QStringList ResonanceRuler::labels() const
{
    QStringList texts;
    const int step = labelStep();
    for (int d = m_axis.firstDecade; d <= m_axis.lastDecade; ++d)
        if ((d - m_axis.firstDecade) % step == 0)
            texts << decadeText(d);
    return texts;
}

QSize ResonanceRuler::sizeHint() const
{
    return {400, fontMetrics().height() + 4};
}

QSize ResonanceRuler::minimumSizeHint() const
{
    return {100, fontMetrics().height() + 4};
}

void ResonanceRuler::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const int step = labelStep();
    const double perDecade = pixelsPerDecade();
    const double left0 = kSideMargin * m_axis.decades() * perDecade;
    for (int d = m_axis.firstDecade; d <= m_axis.lastDecade; ++d) {
        if ((d - m_axis.firstDecade) % step != 0)
            continue;
        const QString text = decadeText(d);
        const int w = fontMetrics().horizontalAdvance(text);
        // Centred under the line, but kept inside the ruler at both ends.
        const int centre =
            static_cast<int>(std::lround(left0 + (d - m_axis.firstDecade) * perDecade));
        const int left = std::clamp(centre - w / 2, 0, std::max(0, width() - w));
        painter.drawText(QRect(left, 0, w, height()), Qt::AlignLeft | Qt::AlignVCenter, text);
    }
}

} // namespace kel::resonance
