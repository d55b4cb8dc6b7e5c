// SPDX-License-Identifier: GPL-3.0-or-later
#include "labwindow.h"

#include "graphframe.h"
#include "labstate.h"
#include "labstatus.h"
#include "parametertests.h"
#include "plotsampling.h"

#include "display/dialogs.h"
#include "display/fonts.h"
#include "display/menucommands.h"
#include "display/picturearea.h"
#include "display/pictureexport.h"
#include "display/qbcolor.h"
#include "display/twiplayout.h"
#include "solutions/numbertext.h"
#include "solutions/pi.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSaveFile>
#include <QStatusBar>

#include <array>
#include <cmath>
#include <limits>

namespace kel::lab
{

using display::arial;

namespace
{

using solutions::Parameter;

// The client area as designed, in twips: the graph and the columns beside it above the
// parameter strip, with a margin of 120 on the right to match the one on the left (the
// read-out boxes end at 9495).
constexpr QSize kDesignTwips{9615, 6255};
// The parameter strip, in twips; its labels are placed relative to it.
constexpr QRect kStripTwips{120, 5040, 9255, 1095};

// Light yellow, red FF, green FF, blue C0.
const QColor kPictureBackground{0xFF, 0xFF, 0xC0};

// A sample whose texts cannot be read: the curve is broken there.
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

constexpr std::array<Parameter, 2> kSourceVoltageReads{Parameter::w0, Parameter::v0};

QString qtext(const std::string &text)
{
    return QString::fromStdString(text);
}

template <class W> W *named(W *widget, const char *name, const QFont &font)
{
    widget->setObjectName(name);
    widget->setFont(font);
    return widget;
}

void showAll(std::initializer_list<QWidget *> widgets, bool shown)
{
    for (QWidget *w : widgets)
        w->setVisible(shown);
}

// The frequency of a frequency text as an angular frequency text; empty when the text is
// not a number or the product overflows.
std::optional<std::string> angularFrequencyText(const QString &frequency)
{
    const auto f = solutions::toNumber(frequency.toStdString());
    if (!f)
        return std::nullopt;
    const float twoPi = solutions::Pi + solutions::Pi;
    const double w = *f * static_cast<double>(twoPi);
    if (!std::isfinite(w))
        return std::nullopt;
    return solutions::toText(w);
}

QString notANumberMessage(Parameter box)
{
    return QString("The text of %1 is not a number.")
        .arg(QString::fromUtf8(solutions::boxName(box).data(),
                               static_cast<qsizetype>(solutions::boxName(box).size())));
}

} // namespace

LabWindow::LabWindow(QWidget *parent) : QMainWindow(parent)
{
    setObjectName("rc");
    setWindowTitle("Kel Circuits Lab for Dax 202");
    setFont(arial(8.25));
    buildControls();
    buildMenu();
    buildStatusBar();
    buildKeyboardOrder();
    Form_Load();
}

void LabWindow::Form_Load()
{
    solutions::Pi = 3.1415927f;
    LabState &s = labState();
    s.x1Default = 0;
    s.x2Default = 100;
    s.y1Default = 10;
    s.y2Default = -10;
    s.x1 = s.x1Default;
    s.x2 = s.x2Default;
    s.y1 = s.y1Default;
    s.y2 = s.y2Default;
}

void LabWindow::buildControls()
{
    auto *client = new QWidget(this);
    client->setObjectName("rcClient");
    setCentralWidget(client);
    auto *layout = new display::TwipLayout(client, kDesignTwips);

    const QFont small = arial(8.25);
    const QFont boxFont = arial(9.75);
    const QFont stripLabel = arial(9.75, true);
    const QFont heading = arial(12, true);

    auto label = [](QWidget *parent, const char *name, const QString &text, const QFont &font) {
        auto *l = named(new QLabel(text, parent), name, font);
        l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        return l;
    };
    auto lineEdit = [](QWidget *parent, const char *name, const QString &text, const QFont &font) {
        return named(new QLineEdit(text, parent), name, font);
    };
    auto checkBox = [](QWidget *parent, const char *name, const QString &text, const QFont &font) {
        return named(new QCheckBox(text, parent), name, font);
    };

    // Graph area.
    m_picture1 = named(new display::PictureArea(client), "Picture1", small);
    m_picture1->setBackground(kPictureBackground);
    m_picture1->setToolTip("Click here to get values of time, current and/or charge");
    layout->place(m_picture1, 120, 0, 6615, 4935);

    // Graph selection column.
    m_label10 = label(client, "Label10", "Graph Selection", arial(14.25, true));
    layout->place(m_label10, 7080, 0, 2295, 405);
    m_Charge = checkBox(client, "Charge", "Charge vs Time", small);
    m_Charge->setToolTip("Check to display Charge vs time graph");
    layout->place(m_Charge, 7080, 480, 2295, 300);
    m_Current = checkBox(client, "Current", "Current vs Time", small);
    m_Current->setToolTip("Check to display Current vs time graph");
    layout->place(m_Current, 7080, 840, 2295, 300);
    m_label12 = label(client, "Label12", "Voltages", small);
    layout->place(m_label12, 7080, 1200, 2295, 240);
    m_Voltage = checkBox(client, "Voltage", "Source Voltage vs Time", small);
    layout->place(m_Voltage, 7080, 1440, 2295, 300);
    m_RVolts = checkBox(client, "RVolts", "Resistor Voltage vs Time", small);
    layout->place(m_RVolts, 7080, 1800, 2295, 300);
    m_CVolts = checkBox(client, "CVolts", "Capacitor Voltage vs Time", small);
    layout->place(m_CVolts, 7080, 2160, 2295, 300);
    m_LVolts = checkBox(client, "LVolts", "Inductor Voltage vs Time", small);
    layout->place(m_LVolts, 7080, 2520, 2295, 300);

    // Read-out block.
    m_label3 = label(client, "Label3", "Values", small);
    layout->place(m_label3, 6960, 2880, 1935, 240);
    m_label6 = label(client, "Label6", "Time", small);
    layout->place(m_label6, 6960, 3120, 600, 315);
    m_Time = lineEdit(client, "Time", "0", small);
    layout->place(m_Time, 7560, 3120, 1935, 315);
    m_labelcc = label(client, "Labelcc", "Charge", small);
    layout->place(m_labelcc, 6960, 3480, 600, 315);
    m_qq = lineEdit(client, "qq", "0", small);
    layout->place(m_qq, 7560, 3480, 1935, 315);
    m_labelii = label(client, "Labelii", "Current", small);
    layout->place(m_labelii, 6960, 3840, 600, 315);
    m_ii = lineEdit(client, "ii", "0", small);
    layout->place(m_ii, 7560, 3840, 1935, 315);

    // Initial values.
    m_clabel = label(client, "clabel", "q0", stripLabel);
    layout->place(m_clabel, 6960, 4560, 360, 330);
    m_q0 = lineEdit(client, "q0", "0", boxFont);
    m_q0->setToolTip("Initial charge in Coulombs");
    layout->place(m_q0, 7320, 4560, 735, 330);
    m_ilabel = label(client, "ilabel", "i0", stripLabel);
    layout->place(m_ilabel, 8280, 4560, 240, 330);
    m_i0 = lineEdit(client, "i0", "0", boxFont);
    m_i0->setToolTip("Initial current in amperes");
    layout->place(m_i0, 8520, 4560, 735, 330);

    // Controls that lie under the parameter strip: created before it, so it covers them.
    m_w0 = lineEdit(client, "w0", " ", boxFont);
    layout->place(m_w0, 6600, 5640, 855, 360);
    m_label13 = label(client, "Label13", "Currents", small);
    layout->place(m_label13, 240, 5160, 1695, 240);
    m_CR = checkBox(client, "CR", "Resistor Current vs Time", small);
    layout->place(m_CR, 240, 5280, 2295, 300);
    m_CC = checkBox(client, "CC", "Capacitor Current vs Time", small);
    layout->place(m_CC, 2640, 5280, 2295, 300);
    m_LC = checkBox(client, "LC", "Inductor Current vs Time", small);
    layout->place(m_LC, 5040, 5280, 2295, 300);

    // Parameter strip with its labels, placed relative to it.
    m_picture2 = named(new display::PictureArea(client), "Picture2", small);
    m_picture2->setBackground(kPictureBackground);
    layout->place(m_picture2, kStripTwips.x(), kStripTwips.y(), kStripTwips.width(),
                  kStripTwips.height());
    auto *strip = new display::TwipLayout(m_picture2, kStripTwips.size());
    m_label19 = label(m_picture2, "Label19", "Parameters", heading);
    strip->place(m_label19, 0, 120, 1935, 360);
    m_labelR = label(m_picture2, "LabelR", "R =", stripLabel);
    strip->place(m_labelR, 2040, 120, 360, 360);
    m_unitR = label(m_picture2, "unitR", QString::fromUtf8(" \u03A9"), stripLabel);
    strip->place(m_unitR, 3240, 120, 480, 360);
    m_labelC = label(m_picture2, "LabelC", "C =", stripLabel);
    strip->place(m_labelC, 3840, 120, 360, 360);
    m_unitC = label(m_picture2, "unitC", "F", stripLabel);
    strip->place(m_unitC, 5040, 120, 240, 360);
    m_mu = label(m_picture2, "mu", QString::fromUtf8(" \u00B5"), stripLabel);
    strip->place(m_mu, 5280, 120, 360, 360);
    m_labelL = label(m_picture2, "LabelL", "L =", stripLabel);
    strip->place(m_labelL, 5760, 120, 360, 360);
    m_unitL = label(m_picture2, "unitL", " H", stripLabel);
    strip->place(m_unitL, 6960, 120, 480, 360);
    m_label14 = label(m_picture2, "Label14", "Voltage Source", heading);
    strip->place(m_label14, 0, 600, 1920, 360);
    m_amp = label(m_picture2, "Amp", "Amplitude ", stripLabel);
    strip->place(m_amp, 4080, 600, 1080, 360);
    m_amplabel = label(m_picture2, "amplabel", " V", stripLabel);
    strip->place(m_amplabel, 6000, 600, 480, 360);
    m_freq = label(m_picture2, "freq", "Frequency ", stripLabel);
    strip->place(m_freq, 6720, 600, 1080, 360);
    m_unitw = label(m_picture2, "unitw", " Hz", stripLabel);
    strip->place(m_unitw, 8760, 600, 480, 360);
    m_SetNatf = named(new QPushButton("Set f to Natural Frequency", m_picture2), "SetNatf", small);
    strip->place(m_SetNatf, 7680, 0, 1575, 360);

    // Source-kind buttons, under the VSource box that follows.
    m_NoV = named(new QRadioButton("None", client), "NoV", small);
    layout->place(m_NoV, 2040, 5640, 720, 360);
    m_DC = named(new QRadioButton("D.C.", client), "DC", small);
    layout->place(m_DC, 2760, 5640, 600, 360);
    m_AC = named(new QRadioButton("A.C.", client), "AC", small);
    layout->place(m_AC, 3360, 5640, 600, 360);

    // Parameter boxes over the strip.
    m_R = lineEdit(client, "R", "1.0", boxFont);
    layout->place(m_R, 2520, 5160, 855, 360);
    m_C = lineEdit(client, "C", "10.0", boxFont);
    layout->place(m_C, 4320, 5160, 855, 360);
    m_L = lineEdit(client, "L", "10.0", boxFont);
    layout->place(m_L, 6240, 5160, 855, 360);
    m_VSource = lineEdit(client, "VSource", "", boxFont);
    m_VSource->setToolTip("This is the current type of voltage");
    layout->place(m_VSource, 2040, 5640, 1935, 360);
    m_v0 = lineEdit(client, "v0", "5", boxFont);
    layout->place(m_v0, 5280, 5640, 855, 360);
    m_f0 = lineEdit(client, "f0", "100", boxFont);
    m_f0->setToolTip("This is the driving frequency");
    layout->place(m_f0, 7920, 5640, 975, 360);

    for (QWidget *hidden : std::initializer_list<QWidget *>{
             m_NoV, m_DC, m_AC, m_SetNatf, m_label13, m_label12, m_Voltage, m_RVolts, m_CVolts,
             m_LVolts, m_CR, m_CC, m_LC, m_label3})
        hidden->hide();

    connect(m_picture1, &display::PictureArea::mouseUp, this, &LabWindow::Picture1_MouseUp);
    connect(m_f0, &QLineEdit::textChanged, this, [this] { f0_Change(); });
    connect(m_SetNatf, &QPushButton::clicked, this, [this] { SetNatf_Click(); });
    connect(m_Voltage, &QCheckBox::toggled, this, [this] { Voltage_Click(); });
}

void LabWindow::buildMenu()
{
    using display::MenuCommand;
    // The blank entries only space the commands apart.
    display::addMenuCommands(
        menuBar(), this,
        {
            {"ClGraphs", "Clear Graphs", [this] { ClGraphs_Click(); }, Qt::CTRL | Qt::Key_L},
            {"GScale", "Graph Scale", [this] { GScale_Click(); }, Qt::CTRL | Qt::Key_G},
            {"Blank1", " ", nullptr},
            {"Blank2", "", nullptr},
            {"blank3", "", nullptr},
            {"PlGraphs", "Plot Graphs", [this] { PlGraphs_Click(); }, Qt::Key_F5},
            {"blank4", "", nullptr},
            {"blank5", "", nullptr},
            {"blank6", "", nullptr},
            {"close", "Close", [this] { close_Click(); }, Qt::CTRL | Qt::Key_W},
        });

    QMenu *exportMenu = menuBar()->addMenu("Export");
    exportMenu->setObjectName("Export");
    exportMenu->menuAction()->setObjectName("Export");
    display::addMenuCommands(
        exportMenu, this,
        {
            {"SaveGraph", "Save Graph...", [this] { SaveGraph_Click(); }, Qt::CTRL | Qt::Key_S},
            {"CopyGraph", "Copy Graph", [this] { CopyGraph_Click(); },
             Qt::CTRL | Qt::SHIFT | Qt::Key_C},
            {"SaveData", "Save Data as CSV...", [this] { SaveData_Click(); },
             Qt::CTRL | Qt::SHIFT | Qt::Key_S},
        });
}

void LabWindow::buildStatusBar()
{
    m_statusBar = new QStatusBar(this);
    m_statusBar->setObjectName("statusBar");
    setStatusBar(m_statusBar);
    m_regimeStatus = new QLabel(m_statusBar);
    m_regimeStatus->setObjectName("regimeStatus");
    // A long regime text is cut off rather than widening the window.
    m_regimeStatus->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_statusBar->addWidget(m_regimeStatus, 1);
    m_pointerStatus = new QLabel(m_statusBar);
    m_pointerStatus->setObjectName("pointerStatus");
    m_pointerStatus->setContentsMargins(0, 0, 12, 0); // apart from the scale beside it
    m_statusBar->addPermanentWidget(m_pointerStatus);
    m_pointerStatus->hide();
    m_scaleStatus = new QLabel(m_statusBar);
    m_scaleStatus->setObjectName("scaleStatus");
    m_statusBar->addPermanentWidget(m_scaleStatus);

    for (QLineEdit *e : {m_R, m_L, m_C, m_v0, m_w0, m_q0, m_i0})
        connect(e, &QLineEdit::textChanged, this, [this] { updateRegimeStatus(); });
    m_picture1->setMouseTracking(true);
    m_picture1->installEventFilter(this);
    connect(m_picture1, &display::PictureArea::mouseMove, this, &LabWindow::Picture1_MouseMove);
}

void LabWindow::buildKeyboardOrder()
{
    const std::pair<QWidget *, const char *> named[] = {
        {m_R, "Resistance R in ohms"},
        {m_C, "Capacitance C in farads"},
        {m_L, "Inductance L in henries"},
        {m_v0, "Source voltage or amplitude v0 in volts"},
        {m_f0, "Source frequency f0 in hertz"},
        {m_q0, "Initial charge q0 in coulombs"},
        {m_i0, "Initial current i0 in amperes"},
        {m_Charge, "Plot charge against time"},
        {m_Current, "Plot current against time"},
        {m_Voltage, "Plot source voltage against time"},
        {m_Time, "Read-out time in seconds"},
        {m_qq, "Read-out charge in coulombs"},
        {m_ii, "Read-out current in amperes"},
    };
    for (std::size_t n = 0; n < std::size(named); ++n) {
        named[n].first->setAccessibleName(named[n].second);
        if (n > 0)
            setTabOrder(named[n - 1].first, named[n].first);
    }
    m_VSource->setAccessibleName("Source kind");
    m_w0->setAccessibleName("Angular frequency w0 in radians per second");
    m_picture1->setAccessibleName("Graph against time");
    // Controls that lie under the parameter strip or the VSource box would take the focus
    // out of sight.
    for (QWidget *covered : std::initializer_list<QWidget *>{m_w0, m_NoV, m_DC, m_AC})
        covered->setFocusPolicy(Qt::NoFocus);
}

void LabWindow::updateRegimeStatus()
{
    if (!m_source)
        return;
    const std::string text =
        regimeStatus(labState().CircuitKind, *m_source, [this](Parameter p) { return textOf(p); });
    m_regimeStatus->setText(qtext(text));
    m_regimeStatus->setToolTip(qtext(text));
}

void LabWindow::updateScaleStatus(double left, double right, double top, double bottom)
{
    m_scaleStatus->setText(qtext(scaleStatus(left, right, top, bottom)));
}

void LabWindow::Picture1_MouseMove(float x, float y)
{
    m_pointerStatus->setText(qtext(pointerStatus(x, y)));
    m_pointerStatus->show();
}

bool LabWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_picture1 && event->type() == QEvent::Leave)
        m_pointerStatus->hide();
    return QMainWindow::eventFilter(watched, event);
}

