// SPDX-License-Identifier: GPL-3.0-or-later
// The lab window's status bar, Export menu, shortcuts and keyboard order.
#include "labfixture.h"

#include "display/qbcolor.h"
#include "display/twiplayout.h"
#include "solutions/numbertext.h"

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>

namespace kel::testing
{
namespace
{

class LabExtras : public LabTest
{
protected:
    QString status(const char *name)
    {
        auto *label = window().findChild<QLabel *>(name);
        EXPECT_NE(label, nullptr) << name;
        return label ? label->text() : QString();
    }
    void plotEverything()
    {
        launch(13);
        for (const char *n : {"Charge", "Current", "Voltage"})
            box(n)->setChecked(true);
        command("PlGraphs");
        dialogs.clear();
    }
    QString saveTo(const char *action, const QString &name)
    {
        const QString path = m_dir.filePath(name);
        dialogs.queueSavePath(path);
        command(action);
        return path;
    }
    QTemporaryDir m_dir;
};

TEST_F(LabExtras, StatusBarFollowsLauncherTextsScaleAndMouse)
{
    launch(13);
    lab::LabWindow &w = window();
    ASSERT_NE(w.findChild<QStatusBar *>("statusBar"), nullptr);
    EXPECT_EQ(status("regimeStatus"),
              QString::fromUtf8("RLC, AC source \u2014 underdamped: \u03B1 = 0.05 s\u207B\u00B9, "
                                "\u03C9\u2080 = 1 rad/s, \u03C9d = 0.9987 rad/s"));
    EXPECT_EQ(status("scaleStatus"),
              QString::fromUtf8("t 0 \u2026 100 s, value \u221210 \u2026 10"));

    type("C", "1e-3x");
    EXPECT_EQ(status("regimeStatus"), "C is not a number");
    type("C", "10");
    EXPECT_TRUE(
        status("regimeStatus").startsWith(QString::fromUtf8("RLC, AC source \u2014 underdamped")));
    launch(1);
    EXPECT_EQ(status("regimeStatus"),
              QString::fromUtf8("RC, no source \u2014 time constant \u03C4 = RC = 10 s"));

    // The window grows by the status bar: the client area keeps its designed size.
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    EXPECT_GE(w.centralWidget()->width(), w.centralWidget()->minimumWidth());
    EXPECT_GE(w.centralWidget()->height(), w.centralWidget()->minimumHeight());

    // Over the graph's left edge, halfway down: t = 0, value 0.
    display::PictureArea *area = w.graphArea();
    QTest::mouseMove(area, QPoint(0, area->height() / 2));
    QTRY_VERIFY(!w.findChild<QLabel *>("pointerStatus")->isHidden());
    EXPECT_TRUE(status("pointerStatus").startsWith("t = 0 s, value = "))
        << status("pointerStatus").toStdString();
}

TEST_F(LabExtras, CsvHoldsEverySampleOfTheLastPlotInFullPrecision)
{
    plotEverything();
    saveTo("SaveData", "data"); // a name without a suffix gets .csv
    QFile file(m_dir.filePath("data.csv"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split("\r\n", Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 1 + 601);
    EXPECT_EQ(lines[0], "t (s),q (C),i (A),v (V)");
    lab::LabWindow &w = window();
    const auto field = [](const QString &line, int n) { return line.split(',')[n]; };
    const auto number = [](const QString &f) { return *solutions::toNumber(f.toStdString()); };
    for (int row = 1; row < lines.size(); ++row) {
        const QString &line = lines[row];
        const double t = number(field(line, 0));
        // Charge and current every 0.5 s, the source every 0.2 s: both on the whole seconds.
        const bool charge = std::fmod(t, 0.5) == 0;
        const bool source = !charge || std::fmod(t, 1.0) == 0;
        ASSERT_EQ(field(line, 1).isEmpty(), !charge) << line.toStdString();
        ASSERT_EQ(field(line, 2).isEmpty(), !charge) << line.toStdString();
        ASSERT_EQ(field(line, 3).isEmpty(), !source) << line.toStdString();
        if (charge) {
            EXPECT_EQ(number(field(line, 1)), *w.session().q8(t).value) << line.toStdString();
            EXPECT_EQ(number(field(line, 2)), *w.session().i8(t).value) << line.toStdString();
        }
        // A shared time is written as the charge's; the source's own may differ in the last bit.
        if (source) {
            EXPECT_DOUBLE_EQ(number(field(line, 3)), *w.session().VS(t).value)
                << line.toStdString();
        }
    }

    // A plot of the charge alone leaves the other columns empty.
    command("ClGraphs");
    box("Current")->setChecked(false);
    box("Voltage")->setChecked(false);
    command("PlGraphs");
    saveTo("SaveData", "charge.csv");
    QFile charge(m_dir.filePath("charge.csv"));
    ASSERT_TRUE(charge.open(QIODevice::ReadOnly));
    const QStringList chargeLines =
        QString::fromUtf8(charge.readAll()).split("\r\n", Qt::SkipEmptyParts);
    ASSERT_EQ(chargeLines.size(), 1 + 201);
    EXPECT_TRUE(chargeLines[201].startsWith("100,") && chargeLines[201].endsWith(",,"));
}

TEST_F(LabExtras, CsvRefusesWithoutAPlotAndReportsAFailedWrite)
{
    launch(13);
    command("SaveData"); // refused before any file is asked for
    ASSERT_EQ(dialogs.calls().size(), 1u);
    EXPECT_EQ(dialogs.calls()[0].title, "Save Data as CSV");
    EXPECT_EQ(dialogs.calls()[0].kind, ScriptedDialogs::Call::Kind::Message);

    plotEverything();
    command("ClGraphs"); // erasing the graph forgets its samples
    EXPECT_TRUE(window().lastPlot().empty());
    command("PlGraphs");
    dialogs.clear();
    saveTo("SaveData", "missing/folder/data.csv");
    ASSERT_EQ(dialogs.messages().size(), 1u);
    // The message names the file and why it could not be written.
    EXPECT_TRUE(dialogs.messages()[0].text.contains("data.csv"));
    EXPECT_TRUE(dialogs.messages()[0].text.contains("could not be saved"));
}

TEST_F(LabExtras, PointerReadOutNeverCoversTheRegimeText)
{
    launch(13);
    lab::LabWindow &w = window();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    w.showPointerAt(-12.3456f, -0.000123456f);
    QApplication::processEvents();
    auto *regime = w.findChild<QLabel *>("regimeStatus");
    auto *pointer = w.findChild<QLabel *>("pointerStatus");
    auto *scale = w.findChild<QLabel *>("scaleStatus");
    ASSERT_TRUE(regime && pointer && scale);
    EXPECT_LE(regime->geometry().right(), pointer->geometry().left());
    EXPECT_LE(pointer->geometry().right(), scale->geometry().left());
    // What does not fit is elided; the whole text is in the tool tip and the accessible name,
    // and is not read twice as a description.
    const QString shown = regime->text();
    EXPECT_LE(regime->fontMetrics().horizontalAdvance(shown), regime->contentsRect().width());
    QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), regime->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(regime, &help);
    EXPECT_TRUE(QToolTip::text().startsWith(QString(shown).remove(QChar(0x2026))));
    EXPECT_TRUE(QToolTip::text().endsWith("rad/s"));
    EXPECT_EQ(regime->accessibleName(), QToolTip::text());
    QToolTip::hideText();
    QAccessibleInterface *access = QAccessible::queryAccessibleInterface(regime);
    ASSERT_NE(access, nullptr);
    EXPECT_EQ(access->text(QAccessible::Name), regime->accessibleName());
    EXPECT_TRUE(access->text(QAccessible::Description).isEmpty());

    // Once the pointer leaves the graph, the regime text gets the room back.
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(w.graphArea(), &leave);
    QApplication::processEvents();
    EXPECT_TRUE(pointer->isHidden());
    EXPECT_GE(regime->text().size(), shown.size());
}

TEST_F(LabExtras, GraphSavesAsPngAtTwiceItsSizeAndAsSvgWithTheCurveColours)
{
    plotEverything();
    const QSize size = window().graphArea()->size();
    const QImage png(saveTo("SaveGraph", "graph.png"));
    ASSERT_EQ(png.size(), size * 2);
    bool red = false, blue = false;
    for (int y = 0; y < png.height(); ++y)
        for (int x = 0; x < png.width(); ++x) {
            const QRgb p = png.pixel(x, y) & 0xFFFFFF;
            red = red || p == (display::QBColor(4).rgb() & 0xFFFFFF);
            blue = blue || p == (display::QBColor(1).rgb() & 0xFFFFFF);
        }
    EXPECT_TRUE(red);
    EXPECT_TRUE(blue);

    QFile svg(saveTo("SaveGraph", "graph.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    const QByteArray doc = svg.readAll();
    EXPECT_TRUE(doc.contains("<svg"));
    EXPECT_TRUE(doc.contains(display::QBColor(4).name().toLatin1()));
    EXPECT_TRUE(doc.contains(display::QBColor(1).name().toLatin1()));
    EXPECT_TRUE(dialogs.messages().empty());

    saveTo("SaveGraph", "missing/folder/graph.png");
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].title, "Save Graph");
}

TEST_F(LabExtras, ShortcutsRunTheirCommandsWithoutChangingCaptions)
{
    launch(13);
    lab::LabWindow &w = window();
    const std::pair<const char *, QKeySequence> keys[] = {
        {"PlGraphs", Qt::Key_F5},
        {"ClGraphs", Qt::CTRL | Qt::Key_L},
        {"GScale", Qt::CTRL | Qt::Key_G},
        {"close", Qt::CTRL | Qt::Key_W},
        {"SaveGraph", Qt::CTRL | Qt::Key_S},
        {"CopyGraph", Qt::CTRL | Qt::SHIFT | Qt::Key_C},
        {"SaveData", Qt::CTRL | Qt::SHIFT | Qt::Key_S},
    };
    for (const auto &[name, key] : keys) {
        auto *a = w.findChild<QAction *>(name);
        ASSERT_NE(a, nullptr) << name;
        EXPECT_EQ(a->shortcut(), key) << name;
        EXPECT_FALSE(a->text().contains('&')) << name;
    }
    EXPECT_EQ(w.findChild<QAction *>("PlGraphs")->text(), "Plot Graphs");

    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    box("Current")->setChecked(true);
    command("ClGraphs");
    const std::size_t frame = ops().size();
    QTest::keyClick(&w, Qt::Key_F5);
    EXPECT_EQ(ops().size(), frame + 201);
    QTest::keyClick(&w, Qt::Key_L, Qt::ControlModifier);
    EXPECT_EQ(ops().size(), frame);
    QTest::keyClick(&w, Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(dialogs.calls().size(), 1u);
    EXPECT_EQ(dialogs.calls()[0].kind, ScriptedDialogs::Call::Kind::SaveFile);
    QTest::keyClick(&w, Qt::Key_W, Qt::ControlModifier);
    EXPECT_FALSE(w.isVisible());
}

} // namespace
} // namespace kel::testing
