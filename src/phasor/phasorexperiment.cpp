// SPDX-License-Identifier: GPL-3.0-or-later
// The phasor window as an experiment: what it saves, the replay that opens one, and the
// Export menu, which writes the same pictures and table.
#include "phasorswindow.h"

#include "phasordata.h"
#include "phasorexperimentfile.h"

#include "display/csvtable.h"
#include "display/dialogs.h"
#include "display/fileexport.h"
#include "display/picturearea.h"
#include "display/qstringtext.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QScrollBar>

namespace kel::phasor
{

void PhasorsWindow::applyExperiment(const display::Experiment &experiment)
{
    if (experiment.window != QLatin1String(PhasorExperiment::kWindow))
        return;
    const PhasorExperiment::Reading reading = PhasorExperiment::fromJson(experiment.entry);
    if (!reading.experiment)
        return;
    const PhasorExperiment &p = *reading.experiment;
    m_animator->pause();
    const auto textOf = [&p](const QLineEdit *box) {
        const auto found = p.texts.find(box->objectName());
        return found == p.texts.end() ? box->text() : found->second;
    };
    for (QLineEdit *box : {m_c.R, m_c.C, m_c.L, m_c.v0, m_c.f0, m_c.numPer}) {
        box->setText(textOf(box));
        box->setCursorPosition(0);
    }
    for (QCheckBox *box : m_c.checks)
        box->setChecked(p.checked.contains(box->objectName()));
    // The time and the bar as they were, without the redraw a drag would make.
    const auto placeTime = [this, &p, &textOf] {
        const QScopedValueRollback quiet(m_redrawing, true);
        m_c.t2->setText(textOf(m_c.t2));
        m_c.timeBar->setValue(p.timeBar);
    };
    switch (p.drawing) {
    case PhasorDrawing::Cleared:
        clearGraphs();
        placeTime();
        break;
    case PhasorDrawing::Loaded:
        placeTime();
        if (const auto scene = sceneOrReport()) {
            resetGraphs();
            writeAmplitudes(scene->solution());
            showFrame(*scene, scene->loadFrame(display::numberOf(m_c.t2->text()).value_or(0.0)));
        }
        break;
    case PhasorDrawing::Redrawn:
        placeTime();
        redrawAtStep(p.timeBar);
        placeTime();
        break;
    }
    if (p.projections)
        showProjections();
}

display::Experiment PhasorsWindow::experiment() const
{
    PhasorExperiment p;
    for (const QLineEdit *box : m_c.inputs())
        p.texts[box->objectName()] = box->text();
    p.timeBar = m_c.timeBar->value();
    for (const QCheckBox *box : m_c.checks)
        if (box->isChecked())
            p.checked << box->objectName();
    p.drawing = !m_lastDrawn ? PhasorDrawing::Cleared
                : m_redrawn  ? PhasorDrawing::Redrawn
                             : PhasorDrawing::Loaded;
    p.projections = m_projectionsShown;
    return {QLatin1String(PhasorExperiment::kWindow), p.toJson()};
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
    if (!m_lastDrawn)
        return std::nullopt;
    display::CsvTable table({kCurveColumns.begin(), kCurveColumns.end()});
    for (const auto &row : curveTable(*m_lastDrawn))
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
