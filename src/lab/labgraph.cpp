// SPDX-License-Identifier: GPL-3.0-or-later
// The lab graph for the keyboard and screen readers: its cursor, legend and description.
#include "labwindow.h"

#include "core/plotsampling.h"

#include "display/picturearea.h"
#include "display/qbcolor.h"

#include <QAction>
#include <QLabel>
#include <QStatusBar>

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
    m_deltaReadout = new QLabel(statusBar());
    m_deltaReadout->setObjectName("DeltaReadout");
    statusBar()->addWidget(m_deltaReadout);
    m_deltaReadout->hide();
    describeGraph();
}

void LabWindow::markReference()
{
    if (!m_session.markReference())
        return;
    showDelta();
}

void LabWindow::showDelta()
{
    const std::optional<Reading> &reference = m_session.reference();
    m_controls.graph->setReferenceX(
        reference ? std::optional<float>(drawingCoordinate(reference->t)) : std::nullopt);
    const std::optional<ReadingDelta> delta = m_session.lastDelta();
    m_deltaReadout->setText(delta ? deltaText(*delta) : QString());
    m_deltaReadout->setVisible(delta.has_value());
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
    showAxes();
    showDelta();
}

void LabWindow::showAxes()
{
    const GraphScale &s = m_shownScale;
    display::ValueAxis time{s.x1, s.x2, s.x1, s.x2, {{QStringLiteral("t"), QStringLiteral("s")}}};
    display::ValueAxis values{s.y2, s.y1, s.y2, s.y1, {}};
    for (Curve curve : curvesOn(m_session.curvesOnGraph()))
        values.quantities.push_back(curve == Curve::Charge    ? display::AxisQuantity{"q", "C"}
                                    : curve == Curve::Current ? display::AxisQuantity{"i", "A"}
                                                              : display::AxisQuantity{"v", "V"});
    m_controls.graph->setAxes({time, {values}});
}

void LabWindow::describeGraph()
{
    const std::optional<float> cursor = m_controls.graph->cursorX();
    QString description = graphDescription(
        m_session, m_shownScale,
        cursor ? std::optional<double>(static_cast<double>(*cursor)) : std::nullopt);
    const std::optional<ReadingDelta> delta = m_session.lastDelta();
    if (delta)
        description += QStringLiteral(" ") + deltaText(*delta) + QLatin1Char('.');
    if (m_controls.graph->accessibleDescription() != description)
        m_controls.graph->setAccessibleDescription(description);
}

} // namespace kel::lab
