// SPDX-License-Identifier: GPL-3.0-or-later
// The lab graph for the keyboard and screen readers: its cursor, legend and description.
#include "labwindow.h"

#include "core/plotsampling.h"

#include "display/picturearea.h"
#include "display/qbcolor.h"

#include <QAction>

namespace kel::lab
{

void LabWindow::buildGraphAccess()
{
    display::PictureArea *graph = m_controls.graph;
    graph->setKeyboardCursor(true);
    connect(graph, &display::PictureArea::cursorMoved, this, &LabWindow::onCursorMoved);
    auto *exportCursor = findChild<QAction *>("ExportCursor");
    exportCursor->setCheckable(true);
    exportCursor->setChecked(false);
    connect(exportCursor, &QAction::toggled, graph, &display::PictureArea::setExportCursor);
    describeGraph();
}

void LabWindow::onCursorMoved(float t)
{
    showReadOut(t);
    describeGraph();
}

void LabWindow::drawCurve(const CurveSamples &curve, const CurveLook &look, bool fromZero)
{
    if (curve.samples.empty())
        return;
    display::PictureArea *graph = m_controls.graph;
    const QColor c = display::QBColor(look.colour);
    const auto &first = curve.samples.front();
    graph->setDashed(look.dashed);
    graph->setPoint(drawingCoordinate(first.t), fromZero ? 0.0f : drawingCoordinate(first.value),
                    c);
    for (std::size_t n = 1; n < curve.samples.size(); ++n)
        graph->lineTo(drawingCoordinate(curve.samples[n].t),
                      drawingCoordinate(curve.samples[n].value), c);
    graph->setDashed(false);
}

void LabWindow::showGraphChanges()
{
    std::vector<display::LegendEntry> legend;
    for (Curve curve : curvesOn(m_session.curvesOnGraph()))
        legend.push_back(
            {legendName(curve), display::QBColor(lookOf(curve).colour), lookOf(curve).dashed});
    m_controls.graph->setLegend(std::move(legend));
    describeGraph();
}

void LabWindow::describeGraph()
{
    const std::optional<float> cursor = m_controls.graph->cursorX();
    const QString description = graphDescription(
        m_session, m_shownScale,
        cursor ? std::optional<double>(static_cast<double>(*cursor)) : std::nullopt);
    if (m_controls.graph->accessibleDescription() != description)
        m_controls.graph->setAccessibleDescription(description);
}

} // namespace kel::lab
