// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheetcommands.h"

#include "worksheetpage.h"

#include "display/dialogs.h"
#include "display/fileexport.h"
#include "display/menucommands.h"
#include "kelversion.h"

#include <QLocale>
#include <QMenu>
#include <QPageLayout>

namespace kel::worksheet
{

void WorksheetCommands::add(QMenu *exportMenu, QWidget *window, display::Dialogs &dialogs,
                            const WorksheetSource &source)
{
    exportMenu->addSeparator();
    // The captions live until the end of the call, which copies them.
    display::addMenuCommands(
        exportMenu, window,
        {
            {"WorksheetTask", tr("Worksheet Task\u2026").toUtf8().constData(),
             [&dialogs, source] { editTask(dialogs, source); }},
            {"PrintWorksheet", tr("Print Worksheet\u2026").toUtf8().constData(),
             [&dialogs, source] { print(dialogs, source); }},
            {"SaveWorksheetPdf", tr("Save Worksheet as PDF\u2026").toUtf8().constData(),
             [&dialogs, source] { savePdf(dialogs, source); }},
        });
}

void WorksheetCommands::editTask(display::Dialogs &dialogs, const WorksheetSource &source)
{
    const std::optional<QString> task =
        dialogs.multiLineInput(tr("The task printed on the worksheet, for the students:"),
                               tr("Worksheet Task"), source.task());
    if (task)
        source.setTask(*task);
}

void WorksheetCommands::print(display::Dialogs &dialogs, const WorksheetSource &source)
{
    const Worksheet sheet = source.sheet();
    dialogs.printPreview(
        tr("Print Worksheet"), worksheetPageLayout(),
        [&sheet](QPagedPaintDevice &device) { WorksheetPage::paint(device, sheet); });
}

void WorksheetCommands::savePdf(display::Dialogs &dialogs, const WorksheetSource &source)
{
    display::saveThroughDialog(
        dialogs, tr("Save Worksheet as PDF"), QStringLiteral("worksheet.pdf"),
        tr("PDF document (*.pdf)"), [&source](const QString &path) {
            return display::writeFileAtomically(
                path, worksheetPdf(source.sheet(), WorksheetPage::pageSizeFor(QLocale::system())));
        });
}

void stampWorksheet(Worksheet &sheet)
{
    sheet.date = QDate::currentDate();
    sheet.version = QString::fromUtf8(kVersion.data(), qsizetype(kVersion.size()));
}

QPageLayout worksheetPageLayout()
{
    constexpr double kMargin = WorksheetPage::kMarginMillimetres;
    return QPageLayout(QPageSize(WorksheetPage::pageSizeFor(QLocale::system())),
                       QPageLayout::Portrait, QMarginsF(kMargin, kMargin, kMargin, kMargin),
                       QPageLayout::Millimeter);
}

} // namespace kel::worksheet
