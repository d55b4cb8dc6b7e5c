// SPDX-License-Identifier: GPL-3.0-or-later
// The lab window as an experiment: what it saves, and the replay that opens one.
#include "labwindow.h"

#include "core/circuitlaunchers.h"
#include "core/labexperiment.h"
#include "plotdatatable.h"

#include "display/picturearea.h"
#include "display/qstringtext.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QSignalBlocker>

namespace kel::lab
{

namespace
{

// The boxes an experiment keeps, f0 before w0 so that the w0 written last is the one typed.
constexpr std::pair<Field, const char *> kParameterBoxes[] = {
    {Field::R, "R"},   {Field::L, "L"},   {Field::C, "C"},   {Field::v0, "v0"},
    {Field::f0, "f0"}, {Field::w0, "w0"}, {Field::q0, "q0"}, {Field::i0, "i0"},
};
constexpr std::pair<Field, const char *> kReadoutBoxes[] = {
    {Field::Time, "Time"}, {Field::qq, "qq"}, {Field::ii, "ii"}};

ScaleTexts scaleTexts(const GraphScale &s)
{
    return {display::numberText(s.x1), display::numberText(s.x2), display::numberText(s.y1),
            display::numberText(s.y2)};
}

GraphScale scaleOf(const ScaleTexts &s, const GraphScale &fallback)
{
    const auto number = [](const QString &text, double otherwise) {
        return display::numberOf(text).value_or(otherwise);
    };
    return {number(s.x1, fallback.x1), number(s.x2, fallback.x2), number(s.y1, fallback.y1),
            number(s.y2, fallback.y2)};
}

QStringList curveNames(const CurveSelection &selection)
{
    QStringList names;
    if (selection.charge)
        names << QStringLiteral("Charge");
    if (selection.current)
        names << QStringLiteral("Current");
    if (selection.voltage)
        names << QStringLiteral("Voltage");
    return names;
}

// The launcher whose configuration the session was given: launchers differ in circuit or
// source.
int launcherOf(const LabSession &session)
{
    for (const CircuitLauncher &l : circuitLaunchers())
        if (l.configuration.circuitKind == session.circuitKind() &&
            session.source() == l.configuration.source)
            return l.commandNumber;
    return circuitLaunchers().front().commandNumber;
}

} // namespace

void LabWindow::applyLabPlot(const display::BoxTexts &texts, const QStringList &curves)
{
    for (const auto &[field, name] : kParameterBoxes)
        if (const auto found = texts.find(QString::fromLatin1(name)); found != texts.end())
            m_controls.box(field)->setText(found->second);
    // Ticked quietly: the warning of the source voltage box is for a click.
    for (QCheckBox *box : {m_controls.charge, m_controls.current, m_controls.voltage}) {
        const QSignalBlocker quiet(box);
        box->setChecked(curves.contains(box->objectName()));
    }
}

void LabWindow::applyExperiment(const display::Experiment &experiment)
{
    if (experiment.window != QLatin1String(LabExperiment::kWindow))
        return;
    const LabExperiment::Reading reading = LabExperiment::fromJson(experiment.entry);
    if (!reading.experiment)
        return;
    const LabExperiment &lab = *reading.experiment;
    const CircuitConfiguration *configuration = launcherConfiguration(lab.launcher);
    if (!configuration)
        return;
    m_session.setTask(experiment.task);
    m_session.setScale(scaleOf(lab.scale, m_session.scale()));
    applyConfiguration(*configuration);
    if (lab.frame == FrameKind::CurrentScale && !m_session.frameIsScale())
        clearGraphs();
    for (const LabPlot &plot : lab.plots) {
        applyLabPlot(plot.texts, plot.curves);
        plotGraphs();
    }
    applyLabPlot(lab.texts, lab.curves);
    for (const auto &[field, name] : kReadoutBoxes)
        if (const auto found = lab.readouts.find(QString::fromLatin1(name));
            found != lab.readouts.end())
            m_controls.box(field)->setText(found->second);
    m_session.setScaleDefaults(scaleOf(lab.defaultScale, m_session.scaleDefaults()));
    if (!experiment.measurement.isEmpty())
        applyMeasurement(experiment);
}

display::Experiment LabWindow::experiment() const
{
    LabExperiment lab;
    lab.launcher = launcherOf(m_session);
    lab.circuitKind = m_session.circuitKind();
    const auto textsOf = [](const std::array<QString, kFieldCount> &texts) {
        display::BoxTexts result;
        for (const auto &[field, name] : kParameterBoxes)
            result[QString::fromLatin1(name)] = texts[static_cast<std::size_t>(field)];
        return result;
    };
    lab.texts = textsOf(m_session.texts());
    for (const auto &[field, name] : kReadoutBoxes)
        lab.readouts[QString::fromLatin1(name)] = m_session.text(field);
    lab.scale = scaleTexts(m_session.scale());
    lab.defaultScale = scaleTexts(m_session.scaleDefaults());
    lab.frame = m_session.frameIsScale() ? FrameKind::CurrentScale : FrameKind::Fixed;
    lab.curves = curveNames({m_controls.charge->isChecked(), m_controls.current->isChecked(),
                             m_controls.voltage->isChecked()});
    for (const PlotEntry &plot : m_session.history())
        lab.plots.push_back({textsOf(plot.texts), curveNames(plot.selection)});
    return {QLatin1String(LabExperiment::kWindow),
            lab.toJson(),
            m_session.task(),
            measurementEntry(),
            {}};
}

display::PictureExport LabWindow::pictures() const
{
    return display::PictureExport({m_controls.graph});
}

std::optional<QByteArray> LabWindow::csv() const
{
    if (m_session.lastPlot().empty())
        return std::nullopt;
    const std::vector<std::string> header{
        display::toStdString(tr("t (s)")), display::toStdString(tr("q (C)")),
        display::toStdString(tr("i (A)")), display::toStdString(tr("v (V)"))};
    return QByteArray::fromStdString(plotDataTable(m_session.lastPlot(), header).text());
}

} // namespace kel::lab