// --- Parameters and solution functions ------------------------------------------------------

std::string LabWindow::textOf(Parameter parameter) const
{
    switch (parameter) {
    case Parameter::R:
        return m_R->text().toStdString();
    case Parameter::L:
        return m_L->text().toStdString();
    case Parameter::C:
        return m_C->text().toStdString();
    case Parameter::v0:
        return m_v0->text().toStdString();
    case Parameter::w0:
        return m_w0->text().toStdString();
    case Parameter::q0:
        return m_q0->text().toStdString();
    case Parameter::i0:
        return m_i0->text().toStdString();
    }
    return {};
}

Evaluation LabWindow::evaluate(solutions::SolutionFunction f, std::span<const Parameter> reads,
                               double t) const
{
    const solutions::ReadResult read =
        solutions::readParameters([this](Parameter p) { return textOf(p); }, reads);
    if (!read.parameters)
        return {std::nullopt, read.badBox};
    return {f(*read.parameters, t), std::nullopt};
}

std::optional<solutions::CircuitParameters>
LabWindow::readOrReport(std::span<const Parameter> which) const
{
    const solutions::ReadResult read =
        solutions::readParameters([this](Parameter p) { return textOf(p); }, which);
    if (!read.parameters) {
        display::dialogs().message(notANumberMessage(read.badBox.value_or(Parameter::R)),
                                   "Input Error");
        return std::nullopt;
    }
    return read.parameters;
}

