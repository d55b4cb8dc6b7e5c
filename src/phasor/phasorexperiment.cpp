// SPDX-License-Identifier: GPL-3.0-or-later
// The phasor window as an experiment: the session saves and replays it; the pictures, the
// table and the Export menu, which writes the same.
#include "phasorswindow.h"

#include "core/phasordata.h"
#include "core/phasorexperimentfile.h"

#include "display/csvtable.h"
#include "display/dialogs.h"
#include "display/fileexport.h"
#include "display/picturearea.h"
#include "display/qstringtext.h"

#include <QLineEdit>

namespace kel::phasor
{

void PhasorsWindow::applyExperiment(const display::Experiment &experiment)
{
    if (experiment.window != QLatin1String(PhasorExperiment::kWindow))
        return;
    const PhasorExperiment::Reading reading = PhasorExperiment::fromJson(experiment.entry);
    if (!reading.experiment)
        return;
    m_session.setTask(experiment.task);
    m_animator->pause();
    for (const PhasorProblem &problem : m_session.applyExperiment(*reading.experiment))
        report(problem);
    // Each parameter box from its first digit, so that a long number is not read by its tail.
    for (QLineEdit *box : {m_c.R, m_c.C, m_c.L, m_c.v0, m_c.f0, m_c.numPer})
        box->setCursorPosition(0);
}

display::Experiment PhasorsWindow::experiment() const
{
    return {QLatin1String(PhasorExperiment::kWindow),
            m_session.experiment().toJson(),
            m_session.task(),
            {},
            {}};
}

display::PictureExport PhasorsWindow::pictures() const
{
    return display::PictureExport({m_c.diagram, m_c.plot});
}

double PhasorsWindow::pictureScale() const
{
    // Twice their size on screen, sharp enough for print.
    return 2.0;
}

std::optional<QByteArray> PhasorsWindow::csv() const
{
    const auto &drawn = m_session.lastSolution();
    if (!drawn)
        return std::nullopt;
    display::CsvTable table({kCurveColumns.begin(), kCurveColumns.end()});
    for (const auto &row : curveTable(*drawn))
        table.addRow({row.begin(), row.end()});
    return QByteArray::fromStdString(table.text());
}

// --- Export ----------------------------------------------------------------------------------

void PhasorsWindow::savePicture()
{
    const display::PictureExport exported = pictures();
    display::saveThroughDialog(m_dialogs, tr("Save Picture"), "phasors.png",
                               tr("PNG image (*.png);;SVG drawing (*.svg)"),
                               [this, &exported](const QString &path) {
                                   return display::writePictures(exported, path, pictureScale());
                               });
}

void PhasorsWindow::copyPicture()
{
    pictures().copyToClipboard(pictureScale());
}

void PhasorsWindow::saveCsv()
{
    const std::optional<QByteArray> table = csv();
    if (!table) {
        m_dialogs.message(tr("There are no plotted voltages to save. Choose Plot first."),
                          tr("Save Data as CSV"));
        return;
    }
    display::saveThroughDialog(
        m_dialogs, tr("Save Data as CSV"), "phasors.csv", tr("CSV table (*.csv)"),
        [&table](const QString &path) { return display::writeFileAtomically(path, *table); });
}

} // namespace kel::phasor
