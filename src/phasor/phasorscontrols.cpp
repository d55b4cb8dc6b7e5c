// SPDX-License-Identifier: GPL-3.0-or-later
#include "phasorscontrols.h"

#include "core/phasormath.h"
#include "display/fonts.h"
#include "display/picturearea.h"
#include "display/qstringtext.h"
#include "display/readingorder.h"
#include "display/twiplayout.h"
#include "phasordescription.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>

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

QString tr(const char *text)
{
    return QCoreApplication::translate("PhasorsWindow", text);
}

// One row of the voltage table below the drawings, in the order of kVoltages.
struct VoltageRow {
    const char *check;
    const char *caption;
    const char *amplitudeBox; // none for the source, whose amplitude is the input v0
    const char *valueBox;
    const char *keyLine;
    const char *keyName;
    QColor keyColour;
    int top;  // twips
    int keyY; // twips
};

const std::array<VoltageRow, 4> kVoltageRows{{
    {"Checkvr", QT_TRANSLATE_NOOP("PhasorsWindow", "Voltage across Resistor"), "VRmax", "vrt",
     "Line1", "LineName1", QColor(0, 0, 255), 4320, 4440},
    {"CheckVC", QT_TRANSLATE_NOOP("PhasorsWindow", "Voltage across Capacitor"), "VCmax", "vct",
     "Line2", "LineName2", QColor(0, 192, 0), 4680, 4800},
    {"CheckVL", QT_TRANSLATE_NOOP("PhasorsWindow", "Voltage across Inductor"), "VLmax", "vlt",
     "Line3", "LineName3", QColor(192, 0, 0), 5040, 5160},
    {"CheckVM", QT_TRANSLATE_NOOP("PhasorsWindow", "Total Voltage across LCR "), nullptr, "v0t",
     "Line4", "LineName4", QColor(0, 0, 0), 5400, 5520},
}};

// One label, box and unit of the parameter strip.
struct StripEntry {
    const char *label;
    const char *labelText;
    const char *box;
    const char *boxText;
    const char *unit;
    const char *unitText;
    int left, labelWidth, boxWidth, unitWidth; // twips
};

const StripEntry kStripEntries[] = {
    {"LabelR", QT_TRANSLATE_NOOP("PhasorsWindow", "R ="), "R", "1000", "unitR", " \u03A9", 120, 480,
     975, 360},
    {"LabelC", QT_TRANSLATE_NOOP("PhasorsWindow", "C ="), "C", "0.00005", "unitC", "F", 2040, 480,
     975, 240},
    {"LabelL", QT_TRANSLATE_NOOP("PhasorsWindow", "L ="), "L", "10.0", "unitL", " H", 3840, 480,
     975, 360},
    {"Amp", QT_TRANSLATE_NOOP("PhasorsWindow", "Vmax ="), "v0", "500", "amplabel", " V", 5760, 840,
     735, 360},
    {"freq", QT_TRANSLATE_NOOP("PhasorsWindow", "f ="), "f0", "10.0", "unitw", " Hz", 7740, 360,
     855, 480},
};

template <class W> W *named(W *widget, const char *name, const QFont &font)
{
    widget->setObjectName(name);
    widget->setFont(font);
    return widget;
}

QLabel *makeLabel(QWidget *parent, const char *name, const QString &text, const QFont &font,
                  Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto *label = named(new QLabel(text, parent), name, font);
    label->setAlignment(align);
    return label;
}

QLineEdit *makeEdit(QWidget *parent, const char *name, const char *text, const QFont &font)
{
    return named(new QLineEdit(QString::fromUtf8(text), parent), name, font);
}

void buildDrawings(PhasorsControls &c, QWidget *client, display::TwipLayout &layout)
{
    const QFont label = arial(9, true);
    const QFont control = arial(9);
    layout.place(makeLabel(client, "Label5", tr("Phasors"), label, Qt::AlignCenter), 0, 0, 3000,
                 240);
    layout.place(makeLabel(client, "Label4", tr("Voltage vs. Time"), label, Qt::AlignCenter), 3000,
                 0, 6255, 240);
    c.diagram = named(new display::PictureArea(client), "Picture3", control);
    layout.place(c.diagram, 0, 240, 3000, 3015);
    c.plot = named(new display::PictureArea(client), "Picture1", control);
    c.plot->setToolTip(tr("Click to Replot at this time"));
    layout.place(c.plot, 3000, 240, 6255, 3015);
}