#define KEL_LAB_SOLUTION(name, kind)                                                               \
    Evaluation LabWindow::name(double t) const                                                     \
    {                                                                                              \
        return evaluate(solutions::name, solutions::caseFor(kind)->reads, t);                      \
    }
KEL_LAB_SOLUTION(q1, 1)
KEL_LAB_SOLUTION(i1, 1)
KEL_LAB_SOLUTION(i2, 2)
KEL_LAB_SOLUTION(q3, 3)
KEL_LAB_SOLUTION(i3, 3)
KEL_LAB_SOLUTION(q4, 4)
KEL_LAB_SOLUTION(i4, 4)
KEL_LAB_SOLUTION(q5, 5)
KEL_LAB_SOLUTION(i5, 5)
KEL_LAB_SOLUTION(q6, 6)
KEL_LAB_SOLUTION(i6, 6)
KEL_LAB_SOLUTION(i7, 7)
KEL_LAB_SOLUTION(q8, 8)
KEL_LAB_SOLUTION(i8, 8)
#undef KEL_LAB_SOLUTION

Evaluation LabWindow::VS(double t) const
{
    return evaluate(solutions::VS, kSourceVoltageReads, t);
}

// --- Configuration ---------------------------------------------------------------------------

QLineEdit *LabWindow::box(TextBox which) const
{
    switch (which) {
    case TextBox::v0:
        return m_v0;
    case TextBox::f0:
        return m_f0;
    case TextBox::q0:
        return m_q0;
    case TextBox::i0:
        return m_i0;
    case TextBox::R:
        return m_R;
    case TextBox::L:
        return m_L;
    case TextBox::C:
        return m_C;
    }
    return m_v0;
}

