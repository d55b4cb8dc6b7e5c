// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheetpage.h"

#include "circuitdrawing.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFontMetricsF>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>
#include <QTextFrame>

#include <algorithm>
#include <array>

namespace kel::worksheet
{

namespace
{

// Sizes in points.
constexpr double kTitlePoints = 15, kHeadingPoints = 10.5, kTextPoints = 10, kSmallPoints = 8.5;
constexpr double kGap = 9;               // between sections
constexpr double kMinimumGraph = 200;    // the graph's height before the equations give way
constexpr double kSchematicShare = 0.42; // of the page's width

QFont fontOf(double points, bool bold = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// The page being laid out: a cursor going down, in device units.
class Layout
{
public:
    Layout(QPainter &painter, const QRectF &page, double dotsPerPoint)
        : m_painter(painter), m_page(page), m_pt(dotsPerPoint), m_y(page.top())
    {
    }

    double pt(double points) const { return points * m_pt; }
    double width() const { return m_page.width(); }
    double left() const { return m_page.left(); }
    double y() const { return m_y; }
    double bottom() const { return m_page.bottom(); }
    void down(double by) { m_y += by; }
    QPainter &painter() { return m_painter; }

    // The height `text` takes wrapped within `w` in `font`.
    double heightOf(const QString &text, const QFont &font, double w) const
    {
        m_painter.setFont(font);
        return m_painter.boundingRect(QRectF(0, 0, w, 1e9), Qt::TextWordWrap | Qt::AlignLeft, text)
            .height();
    }
    // Writes `text` wrapped within `w` from (x, y); returns its height.
    double write(const QString &text, const QFont &font, double x, double y, double w,
                 Qt::Alignment align = Qt::AlignLeft, const QColor &colour = Qt::black)
    {
        const double h = heightOf(text, font, w);
        m_painter.setPen(colour);
        m_painter.drawText(QRectF(x, y, w, h), int(Qt::TextWordWrap | align), text);
        return h;
    }
    // A thin rule across the page at the cursor.
    void rule()
    {
        m_painter.setPen(QPen(QColor(150, 150, 150), pt(0.5)));
        m_painter.drawLine(QPointF(left(), m_y), QPointF(left() + width(), m_y));
    }

private:
    QPainter &m_painter;
    QRectF m_page;
    double m_pt;
    double m_y;
};

// The parameters as a table "name = text unit", one row each; returns its height.
double parameterTable(Layout &l, const std::vector<WorksheetParameter> &parameters, double x,
                      double w, bool draw)
{
    const QFont font = fontOf(kTextPoints);
    const QFontMetricsF metrics(font, l.painter().device());
    double nameWidth = 0;
    for (const WorksheetParameter &p : parameters)
        nameWidth = std::max(nameWidth, metrics.horizontalAdvance(p.name + QStringLiteral(" = ")));
    double y = l.y();
    const double heading =
        draw ? l.write(WorksheetPage::tr("Parameters"), fontOf(kHeadingPoints, true), x, y, w)
             : l.heightOf(WorksheetPage::tr("Parameters"), fontOf(kHeadingPoints, true), w);
    y += heading + l.pt(3);
    for (const WorksheetParameter &p : parameters) {
        const QString value = p.unit.isEmpty() ? p.text : p.text + QStringLiteral(" ") + p.unit;
        const double valueWidth = std::max(w - nameWidth, w / 2);
        double h = l.heightOf(value, font, valueWidth);
        if (draw) {
            l.write(p.name + QStringLiteral(" ="), font, x, y, nameWidth);
            h = l.write(value, font, x + nameWidth, y, valueWidth);
        }
        y += h + l.pt(1.5);
    }
    return y - l.y();
}

void drawGraph(QPainter &painter, const Worksheet &sheet, const QRectF &box)
{
    painter.save();
    painter.setClipRect(box);
    painter.translate(box.topLeft());
    painter.scale(box.width() / sheet.graphSize.width(), box.height() / sheet.graphSize.height());
    // A picture is played back scaled from the resolution it was recorded at to the device's.
    const double dpi = painter.device()->logicalDpiX();
    const double recorded = sheet.graph.logicalDpiX();
    if (dpi > 0 && recorded > 0)
        painter.scale(recorded / dpi, recorded / dpi);
    painter.drawPicture(QPointF(0, 0), sheet.graph);
    painter.restore();
    painter.setPen(QPen(QColor(120, 120, 120), 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box);
}

// Where the equations are best split into two columns: the top of the paragraph (a heading,
// a line of words; never an equation's table, whose parts may reach above it) that leaves the
// two columns most even; 0 when there is nowhere to split.
double columnSplit(QTextDocument &document)
{
    QAbstractTextDocumentLayout *layout = document.documentLayout();
    const double total = document.size().height();
    double best = 0;
    for (QTextFrame::iterator it = document.rootFrame()->begin(); !it.atEnd(); ++it) {
        if (it.currentFrame() || !it.currentBlock().isValid() || it.currentBlock().text().isEmpty())
            continue;
        const double top = layout->blockBoundingRect(it.currentBlock()).top();
        if (top > 0 && std::max(top, total - top) < std::max(best, total - best))
            best = top;
    }
    return best > 0 && best < total ? best : 0;
}

void drawDocumentPart(QPainter &painter, QTextDocument &document, QPointF at, double from,
                      double to, double shrink)
{
    painter.save();
    painter.translate(at);
    painter.scale(shrink, shrink);
    painter.translate(0, -from);
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, Qt::black);
    context.clip = QRectF(0, from, document.textWidth(), to - from);
    painter.setClipRect(context.clip);
    document.documentLayout()->draw(&painter, context);
    painter.restore();
}

} // namespace

void WorksheetPage::paint(QPainter &painter, const QRectF &page, double dotsPerPoint,
                          const Worksheet &sheet)
{
    Layout l(painter, page, dotsPerPoint);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);

