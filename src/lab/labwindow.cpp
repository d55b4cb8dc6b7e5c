// SPDX-License-Identifier: GPL-3.0-or-later
#include "labwindow.h"

#include "core/graphframe.h"
#include "core/labstatus.h"
#include "core/plotsampling.h"
#include "plotdatatable.h"

#include "display/dialogs.h"
#include "display/fileexport.h"
#include "display/fonts.h"
#include "display/menucommands.h"
#include "display/picturearea.h"
#include "display/pictureexport.h"
#include "display/qbcolor.h"
#include "display/qstringtext.h"
#include "energy/energysession.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolTip>

namespace kel::lab
{

namespace
{

constexpr Field kParameterFields[] = {Field::R,  Field::L,  Field::C, Field::v0,
                                      Field::w0, Field::q0, Field::i0};
constexpr Field kOtherFields[] = {Field::VSource, Field::Time, Field::qq, Field::ii};

constexpr ControlGroup kGroups[] = {
    ControlGroup::Resistance,     ControlGroup::Capacitance,   ControlGroup::Inductance,
    ControlGroup::Amplitude,      ControlGroup::Frequency,     ControlGroup::InitialCharge,
    ControlGroup::InitialCurrent, ControlGroup::ChargeReadout, ControlGroup::ChargeGraph,
    ControlGroup::CurrentGraph,   ControlGroup::SourceGraph,
};

} // namespace

LabWindow::LabWindow(display::Dialogs &dialogs, QWidget *parent)
    : QMainWindow(parent), m_dialogs(dialogs)
{
    setObjectName("rc");
    setWindowTitle(tr("Kel Circuits Lab for Dax 202"));
    setFont(display::arial(8.25));
    m_controls = buildLabControls(this);
    buildMenus();
    buildMoreMenus();
    buildMeasurementMenu();
    buildWorksheetCommands();
    buildGraphAccess();
    setLabKeyboardOrder(this);
    showAllTexts();
    connectControls();
}

void LabWindow::connectControls()
{
    for (const LabSlot &s : kLabSlots) {
        QObject *sender = findChild<QObject *>(s.objectName);
        const auto slot = s.slot;
        const auto run = [this, slot] { (this->*slot)(); };
        if (auto *action = qobject_cast<QAction *>(sender))
            connect(action, &QAction::triggered, this, run);
        else if (auto *button = qobject_cast<QPushButton *>(sender))
            connect(button, &QPushButton::clicked, this, run);
        else if (auto *check = qobject_cast<QCheckBox *>(sender))
            connect(check, &QCheckBox::toggled, this, run);
        else if (auto *edit = qobject_cast<QLineEdit *>(sender))
            connect(edit, &QLineEdit::textChanged, this, run);
    }
    for (Field field : kParameterFields)
        connect(m_controls.box(field), &QLineEdit::textChanged, this,
                [this, field] { onTextEdited(field); });
    for (Field field : kOtherFields)
        connect(m_controls.box(field), &QLineEdit::textChanged, this,
                [this, field] { onTextEdited(field); });
    connect(m_controls.graph, &display::PictureArea::mouseUp, this, &LabWindow::readOutAt);
    connect(m_controls.graph, &display::PictureArea::mouseMove, this, &LabWindow::showPointerAt);
    m_controls.graph->setMouseTracking(true);
    m_controls.graph->installEventFilter(this);
    m_controls.regimeStatus->installEventFilter(this);
}

void LabWindow::buildMenus()
{
    // The actions come with captions and shortcuts; connectControls() gives them their slots.
    const auto add = [this](QWidget *menu, std::span<const LabMenuEntry> entries) {
        for (const LabMenuEntry &e : entries) {
            display::addMenuCommands(menu, this,
                                     {{e.name, e.caption, nullptr, QKeySequence(e.shortcut)}});
            QAction *action = findChild<QAction *>(e.name);
            if (action && isSpacer(e))
                display::makeMenuSpacer(action);
            else if (action)
                action->setText(tr(e.caption));
        }
    };
    add(menuBar(), labMenuEntries());
    QMenu *exportMenu = menuBar()->addMenu(tr("Export"));
    exportMenu->setObjectName("Export");
    exportMenu->menuAction()->setObjectName("Export");
    add(exportMenu, labExportEntries());
}

// --- Texts -----------------------------------------------------------------------------------

void LabWindow::onTextEdited(Field field)
{
    if (!m_session.setText(field, m_controls.box(field)->text()))
        return;
    if (field != Field::VSource && field != Field::Time && field != Field::qq &&
        field != Field::ii) {
        showRegime();
        followTexts();
    }
}

void LabWindow::onFrequencyEdited()
{
    if (!m_session.setText(Field::f0, m_controls.box(Field::f0)->text()))
        return;
    showText(Field::w0);
    followTexts();
}

void LabWindow::showText(Field field)
{
    QLineEdit *box = m_controls.box(field);
    if (box->text() != m_session.text(field))
        box->setText(m_session.text(field));
}

void LabWindow::showAllTexts()
{
    for (std::size_t n = 0; n < kFieldCount; ++n)
        showText(static_cast<Field>(n));
}

void LabWindow::readSelection()
{
    m_session.setSelection({m_controls.charge->isChecked(), m_controls.current->isChecked(),
                            m_controls.voltage->isChecked()});
}

// --- Configuration ---------------------------------------------------------------------------

void LabWindow::applyConfiguration(const CircuitConfiguration &configuration)
{
    m_session.applyConfiguration(configuration);
    m_controls.graph->clear();
    showAllTexts();
    applyVisibility(configuration);
    // Unchecking Voltage runs its handler, which warns only when the box gets ticked.
    for (QCheckBox *box : {m_controls.charge, m_controls.current, m_controls.voltage})
        box->setChecked(false);
    drawFrame(m_session.frameScale());
    showRegime();
    followTexts();
}

void LabWindow::applyVisibility(const CircuitConfiguration &configuration)
{
    const auto setShown = [this](std::span<const char *const> names, bool shown) {
        for (const char *name : names)
            if (auto *w = findChild<QWidget *>(name))
                w->setVisible(shown);
    };
    for (ControlGroup group : kGroups)
        setShown(groupMembers(group),
                 (configuration.shown & static_cast<std::uint32_t>(group)) != 0);
    setShown(alwaysHidden(), false);
    const SourceButton button = configuration.sourceButton;
    findChild<QWidget *>("NoV")->setVisible(button == SourceButton::NoV);
    findChild<QWidget *>("DC")->setVisible(button == SourceButton::DC);
    findChild<QWidget *>("AC")->setVisible(button == SourceButton::AC);
    setShown(std::array<const char *, 2>{"ii", "Labelii"}, true);
}

// --- Graph frame and scale -------------------------------------------------------------------

void LabWindow::drawFrame(const GraphScale &s)
{
    show();
    raise();
    display::PictureArea *graph = m_controls.graph;
    graph->setScale(drawingCoordinate(s.x1), drawingCoordinate(s.y1), drawingCoordinate(s.x2),
                    drawingCoordinate(s.y2));
    for (const FrameSegment &f : frameSegments(s.x1, s.x2, s.y1, s.y2))
        graph->line(drawingCoordinate(f.x1), drawingCoordinate(f.y1), drawingCoordinate(f.x2),
                    drawingCoordinate(f.y2));
    m_controls.scaleStatus->setText(display::toQString(scaleStatus(s.x1, s.x2, s.y1, s.y2)));
    m_shownScale = s;
    showGraphChanges();
    if (m_energySession)
        m_energySession->refresh();
}

void LabWindow::drawEmptyGraph()
{
    m_controls.graph->clear();
    m_session.clearPlots();
    drawFrame(m_session.scale());
}

void LabWindow::clearGraphs()
{
    drawEmptyGraph();
}

double LabWindow::askScaleValue(const QString &prompt, const QString &title, double remembered)
{
    for (;;) {
        const QString answer = m_dialogs.input(prompt, title, display::numberText(remembered));
        const ScaleAnswer read = LabSession::readScaleAnswer(answer, remembered);
        if (!read.refusal)
            return read.value;
        report(*read.refusal);
    }
}

void LabWindow::askGraphScale()
{
    m_session.rememberScaleDefaults();
    const GraphScale offered = m_session.scaleDefaults();
    GraphScale s = offered;
    // Minimum and maximum must differ as the graph draws them, so that no range of zero
    // width reaches the graph.
    for (;;) {
        s.x1 = askScaleValue(tr("Enter minimum t value"), tr("Minimum t value"), offered.x1);
        s.x2 = askScaleValue(tr("Enter maximum t value"), tr("Maximum t value"), offered.x2);
        if (LabSession::distinctOnGraph(s.x1, s.x2))
            break;
        m_dialogs.message(tr("Error: x1 = x2. Try Again"), tr("Error in Entry"),
                          display::MessageButtons::OkCancel);
    }
    for (;;) {
        s.y2 = askScaleValue(tr("Enter minimum vertical value"), tr("Minimum vertical value"),
                             offered.y2);
        s.y1 = askScaleValue(tr("Enter maximum vertical value"), tr("Maximum vertical value"),
                             offered.y1);
        if (LabSession::distinctOnGraph(s.y1, s.y2))
            break;
        m_dialogs.message(tr("Error: y1 = y2. Try Again"), tr("Error in Entry"),
                          display::MessageButtons::OkCancel);
    }
    m_session.setScale(s);
    drawEmptyGraph();
}

// --- Plotting and read-out -------------------------------------------------------------------

void LabWindow::plotGraphs()
{
    readSelection();
    const PlotPlan plan = m_session.planPlot();
    for (const LabMessage &message : plan.messages)
        report(message);
    drawCurve(plan.curves.charge, lookOf(Curve::Charge), false);
    drawCurve(plan.curves.current, lookOf(Curve::Current), false);
    // The voltage curve starts drawn at 0; the data keep the source voltage itself there.
    drawCurve(plan.curves.voltage, lookOf(Curve::Voltage), true);
    showGraphChanges();
}

void LabWindow::readOutAt(int, int, float x, float)
{
    // Any button, with or without Shift, reads out at the time under the mouse.
    showReadOut(x);
}

void LabWindow::showReadOut(float t)
{
    const ReadOut out = m_session.readOutAt(t);
    showText(Field::Time);
    showDelta();
    if (out.message) {
        report(*out.message);
        return;
    }
    showText(Field::ii);
    showText(Field::qq);
}

void LabWindow::setNaturalFrequency()
{
    if (!m_session.setNaturalFrequency())
        return;
    showText(Field::f0);
    showText(Field::w0);
}

void LabWindow::onVoltageToggled()
{
    if (m_controls.voltage->isChecked())
        m_dialogs.message(tr("This plot may be inaccurate for large frequencies do to low "
                             "sampling of the points on the graph"),
                          tr("Graphics Warning"));
}

void LabWindow::report(const LabMessage &message)
{
    m_dialogs.message(display::withDecimalCommaHint(message.text, message.typedText),
                      message.title);
}

// --- Status bar ------------------------------------------------------------------------------

void LabWindow::showRegime()
{
    if (!m_session.source())
        return;
    m_regimeText = m_session.regimeDescription();
    // The whole text is the label's name; its tool tip (eventFilter) is no second description.
    m_controls.regimeStatus->setAccessibleName(m_regimeText);
    elideRegime();
}

void LabWindow::elideRegime()
{
    QLabel *label = m_controls.regimeStatus;
    const int room =
        label->width() - label->contentsMargins().left() - label->contentsMargins().right();
    label->setText(label->fontMetrics().elidedText(m_regimeText, Qt::ElideRight, room));
}

void LabWindow::showPointerAt(float x, float y)
{
    m_controls.pointerStatus->setText(display::toQString(pointerStatus(x, y)));
    m_controls.pointerStatus->show();
}

bool LabWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_controls.graph && event->type() == QEvent::Leave)
        m_controls.pointerStatus->hide();
    if (watched == m_controls.regimeStatus && event->type() == QEvent::Resize)
        elideRegime();
    if (watched == m_controls.regimeStatus && event->type() == QEvent::ToolTip) {
        QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), m_regimeText,
                           m_controls.regimeStatus);
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

