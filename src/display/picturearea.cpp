// SPDX-License-Identifier: GPL-3.0-or-later
#include "picturearea.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <unordered_set>

namespace kel::display
{

namespace
{

bool finite(float x, float y)
{
    return std::isfinite(x) && std::isfinite(y);
}

// Twips per pixel at 96 dots per inch: the units of an area before a scale is set.
constexpr double kTwipsPerPixel = 15.0;

UserTransform transformFor(const DrawOp &scale, const QSizeF &size)
{
    return {scale.x1, scale.y1, scale.x2, scale.y2, size.width(), size.height()};
}

bool sameOp(const DrawOp &a, const DrawOp &b)
{
    return a.kind == b.kind && a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2 &&
           a.colour == b.colour && a.foreground == b.foreground && a.moving == b.moving &&
           a.dashed == b.dashed && a.dashStart == b.dashStart;
}

// Dashes of 6 pixels with gaps of 4: plain at a glance beside a solid curve of the same colour.
const QList<qreal> kDashPattern{6, 4};

// Stands for "no coordinate system set yet" at the head of a layer: a system of zero extent
// is never recorded.
const DrawOp kNoScale{DrawOp::Kind::Scale, 0, 0, 0, 0, 0, false, false, false};

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
        m_ops.push_back({DrawOp::Kind::Scale, m_xa, m_ya, m_xb, m_yb, 0, false, false, false});
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
    record({DrawOp::Kind::Scale, xa, ya, xb, yb, 0, false, m_moving, false});
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
        const UserTransform t = transform();
        const double length =
            std::hypot(t.toPixelX(x2) - t.toPixelX(x1), t.toPixelY(y2) - t.toPixelY(y1));
        const double run = dashStart + (width() > 0 ? length / width() : 0.0);
        m_dashRun = std::isfinite(run) ? static_cast<float>(run) : 0.f;
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
    return {0,
            0,
            width() * kTwipsPerPixel,
            height() * kTwipsPerPixel,
            static_cast<double>(width()),
            static_cast<double>(height())};
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

namespace
{

struct StrokeKey {
    DrawOp op;
    std::size_t scale; // index of the coordinate system in force
    bool operator==(const StrokeKey &o) const { return scale == o.scale && sameOp(op, o.op); }
};

struct StrokeHash {
    std::size_t operator()(const StrokeKey &k) const
    {
        std::size_t h = std::hash<std::size_t>()(k.scale);
        for (float f : {k.op.x1, k.op.y1, k.op.x2, k.op.y2})
            h = h * 1000003u ^ std::hash<float>()(f);
        return h * 31u ^ k.op.colour ^ (static_cast<std::size_t>(k.op.kind) << 1);
    }
};

} // namespace

void PictureArea::compact()
{
    // A picture cached whole in one layer is the same picture after compacting.
    const bool cachedWhole =
        m_layers.size() == 1 && m_layers[0].revision == m_revision && m_layers[0].start == 0 &&
        m_layers[0].end == m_ops.size() &&
        std::none_of(m_ops.begin(), m_ops.end(), [](const DrawOp &op) { return op.moving; });
    // Coordinate systems get an index each; equal systems share one.
    std::vector<DrawOp> scales;
    std::vector<std::size_t> scaleOf(m_ops.size(), 0);
    std::size_t current = 0;
    bool haveScale = false;
    for (std::size_t i = 0; i < m_ops.size(); ++i) {
        const DrawOp &op = m_ops[i];
        if (op.kind == DrawOp::Kind::Scale) {
            auto same = [&](const DrawOp &s) {
                return s.x1 == op.x1 && s.y1 == op.y1 && s.x2 == op.x2 && s.y2 == op.y2;
            };
            const auto found = std::find_if(scales.begin(), scales.end(), same);
            current = static_cast<std::size_t>(found - scales.begin()) + 1;
            if (found == scales.end())
                scales.push_back(op);
            haveScale = true;
        }
        scaleOf[i] = haveScale ? current : 0;
    }
    // Keep the last of identical strokes: it is the one that stays on top.
    std::unordered_set<StrokeKey, StrokeHash> seen;
    std::vector<bool> keep(m_ops.size(), false);
    for (std::size_t i = m_ops.size(); i-- > 0;) {
        if (m_ops[i].kind == DrawOp::Kind::Scale)
            continue;
        keep[i] = seen.insert({m_ops[i], scaleOf[i]}).second;
    }
    std::vector<DrawOp> compacted;
    std::size_t emittedScale = 0;
    for (std::size_t i = 0; i < m_ops.size(); ++i) {
        if (!keep[i])
            continue;
        if (scaleOf[i] != emittedScale && scaleOf[i] != 0) {
            compacted.push_back(scales[scaleOf[i] - 1]);
            emittedScale = scaleOf[i];
        }
        compacted.push_back(m_ops[i]);
    }
    // The system in force now must stay in force for what is drawn next.
    if (m_hasScale) {
        const DrawOp now{DrawOp::Kind::Scale, m_xa, m_ya, m_xb, m_yb, 0, false, false, false};
        const bool inForce = emittedScale != 0 && scales[emittedScale - 1].x1 == now.x1 &&
                             scales[emittedScale - 1].y1 == now.y1 &&
                             scales[emittedScale - 1].x2 == now.x2 &&
                             scales[emittedScale - 1].y2 == now.y2;
        if (!inForce)
            compacted.push_back(now);
    }
    m_ops = std::move(compacted);
    ++m_revision;
    if (cachedWhole) {
        Layer &layer = m_layers[0];
        layer.ops.assign(1, kNoScale);
        layer.ops.insert(layer.ops.end(), m_ops.begin(), m_ops.end());
        layer.end = m_ops.size();
        layer.revision = m_revision;
    }
}

void PictureArea::replay(QPainter &painter, const QSizeF &size, std::size_t from,
                         std::size_t to) const
{
    // The system in force at `from` is the last one recorded before it.
    UserTransform t{0,
                    0,
                    size.width() * kTwipsPerPixel,
                    size.height() * kTwipsPerPixel,
                    size.width(),
                    size.height()};
    for (std::size_t i = from; i-- > 0;) {
        if (m_ops[i].kind == DrawOp::Kind::Scale) {
            t = transformFor(m_ops[i], size);
            break;
        }
    }
    QPen pen;
    pen.setCosmetic(true);
    pen.setWidthF(1.0);
    for (std::size_t i = from; i < to; ++i) {
        const DrawOp &op = m_ops[i];
        switch (op.kind) {
        case DrawOp::Kind::Scale:
            t = transformFor(op, size);
            break;
        case DrawOp::Kind::Point:
            pen.setColor(QColor::fromRgb(op.colour));
            painter.setPen(pen);
            painter.drawPoint(QPointF(t.toPixelX(op.x1), t.toPixelY(op.y1)));
            break;
        case DrawOp::Kind::Line: {
            double ax = t.toPixelX(op.x1), ay = t.toPixelY(op.y1);
            double bx = t.toPixelX(op.x2), by = t.toPixelY(op.y2);
            // A curve far outside the visible range stays within what the rasteriser takes.
            constexpr double kFar = 1e6;
            if (!clipSegment(ax, ay, bx, by, -kFar, kFar))
                break;
            const QPointF a(ax, ay), b(bx, by);
            pen.setColor(QColor::fromRgb(op.colour));
            if (op.dashed) {
                pen.setDashPattern(kDashPattern);
                pen.setDashOffset(op.dashStart * size.width());
            } else {
                pen.setStyle(Qt::SolidLine);
            }
            painter.setPen(pen);
            painter.drawLine(a, b);
            break;
        }
        }
    }
}

// Drawing is not antialiased: a line drawn twice then looks exactly as a line drawn once, as
// curves that accumulate on an area must.
void PictureArea::render(QPainter &painter, const QSizeF &size) const
{
    painter.fillRect(QRectF(QPointF(0, 0), size), m_background);
    painter.setRenderHint(QPainter::Antialiasing, false);
    replay(painter, size, 0, m_ops.size());
    paintLegend(painter, size);
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

DrawOp PictureArea::scaleBefore(std::size_t index) const
{
    for (std::size_t i = index; i-- > 0;)
        if (m_ops[i].kind == DrawOp::Kind::Scale)
            return m_ops[i];
    return kNoScale;
}

bool PictureArea::layerStillHolds(const Layer &layer, std::size_t start, std::size_t end) const
{
    if (layer.ops.empty() || layer.ops.size() - 1 > end - start)
        return false;
    // Since the last check only operations were added at the end.
    if (layer.revision == m_revision && layer.start == start)
        return true;
    if (!sameOp(layer.ops[0], scaleBefore(start)))
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
        layer.ops.assign(1, scaleBefore(start));
    }
    layer.start = start;
    layer.end = start + layer.ops.size() - 1;
    layer.revision = m_revision;
    if (layer.end < end) {
        QPainter painter(&layer.image);
        painter.setRenderHint(QPainter::Antialiasing, false);
        replay(painter, QSizeF(pixels) / ratio, layer.end, end);
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
            replay(painter, size, i, j);
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
    paintLegend(painter, size);
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

// --- Legend ----------------------------------------------------------------------------------

namespace
{

// The legend's measures in logical pixels of the area on screen; a picture of another size
// scales them with its width.
constexpr double kLegendMargin = 4;  // from the area's edges
constexpr double kLegendPadding = 3; // inside the box
constexpr double kLegendStroke = 18; // the length of a row's sample stroke
constexpr double kLegendGap = 4;     // between stroke and text

} // namespace

void PictureArea::setLegend(std::vector<LegendEntry> entries)
{
    m_legend = std::move(entries);
    update();
}

QRectF PictureArea::legendRect(const QSizeF &size) const
{
    if (m_legend.empty() || width() <= 0)
        return {};
    const QFontMetricsF metrics(font());
    double textWidth = 0;
    for (const LegendEntry &e : m_legend)
        textWidth = std::max(textWidth, metrics.horizontalAdvance(e.text));
    const double w = 2 * kLegendPadding + kLegendStroke + kLegendGap + textWidth;
    const double h = 2 * kLegendPadding + metrics.height() * static_cast<double>(m_legend.size());
    const double scale = size.width() / width();
    return {size.width() - (kLegendMargin + w) * scale, kLegendMargin * scale, w * scale,
            h * scale};
}

void PictureArea::paintLegend(QPainter &painter, const QSizeF &size) const
{
    const QRectF box = legendRect(size);
    if (box.isEmpty())
        return;
    const double scale = size.width() / width();
    painter.save();
    painter.translate(box.topLeft());
    painter.scale(scale, scale);
    const QRectF frame(QPointF(0, 0), box.size() / scale);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    QPen border(m_foreground);
    border.setCosmetic(true);
    painter.setPen(border);
    painter.setBrush(m_background);
    painter.drawRect(frame.adjusted(0, 0, -1.0 / scale, -1.0 / scale));
    painter.setFont(font());
    const QFontMetricsF metrics(font());
    double top = kLegendPadding;
    for (const LegendEntry &e : m_legend) {
        const double middle = std::floor(top + metrics.height() / 2) + 0.5;
        QPen stroke(e.colour);
        stroke.setCosmetic(true);
        stroke.setWidthF(2);
        if (e.dashed)
            stroke.setDashPattern({3, 2}); // in pen widths: the 6 and 4 pixels of the curve
        painter.setPen(stroke);
        painter.drawLine(QPointF(kLegendPadding, middle),
                         QPointF(kLegendPadding + kLegendStroke, middle));
        painter.setPen(m_foreground);
        painter.drawText(QRectF(kLegendPadding + kLegendStroke + kLegendGap, top, frame.width(),
                                metrics.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, e.text);
        top += metrics.height();
    }
    painter.restore();
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

void PictureArea::paintCursor(QPainter &painter, const QSizeF &size) const
{
    const std::optional<double> px = cursorPixelX(size.width());
    if (!px)
        return;
    // A line at the right end stays inside the picture.
    const double x = std::min(std::floor(*px), size.width() - 1) + 0.5;
    QPen pen(m_cursorColour);
    pen.setCosmetic(true);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(pen);
    painter.drawLine(QPointF(x, 0), QPointF(x, size.height()));
    painter.restore();
}

void PictureArea::keyPressEvent(QKeyEvent *event)
{
    if (!m_keyboardCursor) {
        QWidget::keyPressEvent(event);
        return;
    }
    const UserTransform t = transform();
    const auto xa = static_cast<float>(t.xa), xb = static_cast<float>(t.xb);
    const float range = xb - xa; // signed: Right moves towards xb whichever way the axis runs
    const bool large = event->modifiers() & Qt::ShiftModifier;
    std::optional<float> step;
    std::optional<float> end;
    switch (event->key()) {
    case Qt::Key_Left:
        step = -range / (large ? 20.f : 200.f);
        break;
    case Qt::Key_Right:
        step = range / (large ? 20.f : 200.f);
        break;
    case Qt::Key_PageDown:
        step = -range / 20.f;
        break;
    case Qt::Key_PageUp:
        step = range / 20.f;
        break;
    case Qt::Key_Home:
        end = xa;
        break;
    case Qt::Key_End:
        end = xb;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    if (end)
        setCursorX(*end);
    else if (!m_cursorX)
        setCursorX(xa + range / 2);
    else
        setCursorX(*m_cursorX + *step);
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