    // The footer first, so that the rest knows where to stop.
    const QFont small = fontOf(kSmallPoints);
    const QString program = tr("Kel Circuit Lab %1").arg(sheet.version);
    const QString date = sheet.date.isValid() ? sheet.date.toString(Qt::ISODate) : QString();
    const double footer = l.heightOf(program, small, l.width());
    const double footerTop = l.bottom() - footer;
    l.write(program, small, l.left(), footerTop, l.width() / 2, Qt::AlignLeft, Qt::darkGray);
    l.write(date, small, l.left() + l.width() / 2, footerTop, l.width() / 2, Qt::AlignRight,
            Qt::darkGray);
    const double end = footerTop - l.pt(kGap);

    // Title: the circuit, and on the right the window it comes from.
    const QString title =
        sheet.circuit.isEmpty() ? tr("Worksheet") : tr("Worksheet: %1").arg(sheet.circuit);
    const double windowWidth = l.width() * 0.3;
    const double titleHeight =
        l.write(title, fontOf(kTitlePoints, true), l.left(), l.y(), l.width() - windowWidth);
    l.write(sheet.window, small, l.left() + l.width() - windowWidth, l.y() + l.pt(4), windowWidth,
            Qt::AlignRight, Qt::darkGray);
    l.down(titleHeight + l.pt(3));
    l.rule();
    l.down(l.pt(5));
    if (!sheet.regime.isEmpty())
        l.down(l.write(sheet.regime, fontOf(kTextPoints), l.left(), l.y(), l.width()) + l.pt(kGap));

    // The schematic beside the parameters.
    const double schematicWidth = l.width() * kSchematicShare;
    const double schematicHeight = schematicWidth * kSchematicHeight / kSchematicWidth;
    const double tableX = l.left() + schematicWidth + l.pt(18);
    const double tableWidth = l.left() + l.width() - tableX;
    paintSchematicIn(painter, schematicParts(sheet.schematic),
                     QRectF(l.left(), l.y(), schematicWidth, schematicHeight));
    const double table = parameterTable(l, sheet.parameters, tableX, tableWidth, true);
    l.down(std::max(schematicHeight, table) + l.pt(kGap));

    // The task, framed.
    if (!sheet.task.trimmed().isEmpty()) {
        const double inset = l.pt(5);
        const double heading =
            l.write(tr("Task"), fontOf(kHeadingPoints, true), l.left(), l.y(), l.width());
        l.down(heading + l.pt(2));
        const double h = l.heightOf(sheet.task, fontOf(kTextPoints), l.width() - 2 * inset);
        painter.setPen(QPen(QColor(120, 120, 120), l.pt(0.6)));
        painter.setBrush(QColor(248, 248, 248));
        painter.drawRect(QRectF(l.left(), l.y(), l.width(), h + 2 * inset));
        l.write(sheet.task, fontOf(kTextPoints), l.left() + inset, l.y() + inset,
                l.width() - 2 * inset);
        l.down(h + 2 * inset + l.pt(kGap));
    }

    // What follows the graph, measured before the graph is given its height.
    const QFont readingFont = fontOf(kTextPoints);
    const QString readings = sheet.readings.join(QLatin1Char('\n'));
    const double readingsHeight =
        readings.isEmpty() ? 0 : l.heightOf(readings, readingFont, l.width()) + l.pt(kGap);
    QTextDocument equations;
    double equationsHeight = 0, equationsHeading = 0;
    if (!sheet.equations.isEmpty()) {
        equations.documentLayout()->setPaintDevice(painter.device());
        equations.setDefaultFont(fontOf(kSmallPoints + 0.5));
        equations.setDocumentMargin(0);
        equations.setHtml(sheet.equations);
        equations.setTextWidth(l.width());
        equationsHeading =
            l.heightOf(tr("Equations"), fontOf(kHeadingPoints, true), l.width()) + l.pt(3);
        equationsHeight = equations.size().height();
    }

