// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/picturearea.h"
#include "display/qbcolor.h"
#include "display/twiplayout.h"
#include "phasor/core/phasormath.h"
#include "phasor/phasorswindow.h"
#include "resonance/circuitsource.h"
#include "support/scripteddialogs.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace kel::phasor
{
namespace
{

const ParameterTexts kInitial{"1000", "0.00005", "10.0", "500", "10.0", "5"};

class PhasorsExportTest : public ::testing::Test
{
public:
    PhasorsWindow &window()
    {
        if (!m_window)
            m_window = std::make_unique<PhasorsWindow>(m_dialogs);
        return *m_window;
    }
    template <class W = QWidget> W *child(const char *name)
    {
        auto *w = window().findChild<W *>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QString status() { return child<QLabel>("statusCircuit")->text(); }
    QString pointer() { return child<QLabel>("statusPointer")->text(); }
    void setText(const char *name, const QString &t) { child<QLineEdit>(name)->setText(t); }
    void command(const char *name) { child<QAction>(name)->trigger(); }
    void showActive()
    {
        window().show();
        window().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    }
    QString path(const char *name) { return m_dir.filePath(name); }
    QByteArray read(const QString &file)
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir m_dir;
    testing::ScriptedDialogs m_dialogs;
    std::unique_ptr<PhasorsWindow> m_window;
};

TEST_F(PhasorsExportTest, StatusBarFollowsTheParameterTextsWithoutWritingOutputs)
{
    showActive();
    EXPECT_EQ(window().statusBar()->objectName(), "statusBar");
    EXPECT_EQ(status(), QString::fromUtf8("\u03C9 = 62.83 rad/s, Z = 1047 \u03A9, "
                                          "\u03C6 = 17.22\u00B0, I0 = 0.4776 A"));
    // The arrangement keeps its designed client area; the status bar comes below it.
    const QSize design = window().centralWidget()->minimumSize();
    EXPECT_GE(window().centralWidget()->height(), design.height());
    EXPECT_GE(window().statusBar()->geometry().top(),
              window().centralWidget()->geometry().bottom());

    const QString VRmax = child<QLineEdit>("VRmax")->text();
    QTest::keyClicks(child<QLineEdit>("f0"), "x");
    EXPECT_EQ(status(), "f is not a number");
    setText("f0", "20");
    EXPECT_TRUE(status().startsWith(QString::fromUtf8("\u03C9 = 125.7 rad/s")))
        << status().toStdString();
    EXPECT_EQ(child<QLineEdit>("VRmax")->text(), VRmax);
    EXPECT_TRUE(m_dialogs.calls().empty());
}

TEST_F(PhasorsExportTest, PointerOverThePlotShowsTimeAndVoltage)
{
    showActive();
    command("plot");
    display::PictureArea *plot = window().plotArea();
    const QPoint at(plot->width() / 5, plot->height() / 4);
    QTest::mouseMove(plot, at);
    const display::UserTransform t = plot->transform();
    ASSERT_FALSE(pointer().isEmpty());
    const QStringList parts = pointer().split(' ');
    ASSERT_EQ(parts.size(), 8) << pointer().toStdString();
    EXPECT_NEAR(parts[2].toDouble(), t.toUserX(at.x()), 1e-3);
    EXPECT_NEAR(parts[6].toDouble(), t.toUserY(at.y()), 0.5);
    EXPECT_NEAR(parts[6].toDouble(), 250, 5);

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(plot, &leave);
    EXPECT_TRUE(pointer().isEmpty());
}

TEST_F(PhasorsExportTest, ExportMenuFollowsTheCommandsAndSavesBothPictures)
{
    // The three commands, then Export, Animate, the resonance curve and Experiment; View with
    // the axis numbers last.
    const QList<QAction *> bar = window().menuBar()->actions();
    ASSERT_EQ(bar.size(), 8);
    EXPECT_EQ(bar[7]->objectName(), "View");
    EXPECT_TRUE(bar[7]->menu()->actions().contains(child<QAction>("AxisNumbers")));
    EXPECT_EQ(bar[3]->menu(), child<QMenu>("Export"));
    EXPECT_EQ(bar[3]->text(), "Export");
    EXPECT_EQ(bar[4]->menu(), child<QMenu>("Animate"));
    EXPECT_EQ(bar[5]->objectName(), "Resonance");
    EXPECT_EQ(bar[6]->objectName(), "Experiment");

    m_dialogs.queueSavePath(path("both"));
    command("SavePicture");
    const QImage png(path("both.png"));
    const QSize screen(window().diagramArea()->width() + window().plotArea()->width(),
                       window().plotArea()->height());
    EXPECT_EQ(png.size(), screen * 2);
    for (int n : {1, 2, 4}) {
        const QRgb colour = display::QBColor(n).rgb();
        int count = 0;
        for (int y = 0; y < png.height(); ++y)
            for (int x = 0; x < png.width(); ++x)
                count += png.pixel(x, y) == colour;
        EXPECT_GT(count, 200) << "colour " << n;
    }

    m_dialogs.queueSavePath(path("both.svg"));
    command("SavePicture");
    const QByteArray svg = read(path("both.svg"));
    EXPECT_TRUE(svg.startsWith("<?xml")) << svg.left(40).toStdString();
    for (int n : {1, 2, 4})
        EXPECT_TRUE(svg.contains(display::QBColor(n).name().toLatin1())) << n;

    command("SavePicture"); // cancelled: nothing queued
    m_dialogs.queueSavePath(path("missing/dir/x.png"));
    command("SavePicture");
    ASSERT_EQ(m_dialogs.messages().size(), 1u);
    EXPECT_TRUE(m_dialogs.messages()[0].text.contains("missing/dir/x.png"));
}

TEST_F(PhasorsExportTest, CsvHoldsTheSamplesOfTheLastRedraw)
{
    const Solution s = *solveAmplitudes(kInitial).solution;
    // Edited but not redrawn: the file still holds what the plot shows.
    setText("R", "2000");
    m_dialogs.queueSavePath(path("data"));
    command("SaveCsv");
    const QList<QByteArray> lines = read(path("data.csv")).split('\n');
    ASSERT_EQ(lines.size(), 203); // header, 201 rows, nothing after the last line end
    EXPECT_EQ(lines[0], "t (s),vR (V),vC (V),vL (V),v0 (V)\r");
    EXPECT_TRUE(lines[202].isEmpty());
    for (int j = 1; j <= 201; ++j) {
        const QList<QByteArray> f = lines[j].trimmed().split(',');
        ASSERT_EQ(f.size(), 5) << j;
        const double t = f[0].toDouble();
        ASSERT_EQ(t, s.time.timeOfStep(j - 1));
        for (Voltage v : kVoltages)
            ASSERT_EQ(f[static_cast<int>(v) + 1].toDouble(), instantaneous(s, v, t)) << j;
    }

    command("ClrGraphs");
    m_dialogs.queueSavePath(path("cleared.csv"));
    command("SaveCsv");
    EXPECT_FALSE(QFile::exists(path("cleared.csv")));
    ASSERT_EQ(m_dialogs.messages().size(), 1u);
    EXPECT_TRUE(m_dialogs.messages()[0].text.contains("Plot"));
}

TEST_F(PhasorsExportTest, ShortcutsTriggerTheirCommands)
{
    showActive();
    setText("t2", "0.26");
    QTest::keyClick(&window(), Qt::Key_F5);
    EXPECT_EQ(child<QScrollBar>("TimeSc")->value(), 104);

    m_dialogs.queueSavePath(path("keys.png"));
    QTest::keyClick(&window(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(QFile::exists(path("keys.png")));
    m_dialogs.queueSavePath(path("keys.csv"));
    QTest::keyClick(&window(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(QFile::exists(path("keys.csv")));

    QTest::keyClick(&window(), Qt::Key_L, Qt::ControlModifier);
    EXPECT_EQ(child<QScrollBar>("TimeSc")->value(), 0);
    for (const display::DrawOp &op : window().diagramArea()->operations())
        EXPECT_EQ(op.kind, display::DrawOp::Kind::Scale);

    QTest::keyClick(&window(), Qt::Key_W, Qt::ControlModifier);
    EXPECT_FALSE(window().isVisible());
    EXPECT_TRUE(m_dialogs.messages().empty());
}

TEST_F(PhasorsExportTest, PlayShortcutLeavesSpaceToTheFocusedControl)
{
    showActive();
    QTest::keyClick(&window(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_TRUE(window().animator().playing());
    // Space presses the focused button and ticks the focused box; the animation plays on.
    auto *projection = child<QPushButton>("Projection");
    projection->setFocus();
    QTest::keyClick(projection, Qt::Key_Space);
    EXPECT_TRUE(window().animator().playing());
    auto *check = child<QCheckBox>("CheckVC");
    check->setFocus();
    QTest::keyClick(check, Qt::Key_Space);
    EXPECT_FALSE(check->isChecked());
    EXPECT_TRUE(window().animator().playing());
    QTest::keyClick(&window(), Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(window().animator().animation().speedText(), "2");
    QTest::keyClick(&window(), Qt::Key_Minus, Qt::ControlModifier);
    QTest::keyClick(&window(), Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(window().animator().animation().speedText(), "1/2");
    QTest::keyClick(&window(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_FALSE(window().animator().playing());
    EXPECT_TRUE(m_dialogs.messages().empty());
}

TEST_F(PhasorsExportTest, ResonanceCurveFollowsTheBoxesAndSetsTheFrequency)
{
    command("Resonance");
    auto *curve = window().findChild<QMainWindow *>("ResonanceCurve");
    ASSERT_NE(curve, nullptr);
    EXPECT_TRUE(curve->isVisible());
    command("Resonance"); // shown again, not made twice
    EXPECT_EQ(window().findChildren<QMainWindow *>("ResonanceCurve").size(), 1);
    // A click on the curve writes f and plots again at the time in t2.
    resonance::CircuitSource &source = window().circuitSource();
    const QString before = child<QLineEdit>("VRmax")->text();
    source.setSourceFrequency(7.5);
    EXPECT_EQ(child<QLineEdit>("f0")->text(), "7.5");
    EXPECT_NE(child<QLineEdit>("VRmax")->text(), before);
    ASSERT_TRUE(source.circuit().circuit.has_value());
    EXPECT_EQ(source.circuit().circuit->R, 1000);
    EXPECT_TRUE(m_dialogs.messages().empty());
}

TEST_F(PhasorsExportTest, TabVisitsTheControlsInReadingOrderAndEachHasAName)
{
    showActive();
    // Top to bottom, each row left to right; the drawings after the time controls, and from
    // the parameter strip at the bottom back to the top.
    const QStringList expected{"Projection", "TimeSc", "t2",  "NumPer",  "Picture3",  "Picture1",
                               "Checkvr",    "VRmax",  "vrt", "CheckVC", "VCmax",     "vct",
                               "CheckVL",    "VLmax",  "vlt", "CheckVM", "v0t",       "R",
                               "C",          "L",      "v0",  "f0",      "Projection"};
    child<QPushButton>("Projection")->setFocus();
    QStringList visited{"Projection"};
    for (qsizetype i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(visited, expected);
    // Arrow keys on the bar move the time.
    child<QScrollBar>("TimeSc")->setFocus();
    QTest::keyClick(child<QScrollBar>("TimeSc"), Qt::Key_Right);
    EXPECT_EQ(child<QScrollBar>("TimeSc")->value(), 10);
    EXPECT_EQ(child<QLineEdit>("t2")->text(), "0.025");
    QTest::keyClick(child<QScrollBar>("TimeSc"), Qt::Key_PageDown);
    QTest::keyClick(child<QScrollBar>("TimeSc"), Qt::Key_Left);
    EXPECT_EQ(child<QScrollBar>("TimeSc")->value(), 20);
    EXPECT_EQ(child<QLineEdit>("t2")->text(), "0.05");

    QList<QWidget *> inputs;
    for (QWidget *w : window().findChildren<QWidget *>())
        if (qobject_cast<QLineEdit *>(w) || qobject_cast<QCheckBox *>(w) ||
            qobject_cast<QScrollBar *>(w) || qobject_cast<QPushButton *>(w))
            inputs << w;
    EXPECT_EQ(inputs.size(), 20);
    for (QWidget *w : inputs)
        EXPECT_FALSE(w->accessibleName().isEmpty()) << w->objectName().toStdString();
}

} // namespace
} // namespace kel::phasor
