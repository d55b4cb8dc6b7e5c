// SPDX-License-Identifier: GPL-3.0-or-later
#include "picturearea.h"

#include "drawops.h"
#include "graphcursor.h"
#include "picturelegend.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace kel::display
{

namespace
{

bool finite(float x, float y)
{
    return std::isfinite(x) && std::isfinite(y);
}

LegendLook legendLookOf(const PictureArea &area)
{
    return {area.font(), static_cast<double>(area.width()), area.foreground(), area.background()};
}

} // namespace

PictureArea::PictureArea(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureArea::clear()
{
    m_ops.clear();
    ++m_revision;
    m_position = std::pair<float, float>{0.f, 0.f};
    m_dashEnd.reset();
    // The coordinate system survives a clear, so it is recorded again at the head of the list.
    if (m_hasScale)
        m_ops.push_back(scaleOp(m_xa, m_ya, m_xb, m_yb));
    update();
}

bool PictureArea::setScale(float xa, float ya, float xb, float yb)
{
    if (!UserTransform::usable(xa, ya, xb, yb))
        return false;
    m_xa = xa;
    m_ya = ya;
    m_xb = xb;
    m_yb = yb;
    m_hasScale = true;
    record(scaleOp(xa, ya, xb, yb, m_moving));
    if (m_cursorX)
        m_cursorX = clampToXRange(*m_cursorX);
    return true;
}

void PictureArea::setPoint(float x, float y, const QColor &colour)
{
    if (!finite(x, y)) {
        m_position.reset();
        return;
    }
    m_position = std::pair{x, y};
    record({DrawOp::Kind::Point, x, y, x, y, colour.rgb(), false, m_moving, false});
}

void PictureArea::line(float x1, float y1, float x2, float y2, std::optional<QColor> colour)
{
    if (!finite(x2, y2)) {
        m_position.reset();
        return;
    }
    m_position = std::pair{x2, y2};
    if (!finite(x1, y1))
        return;
    float dashStart = 0;
    if (m_dashed) {
        if (m_dashEnd == std::pair{x1, y1})
            dashStart = m_dashRun;
        m_dashRun = dashRunAfter(transform(), width(), dashStart, x1, y1, x2, y2);
        m_dashEnd = std::pair{x2, y2};
    }
    record({DrawOp::Kind::Line, x1, y1, x2, y2, colour ? colour->rgb() : m_foreground.rgb(),
            !colour.has_value(), m_moving, m_dashed, dashStart});
}

void PictureArea::lineTo(float x2, float y2, std::optional<QColor> colour)
{
    if (!m_position) {
        if (finite(x2, y2))
            m_position = std::pair{x2, y2};
        return;
    }
    line(m_position->first, m_position->second, x2, y2, colour);
}

void PictureArea::setBackground(const QColor &colour)
{
    m_background = colour;
    update();
}

UserTransform PictureArea::transform() const
{
    if (m_hasScale)
        return {
            m_xa, m_ya, m_xb, m_yb, static_cast<double>(width()), static_cast<double>(height())};
    return twipsTransform(QSizeF(width(), height()));
}

void PictureArea::record(const DrawOp &op)
{
    m_ops.push_back(op);
    if (m_ops.size() >= m_compactAt) {
        compact();
        m_compactAt = std::max(kCompactMinimum, 2 * m_ops.size());
    }
    update();
}

void PictureArea::compact()
{
    // A picture cached whole in one layer is the same picture after compacting.
    const bool cachedWhole =
        m_layers.size() == 1 && m_layers[0].revision == m_revision && m_layers[0].start == 0 &&
        m_layers[0].end == m_ops.size() &&
        std::none_of(m_ops.begin(), m_ops.end(), [](const DrawOp &op) { return op.moving; });
    std::optional<DrawOp> scaleNow;
    if (m_hasScale)
        scaleNow = scaleOp(m_xa, m_ya, m_xb, m_yb);
    m_ops = compactOps(m_ops, scaleNow);
    ++m_revision;
    if (cachedWhole) {
        Layer &layer = m_layers[0];
        layer.ops.assign(1, kNoScale);
        layer.ops.insert(layer.ops.end(), m_ops.begin(), m_ops.end());
        layer.end = m_ops.size();
        layer.revision = m_revision;
    }
}

// Drawing is not antialiased: a line drawn twice then looks exactly as a line drawn once, as
// curves that accumulate on an area must.
void PictureArea::render(QPainter &painter, const QSizeF &size,
                         std::optional<double> lineWidth) const
{
    painter.fillRect(QRectF(QPointF(0, 0), size), m_background);
    painter.setRenderHint(QPainter::Antialiasing, false);
    replayOps(painter, size, m_ops, 0, m_ops.size(), lineWidth);
    paintOverlays(painter, size);
    if (m_exportCursor)
        paintCursor(painter, size);
}

QImage PictureArea::toImage(const QSize &pixels) const
{
    QImage image(pixels, QImage::Format_RGB32);
    QPainter painter(&image);
    render(painter, QSizeF(pixels));
    return image;
}

bool PictureArea::layerStillHolds(const Layer &layer, std::size_t start, std::size_t end) const
{
    if (layer.ops.empty() || layer.ops.size() - 1 > end - start)
        return false;
    // Since the last check only operations were added at the end.
    if (layer.revision == m_revision && layer.start == start)
        return true;
    if (!sameOp(layer.ops[0], scaleBefore(m_ops, start)))
        return false;
    for (std::size_t i = 1; i < layer.ops.size(); ++i)
        if (!sameOp(layer.ops[i], m_ops[start + i - 1]))
            return false;
    return true;
}

const QImage &PictureArea::paintLayer(std::size_t k, std::size_t start, std::size_t end,
                                      const QSize &pixels, qreal ratio, bool opaque)
{
    if (m_layers.size() <= k)
        m_layers.resize(k + 1);
    Layer &layer = m_layers[k];
    const bool fits = layer.image.size() == pixels && layer.image.devicePixelRatio() == ratio &&
                      layer.opaque == opaque && (!opaque || layer.background == m_background.rgb());
    if (!fits || !layerStillHolds(layer, start, end)) {
        layer.image =
            QImage(pixels, opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
        layer.image.setDevicePixelRatio(ratio);
        layer.image.fill(opaque ? m_background : QColor(Qt::transparent));
        layer.opaque = opaque;
        layer.background = m_background.rgb();
        layer.ops.assign(1, scaleBefore(m_ops, start));
    }
    layer.start = start;
    layer.end = start + layer.ops.size() - 1;
    layer.revision = m_revision;
    if (layer.end < end) {
        QPainter painter(&layer.image);
        painter.setRenderHint(QPainter::Antialiasing, false);
        replayOps(painter, QSizeF(pixels) / ratio, m_ops, layer.end, end);
        layer.ops.insert(layer.ops.end(), m_ops.begin() + static_cast<std::ptrdiff_t>(layer.end),
                         m_ops.begin() + static_cast<std::ptrdiff_t>(end));
        layer.end = end;
        ++m_layerPaints;
    }
    return layer.image;
}

void PictureArea::paintLayers(QPainter &painter, const QSizeF &size, qreal ratio)
{
    const QSize pixels = (size * ratio).toSize();
    painter.setRenderHint(QPainter::Antialiasing, false);
    bool backgroundPainted = false;
    std::size_t layers = 0;
    for (std::size_t i = 0; i < m_ops.size();) {
        const bool moving = m_ops[i].moving;
        std::size_t j = i;
        while (j < m_ops.size() && m_ops[j].moving == moving)
            ++j;
        if (moving) {
            if (!backgroundPainted)
                painter.fillRect(QRectF(QPointF(0, 0), size), m_background);
            replayOps(painter, size, m_ops, i, j);
        } else {
            painter.drawImage(QPointF(0, 0),
                              paintLayer(layers++, i, j, pixels, ratio, !backgroundPainted));
        }
        backgroundPainted = true;
        i = j;
    }
    if (!backgroundPainted)
        painter.fillRect(QRectF(QPointF(0, 0), size), m_background);
    m_layers.resize(layers);
    paintOverlays(painter, size);
}

void PictureArea::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintLayers(painter, QSizeF(size()), devicePixelRatioF());
    paintCursor(painter, QSizeF(size()));
    if (hasFocus()) {
        QPen pen(palette().color(QPalette::Highlight), 2);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
}

void PictureArea::paintOverlays(QPainter &painter, const QSizeF &size) const
{
    if (const std::optional<double> px =
            m_referenceX ? pixelXOf(*m_referenceX, size.width()) : std::nullopt)
        paintCursorLine(painter, size, *px, m_cursorColour, true);
    const LegendLook legend = legendLookOf(*this);
    paintAxes(painter, axesLayout(size),
              {legend.font, legend.areaWidth, legend.foreground, legend.background}, size);
    paintLegend(painter, size, m_legend, legend);
}

// --- Axes ------------------------------------------------------------------------------------

void PictureArea::setAxes(PictureAxes axes)
{
    m_axes = std::move(axes);
    update();
}

void PictureArea::setAxesShown(bool shown)
{
    m_axesShown = shown;
    update();
}

AxisLayout PictureArea::axesLayout(const QSizeF &size) const
{
    if (!m_axesShown || m_axes.empty())
        return {};
    const LegendLook legend = legendLookOf(*this);
    return layoutAxes(m_axes, transform(),
                      {legend.font, legend.areaWidth, legend.foreground, legend.background}, size,
                      legendRect(size));
}

// --- Legend ----------------------------------------------------------------------------------

void PictureArea::setLegend(std::vector<LegendEntry> entries)
{
    m_legend = std::move(entries);
    update();
}

QRectF PictureArea::legendRect(const QSizeF &size) const
{
    return legendBox(m_legend, legendLookOf(*this), size);
}

// --- Keyboard cursor -------------------------------------------------------------------------

void PictureArea::setKeyboardCursor(bool enabled)
{
    m_keyboardCursor = enabled;
    setFocusPolicy(enabled ? Qt::StrongFocus : Qt::NoFocus);
    if (!enabled)
        clearCursor();
}

float PictureArea::clampToXRange(float x) const
{
    const UserTransform t = transform();
    const auto lo = static_cast<float>(std::min(t.xa, t.xb));
    const auto hi = static_cast<float>(std::max(t.xa, t.xb));
    return std::isfinite(x) ? std::clamp(x, lo, hi) : lo;
}

void PictureArea::setCursorX(float x)
{
    m_cursorX = clampToXRange(x);
    update();
}

void PictureArea::clearCursor()
{
    m_cursorX.reset();
    update();
}

void PictureArea::setCursorColour(const QColor &colour)
{
    m_cursorColour = colour;
    update();
}

std::optional<double> PictureArea::cursorPixelX(double width) const
{
    if (!m_cursorX)
        return std::nullopt;
    const UserTransform t = transform();
    return (*m_cursorX - t.xa) / (t.xb - t.xa) * width;
}

std::optional<double> PictureArea::pixelXOf(float x, double width) const
{
    const UserTransform t = transform();
    const double px = (x - t.xa) / (t.xb - t.xa) * width;
    if (!std::isfinite(px) || px < 0 || px > width)
        return std::nullopt;
    return px;
}

void PictureArea::setReferenceX(std::optional<float> x)
{
    m_referenceX = x;
    update();
}

void PictureArea::paintCursor(QPainter &painter, const QSizeF &size) const
{
    const std::optional<double> px = cursorPixelX(size.width());
    if (!px)
        return;
    paintCursorLine(painter, size, *px, m_cursorColour);
}

void PictureArea::keyPressEvent(QKeyEvent *event)
{
    if (!m_keyboardCursor) {
        QWidget::keyPressEvent(event);
        return;
    }
    const UserTransform t = transform();
    const std::optional<float> x =
        cursorAfterKey(event->key(), event->modifiers() & Qt::ShiftModifier,
                       static_cast<float>(t.xa), static_cast<float>(t.xb), m_cursorX);
    if (!x) {
        QWidget::keyPressEvent(event);
        return;
    }
    setCursorX(*x);
    event->accept();
    emit cursorMoved(*m_cursorX);
}

void PictureArea::resizeEvent(QResizeEvent *event)
{
    // The layers no longer fit; they are rebuilt at the next paint.
    m_layers.clear();
    QWidget::resizeEvent(event);
}

void PictureArea::mouseReleaseEvent(QMouseEvent *event)
{
    int button = 1;
    if (event->button() == Qt::RightButton)
        button = 2;
    else if (event->button() == Qt::MiddleButton)
        button = 4;
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    const int shift = (modifiers & Qt::ShiftModifier ? 1 : 0) |
                      (modifiers & Qt::ControlModifier ? 2 : 0) |
                      (modifiers & Qt::AltModifier ? 4 : 0);
    const UserTransform t = transform();
    const QPointF p = event->position();
    emit mouseUp(button, shift, static_cast<float>(t.toUserX(p.x())),
                 static_cast<float>(t.toUserY(p.y())));
}

void PictureArea::mouseMoveEvent(QMouseEvent *event)
{
    const UserTransform t = transform();
    const QPointF p = event->position();
    emit mouseMove(static_cast<float>(t.toUserX(p.x())), static_cast<float>(t.toUserY(p.y())));
}

} // namespace kel::display