void LabWindow::applyConfiguration(const CircuitConfiguration &configuration)
{
    const auto shown = [&](ControlGroup g) {
        return (configuration.shown & static_cast<std::uint32_t>(g)) != 0;
    };

    labState().CircuitKind = configuration.circuitKind;
    m_source = configuration.source;
    m_lastPlot = {};

    if (configuration.source == SourceKind::Alternating)
        m_picture1->clear();
    m_VSource->setText(QString::fromUtf8(configuration.vsourceText.data(),
                                         static_cast<qsizetype>(configuration.vsourceText.size())));
    if (configuration.source == SourceKind::Constant)
        m_picture1->clear();
    for (const auto &[which, text] : configuration.texts) {
        box(which)->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
        if (which == TextBox::f0) {
            if (const auto w0 = angularFrequencyText(m_f0->text()))
                m_w0->setText(qtext(*w0));
        }
        if (which == TextBox::v0 && configuration.source == SourceKind::None)
            m_picture1->clear();
    }

    showAll({m_labelR, m_unitR, m_R}, shown(ControlGroup::Resistance));
    m_labelC->setVisible(shown(ControlGroup::Capacitance));
    m_mu->setVisible(false);
    showAll({m_unitC, m_C}, shown(ControlGroup::Capacitance));
    showAll({m_labelL, m_unitL, m_L}, shown(ControlGroup::Inductance));
    m_Charge->setVisible(shown(ControlGroup::ChargeGraph));
    m_Current->setVisible(shown(ControlGroup::CurrentGraph));
    m_Voltage->setVisible(shown(ControlGroup::SourceGraph));
    showAll({m_RVolts, m_CVolts, m_LVolts, m_CR, m_CC, m_LC}, false);

    // Unchecking Voltage runs its handler, which warns only when the box gets ticked.
    m_Charge->setChecked(false);
    m_Current->setChecked(false);
    m_Voltage->setChecked(false);

    showAll({m_v0, m_amp, m_amplabel}, shown(ControlGroup::Amplitude));
    showAll({m_freq, m_f0, m_unitw}, shown(ControlGroup::Frequency));
    m_NoV->setVisible(configuration.sourceButton == SourceButton::NoV);
    m_DC->setVisible(configuration.sourceButton == SourceButton::DC);
    m_AC->setVisible(configuration.sourceButton == SourceButton::AC);
    m_clabel->setVisible(shown(ControlGroup::InitialCharge));
    m_ilabel->setVisible(shown(ControlGroup::InitialCurrent));
    showAll({m_ii, m_labelii}, true);
    showAll({m_qq, m_labelcc}, shown(ControlGroup::ChargeReadout));
    m_q0->setVisible(shown(ControlGroup::InitialCharge));
    m_i0->setVisible(shown(ControlGroup::InitialCurrent));

    const LabState &s = labState();
    if (configuration.frame == FrameKind::CurrentScale)
        drawFrame(s.x1, s.x2, s.y1, s.y2);
    else
        drawFrame(0, 100, 10, -10);
    updateRegimeStatus();
}