    // Equations that would leave the graph less than its natural height go in two columns.
    const double natural = sheet.graphSize.isEmpty()
                               ? 0
                               : l.width() * sheet.graphSize.height() / sheet.graphSize.width();
    const double columnGap = l.pt(14);
    double split = 0;
    const auto roomForGraph = [&] {
        return end - l.y() - readingsHeight - equationsHeading - equationsHeight -
               (equationsHeight > 0 ? l.pt(kGap) : 0) - (natural > 0 ? l.pt(kGap) : 0);
    };
    if (equationsHeight > 0 && roomForGraph() < natural) {
        equations.setTextWidth((l.width() - columnGap) / 2);
        split = columnSplit(equations);
        if (split > 0)
            equationsHeight = std::max(split, equations.size().height() - split);
        else
            equations.setTextWidth(l.width());
    }

    if (natural > 0) {
        const double h =
            std::clamp(roomForGraph(), std::min(l.pt(kMinimumGraph), natural), natural);
        // Kept in proportion: a graph given less height is narrower, centred.
        const double w = h * sheet.graphSize.width() / sheet.graphSize.height();
        drawGraph(painter, sheet, QRectF(l.left() + (l.width() - w) / 2, l.y(), w, h));
        l.down(h + l.pt(kGap));
    }
    if (!readings.isEmpty())
        l.down(l.write(readings, readingFont, l.left(), l.y(), l.width()) + l.pt(kGap));
    if (equationsHeight > 0) {
        l.down(l.write(tr("Equations"), fontOf(kHeadingPoints, true), l.left(), l.y(), l.width()) +
               l.pt(3));
        const double room = std::max(end - l.y(), l.pt(10));
        const double shrink = std::min(1.0, room / equationsHeight);
        const double total = equations.size().height();
        if (split > 0) {
            drawDocumentPart(painter, equations, QPointF(l.left(), l.y()), 0, split, shrink);
            drawDocumentPart(
                painter, equations,
                QPointF(l.left() + (equations.textWidth() + columnGap) * shrink, l.y()), split,
                total, shrink);
        } else {
            drawDocumentPart(painter, equations, QPointF(l.left(), l.y()), 0, total, shrink);
        }
    }
    painter.restore();
}

void WorksheetPage::paint(QPagedPaintDevice &device, const Worksheet &sheet)
{
    const int dpi = device.logicalDpiX();
    const QRect paintRect = device.pageLayout().paintRectPixels(dpi);
    QPainter painter(&device);
    paint(painter, QRectF(QPointF(0, 0), QSizeF(paintRect.size())), dpi / 72.0, sheet);
}

QPageSize::PageSizeId WorksheetPage::pageSizeFor(const QLocale &locale)
{
    static constexpr std::array kLetter{
        QLocale::UnitedStates,      QLocale::Canada,      QLocale::Mexico,    QLocale::Chile,
        QLocale::Colombia,          QLocale::CostaRica,   QLocale::Guatemala, QLocale::Panama,
        QLocale::DominicanRepublic, QLocale::PuertoRico,  QLocale::Venezuela, QLocale::ElSalvador,
        QLocale::Nicaragua,         QLocale::Philippines, QLocale::Belize,
    };
    return std::find(kLetter.begin(), kLetter.end(), locale.territory()) != kLetter.end()
               ? QPageSize::Letter
               : QPageSize::A4;
}

QByteArray worksheetPdf(const Worksheet &sheet, QPageSize::PageSizeId pageSize,
                        const QString &attachmentName)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPdfVersion(QPagedPaintDevice::PdfVersion_1_6);
        writer.setResolution(300);
        writer.setTitle(sheet.circuit.isEmpty()
                            ? WorksheetPage::tr("Worksheet")
                            : WorksheetPage::tr("Worksheet: %1").arg(sheet.circuit));
        writer.setCreator(WorksheetPage::tr("Kel Circuit Lab %1").arg(sheet.version));
        writer.setPageLayout(QPageLayout(
            QPageSize(pageSize), QPageLayout::Portrait,
            QMarginsF(WorksheetPage::kMarginMillimetres, WorksheetPage::kMarginMillimetres,
                      WorksheetPage::kMarginMillimetres, WorksheetPage::kMarginMillimetres),
            QPageLayout::Millimeter));
        if (!sheet.experiment.isEmpty())
            writer.addFileAttachment(attachmentName, sheet.experiment,
                                     QStringLiteral("application/x-kel-experiment"));
        WorksheetPage::paint(writer, sheet);
    }
    return buffer.data();
}

} // namespace kel::worksheet
