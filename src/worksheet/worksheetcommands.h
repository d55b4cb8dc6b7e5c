// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "worksheet.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QString>

#include <functional>

class QMenu;
class QWidget;

namespace kel::display
{
class Dialogs;
}

namespace kel::worksheet
{

// What a window hands its worksheet commands: the page's content as the window stands, and
// the task text its session keeps.
struct WorksheetSource {
    std::function<Worksheet()> sheet;
    std::function<QString()> task;
    std::function<void(const QString &)> setTask;
};

// The worksheet entries of a window's Export menu, after those already there: "Worksheet
// Task…" (`WorksheetTask`, the teacher's task in a box of several lines), "Print Worksheet…"
// (`PrintWorksheet`, a print preview) and "Save Worksheet as PDF…" (`SaveWorksheetPdf`, a save
// chooser, then the PDF written atomically with the experiment attached). Every box goes
// through `dialogs`.
class WorksheetCommands
{
    Q_DECLARE_TR_FUNCTIONS(WorksheetCommands)

public:
    static void add(QMenu *exportMenu, QWidget *window, display::Dialogs &dialogs,
                    const WorksheetSource &source);

    static void editTask(display::Dialogs &dialogs, const WorksheetSource &source);
    static void print(display::Dialogs &dialogs, const WorksheetSource &source);
    static void savePdf(display::Dialogs &dialogs, const WorksheetSource &source);
};

// The page size of the system's locale, the date today and the program's version: what every
// worksheet shows besides the window's content.
void stampWorksheet(Worksheet &sheet);
QPageLayout worksheetPageLayout();

} // namespace kel::worksheet