// --- Graph frame and scale -------------------------------------------------------------------

void LabWindow::drawFrame(double x1, double x2, double y1, double y2)
{
    show();
    raise();
    m_picture1->setAutoRedraw(true);
    m_picture1->setScale(drawingCoordinate(x1), drawingCoordinate(y1), drawingCoordinate(x2),
                         drawingCoordinate(y2));
    for (const FrameSegment &s : frameSegments(x1, x2, y1, y2))
        m_picture1->line(drawingCoordinate(s.x1), drawingCoordinate(s.y1), drawingCoordinate(s.x2),
                         drawingCoordinate(s.y2));
    updateScaleStatus(x1, x2, y1, y2);
}

void LabWindow::DrawGraphFrame()
{
    m_picture1->clear();
    m_lastPlot = {};
    const LabState &s = labState();
    drawFrame(s.x1, s.x2, s.y1, s.y2);
}

void LabWindow::ClGraphs_Click()
{
    DrawGraphFrame();
}

double LabWindow::askScaleValue(const QString &prompt, const QString &title, double remembered)
{
    for (;;) {
        const QString answer =
            display::dialogs().input(prompt, title, qtext(solutions::toText(remembered)));
        if (answer.trimmed().isEmpty())
            return remembered;
        const auto value = solutions::toNumber(answer.toStdString());
        if (value && solutions::fitsSingle(*value))
            return *value;
        // A value the graph cannot draw would leave the graph without a usable scale.
        const QString text = value ? QString("Error: %1 is too large for the graph. Try Again")
                                   : QString("Error: %1 is not a number. Try Again");
        display::dialogs().message(text.arg(answer.trimmed()), "Error in Entry");
    }
}