void buildTimeControls(PhasorsControls &c, QWidget *client, display::TwipLayout &layout)
{
    const QFont label = arial(9, true);
    const QFont control = arial(9);
    c.projectionButton =
        named(new QPushButton(tr("Phasor Projections"), client), "Projection", control);
    c.projectionButton->setToolTip(
        tr("Superimposes horizontal lines to see projection on vertical axis."));
    layout.place(c.projectionButton, 60, 3330, 1860, 345);
    layout.place(makeLabel(client, "Label3", tr("Time Bar"), label), 1980, 3360, 900, 285);
    c.timeBar = named(new QScrollBar(Qt::Horizontal, client), "TimeSc", control);
    c.timeBar->setRange(0, TimeBase::kSteps);
    c.timeBar->setSingleStep(10);
    c.timeBar->setPageStep(20);
    c.timeBar->setTracking(true);
    layout.place(c.timeBar, 2880, 3360, 6615, 285);

    layout.place(makeLabel(client, "Label6", tr("Time"), label), 120, 3720, 540, 315);
    c.t2 = makeEdit(client, "t2", "0.0", control);
    layout.place(c.t2, 660, 3720, 1380, 315);
    layout.place(makeLabel(client, "Label1", tr("Number of Cycles"), label), 2280, 3720, 1560, 315);
    c.numPer = makeEdit(client, "NumPer", "5", control);
    c.numPer->setToolTip(tr("Number of cycles shown on Voltage vs time plots"));
    layout.place(c.numPer, 3840, 3720, 720, 315);
}

void buildVoltageTable(PhasorsControls &c, QWidget *client, display::TwipLayout &layout)
{
    const QFont label = arial(9, true);
    const QFont control = arial(9);
    layout.place(makeLabel(client, "Label2", tr("Graphs Shown"), label), 1320, 4080, 2640, 240);
    layout.place(makeLabel(client, "Label7", tr("Vmax"), label), 4080, 4080, 1920, 240);
    layout.place(makeLabel(client, "Label8", tr("v(t)"), label), 6120, 4080, 2400, 240);
    for (std::size_t i = 0; i < kVoltageRows.size(); ++i) {
        const VoltageRow &row = kVoltageRows[i];
        // The name beside each colour: the key reads without telling the colours apart.
        layout.place(makeLabel(client, row.keyName, voltageName(kVoltages[i]), control), 120,
                     row.top, 780, 300);
        auto *key = new QFrame(client);
        key->setObjectName(row.keyLine);
        key->setAutoFillBackground(true);
        QPalette palette = key->palette();
        palette.setColor(QPalette::Window, row.keyColour);
        key->setPalette(palette);
        key->setAccessibleName(keyDescription(kVoltages[i]));
        layout.place(key, 960, row.keyY - 15, 300, 30);

        c.checks[i] = named(new QCheckBox(tr(row.caption), client), row.check, control);
        c.checks[i]->setToolTip(tr("Toggle to set display of this voltage"));
        layout.place(c.checks[i], 1320, row.top, 2640, 300);
        if (row.amplitudeBox) {
            c.amplitudes[i] = makeEdit(client, row.amplitudeBox, "0.0", control);
            layout.place(c.amplitudes[i], 4080, row.top, 1920, 300);
        }
        c.values[i] = makeEdit(client, row.valueBox, "0.0", control);
        layout.place(c.values[i], 6120, row.top, 2400, 300);
    }
}

void buildStrip(PhasorsControls &c, QWidget *client, display::TwipLayout &layout)
{
    c.strip = named(new display::PictureArea(client), "Picture2", arial(9));
    c.strip->setBackground(kStripBackground);
    layout.place(c.strip, kStripTwips.x(), kStripTwips.y(), kStripTwips.width(),
                 kStripTwips.height());
    auto *strip = new display::TwipLayout(c.strip, kStripTwips.size());
    const QFont label = arial(9.75, true);
    const QFont box = arial(9.75);
    std::array<QLineEdit *, 5> boxes{};
    for (std::size_t i = 0; i < std::size(kStripEntries); ++i) {
        const StripEntry &e = kStripEntries[i];
        int x = e.left;
        strip->place(makeLabel(c.strip, e.label, tr(e.labelText), label), x, 120, e.labelWidth,
                     360);
        x += e.labelWidth;
        boxes[i] = makeEdit(c.strip, e.box, e.boxText, box);
        strip->place(boxes[i], x, 120, e.boxWidth, 360);
        x += e.boxWidth;
        strip->place(makeLabel(c.strip, e.unit, QString::fromUtf8(e.unitText), label), x, 120,
                     e.unitWidth, 360);
    }
    c.R = boxes[0];
    c.C = boxes[1];
    c.L = boxes[2];
    c.v0 = boxes[3];
    c.f0 = boxes[4];
}

void buildStatusBar(PhasorsControls &c, QMainWindow *window)
{
    QStatusBar *bar = window->statusBar();
    bar->setObjectName("statusBar");
    bar->setSizeGripEnabled(false);
    c.statusCircuit = named(new QLabel(bar), "statusCircuit", arial(9));
    c.statusPointer = named(new QLabel(bar), "statusPointer", arial(9));
    // No fixed accessible names: a screen reader then reads each label's text, as it changes.
    c.statusAnimation = named(new QLabel(bar), "statusAnimation", arial(9));
    bar->addWidget(c.statusCircuit, 1);
    bar->addPermanentWidget(c.statusPointer);
    bar->addPermanentWidget(c.statusAnimation);
}