// --- Export ----------------------------------------------------------------------------------

void LabWindow::saveGraph()
{
    display::saveThroughDialog(m_dialogs, tr("Save Graph"), QStringLiteral("graph.png"),
                               tr("PNG image (*.png);;SVG drawing (*.svg)"),
                               [this](const QString &path) {
                                   return display::writePictures(pictures(), path, pictureScale());
                               });
}

void LabWindow::copyGraph()
{
    display::PictureExport({m_controls.graph}).copyToClipboard();
}

void LabWindow::saveData()
{
    const std::optional<QByteArray> table = csv();
    if (!table) {
        m_dialogs.message(tr("There is no plotted data to save. Choose Plot Graphs first."),
                          tr("Save Data as CSV"));
        return;
    }
    display::saveThroughDialog(
        m_dialogs, tr("Save Data as CSV"), QStringLiteral("graph.csv"), tr("CSV table (*.csv)"),
        [&table](const QString &path) { return display::writeFileAtomically(path, *table); });
}

// --- Close -----------------------------------------------------------------------------------

void LabWindow::closeLab()
{
    m_controls.naturalFrequency->hide();
    m_controls.voltage->setChecked(false);
    hide();
}

void LabWindow::closeEvent(QCloseEvent *event)
{
    // Closing only hides the window, through Close or the window frame alike.
    m_controls.naturalFrequency->hide();
    m_controls.voltage->setChecked(false);
    event->accept();
}

} // namespace kel::lab