void LabWindow::GScale_Click()
{
    LabState &s = labState();
    s.x1Default = s.x1;
    s.x2Default = s.x2;
    s.y1Default = s.y1;
    s.y2Default = s.y2;

    // Minimum and maximum are compared as the graph draws them (single precision), so that
    // no range of zero width reaches the graph.
    for (;;) {
        s.x1 = askScaleValue("Enter minimum t value", "Minimum t value", s.x1Default);
        s.x2 = askScaleValue("Enter maximum t value", "Maximum t value", s.x2Default);
        if (static_cast<float>(s.x1) != static_cast<float>(s.x2))
            break;
        display::dialogs().message("Error: x1 = x2. Try Again", "Error in Entry",
                                   display::MessageButtons::OkCancel);
    }
    for (;;) {
        s.y2 = askScaleValue("Enter minimum vertical value", "Minimum vertical value", s.y2Default);
        s.y1 = askScaleValue("Enter maximum vertical value", "Maximum vertical value", s.y1Default);
        if (static_cast<float>(s.y1) != static_cast<float>(s.y2))
            break;
        display::dialogs().message("Error: y1 = y2. Try Again", "Error in Entry",
                                   display::MessageButtons::OkCancel);
    }
    DrawGraphFrame();
}

// --- Plotting --------------------------------------------------------------------------------

