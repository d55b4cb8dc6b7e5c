// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pictureaxes.h"
#include "usertransform.h"

#include <QColor>
#include <QImage>
#include <QWidget>

#include <cstdint>
#include <optional>
#include <vector>

class QPainter;

namespace kel::display
{

// One recorded drawing operation, in the user coordinates in force when it was drawn.
struct DrawOp {
    enum class Kind { Scale, Point, Line };
    Kind kind = Kind::Point;
    // Scale: (x1, y1) upper-left corner, (x2, y2) lower-right corner.
    // Point: (x1, y1). Line: from (x1, y1) to (x2, y2).
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    QRgb colour = 0;
    bool foreground = false; // drawn in the area's foreground colour rather than colour
    // Part of what moves with time alone (a time marker, a rotating phasor): painted afresh
    // each time, while the operations around it are painted once into cached layers.
    bool moving = false;
    bool dashed = false; // a line of a dashed curve
    // Where along its dashed curve the line starts, in widths of the area as it was drawn:
    // the dashes run on from line to line, and a line drawn again dashes the same.
    float dashStart = 0;
};

// A row of a picture's legend: a short stroke in the curve's colour and style, then its name.
struct LegendEntry {
    QString text;
    QColor colour;
    bool dashed = false;
};

// A picture area: a surface with user coordinates on which the program draws points and
// lines. What is drawn is kept as a list of operations and painted by replaying it, so the
// drawing persists when covered, re-renders sharply at any size or pixel density, and can
// be saved or inspected. Coordinates are single precision. A point or line with a
// non-finite coordinate is not drawn; a line to such a point also leaves no drawing
// position, so the next line starts afresh there: a curve is broken at a bad sample.
//
// On screen each run of operations that do not move is painted once, at the device pixel
// ratio, into a layer of its own and then only copied; a run drawn again exactly as before
// (after a clear, as a redraw at another time does) keeps its layer, and operations added at
// the end are painted onto the last layer. Only the moving runs between them are painted
// every time. The layers are rebuilt when their operations change, on a resize and on a
// change of pixel ratio or background. Drawing is not antialiased and colours are opaque, so
// the layered picture is exactly the one replayed in order.
class PictureArea : public QWidget
{
    Q_OBJECT
public:
    explicit PictureArea(QWidget *parent = nullptr);

    // Erases all drawing; the coordinate system stays, the drawing position goes to (0, 0).
    void clear();

    // Sets the coordinate system: xa at the left, ya at the top, xb at the right, yb at the
    // bottom. A system of zero or non-finite extent is refused (false) and the old one stays.
    bool setScale(float xa, float ya, float xb, float yb);
    // Draws a point, which becomes the drawing position.
    void setPoint(float x, float y, const QColor &colour);
    // Draws a line from (x1, y1) to (x2, y2), which becomes the drawing position; without a
    // colour, in the foreground colour.
    void line(float x1, float y1, float x2, float y2, std::optional<QColor> colour = {});
    // Draws a line from the drawing position to (x2, y2).
    void lineTo(float x2, float y2, std::optional<QColor> colour = {});
    // Whether the points and lines drawn from now on move with time alone (see above).
    void setMoving(bool moving) { m_moving = moving; }
    // Whether the lines drawn from now on are dashed; the dashes run on along a curve.
    void setDashed(bool dashed) { m_dashed = dashed; }

    // The legend, in a small opaque box in the upper right corner, on screen and in every
    // picture of the area; none when empty.
    void setLegend(std::vector<LegendEntry> entries);
    const std::vector<LegendEntry> &legend() const { return m_legend; }
    // Where the legend box lies in an area of `size`, empty without a legend.
    QRectF legendRect(const QSizeF &size) const;

    // The numbered axes over the drawing, on screen and in every picture of the area, under
    // the legend and never over it; none when empty or switched off. Not recorded: the
    // drawing underneath stays as drawn.
    void setAxes(PictureAxes axes);
    const PictureAxes &axes() const { return m_axes; }
    void setAxesShown(bool shown);
    bool axesShown() const { return m_axesShown; }
    // What the axes layer draws in a picture of `size`: nothing when off or without axes.
    AxisLayout axesLayout(const QSizeF &size) const;

    void setForeground(const QColor &colour) { m_foreground = colour; }
    QColor foreground() const { return m_foreground; }
    void setBackground(const QColor &colour);
    QColor background() const { return m_background; }

    const std::vector<DrawOp> &operations() const { return m_ops; }
    // The coordinate system now in force (the designed twips of the area until one is set).
    UserTransform transform() const;
    bool hasScale() const { return m_hasScale; }

