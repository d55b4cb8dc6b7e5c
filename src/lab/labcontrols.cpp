// SPDX-License-Identifier: GPL-3.0-or-later
#include "labcontrols.h"

#include "display/fonts.h"
#include "display/picturearea.h"
#include "display/twiplayout.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>

namespace kel::lab
{

namespace
{

// The client area as designed, in twips: the graph and the columns beside it above the
// parameter strip, with a margin of 120 on the right to match the one on the left (the
// read-out boxes end at 9495).
constexpr QSize kDesignTwips{9615, 6255};
// The parameter strip, in twips; its labels are placed relative to it.
constexpr QRect kStripTwips{120, 5040, 9255, 1095};

// Light yellow, red FF, green FF, blue C0.
constexpr QColor kPictureBackground{0xFF, 0xFF, 0xC0};

enum class Kind { Label, Edit, Check, Radio, Button, Picture, Strip };
enum class Font { Small, Box, StripLabel, Heading, Title };
enum class Start { Shown, Hidden };

struct ControlEntry {
    Kind kind;
    Font font;
    const char *name;
    const char *caption;
    int left, top, width, height; // twips, in the client area or, for Button and labels
                                  // after the strip, in the strip
    const char *toolTip = nullptr;
    Start start = Start::Shown;
};

// In creation order: controls that lie under the parameter strip come before it, so that
// it covers them; the controls after the strip up to the source-kind buttons are its own.
constexpr ControlEntry kClientControls[] = {
    {Kind::Picture, Font::Small, "Picture1", "", 120, 0, 6615, 4935,
     QT_TRANSLATE_NOOP("LabWindow", "Click here to get values of time, current and/or charge")},
    {Kind::Label, Font::Title, "Label10", QT_TRANSLATE_NOOP("LabWindow", "Graph Selection"), 7080,
     0, 2295, 405},
    {Kind::Check, Font::Small, "Charge", QT_TRANSLATE_NOOP("LabWindow", "Charge vs Time"), 7080,
     480, 2295, 300, QT_TRANSLATE_NOOP("LabWindow", "Check to display Charge vs time graph")},
    {Kind::Check, Font::Small, "Current", QT_TRANSLATE_NOOP("LabWindow", "Current vs Time"), 7080,
     840, 2295, 300, QT_TRANSLATE_NOOP("LabWindow", "Check to display Current vs time graph")},
    {Kind::Label, Font::Small, "Label12", QT_TRANSLATE_NOOP("LabWindow", "Voltages"), 7080, 1200,
     2295, 240, nullptr, Start::Hidden},
    {Kind::Check, Font::Small, "Voltage", QT_TRANSLATE_NOOP("LabWindow", "Source Voltage vs Time"),
     7080, 1440, 2295, 300, nullptr, Start::Hidden},
    {Kind::Check, Font::Small, "RVolts", QT_TRANSLATE_NOOP("LabWindow", "Resistor Voltage vs Time"),
     7080, 1800, 2295, 300, nullptr, Start::Hidden},
    {Kind::Check, Font::Small, "CVolts",
     QT_TRANSLATE_NOOP("LabWindow", "Capacitor Voltage vs Time"), 7080, 2160, 2295, 300, nullptr,
     Start::Hidden},
    {Kind::Check, Font::Small, "LVolts", QT_TRANSLATE_NOOP("LabWindow", "Inductor Voltage vs Time"),
     7080, 2520, 2295, 300, nullptr, Start::Hidden},
    {Kind::Label, Font::Small, "Label3", QT_TRANSLATE_NOOP("LabWindow", "Values"), 6960, 2880, 1935,
     240, nullptr, Start::Hidden},
    {Kind::Label, Font::Small, "Label6", QT_TRANSLATE_NOOP("LabWindow", "Time"), 6960, 3120, 600,
     315},
    {Kind::Edit, Font::Small, "Time", "", 7560, 3120, 1935, 315},
    {Kind::Label, Font::Small, "Labelcc", QT_TRANSLATE_NOOP("LabWindow", "Charge"), 6960, 3480, 600,
     315},
    {Kind::Edit, Font::Small, "qq", "", 7560, 3480, 1935, 315},
    {Kind::Label, Font::Small, "Labelii", QT_TRANSLATE_NOOP("LabWindow", "Current"), 6960, 3840,
     600, 315},
    {Kind::Edit, Font::Small, "ii", "", 7560, 3840, 1935, 315},
    {Kind::Label, Font::StripLabel, "clabel", "q0", 6960, 4560, 360, 330},
    {Kind::Edit, Font::Box, "q0", "", 7320, 4560, 735, 330,
     QT_TRANSLATE_NOOP("LabWindow", "Initial charge in Coulombs")},
    {Kind::Label, Font::StripLabel, "ilabel", "i0", 8280, 4560, 240, 330},
    {Kind::Edit, Font::Box, "i0", "", 8520, 4560, 735, 330,
     QT_TRANSLATE_NOOP("LabWindow", "Initial current in amperes")},
    {Kind::Edit, Font::Box, "w0", "", 6600, 5640, 855, 360},
    {Kind::Label, Font::Small, "Label13", QT_TRANSLATE_NOOP("LabWindow", "Currents"), 240, 5160,
     1695, 240, nullptr, Start::Hidden},
    {Kind::Check, Font::Small, "CR", QT_TRANSLATE_NOOP("LabWindow", "Resistor Current vs Time"),
     240, 5280, 2295, 300, nullptr, Start::Hidden},
    {Kind::Check, Font::Small, "CC", QT_TRANSLATE_NOOP("LabWindow", "Capacitor Current vs Time"),
     2640, 5280, 2295, 300, nullptr, Start::Hidden},
    {Kind::Check, Font::Small, "LC", QT_TRANSLATE_NOOP("LabWindow", "Inductor Current vs Time"),
     5040, 5280, 2295, 300, nullptr, Start::Hidden},
    {Kind::Strip, Font::Small, "Picture2", "", kStripTwips.x(), kStripTwips.y(),
     kStripTwips.width(), kStripTwips.height()},
    {Kind::Radio, Font::Small, "NoV", QT_TRANSLATE_NOOP("LabWindow", "None"), 2040, 5640, 720, 360,
     nullptr, Start::Hidden},
    {Kind::Radio, Font::Small, "DC", QT_TRANSLATE_NOOP("LabWindow", "D.C."), 2760, 5640, 600, 360,
     nullptr, Start::Hidden},
    {Kind::Radio, Font::Small, "AC", QT_TRANSLATE_NOOP("LabWindow", "A.C."), 3360, 5640, 600, 360,
     nullptr, Start::Hidden},
    {Kind::Edit, Font::Box, "R", "", 2520, 5160, 855, 360},
    {Kind::Edit, Font::Box, "C", "", 4320, 5160, 855, 360},
    {Kind::Edit, Font::Box, "L", "", 6240, 5160, 855, 360},
    {Kind::Edit, Font::Box, "VSource", "", 2040, 5640, 1935, 360,
     QT_TRANSLATE_NOOP("LabWindow", "This is the current type of voltage")},
    {Kind::Edit, Font::Box, "v0", "", 5280, 5640, 855, 360},
    {Kind::Edit, Font::Box, "f0", "", 7920, 5640, 975, 360,
     QT_TRANSLATE_NOOP("LabWindow", "This is the driving frequency")},
};

// The parameter strip's own labels and button, in twips within the strip.
constexpr ControlEntry kStripControls[] = {
    {Kind::Label, Font::Heading, "Label19", QT_TRANSLATE_NOOP("LabWindow", "Parameters"), 0, 120,
     1935, 360},
    {Kind::Label, Font::StripLabel, "LabelR", "R =", 2040, 120, 360, 360},
    {Kind::Label, Font::StripLabel, "unitR", " \u03A9", 3240, 120, 480, 360},
    {Kind::Label, Font::StripLabel, "LabelC", "C =", 3840, 120, 360, 360},
    {Kind::Label, Font::StripLabel, "unitC", "F", 5040, 120, 240, 360},
    {Kind::Label, Font::StripLabel, "mu", " \u00B5", 5280, 120, 360, 360},
    {Kind::Label, Font::StripLabel, "LabelL", "L =", 5760, 120, 360, 360},
    {Kind::Label, Font::StripLabel, "unitL", " H", 6960, 120, 480, 360},
    {Kind::Label, Font::Heading, "Label14", QT_TRANSLATE_NOOP("LabWindow", "Voltage Source"), 0,
     600, 1920, 360},
    {Kind::Label, Font::StripLabel, "Amp", QT_TRANSLATE_NOOP("LabWindow", "Amplitude "), 4080, 600,
     1080, 360},
    {Kind::Label, Font::StripLabel, "amplabel", " V", 6000, 600, 480, 360},
    {Kind::Label, Font::StripLabel, "freq", QT_TRANSLATE_NOOP("LabWindow", "Frequency "), 6720, 600,
     1080, 360},
    {Kind::Label, Font::StripLabel, "unitw", " Hz", 8760, 600, 480, 360},
    {Kind::Button, Font::Small, "SetNatf",
     QT_TRANSLATE_NOOP("LabWindow", "Set f to Natural Frequency"), 7680, 0, 1575, 360, nullptr,
     Start::Hidden},
};

constexpr LabMenuEntry kMenuEntries[] = {
    {"ClGraphs", QT_TRANSLATE_NOOP("LabWindow", "Clear Graphs"),
     (Qt::CTRL | Qt::Key_L).toCombined()},
    {"GScale", QT_TRANSLATE_NOOP("LabWindow", "Graph Scale"), (Qt::CTRL | Qt::Key_G).toCombined()},
    {"Blank1", " ", 0},
    {"Blank2", "", 0},
    {"blank3", "", 0},
    {"PlGraphs", QT_TRANSLATE_NOOP("LabWindow", "Plot Graphs"), Qt::Key_F5},
    {"blank4", "", 0},
    {"blank5", "", 0},
    {"blank6", "", 0},
    {"close", QT_TRANSLATE_NOOP("LabWindow", "Close"), (Qt::CTRL | Qt::Key_W).toCombined()},
};

constexpr LabMenuEntry kExportEntries[] = {
    {"SaveGraph", QT_TRANSLATE_NOOP("LabWindow", "Save Graph..."),
     (Qt::CTRL | Qt::Key_S).toCombined()},
    {"CopyGraph", QT_TRANSLATE_NOOP("LabWindow", "Copy Graph"),
     (Qt::CTRL | Qt::SHIFT | Qt::Key_C).toCombined()},
    {"SaveData", QT_TRANSLATE_NOOP("LabWindow", "Save Data as CSV..."),
     (Qt::CTRL | Qt::SHIFT | Qt::Key_S).toCombined()},
    {"ExportCursor", QT_TRANSLATE_NOOP("LabWindow", "Include Cursor in Pictures"), 0},
};

// The Tab order, in reading order: the graph, the column beside it from top to bottom, then
// the rows of the parameter strip from left to right; and the names screen readers hear
// (none: the caption).
constexpr std::pair<const char *, const char *> kKeyboardOrder[] = {
    {"Picture1", QT_TRANSLATE_NOOP("LabWindow", "Graph against time")},
    {"Charge", QT_TRANSLATE_NOOP("LabWindow", "Plot charge against time")},
    {"Current", QT_TRANSLATE_NOOP("LabWindow", "Plot current against time")},
    {"Voltage", QT_TRANSLATE_NOOP("LabWindow", "Plot source voltage against time")},
    {"Time", QT_TRANSLATE_NOOP("LabWindow", "Read-out time in seconds")},
    {"qq", QT_TRANSLATE_NOOP("LabWindow", "Read-out charge in coulombs")},
    {"ii", QT_TRANSLATE_NOOP("LabWindow", "Read-out current in amperes")},
    {"q0", QT_TRANSLATE_NOOP("LabWindow", "Initial charge q0 in coulombs")},
    {"i0", QT_TRANSLATE_NOOP("LabWindow", "Initial current i0 in amperes")},
    {"R", QT_TRANSLATE_NOOP("LabWindow", "Resistance R in ohms")},
    {"C", QT_TRANSLATE_NOOP("LabWindow", "Capacitance C in farads")},
    {"L", QT_TRANSLATE_NOOP("LabWindow", "Inductance L in henries")},
    {"SetNatf", nullptr},
    {"VSource", QT_TRANSLATE_NOOP("LabWindow", "Source kind")},
    {"v0", QT_TRANSLATE_NOOP("LabWindow", "Source voltage or amplitude v0 in volts")},
    {"f0", QT_TRANSLATE_NOOP("LabWindow", "Source frequency f0 in hertz")},
};
constexpr std::pair<const char *, const char *> kOtherAccessibleNames[] = {
    {"w0", QT_TRANSLATE_NOOP("LabWindow", "Angular frequency w0 in radians per second")},
};
// Controls under the parameter strip or the VSource box would take the focus out of sight.
constexpr const char *kNoFocus[] = {"w0", "NoV", "DC", "AC"};

constexpr const char *kFieldNames[kFieldCount] = {"R",  "L",  "C",       "v0",   "f0", "w0",
                                                  "q0", "i0", "VSource", "Time", "qq", "ii"};

constexpr const char *kResistance[] = {"LabelR", "unitR", "R"};
constexpr const char *kCapacitance[] = {"LabelC", "unitC", "C"};
constexpr const char *kInductance[] = {"LabelL", "unitL", "L"};
constexpr const char *kAmplitude[] = {"v0", "Amp", "amplabel"};
constexpr const char *kFrequency[] = {"freq", "f0", "unitw"};
constexpr const char *kInitialCharge[] = {"clabel", "q0"};
constexpr const char *kInitialCurrent[] = {"ilabel", "i0"};
constexpr const char *kChargeReadout[] = {"qq", "Labelcc"};
constexpr const char *kChargeGraph[] = {"Charge"};
constexpr const char *kCurrentGraph[] = {"Current"};
constexpr const char *kSourceGraph[] = {"Voltage"};
constexpr const char *kAlwaysHidden[] = {"mu", "RVolts", "CVolts", "LVolts", "CR", "CC", "LC"};

QString translated(const char *text)
{
    return QCoreApplication::translate("LabWindow", text);
}

QFont fontOf(Font font)
{
    switch (font) {
    case Font::Small:
        return display::arial(8.25);
    case Font::Box:
        return display::arial(9.75);
    case Font::StripLabel:
        return display::arial(9.75, true);
    case Font::Heading:
        return display::arial(12, true);
    case Font::Title:
        return display::arial(14.25, true);
    }
    return display::arial(8.25);
}

QWidget *create(const ControlEntry &entry, QWidget *parent)
{
    const QString caption = translated(entry.caption);
    switch (entry.kind) {
    case Kind::Label: {
        auto *label = new QLabel(caption, parent);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        return label;
    }
    case Kind::Edit:
        return new QLineEdit(parent);
    case Kind::Check:
        return new QCheckBox(caption, parent);
    case Kind::Radio:
        return new QRadioButton(caption, parent);
    case Kind::Button:
        return new QPushButton(caption, parent);
    case Kind::Picture:
    case Kind::Strip: {
        auto *picture = new display::PictureArea(parent);
        picture->setBackground(kPictureBackground);
        return picture;
    }
    }
    return nullptr;
}

void placeAll(std::span<const ControlEntry> entries, QWidget *parent, display::TwipLayout *layout,
              QWidget **strip)
{
    for (const ControlEntry &entry : entries) {
        QWidget *widget = create(entry, parent);
        widget->setObjectName(entry.name);
        widget->setFont(fontOf(entry.font));
        if (entry.toolTip)
            widget->setToolTip(translated(entry.toolTip));
        layout->place(widget, entry.left, entry.top, entry.width, entry.height);
        if (entry.start == Start::Hidden)
            widget->hide();
        if (entry.kind == Kind::Strip && strip)
            *strip = widget;
    }
}

QLabel *addStatusLabel(QStatusBar *bar, const char *name)
{
    auto *label = new QLabel(bar);
    label->setObjectName(name);
    return label;
}

void buildStatusBar(QMainWindow *window, LabControls &controls)
{
    auto *bar = new QStatusBar(window);
    bar->setObjectName("statusBar");
    window->setStatusBar(bar);
    // The regime text takes the room left; the pointer and scale texts keep their own width
    // and the window elides the regime text (with the whole of it in the tool tip).
    controls.regimeStatus = addStatusLabel(bar, "regimeStatus");
    controls.regimeStatus->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    controls.regimeStatus->setMinimumWidth(1);
    bar->addWidget(controls.regimeStatus, 1);
    controls.pointerStatus = addStatusLabel(bar, "pointerStatus");
    controls.pointerStatus->setContentsMargins(0, 0, 12, 0); // apart from the scale beside it
    bar->addPermanentWidget(controls.pointerStatus);
    controls.pointerStatus->hide();
    controls.scaleStatus = addStatusLabel(bar, "scaleStatus");
    bar->addPermanentWidget(controls.scaleStatus);
}

} // namespace

std::span<const LabMenuEntry> labMenuEntries()
{
    return kMenuEntries;
}

std::span<const LabMenuEntry> labExportEntries()
{
    return kExportEntries;
}

std::span<const std::pair<const char *, const char *>> labKeyboardOrder()
{
    return kKeyboardOrder;
}

bool isSpacer(const LabMenuEntry &entry)
{
    return QString::fromUtf8(entry.caption).trimmed().isEmpty();
}

LabControls buildLabControls(QMainWindow *window)
{
    auto *client = new QWidget(window);
    client->setObjectName("rcClient");
    window->setCentralWidget(client);
    LabControls controls;
    controls.clientLayout = new display::TwipLayout(client, kDesignTwips);
    QWidget *strip = nullptr;
    placeAll(kClientControls, client, controls.clientLayout, &strip);
    controls.stripLayout = new display::TwipLayout(strip, kStripTwips.size());
    placeAll(kStripControls, strip, controls.stripLayout, nullptr);
    controls.graph = client->findChild<display::PictureArea *>("Picture1");
    for (std::size_t n = 0; n < kFieldCount; ++n)
        controls.boxes[n] = client->findChild<QLineEdit *>(kFieldNames[n]);
    controls.charge = client->findChild<QCheckBox *>("Charge");
    controls.current = client->findChild<QCheckBox *>("Current");
    controls.voltage = client->findChild<QCheckBox *>("Voltage");
    controls.naturalFrequency = strip->findChild<QPushButton *>("SetNatf");
    buildStatusBar(window, controls);
    return controls;
}

void setLabKeyboardOrder(QMainWindow *window)
{
    QWidget *previous = nullptr;
    for (const auto &[name, accessible] : kKeyboardOrder) {
        auto *widget = window->findChild<QWidget *>(name);
        if (accessible)
            widget->setAccessibleName(translated(accessible));
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
    for (const auto &[name, accessible] : kOtherAccessibleNames)
        window->findChild<QWidget *>(name)->setAccessibleName(translated(accessible));
    for (const char *name : kNoFocus)
        window->findChild<QWidget *>(name)->setFocusPolicy(Qt::NoFocus);
}

std::span<const char *const> groupMembers(ControlGroup group)
{
    switch (group) {
    case ControlGroup::Resistance:
        return kResistance;
    case ControlGroup::Capacitance:
        return kCapacitance;
    case ControlGroup::Inductance:
        return kInductance;
    case ControlGroup::Amplitude:
        return kAmplitude;
    case ControlGroup::Frequency:
        return kFrequency;
    case ControlGroup::InitialCharge:
        return kInitialCharge;
    case ControlGroup::InitialCurrent:
        return kInitialCurrent;
    case ControlGroup::ChargeReadout:
        return kChargeReadout;
    case ControlGroup::ChargeGraph:
        return kChargeGraph;
    case ControlGroup::CurrentGraph:
        return kCurrentGraph;
    case ControlGroup::SourceGraph:
        return kSourceGraph;
    }
    return {};
}

std::span<const char *const> alwaysHidden()
{
    return kAlwaysHidden;
}

} // namespace kel::lab