CurveSamples LabWindow::drawCurve(const std::function<double(double)> &f, int intervals, int colour,
                                  std::optional<double> firstValue)
{
    const LabState &s = labState();
    CurveSamples curve = sampleCurve(f, intervals, s.x1, s.x2);
    if (curve.samples.empty())
        return curve;
    const QColor c = display::QBColor(colour);
    const auto &first = curve.samples.front();
    m_picture1->setPoint(drawingCoordinate(first.t),
                         drawingCoordinate(firstValue ? *firstValue : first.value), c);
    for (std::size_t n = 1; n < curve.samples.size(); ++n)
        m_picture1->lineTo(drawingCoordinate(curve.samples[n].t),
                           drawingCoordinate(curve.samples[n].value), c);
    return curve;
}

void LabWindow::PlGraphs_Click()
{
    const int kind = labState().CircuitKind;
    m_lastPlot = {};

    if (const ParameterTest *test = plotTest(kind)) {
        const auto values = readOrReport(test->parameters);
        if (values && rejects(*test, *values)) {
            display::dialogs().message("Wrong Values of parameters", "Input Error");
        } else if (values) {
            const solutions::CaseRow *row = solutions::caseFor(kind);
            const bool charge = row->charge && m_Charge->isChecked();
            const bool current = m_Current->isChecked();
            // Both curves read the same texts: one that is not a number is reported once and
            // neither curve is drawn.
            if ((charge || current) && readOrReport(row->reads)) {
                const auto sampled = [this, row](solutions::SolutionFunction f) {
                    return [this, row, f](double t) {
                        return evaluate(f, row->reads, t).value.value_or(kNaN);
                    };
                };
                if (charge)
                    m_lastPlot.charge = drawCurve(sampled(row->charge), 200, 4);
                if (current)
                    m_lastPlot.current = drawCurve(sampled(row->current), 200, 1);
            }
        }
    }

    if (m_Voltage->isChecked() && readOrReport(kSourceVoltageReads)) {
        // The curve starts drawn at 0; the data keep the source voltage itself there.
        m_lastPlot.voltage =
            drawCurve([this](double t) { return VS(t).value.value_or(kNaN); }, 500, 4, 0.0);
    }
}

// --- Value read-out --------------------------------------------------------------------------

