// SPDX-License-Identifier: GPL-3.0-or-later
// The lab window's worksheet: the circuit, its parameters as typed, the graph, the equations
// and the read-outs on one page, printed or saved as PDF from the Export menu.
#include "labwindow.h"

#include "core/regimetext.h"
#include "equationstext.h"

#include "display/experimentfile.h"
#include "display/pictureexport.h"
#include "worksheet/worksheetcommands.h"
#include "worksheet/worksheetpage.h"

#include <QLineEdit>
#include <QLocale>
#include <QMenu>

namespace kel::lab
{

namespace
{

// The parameters a worksheet lists, in the order of the window's strip, with their units.
struct ParameterRow {
    Field field;
    const char *name;
    const char *unit;
};
constexpr ParameterRow kParameterRows[] = {
    {Field::R, "R", "\u03A9"}, {Field::C, "C", "F"},    {Field::L, "L", "H"},
    {Field::v0, "v0", "V"},    {Field::f0, "f0", "Hz"}, {Field::q0, "q0", "C"},
    {Field::i0, "i0", "A"},
};

// The status bar's text "RLC, AC source — underdamped: …" as the circuit's name and its regime.
std::pair<QString, QString> circuitAndRegime(const QString &description)
{
    const QString dash = QString::fromUtf8(kRegimeSeparator);
    const qsizetype at = description.indexOf(dash);
    if (at < 0)
        return {QString(), description};
    QString regime = description.mid(at + dash.size());
    if (!regime.isEmpty())
        regime[0] = regime[0].toUpper();
    return {description.left(at), regime};
}

} // namespace

void LabWindow::buildWorksheetCommands()
{
    auto *exportMenu = findChild<QMenu *>("Export");
    worksheet::WorksheetCommands::add(exportMenu, this, m_dialogs,
                                      {[this] { return worksheet(); },
                                       [this] { return m_session.task(); },
                                       [this](const QString &task) { m_session.setTask(task); }});
}

worksheet::Worksheet LabWindow::worksheet() const
{
    worksheet::Worksheet sheet;
    sheet.window = tr("Circuit Lab");
    std::tie(sheet.circuit, sheet.regime) = circuitAndRegime(m_session.regimeDescription());
    const CircuitKind kind = m_session.circuitKind();
    if (kind != CircuitKind::None)
        sheet.schematic =
            worksheet::schematicCircuitOf(kind, m_session.source() == SourceKind::Constant);
    for (const ParameterRow &row : kParameterRows) {
        if (m_controls.box(row.field)->isHidden() || kind == CircuitKind::None)
            continue;
        sheet.parameters.push_back({QString::fromLatin1(row.name), m_session.text(row.field),
                                    QString::fromUtf8(row.unit)});
    }
    const display::PictureExport graph = pictures();
    sheet.graph = graph.picture(1.5);
    sheet.graphSize = graph.screenSize();
    if (kind != CircuitKind::None)
        sheet.equations = EquationsText::ofTexts(kind, [this](solutions::Parameter p) {
                              return m_session.text(fieldOf(p));
                          }).richText;
    const QString time = m_session.text(Field::Time);
    if (!time.isEmpty()) {
        QStringList values{tr("t = %1 s").arg(time)};
        if (!m_controls.box(Field::qq)->isHidden() && !m_session.text(Field::qq).isEmpty())
            values << tr("q = %1 C").arg(m_session.text(Field::qq));
        if (!m_session.text(Field::ii).isEmpty())
            values << tr("i = %1 A").arg(m_session.text(Field::ii));
        sheet.readings << tr("Read-out: %1").arg(values.join(QStringLiteral(", ")));
    }
    if (const std::optional<ReadingDelta> delta = m_session.lastDelta())
        sheet.readings << tr("Against the reference: %1").arg(deltaText(*delta));
    sheet.task = m_session.task();
    sheet.experiment = display::ExperimentFile::write(experiment());
    worksheet::stampWorksheet(sheet);
    return sheet;
}

std::optional<QByteArray> LabWindow::worksheetPdf() const
{
    return worksheet::worksheetPdf(worksheet(),
                                   worksheet::WorksheetPage::pageSizeFor(QLocale::system()));
}

} // namespace kel::lab
