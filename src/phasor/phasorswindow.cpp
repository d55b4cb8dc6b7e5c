// SPDX-License-Identifier: GPL-3.0-or-later
#include "phasorswindow.h"

#include "display/csvtable.h"
#include "display/dialogs.h"
#include "display/fonts.h"
#include "display/menucommands.h"
#include "display/picturearea.h"
#include "display/pictureexport.h"
#include "display/qbcolor.h"
#include "display/twiplayout.h"
#include "phasordata.h"
#include "phasorstatus.h"
#include "solutions/numbertext.h"

#include <QAction>
#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollBar>
#include <QStatusBar>

#include <algorithm>

namespace kel::phasor
{

using display::arial;

namespace
{

// The client area as designed, in twips.
constexpr QSize kDesignTwips{9495, 6495};
// The parameter strip along the bottom, in twips; its controls are placed relative to it.
constexpr QRect kStripTwips{0, 5880, 9495, 615};

const QColor kStripBackground{0xFF, 0xFF, 0xC0};

const QString kErrorTitle = QStringLiteral("Input Error");
const QString kExportTitle = QStringLiteral("Export");
// Exported pictures are rendered at twice their size on screen, sharp enough for print.
constexpr double kPictureScale = 2.0;

// One row of the voltage table below the drawings.
struct VoltageRow {
    Voltage voltage;
    const char *check;
    const char *caption;
    const char *amplitudeBox; // none for the source, whose amplitude is the input v0
    const char *valueBox;
    const char *keyLine;
    QColor keyColour;
    int top;         // twips
    int keyY;        // twips
    int startColour; // palette index of a curve's first point
};

const std::array<VoltageRow, 4> &voltageRows()
{
    static const std::array<VoltageRow, 4> rows{{
        {Voltage::Resistor, "Checkvr", "Voltage across Resistor", "VRmax", "vrt", "Line1",
         QColor(0, 0, 255), 4320, 4440, 1},
        {Voltage::Capacitor, "CheckVC", "Voltage across Capacitor", "VCmax", "vct", "Line2",
         QColor(0, 192, 0), 4680, 4800, 2},
        {Voltage::Inductor, "CheckVL", "Voltage across Inductor", "VLmax", "vlt", "Line3",
         QColor(192, 0, 0), 5040, 5160, 4},
        {Voltage::Source, "CheckVM", "Total Voltage across LCR ", nullptr, "v0t", "Line4",
         QColor(0, 0, 0), 5400, 5520, 4},
    }};
    return rows;
}

QString qtext(const std::string &text)
{
    return QString::fromStdString(text);
}

// Writes a computed number into an output box so that it reads from its first digit, even
// when it is longer than the box.
void writeOutput(QLineEdit *box, const std::string &text)
{
    box->setText(QString::fromStdString(text));
    box->setCursorPosition(0);
}

template <class W> W *named(W *widget, const char *name, const QFont &font)
{
    widget->setObjectName(name);
    widget->setFont(font);
    return widget;
}

std::size_t rowIndex(Voltage v)
{
    return static_cast<std::size_t>(v);
}

QColor colourOf(Voltage v)
{
    return display::QBColor(colourIndex(v));
}

float single(double value)
{
    return static_cast<float>(value);
}

} // namespace

PhasorsWindow::PhasorsWindow(QWidget *parent) : QMainWindow(parent)
{
    setObjectName("Phasors");
    setWindowTitle("Phasor Plots");
    setFont(arial(9));
    buildControls();
    buildMenu();
    buildExportMenu();
    buildStatusBar();
    buildKeyboardAccess();
    Form_Load();
}

void PhasorsWindow::buildControls()
{
    auto *client = new QWidget(this);
    client->setObjectName("PhasorsClient");
    setCentralWidget(client);
    auto *layout = new display::TwipLayout(client, kDesignTwips);

    const QFont label = arial(9, true);
    const QFont stripLabel = arial(9.75, true);
    const QFont parameterBox = arial(9.75);
    const QFont control = arial(9);

    auto makeLabel = [](QWidget *parent, const char *name, const QString &text, const QFont &font,
                        Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
        auto *l = named(new QLabel(text, parent), name, font);
        l->setAlignment(align);
        return l;
    };
    auto makeEdit = [](QWidget *parent, const char *name, const QString &text, const QFont &font) {
        return named(new QLineEdit(text, parent), name, font);
    };

    // Drawings with their titles.
    layout->place(makeLabel(client, "Label5", "Phasors", label, Qt::AlignCenter), 0, 0, 3000, 240);
    layout->place(makeLabel(client, "Label4", "Voltage vs. Time", label, Qt::AlignCenter), 3000, 0,
                  6255, 240);
    m_picture3 = named(new display::PictureArea(client), "Picture3", control);
    layout->place(m_picture3, 0, 240, 3000, 3015);
    m_picture1 = named(new display::PictureArea(client), "Picture1", control);
    m_picture1->setToolTip("Click to Replot at this time");
    layout->place(m_picture1, 3000, 240, 6255, 3015);

    // Projection button and time bar.
    m_Projection = named(new QPushButton("Phasor Projections", client), "Projection", control);
    m_Projection->setToolTip("Superimposes horizontal lines to see projection on vertical axis.");
    layout->place(m_Projection, 60, 3330, 1860, 345);
    layout->place(makeLabel(client, "Label3", "Time Bar", label), 1980, 3360, 900, 285);
    m_TimeSc = named(new QScrollBar(Qt::Horizontal, client), "TimeSc", control);
    m_TimeSc->setRange(0, TimeBase::kSteps);
    m_TimeSc->setSingleStep(10);
    m_TimeSc->setPageStep(20);
    m_TimeSc->setTracking(true);
    layout->place(m_TimeSc, 2880, 3360, 6615, 285);

    // Time and number of cycles.
    layout->place(makeLabel(client, "Label6", "Time", label), 120, 3720, 540, 315);
    m_t2 = makeEdit(client, "t2", "0.0", control);
    layout->place(m_t2, 660, 3720, 1380, 315);
    layout->place(makeLabel(client, "Label1", "Number of Cycles", label), 2280, 3720, 1560, 315);
    m_NumPer = makeEdit(client, "NumPer", "5", control);
    m_NumPer->setToolTip("Number of cycles shown on Voltage vs time plots");
    layout->place(m_NumPer, 3840, 3720, 720, 315);

    // The voltage table: key line, check box, amplitude and instantaneous value per voltage.
    layout->place(makeLabel(client, "Label2", "Graphs Shown", label), 1320, 4080, 2640, 240);
    layout->place(makeLabel(client, "Label7", "Vmax", label), 4080, 4080, 1920, 240);
    layout->place(makeLabel(client, "Label8", "v(t)", label), 6120, 4080, 2400, 240);
    for (const VoltageRow &row : voltageRows()) {
        const std::size_t i = rowIndex(row.voltage);
        auto *key = new QFrame(client);
        key->setObjectName(row.keyLine);
        key->setAutoFillBackground(true);
        QPalette palette = key->palette();
        palette.setColor(QPalette::Window, row.keyColour);
        key->setPalette(palette);
        layout->place(key, 120, row.keyY - 15, 1080, 30);

        m_checks[i] = named(new QCheckBox(row.caption, client), row.check, control);
        m_checks[i]->setToolTip("Toggle to set display of this voltage");
        layout->place(m_checks[i], 1320, row.top, 2640, 300);
        if (row.amplitudeBox) {
            auto *amplitude = makeEdit(client, row.amplitudeBox, "0.0", control);
            layout->place(amplitude, 4080, row.top, 1920, 300);
        }
        m_valueBoxes[i] = makeEdit(client, row.valueBox, "0.0", control);
        layout->place(m_valueBoxes[i], 6120, row.top, 2400, 300);
    }
    m_VRmax = client->findChild<QLineEdit *>("VRmax");
    m_VCmax = client->findChild<QLineEdit *>("VCmax");
    m_VLmax = client->findChild<QLineEdit *>("VLmax");

    // Parameter strip, its labels and boxes placed on it.
    m_picture2 = named(new display::PictureArea(client), "Picture2", control);
    m_picture2->setBackground(kStripBackground);
    layout->place(m_picture2, kStripTwips.x(), kStripTwips.y(), kStripTwips.width(),
                  kStripTwips.height());
    auto *strip = new display::TwipLayout(m_picture2, kStripTwips.size());
    struct StripEntry {
        const char *label;
        const char *labelText;
        const char *box;
        const char *boxText;
        const char *unit;
        const char *unitText;
        int left, labelWidth, boxWidth, unitWidth;
    };
    const StripEntry entries[] = {
        {"LabelR", "R =", "R", "1000", "unitR", " \u03A9", 120, 480, 975, 360},
        {"LabelC", "C =", "C", "0.00005", "unitC", "F", 2040, 480, 975, 240},
        {"LabelL", "L =", "L", "10.0", "unitL", " H", 3840, 480, 975, 360},
        {"Amp", "Vmax =", "v0", "500", "amplabel", " V", 5760, 840, 735, 360},
        {"freq", "f =", "f0", "10.0", "unitw", " Hz", 7740, 360, 855, 480},
    };
    for (const StripEntry &e : entries) {
        int x = e.left;
        strip->place(makeLabel(m_picture2, e.label, QString::fromUtf8(e.labelText), stripLabel), x,
                     120, e.labelWidth, 360);
        x += e.labelWidth;
        strip->place(makeEdit(m_picture2, e.box, e.boxText, parameterBox), x, 120, e.boxWidth, 360);
        x += e.boxWidth;
        strip->place(makeLabel(m_picture2, e.unit, QString::fromUtf8(e.unitText), stripLabel), x,
                     120, e.unitWidth, 360);
    }
    m_R = m_picture2->findChild<QLineEdit *>("R");
    m_C = m_picture2->findChild<QLineEdit *>("C");
    m_L = m_picture2->findChild<QLineEdit *>("L");
    m_v0 = m_picture2->findChild<QLineEdit *>("v0");
    m_f0 = m_picture2->findChild<QLineEdit *>("f0");

    connect(m_t2, &QLineEdit::textChanged, this, [this] { t2_Change(); });
    connect(m_TimeSc, &QScrollBar::valueChanged, this, [this] { TimeSc_Change(); });
    connect(m_Projection, &QPushButton::clicked, this, [this] { Projection_Click(); });
    connect(m_picture1, &display::PictureArea::mouseUp, this, &PhasorsWindow::Picture1_MouseUp);
}

void PhasorsWindow::buildMenu()
{
    display::addMenuCommands(
        menuBar(), this,
        {
            {"plot", "Plot", [this] { plot_Click(); }, QKeySequence(Qt::Key_F5)},
            {"ClrGraphs", "Clear Graphs", [this] { ClrGraphs_Click(); },
             QKeySequence(Qt::CTRL | Qt::Key_L)},
            {"close", "Close", [this] { close_Click(); }, QKeySequence(Qt::CTRL | Qt::Key_W)},
        });
}

void PhasorsWindow::buildExportMenu()
{
    QMenu *menu = menuBar()->addMenu("Export");
    menu->setObjectName("Export");
    display::addMenuCommands(menu, this,
                             {
                                 {"SavePicture", "Save Picture...", [this] { SavePicture_Click(); },
                                  QKeySequence(Qt::CTRL | Qt::Key_S)},
                                 {"CopyPicture", "Copy Picture", [this] { CopyPicture_Click(); },
                                  QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)},
                                 {"SaveCsv", "Save Data as CSV...", [this] { SaveCsv_Click(); },
                                  QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
                             });
}

void PhasorsWindow::buildStatusBar()
{
    QStatusBar *bar = statusBar();
    bar->setObjectName("statusBar");
    bar->setSizeGripEnabled(false);
    m_statusCircuit = named(new QLabel(bar), "statusCircuit", arial(9));
    m_statusPointer = named(new QLabel(bar), "statusPointer", arial(9));
    m_statusCircuit->setAccessibleName("Circuit values");
    m_statusPointer->setAccessibleName("Time and voltage under the pointer");
    bar->addWidget(m_statusCircuit, 1);
    bar->addPermanentWidget(m_statusPointer);

    for (QLineEdit *box : {m_R, m_C, m_L, m_v0, m_f0, m_NumPer})
        connect(box, &QLineEdit::textChanged, this, [this] { updateCircuitStatus(); });
    updateCircuitStatus();

    m_picture1->setMouseTracking(true);
    m_picture1->installEventFilter(this);
    connect(m_picture1, &display::PictureArea::mouseMove, this, &PhasorsWindow::Picture1_MouseMove);
}

void PhasorsWindow::buildKeyboardAccess()
{
    struct Entry {
        QWidget *widget;
        const char *name;
    };
    // In the order the Tab key visits them: the parameters left to right, the time controls,
    // the choice of curves and the projections, then the computed values row by row.
    const Entry entries[] = {
        {m_R, "Resistance R in ohms"},
        {m_C, "Capacitance C in farads"},
        {m_L, "Inductance L in henries"},
        {m_v0, "Source amplitude Vmax in volts"},
        {m_f0, "Source frequency f in hertz"},
        {m_t2, "Time in seconds"},
        {m_NumPer, "Number of cycles"},
        {m_TimeSc, "Time bar"},
        {m_checks[0], "Show the voltage across the resistor"},
        {m_checks[1], "Show the voltage across the capacitor"},
        {m_checks[2], "Show the voltage across the inductor"},
        {m_checks[3], "Show the total voltage"},
        {m_Projection, "Phasor projections"},
        {m_VRmax, "Amplitude of the resistor voltage in volts"},
        {m_valueBoxes[0], "Resistor voltage at the time in volts"},
        {m_VCmax, "Amplitude of the capacitor voltage in volts"},
        {m_valueBoxes[1], "Capacitor voltage at the time in volts"},
        {m_VLmax, "Amplitude of the inductor voltage in volts"},
        {m_valueBoxes[2], "Inductor voltage at the time in volts"},
        {m_valueBoxes[3], "Total voltage at the time in volts"},
    };
    // The bar takes no focus by default; with it the arrow and page keys move the time.
    m_TimeSc->setFocusPolicy(Qt::StrongFocus);
    m_TimeSc->installEventFilter(this);
    QWidget *previous = nullptr;
    for (const Entry &e : entries) {
        e.widget->setAccessibleName(e.name);
        if (previous)
            setTabOrder(previous, e.widget);
        previous = e.widget;
    }
    m_picture3->setAccessibleName("Phasor diagram");
    m_picture1->setAccessibleName("Voltage against time plot");
}

void PhasorsWindow::updateCircuitStatus()
{
    m_statusCircuit->setText(qtext(circuitStatusText(parameterTexts())));
}

bool PhasorsWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_picture1 && event->type() == QEvent::Leave)
        m_statusPointer->clear();
    // A horizontal scroll bar takes Left and Right the wrong way round (its controls are
    // inverted for the wheel); on the time bar Right must move the time forward.
    if (watched == m_TimeSc && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->modifiers() == Qt::NoModifier &&
            (key->key() == Qt::Key_Left || key->key() == Qt::Key_Right)) {
            m_TimeSc->triggerAction(key->key() == Qt::Key_Right
                                        ? QAbstractSlider::SliderSingleStepAdd
                                        : QAbstractSlider::SliderSingleStepSub);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void PhasorsWindow::Form_Load()
{
    m_t2->setText("0");
    for (QCheckBox *box : m_checks)
        box->setChecked(true);
    loadDrawing();
}

void PhasorsWindow::loadDrawing()
{
    const auto s = solveOrReport();
    if (!s)
        return;
    ResetGraphs();
    writeAmplitudes(*s);
    setDiagramScale(*s);
    setTimeScale(*s);
    DrawPhasorDiagram(*s, solutions::toNumber(m_t2->text().toStdString()).value_or(0.0));
    DrawVoltageCurves(*s);
    m_lastDrawn = s;
}

// --- Amplitudes ------------------------------------------------------------------------------

ParameterTexts PhasorsWindow::parameterTexts() const
{
    return {m_R->text().toStdString(),  m_C->text().toStdString(),  m_L->text().toStdString(),
            m_v0->text().toStdString(), m_f0->text().toStdString(), m_NumPer->text().toStdString()};
}

std::optional<Solution> PhasorsWindow::solveOrReport() const
{
    SolveResult result = solveAmplitudes(parameterTexts());
    if (!result.solution)
        display::dialogs().message(qtext(result.error), kErrorTitle);
    return result.solution;
}

void PhasorsWindow::writeAmplitudes(const Solution &s)
{
    writeOutput(m_VRmax, s.VRmaxText);
    writeOutput(m_VCmax, s.VCmaxText);
    writeOutput(m_VLmax, s.VLmaxText);
}

std::optional<Solution> PhasorsWindow::SolveAmplitudes()
{
    auto s = solveOrReport();
    if (s)
        writeAmplitudes(*s);
    return s;
}

// --- Drawing ---------------------------------------------------------------------------------

void PhasorsWindow::setDiagramScale(const Solution &s)
{
    m_picture3->setScale(single(-s.PlotMax), single(s.PlotMax), single(s.PlotMax),
                         single(-s.PlotMax));
}

void PhasorsWindow::setTimeScale(const Solution &s)
{
    if (m_picture1->setScale(single(s.time.tMin), single(s.PlotMax), single(s.time.tMax),
                             single(-s.PlotMax)))
        m_plotInFrameUnits = false;
}

void PhasorsWindow::ResetGraphs()
{
    m_picture1->clear();
    m_picture3->clear();
    m_lastDrawn.reset();
    m_picture1->setAutoRedraw(true);
    m_picture3->setAutoRedraw(true);
    m_picture1->setScale(kFrameLeft, kFrameTop, kFrameRight, kFrameBottom);
    m_plotInFrameUnits = true;
    for (const Segment &seg : frameSegments())
        m_picture1->line(single(seg.x1), single(seg.y1), single(seg.x2), single(seg.y2));
}

bool PhasorsWindow::checked(Voltage v) const
{
    return m_checks[rowIndex(v)]->isChecked();
}

void PhasorsWindow::DrawPhasorDiagram(const Solution &s, double t2)
{
    const QColor circle = display::QBColor(4);
    for (const Point &p : circlePoints(s.PlotMax))
        m_picture3->setPoint(single(p.x), single(p.y), circle);
    for (Voltage v : kVoltages) {
        const Point tip = phasorTip(s, v, t2);
        m_picture3->line(0, 0, single(tip.x), single(tip.y), colourOf(v));
        writeOutput(m_valueBoxes[rowIndex(v)], solutions::toText(tip.y));
    }
}

void PhasorsWindow::DrawVoltageCurves(const Solution &s)
{
    for (const VoltageRow &row : voltageRows()) {
        if (!checked(row.voltage))
            continue;
        const auto samples = curveSamples(s, row.voltage);
        const QColor colour = colourOf(row.voltage);
        m_picture1->setPoint(single(samples[0].x), single(samples[0].y),
                             display::QBColor(row.startColour));
        for (std::size_t j = 1; j < samples.size(); ++j)
            m_picture1->lineTo(single(samples[j].x), single(samples[j].y), colour);
    }
}

void PhasorsWindow::RedrawAtStep(std::int64_t n)
{
    // Everything is computed before anything is cleared or written, so bad input leaves the
    // drawings and texts as they were.
    const auto s = solveOrReport();
    if (!s)
        return;
    ResetGraphs();
    writeAmplitudes(*s);
    setDiagramScale(*s);
    setTimeScale(*s);
    m_t2->setText(qtext(solutions::toText(s->time.timeOfStep(n))));
    const double t2 = solutions::toNumber(m_t2->text().toStdString()).value_or(0.0);
    const float marker = single(t2);
    m_picture1->line(marker, single(-s->PlotMax), marker, single(s->PlotMax), display::QBColor(3));
    DrawPhasorDiagram(*s, t2);
    DrawVoltageCurves(*s);
    m_lastDrawn = s;
}

void PhasorsWindow::DrawProjections(const Solution &s, double t2)
{
    for (Voltage v : kVoltages) {
        if (!checked(v))
            continue;
        const Point tip = phasorTip(s, v, t2);
        const QColor colour = colourOf(v);
        m_picture1->line(0, single(tip.y), single(t2), single(tip.y), colour);
        m_picture3->line(single(s.PlotMax), single(tip.y), single(tip.x), single(tip.y), colour);
    }
}

// --- Handlers --------------------------------------------------------------------------------

void PhasorsWindow::plot_Click()
{
    const auto s = solveOrReport();
    if (!s)
        return;
    const auto t2 = solutions::toNumber(m_t2->text().toStdString());
    if (!t2) {
        display::dialogs().message("The text of Time is not a number.", kErrorTitle);
        return;
    }
    const auto n = s->time.stepOfTime(*t2);
    if (!n) {
        display::dialogs().message("The Time is too far outside the plotted interval to draw.",
                                   kErrorTitle);
        return;
    }
    if (*n >= 0 && *n <= TimeBase::kSteps)
        m_TimeSc->setValue(static_cast<int>(*n));
    RedrawAtStep(*n);
}

void PhasorsWindow::TimeSc_Change()
{
    RedrawAtStep(m_TimeSc->value());
}

void PhasorsWindow::t2_Change()
{
    const auto step = barStepForTime(m_t2->text().toStdString(), m_NumPer->text().toStdString(),
                                     m_f0->text().toStdString());
    if (step)
        m_TimeSc->setValue(*step);
}

void PhasorsWindow::Picture1_MouseUp(int, int, float x, float)
{
    const auto s = solveOrReport();
    if (!s)
        return;
    // After Clear Graphs the plot is in frame units; a click there still means a time.
    const double t = m_plotInFrameUnits ? frameToTime(x, s->time) : x;
    m_t2->setText(qtext(solutions::toText(single(t))));
    plot_Click();
}

void PhasorsWindow::ClrGraphs_Click()
{
    m_TimeSc->setValue(0);
    ResetGraphs();
}

void PhasorsWindow::close_Click()
{
    hide();
}

void PhasorsWindow::Projection_Click()
{
    const int n = m_TimeSc->value();
    const auto s = solveOrReport();
    if (!s)
        return;
    writeAmplitudes(*s);
    setDiagramScale(*s);
    setTimeScale(*s);
    m_t2->setText(qtext(solutions::toText(s->time.timeOfStep(n))));
    DrawProjections(*s, solutions::toNumber(m_t2->text().toStdString()).value_or(0.0));
}

void PhasorsWindow::Picture1_MouseMove(float x, float y)
{
    if (!m_plotInFrameUnits) {
        m_statusPointer->setText(qtext(pointerStatusText({x, y})));
        return;
    }
    // Frame units say nothing of seconds and volts by themselves: read them through the
    // current texts, as a click there is.
    const auto s = solveAmplitudes(parameterTexts()).solution;
    if (s)
        m_statusPointer->setText(
            qtext(pointerStatusText(plotReading(x, y, true, s->time, s->PlotMax))));
    else
        m_statusPointer->clear();
}

// --- Export ----------------------------------------------------------------------------------

void PhasorsWindow::SavePicture_Click()
{
    const QString chosen = display::dialogs().saveFile("Save Picture", "phasors.png",
                                                       "PNG image (*.png);;SVG drawing (*.svg)");
    if (chosen.isEmpty())
        return;
    const QString path = qtext(withDefaultSuffix(chosen.toStdString(), ".png"));
    if (!display::PictureExport({m_picture3, m_picture1}).save(path, kPictureScale))
        display::dialogs().message("Could not write the picture to " + path + ".", kExportTitle);
}

void PhasorsWindow::CopyPicture_Click()
{
    display::PictureExport({m_picture3, m_picture1}).copyToClipboard(kPictureScale);
}

void PhasorsWindow::SaveCsv_Click()
{
    if (!m_lastDrawn) {
        display::dialogs().message("There are no plotted voltages to save. Choose Plot first.",
                                   kExportTitle);
        return;
    }
    const QString chosen =
        display::dialogs().saveFile("Save Data as CSV", "phasors.csv", "CSV table (*.csv)");
    if (chosen.isEmpty())
        return;
    const QString path = qtext(withDefaultSuffix(chosen.toStdString(), ".csv"));
    display::CsvTable table({kCurveColumns.begin(), kCurveColumns.end()});
    for (const auto &row : curveTable(*m_lastDrawn))
        table.addRow({row.begin(), row.end()});
    const std::string text = table.text();
    // Written aside and renamed into place, so a failed write leaves no half-written file.
    QSaveFile file(path);
    const bool written = file.open(QIODevice::WriteOnly) &&
                         file.write(text.data(), static_cast<qint64>(text.size())) ==
                             static_cast<qint64>(text.size()) &&
                         file.commit();
    if (!written)
        display::dialogs().message("Could not write the data to " + path + ".", kExportTitle);
}

} // namespace kel::phasor