void LabWindow::Picture1_MouseUp(int, int, float x, float)
{
    m_Time->setText(qtext(solutions::toText(x)));

    const int kind = labState().CircuitKind;
    const ParameterTest *test = readoutTest(kind);
    if (!test)
        return;
    const auto values = readOrReport(test->parameters);
    if (!values)
        return;
    if (rejects(*test, *values)) {
        display::dialogs().message("Wrong Values of parameters", "Input Error");
        return;
    }
    const auto t = solutions::toNumber(m_Time->text().toStdString());
    if (!t) {
        display::dialogs().message("The text of Time is not a number.", "Input Error");
        return;
    }

    // Both values are computed before either box is written, so that a failure leaves the
    // previous read-out whole.
    const solutions::CaseRow *row = solutions::caseFor(kind);
    const Evaluation current = evaluate(row->current, row->reads, *t);
    std::optional<Evaluation> charge;
    if (row->charge)
        charge = evaluate(row->charge, row->reads, *t);
    for (const Evaluation *e :
         std::initializer_list<const Evaluation *>{&current, charge ? &*charge : nullptr}) {
        if (e && !*e) {
            display::dialogs().message(notANumberMessage(e->badBox.value_or(Parameter::R)),
                                       "Input Error");
            return;
        }
    }
    if (!std::isfinite(*current.value) || (charge && !std::isfinite(*charge->value))) {
        display::dialogs().message(
            "These parameters give no finite value of the current or charge at this time.",
            "Input Error");
        return;
    }
    m_ii->setText(qtext(solutions::toText(*current.value)));
    if (charge)
        m_qq->setText(qtext(solutions::toText(*charge->value)));
}

// --- Frequency controls ----------------------------------------------------------------------

void LabWindow::f0_Change()
{
    if (const auto w0 = angularFrequencyText(m_f0->text()))
        m_w0->setText(qtext(*w0));
}

void LabWindow::SetNatf_Click()
{
    const auto product = [this]() -> std::optional<double> {
        const auto L = solutions::toNumber(m_L->text().toStdString());
        const auto C = solutions::toNumber(m_C->text().toStdString());
        if (!L || !C)
            return std::nullopt;
        return *L * *C;
    };
    // Only a positive, finite L·C has a natural frequency; anything else changes nothing.
    const auto P = product();
    if (!P || *P == 0 || !(*P > 0) || !std::isfinite(*P))
        return;
    const double omega = 1 / std::sqrt(*product());
    m_f0->setText(qtext(solutions::toText(omega / 6.28318)));
    m_w0->setText(qtext(solutions::toText(1 / std::sqrt(*product()))));
}

void LabWindow::Voltage_Click()
{
    if (m_Voltage->isChecked())
        display::dialogs().message("This plot may be inaccurate for large frequencies do to low "
                                   "sampling of the points on the graph",
                                   "Graphics Warning");
}

// --- Export ----------------------------------------------------------------------------------

void LabWindow::SaveGraph_Click()
{
    QString path = display::dialogs().saveFile("Save Graph", "graph.png",
                                               "PNG image (*.png);;SVG drawing (*.svg)");
    if (path.isEmpty())
        return;
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != "png" && suffix != "svg")
        path += ".png";
    const display::PictureExport picture({m_picture1});
    if (!picture.save(path, 2.0))
        display::dialogs().message(QString("The graph could not be saved to %1.").arg(path),
                                   "Save Graph");
}

void LabWindow::CopyGraph_Click()
{
    display::PictureExport({m_picture1}).copyToClipboard();
}

void LabWindow::SaveData_Click()
{
    if (m_lastPlot.empty()) {
        display::dialogs().message("There is no plotted data to save. Choose Plot Graphs first.",
                                   "Save Data as CSV");
        return;
    }
    QString path =
        display::dialogs().saveFile("Save Data as CSV", "graph.csv", "CSV table (*.csv)");
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += ".csv";
    const std::string text = plotDataTable(m_lastPlot).text();
    // Written to a temporary file and renamed, so a failure never leaves half a table.
    QSaveFile file(path);
    const bool written = file.open(QIODevice::WriteOnly) &&
                         file.write(text.data(), static_cast<qint64>(text.size())) ==
                             static_cast<qint64>(text.size()) &&
                         file.commit();
    if (!written)
        display::dialogs().message(
            QString("The data could not be saved to %1: %2.").arg(path, file.errorString()),
            "Save Data as CSV");
}

// --- Close -----------------------------------------------------------------------------------

void LabWindow::close_Click()
{
    m_SetNatf->hide();
    m_Voltage->setChecked(false);
    hide();
}

void LabWindow::closeEvent(QCloseEvent *event)
{
    // Closing through the window frame does what Close does: the window is only hidden.
    m_SetNatf->hide();
    m_Voltage->setChecked(false);
    event->accept();
}

} // namespace kel::lab