    // Renders the whole drawing into a painter's device of the given size, background included.
    // Lines and points are one device pixel wide, or with `lineWidth` that many pixels of
    // `size`, growing with the painter's scale (for print).
    void render(QPainter &painter, const QSizeF &size,
                std::optional<double> lineWidth = std::nullopt) const;
    QImage toImage(const QSize &pixels) const;
    // Paints the drawing as the screen shows it, through the cached layers, at `size` logical
    // pixels and `ratio` device pixels per logical pixel.
    void paintLayers(QPainter &painter, const QSizeF &size, qreal ratio);
    // How many cached layers were painted afresh (built or added to) since the area was made:
    // a measure of the work a repaint did.
    std::size_t layerPaints() const { return m_layerPaints; }

    // Drops every operation that a later identical one paints over (same kind, coordinates,
    // colour and coordinate system). The picture stays the same; pressing a command again and
    // again without clearing then keeps the list, and so memory and repaint time, bounded.
    void compact();

    // The keyboard graph cursor: a vertical line at an x of the coordinate system in force,
    // moved with the keys while the area has the focus (which Tab then reaches). Left and
    // Right step 1/200 of the x range, Shift with them and Page Up/Down 1/20, Home and End go
    // to the ends; the first key without a cursor puts it at the left end (Home), the right
    // end (End) or the middle. It is painted over the drawing on screen only, not recorded,
    // and in render() and toImage() only with exportCursor on.
    void setKeyboardCursor(bool enabled);
    bool keyboardCursor() const { return m_keyboardCursor; }
    std::optional<float> cursorX() const { return m_cursorX; }
    // Places the cursor, clamped to the x range now in force; emits nothing.
    void setCursorX(float x);
    void clearCursor();
    void setExportCursor(bool on) { m_exportCursor = on; }
    bool exportCursor() const { return m_exportCursor; }
    void setCursorColour(const QColor &colour);
    // The cursor's column in a picture `width` pixels wide, or nothing without a cursor.
    std::optional<double> cursorPixelX(double width) const;

    // A reference line: a dashed vertical line at an x of the coordinate system in force, in
    // the cursor's colour, on screen and in every picture; none without one. Not recorded.
    void setReferenceX(std::optional<float> x);
    std::optional<float> referenceX() const { return m_referenceX; }

signals:
    // Mouse button released over the area: button 1 left, 2 right, 4 middle; shift state 1
    // shift, 2 control, 4 alt; the position in the user coordinates now in force.
    void mouseUp(int button, int shift, float x, float y);
    // The mouse moved over the area (with mouse tracking on, or while a button is held); the
    // position in the user coordinates now in force.
    void mouseMove(float x, float y);
    // A key moved the keyboard cursor to x, in the user coordinates now in force.
    void cursorMoved(float x);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // A run of operations that do not move, painted into an image of its own.
    struct Layer {
        std::size_t start = 0, end = 0; // the operations painted, [start, end)
        std::uint64_t revision = 0;     // of the list when they were last checked
        std::vector<DrawOp> ops;        // a copy of them, the coordinate system first
        QImage image;
        bool opaque = false; // the first layer holds the background
        QRgb background = 0;
    };

    void record(const DrawOp &op);
    bool layerStillHolds(const Layer &layer, std::size_t start, std::size_t end) const;
    void paintCursor(QPainter &painter, const QSizeF &size) const;
    void paintOverlays(QPainter &painter, const QSizeF &size) const;
    std::optional<double> pixelXOf(float x, double width) const;
    float clampToXRange(float x) const;
    const QImage &paintLayer(std::size_t k, std::size_t start, std::size_t end, const QSize &pixels,
                             qreal ratio, bool opaque);

    std::vector<DrawOp> m_ops;
    float m_xa = 0, m_ya = 0, m_xb = 0, m_yb = 0;
    bool m_hasScale = false;
    std::optional<std::pair<float, float>> m_position{std::pair<float, float>{0.f, 0.f}};
    QColor m_foreground = Qt::black;
    QColor m_background = Qt::white;

    bool m_moving = false;
    bool m_dashed = false;
    float m_dashRun = 0; // the dashStart of a line that goes on from m_dashEnd
    std::optional<std::pair<float, float>> m_dashEnd;
    std::vector<LegendEntry> m_legend;
    PictureAxes m_axes;
    bool m_axesShown = true;

    bool m_keyboardCursor = false;
    bool m_exportCursor = false;
    std::optional<float> m_cursorX;
    std::optional<float> m_referenceX;
    QColor m_cursorColour{0x80, 0x00, 0x80};

    std::vector<Layer> m_layers;
    // Changes whenever operations are removed or replaced rather than added at the end.
    std::uint64_t m_revision = 0;
    std::size_t m_layerPaints = 0;
    std::size_t m_compactAt = kCompactMinimum;
    static constexpr std::size_t kCompactMinimum = 20'000;
};

} // namespace kel::display
