// SPDX-License-Identifier: GPL-3.0-or-later
// The phasor and resonance windows as a screen reader and a keyboard reach them, through
// Qt's accessibility interfaces (no bus needed).
#include "display/picturearea.h"
#include "phasor/core/phasorscene.h"
#include "phasor/phasordescription.h"
#include "phasor/phasorswindow.h"
#include "resonance/resonancewindow.h"
#include "support/accessibletree.h"
#include "support/qtprinters.h"
#include "support/scripteddialogs.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMainWindow>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace kel::phasor
{
namespace
{

using resonance::ResonanceWindow;

const ParameterTexts kInitial{"1000", "0.00005", "10.0", "500", "10.0", "5"};

QString accessibleName(QObject *object)
{
    QAccessibleInterface *node = QAccessible::queryAccessibleInterface(object);
    return node ? node->text(QAccessible::Name) : QString();
}

QString accessibleDescription(QObject *object)
{
    QAccessibleInterface *node = QAccessible::queryAccessibleInterface(object);
    return node ? node->text(QAccessible::Description) : QString();
}

class PhasorsAccessTest : public ::testing::Test
{
public:
    PhasorsAccessTest() : window(dialogs) {}

    template <class W = QWidget> W *child(const char *name)
    {
        auto *w = window.findChild<W *>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    void showActive()
    {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    testing::ScriptedDialogs dialogs;
    PhasorsWindow window;
};

TEST_F(PhasorsAccessTest, EveryFocusableObjectAndMenuItemHasAName)
{
    showActive();
    EXPECT_EQ(testing::unnamedFocusables(&window), QStringList());
    EXPECT_EQ(testing::unnamedMenuItems(&window), QStringList());

    child<QAction>("Resonance")->trigger();
    auto *resonance = window.findChild<ResonanceWindow *>("ResonanceCurve");
    ASSERT_NE(resonance, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(resonance));
    EXPECT_EQ(testing::unnamedFocusables(resonance), QStringList());
    EXPECT_EQ(testing::unnamedMenuItems(resonance), QStringList());
    // The walk sees the menu items at all.
    std::size_t items = 0;
    for (const auto &o : testing::accessibleObjects(resonance))
        items += o.role == QAccessible::MenuItem;
    EXPECT_GE(items, 4U);
}

// Left and Right on the focused resonance picture move the source; its description says where
// the source now stands before the figures of the circuit.
TEST_F(PhasorsAccessTest, ResonancePictureDescribesTheSourceAndTheFigures)
{
    showActive();
    child<QAction>("Resonance")->trigger();
    auto *resonance = window.findChild<ResonanceWindow *>("ResonanceCurve");
    ASSERT_NE(resonance, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(resonance));
    const QString before = accessibleDescription(resonance->picture());
    EXPECT_TRUE(before.startsWith("Source f = 10 Hz")) << before.toStdString();
    EXPECT_TRUE(before.contains(QString::fromUtf8("Quality factor Q = \u03c9\u2080L/R = ")));
    QTest::keyClick(resonance->picture(), Qt::Key_Right, Qt::ShiftModifier);
    const QString after = accessibleDescription(resonance->picture());
    EXPECT_NE(child<QLineEdit>("f0")->text(), "10.0");
    EXPECT_TRUE(after.startsWith("Source f = " + child<QLineEdit>("f0")->text() + " Hz"))
        << after.toStdString();
}

TEST_F(PhasorsAccessTest, StatusValuesAreReadAsTheLabelsNames)
{
    auto *circuit = child<QLabel>("statusCircuit");
    EXPECT_EQ(accessibleName(circuit),
              QString::fromUtf8(
                  "\u03C9 = 62.83 rad/s, Z = 1047 \u03A9, \u03C6 = 17.22\u00B0, I0 = 0.4776 A"));
    EXPECT_TRUE(accessibleDescription(circuit).isEmpty());
    child<QLineEdit>("R")->setText("2000");
    EXPECT_EQ(accessibleName(circuit), circuit->text());
    EXPECT_TRUE(accessibleName(circuit).contains("Z = 2024"))
        << accessibleName(circuit).toStdString();
    auto *animation = child<QLabel>("statusAnimation");
    child<QAction>("PlayPause")->trigger();
    EXPECT_EQ(accessibleName(animation), QString::fromUtf8("Playing at 1×"));
    child<QAction>("PlayPause")->trigger();
    EXPECT_EQ(accessibleName(animation), animation->text());
}

TEST_F(PhasorsAccessTest, DrawingsDescribeWhatTheyShow)
{
    auto *diagram = child<display::PictureArea>("Picture3");
    auto *plot = child<display::PictureArea>("Picture1");
    child<QScrollBar>("TimeSc")->setValue(40);
    const QString phasors = accessibleDescription(diagram);
    EXPECT_EQ(phasors, QString::fromUtf8("Phasors at t = 0.1 s: VR 477.6 V at -17.2\u00B0, VC "
                                         "152 V at -107.2\u00B0, VL 300.1 V at 72.8\u00B0, "
                                         "V total 500 V at 0\u00B0."));
    EXPECT_EQ(accessibleDescription(plot),
              "Voltage against time from 0 to 0.5 s, -500 to 500 V: VR in blue, VC in green, VL in "
              "red, V total in black. Marker at t2 = 0.1 s.");
    // Unticking a curve takes it out of the description at the next redraw.
    child<QCheckBox>("CheckVC")->setChecked(false);
    child<QScrollBar>("TimeSc")->setValue(41);
    EXPECT_FALSE(accessibleDescription(plot).contains("VC"))
        << accessibleDescription(plot).toStdString();
    EXPECT_TRUE(accessibleDescription(plot).contains("t2 = 0.1025 s"));
    EXPECT_TRUE(accessibleDescription(diagram).contains("VC")) << "the diagram draws all four";
    child<QAction>("ClrGraphs")->trigger();
    EXPECT_EQ(accessibleDescription(plot), "Voltage against time: empty. Choose Plot to draw.");
    EXPECT_EQ(accessibleDescription(diagram), "Phasor diagram: empty. Choose Plot to draw.");
}

TEST_F(PhasorsAccessTest, ColourKeyIsNamedInTextBesideEachColour)
{
    showActive();
    const char *names[] = {"VR", "VC", "VL", "V total"};
    const char *colours[] = {"blue", "green", "red", "black"};
    for (int i = 0; i < 4; ++i) {
        const QByteArray line = "Line" + QByteArray::number(i + 1);
        auto *label = child<QLabel>("LineName" + QByteArray::number(i + 1));
        auto *key = child<QFrame>(line.constData());
        ASSERT_TRUE(label && key);
        EXPECT_EQ(label->text(), names[i]);
        EXPECT_TRUE(label->isVisible());
        // Beside its line: on the same row, just left of it, and not covering it.
        EXPECT_LT(label->geometry().left(), key->geometry().left());
        EXPECT_FALSE(label->geometry().intersects(key->geometry()));
        EXPECT_TRUE(
            label->geometry().contains(label->geometry().left(), key->geometry().center().y()));
        EXPECT_EQ(accessibleName(key),
                  QStringLiteral("%1 is drawn in %2").arg(names[i], colours[i]));
        // The whole name fits.
        EXPECT_LE(label->sizeHint().width(), label->width()) << names[i];
    }
}

TEST_F(PhasorsAccessTest, UnchangedReadOutsAreNotWrittenAgain)
{
    std::vector<std::unique_ptr<QSignalSpy>> amplitudes;
    for (const char *name : {"VRmax", "VCmax", "VLmax"})
        amplitudes.push_back(
            std::make_unique<QSignalSpy>(child<QLineEdit>(name), &QLineEdit::textChanged));
    QSignalSpy value(child<QLineEdit>("vrt"), &QLineEdit::textChanged);
    QSignalSpy source(child<QLineEdit>("v0t"), &QLineEdit::textChanged);
    for (int step = 10; step <= 200; step += 10)
        child<QScrollBar>("TimeSc")->setValue(step);
    for (const auto &spy : amplitudes)
        EXPECT_EQ(spy->count(), 0);
    EXPECT_EQ(value.count(), 20);
    child<QAction>("plot")->trigger(); // the same time again: nothing new to say
    EXPECT_EQ(value.count(), 20);
    child<QLineEdit>("R")->setText("2000");
    child<QAction>("plot")->trigger();
    EXPECT_EQ(amplitudes[0]->count(), 1);
    EXPECT_EQ(child<QLineEdit>("VRmax")->cursorPosition(), 0);
}

// What the window shows after a step, to compare a key with a click.
struct Shown {
    int bar = 0;
    QString t2;
    QStringList values;
    std::size_t plotOps = 0;
    bool operator==(const Shown &) const = default;
};

Shown shownBy(PhasorsWindow &w)
{
    Shown s{w.findChild<QScrollBar *>("TimeSc")->value(),
            w.findChild<QLineEdit *>("t2")->text(),
            {},
            w.plotArea()->operations().size()};
    for (const char *name : {"vrt", "vct", "vlt", "v0t", "VRmax"})
        s.values << w.findChild<QLineEdit *>(name)->text();
    return s;
}

// Each key moves the time exactly as a click at the time the cursor moved to: the same bar,
// time text, read-outs and drawing, through the same redraw.
TEST_F(PhasorsAccessTest, CursorKeysRedrawAsAClickAtTheCursor)
{
    showActive();
    auto *plot = child<display::PictureArea>("Picture1");
    child<QScrollBar>("TimeSc")->setValue(40);
    EXPECT_FALSE(plot->cursorX()) << "no cursor without the focus";
    child<QLineEdit>("NumPer")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), plot);
    ASSERT_TRUE(plot->cursorX());
    EXPECT_FLOAT_EQ(*plot->cursorX(), 0.1f) << "on the marker";

    struct Key {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int bar;
    };
    const Key keys[] = {{Qt::Key_Right, Qt::NoModifier, 41}, {Qt::Key_Right, Qt::ShiftModifier, 51},
                        {Qt::Key_Left, Qt::NoModifier, 50},  {Qt::Key_PageUp, Qt::NoModifier, 60},
                        {Qt::Key_End, Qt::NoModifier, 200},  {Qt::Key_Right, Qt::NoModifier, 200},
                        {Qt::Key_Home, Qt::NoModifier, 0}};
    QSignalSpy moves(plot, &display::PictureArea::cursorMoved);
    PhasorsWindow clicked(dialogs);
    clicked.findChild<QScrollBar *>("TimeSc")->setValue(40);
    for (const Key &k : keys) {
        QTest::keyClick(plot, k.key, k.modifiers);
        ASSERT_FALSE(moves.isEmpty());
        const float x = moves.takeLast().at(0).toFloat();
        emit clicked.plotArea()->mouseUp(1, 0, x, 0);
        EXPECT_EQ(shownBy(window).bar, k.bar) << k.key;
        EXPECT_TRUE(shownBy(window) == shownBy(clicked)) << k.key;
        EXPECT_FLOAT_EQ(*plot->cursorX(), QLocale::c().toFloat(child<QLineEdit>("t2")->text()));
    }
    // After Clear Graphs there is no marker: the first key puts the cursor in the middle of
    // the empty frame, which a click reads as a time.
    child<QAction>("ClrGraphs")->trigger();
    clicked.findChild<QAction *>("ClrGraphs")->trigger();
    EXPECT_FALSE(plot->cursorX());
    QTest::keyClick(plot, Qt::Key_Right);
    emit clicked.plotArea()->mouseUp(1, 0, moves.takeLast().at(0).toFloat(), 0);
    EXPECT_EQ(shownBy(window).bar, 100);
    EXPECT_TRUE(shownBy(window) == shownBy(clicked));
    // The cursor is the keyboard's: it goes with the focus.
    child<QLineEdit>("R")->setFocus();
    EXPECT_FALSE(plot->cursorX());
}

TEST(PhasorDescription, AnglesStayWithinAHalfTurnAndNothingShownIsSaid)
{
    const Solution s = *solveAmplitudes(kInitial).solution;
    const PhasorScene none(s, {false, false, false, false});
    EXPECT_EQ(timePlotDescription(none, std::nullopt),
              "Voltage against time from 0 to 0.5 s, -500 to 500 V: no voltage shown.");
    // Half a period on, every phasor has turned by 180 degrees and is named in (-180, 180].
    const QString later = phasorDiagramDescription(none, 0.05);
    EXPECT_TRUE(later.contains(QString::fromUtf8("VR 477.6 V at 162.8\u00B0")))
        << later.toStdString();
    EXPECT_TRUE(later.contains(QString::fromUtf8("VC 152 V at 72.8\u00B0")));
    EXPECT_TRUE(later.contains(QString::fromUtf8("VL 300.1 V at -107.2\u00B0")));
    EXPECT_TRUE(later.contains(QString::fromUtf8("V total 500 V at 180\u00B0")));
}

} // namespace
} // namespace kel::phasor
