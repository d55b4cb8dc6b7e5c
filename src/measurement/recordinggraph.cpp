// SPDX-License-Identifier: GPL-3.0-or-later
#include "recordinggraph.h"

#include "core/columnenvelope.h"
#include "measurementsession.h"

#include "display/pictureaxes.h"
#include "display/qstringtext.h"
#include "display/usertransform.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace kel::measurement
{
namespace
{

constexpr int kLeftMargin = 6, kRightMargin = 6, kTopMargin = 6, kGap = 10, kBottomMargin = 6;

// The SI unit of what a channel measured.
QString unitOf(Quantity quantity)
{
    switch (quantity) {
    case Quantity::Current:
        return QStringLiteral("A");
    case Quantity::Charge:
        return QStringLiteral("C");
    case Quantity::CapacitorVoltage:
    case Quantity::ResistorVoltage:
    case Quantity::InductorVoltage:
        break;
    }
    return QStringLiteral("V");
}

void drawEnvelope(QPainter &painter, const std::vector<ColumnRange> &envelope, int left,
                  const std::function<double(float)> &yOf)
{
    for (std::size_t column = 0; column < envelope.size(); ++column) {
        const ColumnRange &range = envelope[column];
        if (std::isnan(range.low))
            continue;
        const int x = left + int(column);
        const int top = int(std::lround(yOf(range.high)));
        const int bottom = int(std::lround(yOf(range.low)));
        // A single sample shows as a 2-pixel dot, a column of many as their stroke.
        painter.drawLine(x, top - 1, x, std::max(bottom, top) + 1);
    }
}

} // namespace

RecordingGraph::RecordingGraph(const MeasurementSession &session, QWidget *parent)
    : QWidget(parent), m_session(session)
{
    setFocusPolicy(Qt::StrongFocus);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    setCursor(Qt::CrossCursor);
}

void RecordingGraph::follow()
{
    const auto &recording = m_session.recording();
    if (recording) {
        m_t0 = recording->time.front();
        m_t1 = recording->time.back();
        const auto &values = recording->channels[m_session.channel()];
        const auto [low, high] = std::minmax_element(values.begin(), values.end());
        m_low = *low;
        m_high = *high;
        if (!(m_high > m_low)) {
            m_low -= 1;
            m_high += 1;
        }
        const double pad = (m_high - m_low) * 0.05;
        m_low -= pad;
        m_high += pad;
    }
    m_envelopeWidth = -1;
    update();
}

QRect RecordingGraph::plotArea() const
{
    const int height = this->height() - kTopMargin - kBottomMargin - kGap;
    return {kLeftMargin, kTopMargin, width() - kLeftMargin - kRightMargin, height * 3 / 4};
}

QRect RecordingGraph::residualArea() const
{
    const QRect plot = plotArea();
    const int top = plot.bottom() + kGap;
    return {plot.left(), top, plot.width(), height() - kBottomMargin - top};
}

double RecordingGraph::timeAt(int x) const
{
    const QRect plot = plotArea();
    return m_t0 + (m_t1 - m_t0) * double(x - plot.left()) / std::max(plot.width(), 1);
}

int RecordingGraph::xAt(double t) const
{
    const QRect plot = plotArea();
    return plot.left() + int(std::lround((t - m_t0) / (m_t1 - m_t0) * plot.width()));
}

void RecordingGraph::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect plot = plotArea();
    const QRect strip = residualArea();
    const QPalette &colours = palette();
    painter.setPen(colours.color(QPalette::Mid));
    painter.drawRect(plot.adjusted(0, 0, -1, -1));
    painter.drawRect(strip.adjusted(0, 0, -1, -1));
    const auto &recording = m_session.recording();
    if (!recording || plot.width() < 2 || plot.height() < 2) {
        painter.setPen(colours.color(QPalette::Text));
        painter.drawText(plot, Qt::AlignCenter | Qt::TextWordWrap,
                         tr("Open a recording (Ctrl+O) to see its samples here."));
        return;
    }
    const auto yOf = [&](double v) {
        return plot.top() + (m_high - v) / (m_high - m_low) * plot.height();
    };

    // The samples: those outside the fit window paler.
    painter.setClipRect(plot);
    const auto &t = recording->time;
    const auto &y = recording->channels[m_session.channel()];
    const std::vector<double> &residuals = m_session.residuals();
    if (m_envelopeWidth != plot.width()) {
        m_envelope = columnEnvelope(t, y, m_t0, m_t1, plot.width());
        m_residualEnvelope =
            columnEnvelope(m_session.windowTime(), residuals, m_t0, m_t1, plot.width());
        m_largestResidual = 0;
        for (double r : residuals)
            m_largestResidual = std::max(m_largestResidual, std::abs(r));
        if (!(m_largestResidual > 0))
            m_largestResidual = 1;
        m_envelopeWidth = plot.width();
    }
    const std::vector<ColumnRange> &envelope = m_envelope;
    const int fromX = xAt(m_session.from()), toX = xAt(m_session.to());
    const QColor inside(30, 80, 200), outside(150, 160, 180);
    for (int pass = 0; pass < 2; ++pass) {
        painter.setPen(pass == 0 ? outside : inside);
        std::vector<ColumnRange> part = envelope;
        for (std::size_t column = 0; column < part.size(); ++column) {
            const int x = plot.left() + int(column);
            const bool in = x >= fromX && x <= toX;
            if (in != (pass == 1))
                part[column] = {NAN, NAN};
        }
        drawEnvelope(painter, part, plot.left(), yOf);
    }

    // The model, at one time per pixel column from the switch on.
    std::vector<double> times;
    times.reserve(std::size_t(plot.width()) + 1);
    for (int x = plot.left(); x <= plot.right() + 1; ++x)
        if (const double at = timeAt(x); at >= 0)
            times.push_back(at);
    const std::vector<double> model = m_session.modelAt(times);
    if (!model.empty()) {
        QPainterPath path;
        bool drawing = false;
        for (std::size_t k = 0; k < model.size(); ++k) {
            const double v =
                std::clamp(model[k], m_low - (m_high - m_low) * 10, m_high + (m_high - m_low) * 10);
            const QPointF point(xAt(times[k]), yOf(v));
            if (!std::isfinite(model[k])) {
                drawing = false;
            } else if (drawing) {
                path.lineTo(point);
            } else {
                path.moveTo(point);
                drawing = true;
            }
        }
        QPen pen(QColor(210, 40, 40));
        pen.setWidth(2);
        painter.setPen(pen);
        painter.drawPath(path);
    }

    // The fit window's edges and a window being dragged.
    QPen edge(colours.color(QPalette::Text));
    edge.setStyle(Qt::DashLine);
    painter.setClipping(false);
    painter.setPen(edge);
    for (int x : {fromX, toX})
        painter.drawLine(x, plot.top(), x, strip.bottom());
    if (m_dragFrom >= 0) {
        QColor shade = colours.color(QPalette::Highlight);
        shade.setAlpha(60);
        painter.fillRect(QRect(QPoint(std::min(m_dragFrom, m_dragTo), plot.top()),
                               QPoint(std::max(m_dragFrom, m_dragTo), strip.bottom())),
                         shade);
    }

    // The residuals of the window, about a zero line.
    const double largest = m_largestResidual;
    const auto rOf = [&](double r) {
        return strip.center().y() - r / largest * (strip.height() / 2.0 - 2);
    };
    if (!residuals.empty() && strip.height() > 4) {
        painter.setPen(colours.color(QPalette::Mid));
        painter.drawLine(strip.left(), strip.center().y(), strip.right(), strip.center().y());
        painter.setClipRect(strip);
        painter.setPen(QColor(20, 130, 60));
        drawEnvelope(painter, m_residualEnvelope, strip.left(), rOf);
        painter.setClipping(false);
    }
    if (!m_axesShown) {
        painter.setPen(colours.color(QPalette::Text));
        painter.drawText(strip.adjusted(4, 2, -4, 0), Qt::AlignLeft | Qt::AlignTop,
                         tr("Residuals"));
        return;
    }

    // The numbers over the graph and its strip, one picture for the layer: the user
    // coordinates are the time across and the pixel row down, each band with its own values.
    const QRect picture(plot.topLeft(), strip.bottomRight());
    const double top = picture.top();
    const QString unit = unitOf(m_session.quantity());
    const auto symbol = quantityName(m_session.quantity());
    display::PictureAxes axes;
    axes.horizontal = display::ValueAxis{m_t0, m_t1, m_t0, m_t1, {{QStringLiteral("t"), "s"}}};
    axes.vertical.push_back(
        {m_low, m_high, yOf(m_low) - top, yOf(m_high) - top, {{display::toQString(symbol), unit}}});
    if (!residuals.empty())
        axes.vertical.push_back({-largest,
                                 largest,
                                 rOf(-largest) - top,
                                 rOf(largest) - top,
                                 {{tr("Residuals"), unit}}});
    display::UserTransform transform;
    transform.xa = m_t0;
    transform.xb = m_t1;
    transform.ya = 0;
    transform.yb = picture.height();
    transform.width = picture.width();
    transform.height = picture.height();
    const display::AxisLook look{font(), double(picture.width()), colours.color(QPalette::Text),
                                 colours.color(QPalette::Base)};
    const QSizeF size = picture.size();
    const display::AxisLayout layout = display::layoutAxes(axes, transform, look, size, {});
    painter.translate(picture.topLeft());
    display::paintAxes(painter, layout, look, size);
}

void RecordingGraph::setAxesShown(bool shown)
{
    if (shown == m_axesShown)
        return;
    m_axesShown = shown;
    update();
}

void RecordingGraph::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_session.recording())
        return;
    m_dragFrom = m_dragTo =
        std::clamp(int(event->position().x()), plotArea().left(), plotArea().right());
    update();
}

void RecordingGraph::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragFrom < 0)
        return;
    m_dragTo = std::clamp(int(event->position().x()), plotArea().left(), plotArea().right());
    update();
}

void RecordingGraph::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_dragFrom < 0 || event->button() != Qt::LeftButton)
        return;
    const int a = m_dragFrom, b = m_dragTo;
    m_dragFrom = m_dragTo = -1;
    update();
    // A click without a drag chooses nothing.
    if (std::abs(b - a) >= 3)
        emit windowDragged(timeAt(std::min(a, b)), timeAt(std::max(a, b)));
}

} // namespace kel::measurement
