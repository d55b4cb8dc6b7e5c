// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/picturearea.h"
#include "display/qbcolor.h"
#include "phasor/animationclock.h"
#include "phasor/core/phasormath.h"
#include "phasor/phasorswindow.h"
#include "solutions/numbertext.h"
#include "support/scripteddialogs.h"

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <memory>
#include <vector>

namespace kel::phasor
{
namespace
{

using display::DrawOp;

const ParameterTexts kInitial{"1000", "0.00005", "10.0", "500", "10.0", "5"};
const char *const kValueBoxes[] = {"vrt", "vct", "vlt", "v0t"};
const char *const kChecks[] = {"Checkvr", "CheckVC", "CheckVL", "CheckVM"};

std::vector<DrawOp> ofKind(const std::vector<DrawOp> &ops, DrawOp::Kind kind)
{
    std::vector<DrawOp> out;
    for (const DrawOp &op : ops)
        if (op.kind == kind)
            out.push_back(op);
    return out;
}

std::vector<DrawOp> linesIn(const std::vector<DrawOp> &ops, const QColor &colour)
{
    std::vector<DrawOp> out;
    for (const DrawOp &op : ofKind(ops, DrawOp::Kind::Line))
        if (!op.foreground && op.colour == colour.rgb())
            out.push_back(op);
    return out;
}

// The first and the last of a list the test expects to hold something: a failure, not a
// crash, when it is empty.
DrawOp firstOf(const std::vector<DrawOp> &ops)
{
    if (ops.empty()) {
        ADD_FAILURE() << "no such operation";
        return {};
    }
    return ops.front();
}

DrawOp lastOf(const std::vector<DrawOp> &ops)
{
    if (ops.empty()) {
        ADD_FAILURE() << "no such operation";
        return {};
    }
    return ops.back();
}

// A clock that moves only when the test says so.
class ManualClock final : public AnimationClock
{
public:
    std::chrono::nanoseconds now() const override { return m_now; }
    void advance(std::chrono::nanoseconds by) { m_now += by; }

private:
    std::chrono::nanoseconds m_now{1'000'000'000};
};

class PhasorsTest : public ::testing::Test
{
public:
    PhasorsWindow &window()
    {
        if (!m_window)
            m_window = std::make_unique<PhasorsWindow>(m_dialogs, m_clock);
        return *m_window;
    }
    void recreate() { m_window.reset(); }
    template <class W = QWidget> W *child(const char *name)
    {
        auto *w = window().findChild<W *>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QString text(const char *name) { return child<QLineEdit>(name)->text(); }
    void setText(const char *name, const QString &t) { child<QLineEdit>(name)->setText(t); }
    QScrollBar *bar() { return child<QScrollBar>("TimeSc"); }
    void command(const char *name) { child<QAction>(name)->trigger(); }
    const std::vector<DrawOp> &diagram() { return window().diagramArea()->operations(); }
    const std::vector<DrawOp> &plot() { return window().plotArea()->operations(); }
    std::vector<DrawOp> markers() { return linesIn(plot(), display::QBColor(3)); }

    Solution solution(const ParameterTexts &texts = kInitial)
    {
        return *solveAmplitudes(texts).solution;
    }

    // Every text of the window and both drawings, to check that nothing changed.
    struct Snapshot {
        std::map<QString, QString> texts;
        std::vector<DrawOp> diagram, plot;
    };
    static Snapshot snapshotOf(PhasorsWindow &w)
    {
        Snapshot s;
        for (QLineEdit *e : w.findChildren<QLineEdit *>())
            s.texts[e->objectName()] = e->text();
        s.diagram = w.diagramArea()->operations();
        s.plot = w.plotArea()->operations();
        return s;
    }
    Snapshot snapshot() { return snapshotOf(window()); }
    static bool sameOps(const std::vector<DrawOp> &a, const std::vector<DrawOp> &b)
    {
        if (a.size() != b.size())
            return false;
        for (std::size_t i = 0; i < a.size(); ++i)
            if (a[i].kind != b[i].kind || a[i].x1 != b[i].x1 || a[i].y1 != b[i].y1 ||
                a[i].x2 != b[i].x2 || a[i].y2 != b[i].y2 || a[i].colour != b[i].colour)
                return false;
        return true;
    }

    testing::ScriptedDialogs m_dialogs;
    ManualClock m_clock;
    std::unique_ptr<PhasorsWindow> m_window;
};

TEST_F(PhasorsTest, ControlsCaptionsAndMenuAsLoaded)
{
    EXPECT_EQ(window().objectName(), "Phasors");
    EXPECT_EQ(window().windowTitle(), "Phasor Plots");
    const std::map<const char *, const char *> texts{{"R", "1000"},
                                                     {"C", "0.00005"},
                                                     {"L", "10.0"},
                                                     {"v0", "500"},
                                                     {"f0", "10.0"},
                                                     {"NumPer", "5"},
                                                     {"t2", "0"},
                                                     {"VRmax", "477.577491906523"},
                                                     {"VCmax", "152.017632862429"},
                                                     {"VLmax", "300.070796368905"},
                                                     {"v0t", "0"}};
    for (const auto &[name, t] : texts)
        EXPECT_EQ(text(name), t) << name;
    EXPECT_NEAR(text("vrt").toDouble(), -141.414, 1e-3);
    EXPECT_NEAR(text("vct").toDouble(), -145.200, 1e-3);
    EXPECT_NEAR(text("vlt").toDouble(), 286.614, 1e-3);

    const std::map<const char *, QString> labels{{"LabelR", "R ="},
                                                 {"unitR", QString::fromUtf8(" \u03A9")},
                                                 {"LabelC", "C ="},
                                                 {"unitC", "F"},
                                                 {"LabelL", "L ="},
                                                 {"unitL", " H"},
                                                 {"Amp", "Vmax ="},
                                                 {"amplabel", " V"},
                                                 {"freq", "f ="},
                                                 {"unitw", " Hz"},
                                                 {"Label1", "Number of Cycles"},
                                                 {"Label6", "Time"},
                                                 {"Label3", "Time Bar"},
                                                 {"Label2", "Graphs Shown"},
                                                 {"Label7", "Vmax"},
                                                 {"Label8", "v(t)"},
                                                 {"Label5", "Phasors"},
                                                 {"Label4", "Voltage vs. Time"}};
    for (const auto &[name, caption] : labels)
        EXPECT_EQ(child<QLabel>(name)->text(), caption) << name;
    for (const char *name : kChecks) {
        EXPECT_TRUE(child<QCheckBox>(name)->isChecked()) << name;
        EXPECT_EQ(child<QCheckBox>(name)->toolTip(), "Toggle to set display of this voltage");
    }
    EXPECT_EQ(child<QCheckBox>("CheckVM")->text(), "Total Voltage across LCR ");
    EXPECT_EQ(child<QLineEdit>("NumPer")->toolTip(),
              "Number of cycles shown on Voltage vs time plots");
    EXPECT_EQ(child("Picture1")->toolTip(), "Click to Replot at this time");
    EXPECT_EQ(child<QPushButton>("Projection")->text(), "Phasor Projections");
    for (const char *line : {"Line1", "Line2", "Line3", "Line4"})
        EXPECT_NE(child<QFrame>(line), nullptr);
    EXPECT_EQ(child<QFrame>("Line2")->palette().color(QPalette::Window), QColor(0, 192, 0));

    EXPECT_EQ(bar()->minimum(), 0);
    EXPECT_EQ(bar()->maximum(), 200);
    EXPECT_EQ(bar()->singleStep(), 10);
    EXPECT_EQ(bar()->pageStep(), 20);
    EXPECT_EQ(bar()->value(), 0);

    QStringList menu;
    for (QAction *a : window().menuBar()->actions())
        menu << a->objectName() + "=" + a->text();
    EXPECT_EQ(menu.mid(0, 3), QStringList({"plot=Plot", "ClrGraphs=Clear Graphs", "close=Close"}));
    EXPECT_TRUE(m_dialogs.calls().empty());
}

TEST_F(PhasorsTest, LoadDrawsDiagramAndCurvesWithoutMarker)
{
    const auto scales = ofKind(diagram(), DrawOp::Kind::Scale);
    ASSERT_FALSE(scales.empty());
    EXPECT_EQ(scales.back().x1, -500);
    EXPECT_EQ(scales.back().y1, 500);
    EXPECT_EQ(scales.back().x2, 500);
    EXPECT_EQ(scales.back().y2, -500);

    const auto points = ofKind(diagram(), DrawOp::Kind::Point);
    ASSERT_EQ(points.size(), 100u);
    for (const DrawOp &p : points)
        EXPECT_EQ(p.colour, display::QBColor(4).rgb());

    // The four phasors, in order and colour, from the origin to the tips.
    const auto phasors = ofKind(diagram(), DrawOp::Kind::Line);
    ASSERT_EQ(phasors.size(), 4u);
    const double tips[4][2] = {
        {456.161, -141.414}, {-45.013, -145.200}, {88.853, 286.614}, {500, 0}};
    const int colours[4] = {1, 2, 4, 0};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(phasors[i].x1, 0);
        EXPECT_EQ(phasors[i].y1, 0);
        EXPECT_NEAR(phasors[i].x2, tips[i][0], 1e-3) << i;
        EXPECT_NEAR(phasors[i].y2, tips[i][1], 1e-3) << i;
        EXPECT_EQ(phasors[i].colour, display::QBColor(colours[i]).rgb()) << i;
        EXPECT_EQ(phasors[i].y2, static_cast<float>(text(kValueBoxes[i]).toDouble())) << i;
    }