void buildKeyboardOrder(PhasorsControls &c, QWidget *client)
{
    struct Entry {
        QWidget *widget;
        const char *name;
    };
    // Tab visits these in reading order, as they stand in the window.
    const Entry entries[] = {
        {c.R, QT_TRANSLATE_NOOP("PhasorsWindow", "Resistance R in ohms")},
        {c.C, QT_TRANSLATE_NOOP("PhasorsWindow", "Capacitance C in farads")},
        {c.L, QT_TRANSLATE_NOOP("PhasorsWindow", "Inductance L in henries")},
        {c.v0, QT_TRANSLATE_NOOP("PhasorsWindow", "Source amplitude Vmax in volts")},
        {c.f0, QT_TRANSLATE_NOOP("PhasorsWindow", "Source frequency f in hertz")},
        {c.t2, QT_TRANSLATE_NOOP("PhasorsWindow", "Time in seconds")},
        {c.numPer, QT_TRANSLATE_NOOP("PhasorsWindow", "Number of cycles")},
        {c.timeBar, QT_TRANSLATE_NOOP("PhasorsWindow", "Time bar")},
        {c.checks[0], QT_TRANSLATE_NOOP("PhasorsWindow", "Show the voltage across the resistor")},
        {c.checks[1], QT_TRANSLATE_NOOP("PhasorsWindow", "Show the voltage across the capacitor")},
        {c.checks[2], QT_TRANSLATE_NOOP("PhasorsWindow", "Show the voltage across the inductor")},
        {c.checks[3], QT_TRANSLATE_NOOP("PhasorsWindow", "Show the total voltage")},
        {c.projectionButton, QT_TRANSLATE_NOOP("PhasorsWindow", "Phasor projections")},
        {c.amplitudes[0],
         QT_TRANSLATE_NOOP("PhasorsWindow", "Amplitude of the resistor voltage in volts")},
        {c.values[0], QT_TRANSLATE_NOOP("PhasorsWindow", "Resistor voltage at the time in volts")},
        {c.amplitudes[1],
         QT_TRANSLATE_NOOP("PhasorsWindow", "Amplitude of the capacitor voltage in volts")},
        {c.values[1], QT_TRANSLATE_NOOP("PhasorsWindow", "Capacitor voltage at the time in volts")},
        {c.amplitudes[2],
         QT_TRANSLATE_NOOP("PhasorsWindow", "Amplitude of the inductor voltage in volts")},
        {c.values[2], QT_TRANSLATE_NOOP("PhasorsWindow", "Inductor voltage at the time in volts")},
        {c.values[3], QT_TRANSLATE_NOOP("PhasorsWindow", "Total voltage at the time in volts")},
    };
    std::vector<display::ReadingBox> boxes;
    for (const Entry &e : entries) {
        e.widget->setAccessibleName(tr(e.name));
        const QPoint at = e.widget->mapTo(client, QPoint(0, 0));
        boxes.push_back({at.x(), at.y(), e.widget->width(), e.widget->height()});
    }
    std::vector<QWidget *> chain;
    for (std::size_t i : display::readingOrder(boxes)) {
        chain.push_back(entries[i].widget);
        // The drawings follow the time controls that choose what they show.
        if (entries[i].widget == c.numPer)
            chain.insert(chain.end(), {c.diagram, c.plot});
    }
    // The bar takes no focus by default; with it the arrow and page keys move the time.
    c.timeBar->setFocusPolicy(Qt::StrongFocus);
    // Focus on the diagram lets a screen reader read its description.
    c.diagram->setFocusPolicy(Qt::TabFocus);
    // The arrow, page, Home and End keys move the time plot's cursor (see MarkerCursor).
    c.plot->setKeyboardCursor(true);
    for (std::size_t i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
    c.diagram->setAccessibleName(tr("Phasor diagram"));
    c.plot->setAccessibleName(tr("Voltage against time plot"));
}

} // namespace

PhasorsControls PhasorsControls::build(QMainWindow *window)
{
    PhasorsControls c;
    auto *client = new QWidget(window);
    client->setObjectName("PhasorsClient");
    window->setCentralWidget(client);
    auto *layout = new display::TwipLayout(client, kDesignTwips);
    buildDrawings(c, client, *layout);
    buildTimeControls(c, client, *layout);
    buildVoltageTable(c, client, *layout);
    buildStrip(c, client, *layout);
    buildStatusBar(c, window);
    buildKeyboardOrder(c, client);
    c.describeEmptyDrawings();
    return c;
}

void PhasorsControls::describeDrawings(const PhasorScene &scene, std::optional<double> marker,
                                       double t2) const
{
    plot->setAccessibleDescription(timePlotDescription(scene, marker));
    diagram->setAccessibleDescription(phasorDiagramDescription(scene, t2));
}

void PhasorsControls::writeReadOut(QLineEdit *box, const std::string &text)
{
    const QString shown = display::toQString(text);
    if (box->text() == shown)
        return;
    box->setText(shown);
    box->setCursorPosition(0);
}

void PhasorsControls::describeEmptyDrawings() const
{
    plot->setAccessibleDescription(emptyTimePlotDescription());
    diagram->setAccessibleDescription(emptyDiagramDescription());
}

} // namespace kel::phasor
