// SPDX-License-Identifier: GPL-3.0-or-later
// The phasor window's worksheet: the driven circuit, its parameters as typed, the phasor
// diagram beside the voltages against time, and the read-outs, from the Export menu.
#include "phasorswindow.h"

#include "phasorstatus.h"

#include "display/experimentfile.h"
#include "display/pictureexport.h"
#include "solutions/numbertext.h"
#include "worksheet/worksheetcommands.h"
#include "worksheet/worksheetpage.h"

#include <QLocale>
#include <QMenu>

namespace kel::phasor
{

namespace
{

struct ParameterRow {
    PhasorText text;
    const char *name;
    const char *unit;
};
constexpr ParameterRow kParameterRows[] = {
    {PhasorText::R, "R", "\u03A9"}, {PhasorText::C, "C", "F"},   {PhasorText::L, "L", "H"},
    {PhasorText::v0, "Vmax", "V"},  {PhasorText::f0, "f", "Hz"}, {PhasorText::t2, "t", "s"},
};

// A read-out with four significant digits, as a worksheet's reader takes it in.
QString shortValue(const QString &text)
{
    const std::optional<double> value = solutions::toNumber(text.toStdString());
    return value ? QString::fromStdString(solutions::shortText(*value, 4)) : text;
}

} // namespace

void PhasorsWindow::buildWorksheetCommands()
{
    auto *exportMenu = findChild<QMenu *>("Export");
    worksheet::WorksheetCommands::add(exportMenu, this, m_dialogs,
                                      {[this] { return worksheet(); },
                                       [this] { return m_session.task(); },
                                       [this](const QString &task) { m_session.setTask(task); }});
}

worksheet::Worksheet PhasorsWindow::worksheet() const
{
    worksheet::Worksheet sheet;
    sheet.window = tr("Phasor Plots");
    sheet.circuit = tr("Series circuit, AC source");
    sheet.regime = circuitStatusText(m_session.parameterTexts());
    // A capacitance of 0 stands for no capacitor.
    const std::optional<double> c =
        solutions::toNumber(m_session.text(PhasorText::C).toStdString());
    sheet.schematic = {true, !c || *c != 0, true, solutions::SourceKind::Alternating};
    for (const ParameterRow &row : kParameterRows)
        sheet.parameters.push_back(
            {QString::fromLatin1(row.name), m_session.text(row.text), QString::fromUtf8(row.unit)});
    sheet.parameters.push_back({tr("Cycles"), m_session.text(PhasorText::NumPer), QString()});
    const display::PictureExport graph = pictures();
    sheet.graph = graph.picture(1.5);
    sheet.graphSize = graph.screenSize();
    const auto &a = m_session.amplitudeTexts();
    if (!a[0].isEmpty())
        sheet.readings << tr("Amplitudes: VR = %1 V, VC = %2 V, VL = %3 V")
                              .arg(shortValue(a[0]), shortValue(a[1]), shortValue(a[2]));
    const auto &v = m_session.valueTexts();
    if (!v[0].isEmpty())
        sheet.readings << tr("At t = %1 s: vR = %2 V, vC = %3 V, vL = %4 V, v = %5 V")
                              .arg(m_session.text(PhasorText::t2), shortValue(v[0]),
                                   shortValue(v[1]), shortValue(v[2]), shortValue(v[3]));
    sheet.task = m_session.task();
    sheet.experiment = display::ExperimentFile::write(experiment());
    worksheet::stampWorksheet(sheet);
    return sheet;
}

std::optional<QByteArray> PhasorsWindow::worksheetPdf() const
{
    return worksheet::worksheetPdf(worksheet(),
                                   worksheet::WorksheetPage::pageSizeFor(QLocale::system()));
}

} // namespace kel::phasor