    // The frame in frame units, then the time system with four curves of 201 points.
    const auto frame = ofKind(plot(), DrawOp::Kind::Line);
    std::size_t foreground = 0;
    for (const DrawOp &op : frame)
        foreground += op.foreground;
    EXPECT_EQ(foreground, 126u);
    const auto plotScales = ofKind(plot(), DrawOp::Kind::Scale);
    ASSERT_GE(plotScales.size(), 2u);
    EXPECT_EQ(plotScales[plotScales.size() - 2].x2, 100);
    EXPECT_EQ(plotScales.back().x1, 0);
    EXPECT_EQ(plotScales.back().x2, 0.5f);
    EXPECT_EQ(plotScales.back().y1, 500);
    EXPECT_EQ(plotScales.back().y2, -500);
    EXPECT_EQ(ofKind(plot(), DrawOp::Kind::Point).size(), 4u);
    EXPECT_EQ(frame.size() - foreground, 4u * 200);
    EXPECT_TRUE(markers().empty());
}

TEST_F(PhasorsTest, BarAtFortyRedrawsAtATenthOfASecond)
{
    window();
    bar()->setValue(40);
    EXPECT_EQ(bar()->value(), 40);
    EXPECT_EQ(text("t2"), "0.1");
    ASSERT_EQ(markers().size(), 1u);
    const DrawOp marker = firstOf(markers());
    EXPECT_EQ(marker.x1, 0.1f);
    EXPECT_EQ(marker.x2, 0.1f);
    EXPECT_EQ(marker.y1, -500);
    EXPECT_EQ(marker.y2, 500);
    const auto t = window().plotArea()->transform();
    EXPECT_NEAR(t.toPixelX(0.1) / t.width, 0.2, 1e-9);

    const Solution s = solution();
    for (Voltage v : kVoltages)
        EXPECT_EQ(text(kValueBoxes[static_cast<int>(v)]),
                  QString::fromStdString(solutions::toText(phasorTip(s, v, 0.1).y)));
    // One redraw: one frame, one diagram.
    EXPECT_EQ(ofKind(diagram(), DrawOp::Kind::Point).size(), 100u);
}

TEST_F(PhasorsTest, PlotMovesTheBarOnlyInsideTheInterval)
{
    setText("t2", "0.26");
    EXPECT_EQ(bar()->value(), 104); // typing moves the bar, which redraws
    setText("t2", "0.26");
    command("plot");
    EXPECT_EQ(bar()->value(), 104);
    EXPECT_EQ(text("t2"), "0.26");
    ASSERT_EQ(markers().size(), 1u);
    EXPECT_EQ(firstOf(markers()).x1, 0.26f);

    setText("t2", "1");
    command("plot");
    EXPECT_EQ(bar()->value(), 104);
    EXPECT_EQ(text("t2"), "1");
    ASSERT_EQ(markers().size(), 1u);
    EXPECT_EQ(firstOf(markers()).x1, 1.0f);
    const Solution s = solution();
    EXPECT_EQ(text("vrt"),
              QString::fromStdString(solutions::toText(phasorTip(s, Voltage::Resistor, 1).y)));
    EXPECT_TRUE(m_dialogs.calls().empty());
}

TEST_F(PhasorsTest, TypingIntoTheTimeBox)
{
    auto *t2 = child<QLineEdit>("t2");
    const auto before = plot();
    t2->selectAll();
    QTest::keyClicks(t2, "abc");
    EXPECT_EQ(bar()->value(), 0);
    EXPECT_TRUE(sameOps(plot(), before));
    t2->selectAll();
    QTest::keyClicks(t2, "0.5");
    EXPECT_EQ(bar()->value(), 200);
    EXPECT_EQ(text("t2"), "0.5");
    ASSERT_EQ(markers().size(), 1u);
    EXPECT_EQ(firstOf(markers()).x1, 0.5f);
    // Beyond the interval only the text changes.
    const auto at200 = plot();
    setText("t2", "0.7");
    EXPECT_EQ(bar()->value(), 200);
    EXPECT_TRUE(sameOps(plot(), at200));
}

TEST_F(PhasorsTest, ClearGraphsEmptiesBothAreas)
{
    window();
    const QString vrt = text("vrt");
    command("ClrGraphs");
    EXPECT_TRUE(ofKind(diagram(), DrawOp::Kind::Line).empty());
    EXPECT_TRUE(ofKind(diagram(), DrawOp::Kind::Point).empty());
    EXPECT_EQ(ofKind(plot(), DrawOp::Kind::Line).size(), 126u);
    EXPECT_EQ(text("t2"), "0");
    EXPECT_EQ(text("vrt"), vrt);

    // From step 40 the bar goes back to 0 and the texts show step 0.
    bar()->setValue(40);
    command("ClrGraphs");
    EXPECT_EQ(bar()->value(), 0);
    EXPECT_EQ(text("t2"), "0");
    EXPECT_EQ(text("vrt"), vrt);
    EXPECT_EQ(ofKind(plot(), DrawOp::Kind::Line).size(), 126u);
    EXPECT_TRUE(ofKind(diagram(), DrawOp::Kind::Line).empty());
}

TEST_F(PhasorsTest, ClickOnThePlotRedrawsThere)
{
    window().replotAt(0.1012f);
    EXPECT_EQ(bar()->value(), 40);
    EXPECT_EQ(text("t2"), "0.1");
    EXPECT_EQ(markers().size(), 1u);

    // After Clear Graphs the empty plot is in frame units; a click a fifth across means 0.1 s.
    bar()->setValue(0);
    command("ClrGraphs");
    window().replotAt(20.0f);
    EXPECT_EQ(bar()->value(), 40);
    EXPECT_EQ(text("t2"), "0.1");
    ASSERT_EQ(markers().size(), 1u);
    EXPECT_EQ(firstOf(markers()).x1, 0.1f);
}

// Mark Reference fixes the time drawn last; the next frame shows its differences in the
// status bar, the plot's words and a dashed line; Clear Graphs takes it away.
TEST_F(PhasorsTest, MarkReferenceShowsDifferencesUntilClearGraphs)
{
    auto *readout = child<QLabel>("DeltaReadout");
    command("MarkReference"); // the load drawing: nothing to mark
    EXPECT_FALSE(window().plotArea()->referenceX());
    bar()->setValue(20);
    command("MarkReference");
    EXPECT_EQ(window().plotArea()->referenceX(), 0.05f);
    bar()->setValue(60);
    EXPECT_FALSE(readout->isHidden());
    EXPECT_TRUE(readout->text().startsWith(QStringLiteral("Δt = 0.1 s, 1/Δt = 10 Hz, ΔvR = ")));
    EXPECT_TRUE(
        window().plotArea()->accessibleDescription().contains(QStringLiteral("Δt = 0.1 s")));
    command("ClrGraphs");
    EXPECT_TRUE(readout->isHidden());
    EXPECT_FALSE(window().plotArea()->referenceX());
}

TEST_F(PhasorsTest, ProjectionsEndAtTheTipsAndTheMarkerCrossings)
{
    bar()->setValue(57);
    const auto phasors = ofKind(diagram(), DrawOp::Kind::Line);
    ASSERT_EQ(markers().size(), 1u);
    const auto marker = markers().front();
    const auto plotBefore = plot().size(), diagramBefore = diagram().size();
    child<QPushButton>("Projection")->click();
    EXPECT_EQ(bar()->value(), 57);

    const Solution s = solution();
    const float T = marker.x1;
    for (Voltage v : kVoltages) {
        const QColor colour = display::QBColor(colourIndex(v));
        const auto onDiagram = linesIn(diagram(), colour);
        ASSERT_EQ(onDiagram.size(), 2u); // the phasor, then its projection
        const DrawOp &projection = onDiagram.back();
        EXPECT_EQ(projection.x1, 500);
        EXPECT_EQ(projection.x2, phasors[static_cast<int>(v)].x2);
        EXPECT_EQ(projection.y2, phasors[static_cast<int>(v)].y2);
        EXPECT_EQ(projection.y1, projection.y2);

        const DrawOp onPlot = lastOf(linesIn(plot(), colour));
        EXPECT_EQ(onPlot.x1, 0);
        EXPECT_EQ(onPlot.x2, T);
        EXPECT_EQ(onPlot.y1, onPlot.y2);
        EXPECT_NEAR(onPlot.y2, instantaneous(s, v, T), 1e-3);
    }
    // Each area gets its coordinate system again and four lines, nothing else.
    EXPECT_EQ(plot().size(), plotBefore + 1 + 4);
    EXPECT_EQ(diagram().size(), diagramBefore + 1 + 4);
}

TEST_F(PhasorsTest, ProjectionsAtStepZeroAndWithNothingChecked)
{
    window();
    child<QPushButton>("Projection")->click();
    const DrawOp source = lastOf(linesIn(plot(), display::QBColor(0)));
    EXPECT_EQ(source.y1, 0);
    const DrawOp sourceOnDiagram = lastOf(linesIn(diagram(), display::QBColor(0)));
    EXPECT_EQ(sourceOnDiagram.x1, sourceOnDiagram.x2);
    const DrawOp resistor = lastOf(linesIn(diagram(), display::QBColor(1)));
    EXPECT_NEAR(resistor.y1, -141.414, 1e-3);

    for (const char *name : kChecks)
        child<QCheckBox>(name)->setChecked(false);
    setText("t2", "0.3");
    setText("VRmax", "typed over");
    const auto lines = ofKind(plot(), DrawOp::Kind::Line).size();
    child<QPushButton>("Projection")->click();
    EXPECT_EQ(ofKind(plot(), DrawOp::Kind::Line).size(), lines);
    EXPECT_EQ(text("VRmax"), "477.577491906523");
    EXPECT_EQ(text("t2"), "0.3");
}

TEST_F(PhasorsTest, MissingCapacitorAndMissingResistor)
{
    setText("C", "0");
    command("plot");
    EXPECT_EQ(text("VCmax"), "0");
    EXPECT_EQ(text("vct"), "0");
    const DrawOp capacitor = firstOf(linesIn(diagram(), display::QBColor(2)));
    EXPECT_EQ(capacitor.x2, 0);
    EXPECT_EQ(capacitor.y2, 0);

    setText("C", "0.00005");
    setText("R", "0");
    command("plot");
    EXPECT_EQ(text("VRmax"), "0");
    EXPECT_EQ(text("vrt"), "0");
    EXPECT_TRUE(m_dialogs.calls().empty());
}

TEST_F(PhasorsTest, BarRoundTripAtEveryStep)
{
    for (const ParameterTexts &p :
         {kInitial, ParameterTexts{"50", "1e-6", "0.2", "12", "400", "3"},
          ParameterTexts{"1000", "0.00005", "10.0", "500", "7.3", "11"}}) {
        setText("R", QString::fromStdString(p.R));
        setText("C", QString::fromStdString(p.C));
        setText("L", QString::fromStdString(p.L));
        setText("v0", QString::fromStdString(p.v0));
        setText("f0", QString::fromStdString(p.f0));
        setText("NumPer", QString::fromStdString(p.NumPer));
        const Solution s = solution(p);
        // Walk up and back down so that every step is a change.
        std::vector<int> steps;
        for (int n = 1; n <= 200; ++n)
            steps.push_back(n);
        for (int n = 199; n >= 0; --n)
            steps.push_back(n);
        for (int n : steps) {
            bar()->setValue(n);
            ASSERT_EQ(bar()->value(), n) << p.f0 << " " << n;
            ASSERT_EQ(text("t2"), QString::fromStdString(solutions::toText(s.time.timeOfStep(n))));
            ASSERT_EQ(markers().size(), 1u);
            ASSERT_EQ(firstOf(markers()).x1, static_cast<float>(text("t2").toDouble()));
        }
    }
    EXPECT_TRUE(m_dialogs.calls().empty());
}

TEST_F(PhasorsTest, BadInputLeavesEveryTextAndDrawing)
{
    const struct {
        const char *box;
        const char *text;
        const char *mentions;
    } rows[] = {
        {"R", "abc", "R"},
        {"C", "", "C"},
        {"L", "1..0", "L"},
        {"v0", "x", "Vmax"},
        {"f0", "0", "f must not be 0"},
        {"NumPer", "five", "Number of Cycles"},
        {"v0", "0", "amplitude is 0"},
        {"v0", "1e300", "too large"},
        {"NumPer", "-5", "greater than 0"},
        {"NumPer", "-0.5", "greater than 0"},
    };
    const struct {
        const char *name;
        void (*act)(PhasorsTest &);
    } actions[] = {
        {"plot", [](PhasorsTest &t) { t.command("plot"); }},
        {"bar", [](PhasorsTest &t) { t.bar()->setValue(t.bar()->value() + 10); }},
        {"projection", [](PhasorsTest &t) { t.child<QPushButton>("Projection")->click(); }},
        {"click", [](PhasorsTest &t) { t.window().replotAt(0.2f); }},
    };
    for (const auto &row : rows) {
        for (const auto &action : actions) {
            recreate();
            bar()->setValue(20);
            setText(row.box, row.text);
            m_dialogs.clear();
            const Snapshot before = snapshot();
            action.act(*this);
            const Snapshot after = snapshot();
            EXPECT_EQ(after.texts, before.texts) << row.box << " " << action.name;
            EXPECT_TRUE(sameOps(after.diagram, before.diagram)) << row.box << " " << action.name;
            EXPECT_TRUE(sameOps(after.plot, before.plot)) << row.box << " " << action.name;
            const auto messages = m_dialogs.messages();
            ASSERT_EQ(messages.size(), 1u) << row.box << " " << action.name;
            EXPECT_EQ(messages[0].title, "Input Error");
            EXPECT_TRUE(messages[0].text.contains(row.mentions)) << messages[0].text.toStdString();
        }
    }

    // A time box that is not a number: Plot reports it, typing alone does nothing.
    recreate();
    setText("t2", "soon");
    m_dialogs.clear();
    const Snapshot before = snapshot();
    command("plot");
    EXPECT_EQ(snapshot().texts, before.texts);
    EXPECT_TRUE(sameOps(plot(), before.plot));
    ASSERT_EQ(m_dialogs.messages().size(), 1u);
    EXPECT_TRUE(m_dialogs.messages()[0].text.contains("Time"));
}

TEST_F(PhasorsTest, CloseHidesAndShowingAgainKeepsEverything)
{
    window().show();
    PhasorsWindow *first = &window();
    EXPECT_TRUE(first->isVisible());
    bar()->setValue(40);
    child<QCheckBox>("CheckVC")->setChecked(false);
    const auto ops = plot();
    command("close");
    EXPECT_FALSE(first->isVisible());
    window().show();
    EXPECT_EQ(&window(), first);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(text("t2"), "0.1");
    EXPECT_FALSE(child<QCheckBox>("CheckVC")->isChecked());
    EXPECT_TRUE(sameOps(plot(), ops));
}

// --- Animation, driven by the test's clock ---------------------------------------------------

class PhasorsAnimationTest : public PhasorsTest
{
public:
    // Plays or pauses in a shown window: out of sight the animation waits.
    void play()
    {
        window().show();
        command("PlayPause");
    }
    // Lets the wall clock run and delivers the frame the timer would.
    void runFor(std::chrono::milliseconds wall)
    {
        m_clock.advance(wall);
        window().animator().advance();
    }
    QTimer *timer() { return window().animator().timer(); }
};

// While playing, the drawings' words wait; paused, they tell the frame on the screen.
TEST_F(PhasorsAnimationTest, DescriptionsFollowTheFrameShownOncePaused)
{
    auto *diagram = child<kel::display::PictureArea>("Picture3");
    bar()->setValue(0);
    const QString atStart = diagram->accessibleDescription();
    ASSERT_TRUE(atStart.contains("t = 0 s")) << atStart.toStdString();
    play();
    runFor(std::chrono::milliseconds(1500));
    ASSERT_EQ(text("t2"), "0.05");
    EXPECT_EQ(diagram->accessibleDescription(), atStart);
    command("PlayPause");
    EXPECT_TRUE(diagram->accessibleDescription().contains("t = 0.05 s"))
        << diagram->accessibleDescription().toStdString();
}

TEST_F(PhasorsAnimationTest, PlayMovesTheBarAndTheTimeBySpeedTimesElapsed)
{
    play();
    EXPECT_TRUE(window().animator().playing());
    EXPECT_EQ(child<QAction>("PlayPause")->text(), "Pause");
    // Five cycles on the plot: 40 steps a period, one period in 3 s at 1x.
    runFor(std::chrono::milliseconds(1500));
    EXPECT_EQ(bar()->value(), 20);
    EXPECT_EQ(text("t2"), "0.05");
    ASSERT_EQ(markers().size(), 1u);
    EXPECT_EQ(markers().front().x1, 0.05f);
    command("Faster");
    runFor(std::chrono::milliseconds(750)); // 2x: another 20 steps
    EXPECT_EQ(bar()->value(), 40);
    EXPECT_EQ(text("t2"), "0.1");
    command("Slower");
    command("Slower");
    runFor(std::chrono::milliseconds(3000)); // 1/2x: 20 steps
    EXPECT_EQ(bar()->value(), 60);
    EXPECT_EQ(child<QLabel>("statusAnimation")->text(), QString::fromUtf8("Playing at 1/2\u00D7"));

    // Pause holds the time whatever the clock does.
    play();
    EXPECT_FALSE(window().animator().playing());
    EXPECT_EQ(child<QAction>("PlayPause")->text(), "Play");
    runFor(std::chrono::milliseconds(5000));
    EXPECT_EQ(bar()->value(), 60);
    EXPECT_TRUE(m_dialogs.calls().empty());
}

TEST_F(PhasorsAnimationTest, EachFrameIsWhatADragToItsStepDraws)
{
    child<QPushButton>("Projection")->click();
    play();
    PhasorsWindow dragged(m_dialogs, m_clock);
    auto *draggedBar = dragged.findChild<QScrollBar *>("TimeSc");
    auto *draggedProjection = dragged.findChild<QPushButton *>("Projection");
    ASSERT_TRUE(draggedBar && draggedProjection);
    for (int frame = 0; frame < 12; ++frame) {
        runFor(std::chrono::milliseconds(233));
        const int n = bar()->value();
        ASSERT_GT(n, 0);
        draggedBar->setValue(n);
        draggedProjection->click();
        const Snapshot animated = snapshot(), byHand = snapshotOf(dragged);
        EXPECT_EQ(animated.texts, byHand.texts) << n;
        EXPECT_TRUE(sameOps(animated.plot, byHand.plot)) << n;
        EXPECT_TRUE(sameOps(animated.diagram, byHand.diagram)) << n;
        // The projections are there, one pair per shown voltage.
        EXPECT_EQ(linesIn(plot(), display::QBColor(1)).size(), 200u + 1) << n;
    }
}

TEST_F(PhasorsAnimationTest, WrapsFromTheEndToTheStart)
{
    bar()->setValue(195);
    play();
    runFor(std::chrono::milliseconds(400)); // 5.3 steps
    EXPECT_EQ(bar()->value(), 200);
    runFor(std::chrono::milliseconds(100)); // past the end
    EXPECT_EQ(bar()->value(), 0);
    EXPECT_EQ(text("t2"), "0");
    runFor(std::chrono::milliseconds(1500));
    EXPECT_EQ(bar()->value(), 20);
}

TEST_F(PhasorsAnimationTest, EditsAndPlotPauseAndBadTextsNeverPlay)
{
    play();
    QTest::keyClicks(child<QLineEdit>("R"), "0");
    EXPECT_FALSE(window().animator().playing());
    const int held = bar()->value();
    runFor(std::chrono::milliseconds(2000));
    EXPECT_EQ(bar()->value(), held);

    setText("R", "1000");
    play();
    command("plot");
    EXPECT_FALSE(window().animator().playing());
    play();
    QTest::keyClicks(child<QLineEdit>("t2"), "1");
    EXPECT_FALSE(window().animator().playing());

    setText("NumPer", "-5");
    m_dialogs.clear();
    play();
    EXPECT_FALSE(window().animator().playing());
    ASSERT_EQ(m_dialogs.messages().size(), 1u);
    EXPECT_TRUE(m_dialogs.messages()[0].text.contains("greater than 0"));
}

TEST_F(PhasorsAnimationTest, TimerRunsOnlyWhilePlayingAndShown)
{
    command("PlayPause"); // hidden: no timer, and the time waits
    QCoreApplication::processEvents();
    EXPECT_FALSE(timer()->isActive());
    m_clock.advance(std::chrono::seconds(10));
    window().show();
    QCoreApplication::processEvents();
    ASSERT_TRUE(timer()->isActive());
    EXPECT_EQ(timer()->timerType(), Qt::PreciseTimer);
    EXPECT_LE(timer()->interval(), 17);
    runFor(std::chrono::milliseconds(750));
    EXPECT_EQ(bar()->value(), 10);
    window().hide();
    QCoreApplication::processEvents();
    EXPECT_FALSE(timer()->isActive());
    // Hidden for a minute: shown again, the phasors turn on from where they were.
    m_clock.advance(std::chrono::seconds(60));
    window().show();
    QCoreApplication::processEvents();
    EXPECT_TRUE(timer()->isActive());
    runFor(std::chrono::milliseconds(750));
    EXPECT_EQ(bar()->value(), 20);
    play();
    EXPECT_FALSE(timer()->isActive());
    play();
    window().setWindowState(Qt::WindowMinimized);
    QCoreApplication::processEvents();
    if (window().isMinimized()) {
        EXPECT_FALSE(timer()->isActive());
    }
}

TEST_F(PhasorsAnimationTest, ABarMovedByHandAndRestart)
{
    play();
    runFor(std::chrono::milliseconds(750)); // 10 steps
    bar()->setValue(150);
    runFor(std::chrono::milliseconds(750));
    EXPECT_EQ(bar()->value(), 160);
    command("Restart");
    EXPECT_EQ(bar()->value(), 0);
    EXPECT_TRUE(window().animator().playing());
    runFor(std::chrono::milliseconds(750));
    EXPECT_EQ(bar()->value(), 10);
}

} // namespace
} // namespace kel::phasor
