// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "worksheet.h"

#include <QCoreApplication>
#include <QPageSize>
#include <QRectF>

class QLocale;
class QPagedPaintDevice;
class QPainter;

namespace kel::worksheet
{

// The one layout of a worksheet page, for the print preview, the printer and the PDF alike:
// from the top, the circuit's name and the window, its regime, the schematic beside the
// parameters, the task, the graph, the read-outs, the equations, and at the foot the program's
// version and the date. The graph takes the height the rest leaves (never more than its
// proportions give); equations that still do not fit are drawn smaller, so nothing is cut off.
// Words go through tr() in the context "WorksheetPage".
class WorksheetPage
{
    Q_DECLARE_TR_FUNCTIONS(WorksheetPage)

public:
    // Lays out `sheet` in `page` (the printable rectangle, in the painter's device units),
    // `dotsPerPoint` device units making one point (1/72 inch).
    static void paint(QPainter &painter, const QRectF &page, double dotsPerPoint,
                      const Worksheet &sheet);
    // Lays out `sheet` on the device's first page (a QPdfWriter, a QPrinter), within its margins.
    static void paint(QPagedPaintDevice &device, const Worksheet &sheet);

    // Letter where the locale's territory uses it (the United States, Canada, Mexico and the
    // other countries of the Americas that print on it, the Philippines), A4 elsewhere.
    static QPageSize::PageSizeId pageSizeFor(const QLocale &locale);
    // The margins of every worksheet page, in millimetres.
    static constexpr double kMarginMillimetres = 15;
};

// The worksheet as a one-page PDF 1.6 document of `pageSize`, the experiment (when the sheet
// has one) attached to it as `attachmentName`.
QByteArray worksheetPdf(const Worksheet &sheet, QPageSize::PageSizeId pageSize,
                        const QString &attachmentName = QStringLiteral("experiment.kel"));

} // namespace kel::worksheet
