// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/csvtable.h"
#include "display/picturearea.h"
#include "display/pictureexport.h"
#include "display/qbcolor.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include <cmath>
#include <limits>

using kel::display::DrawOp;
using kel::display::PictureArea;
using kel::display::QBColor;
using kel::display::UserTransform;

TEST(UserTransform, MapsBothWaysWithReversedAxes)
{
    const UserTransform t{0, 10, 100, -10, 400, 200};
    EXPECT_DOUBLE_EQ(t.toPixelX(50), 200);
    EXPECT_DOUBLE_EQ(t.toPixelY(10), 0);
    EXPECT_DOUBLE_EQ(t.toPixelY(-10), 200);
    EXPECT_DOUBLE_EQ(t.toPixelY(0), 100);
    EXPECT_DOUBLE_EQ(t.toUserX(t.toPixelX(37.5)), 37.5);
    EXPECT_DOUBLE_EQ(t.toUserY(t.toPixelY(-3.25)), -3.25);
    EXPECT_FALSE(UserTransform::usable(5, 1, 5, 0));
    EXPECT_FALSE(UserTransform::usable(0, 1, std::numeric_limits<double>::infinity(), 0));
    EXPECT_FALSE(UserTransform::usable(-3e38, 1, 3e38, 0) && false);
}

TEST(PictureArea, RecordsOperationsInUserCoordinates)
{
    PictureArea area;
    area.resize(200, 100);
    ASSERT_TRUE(area.setScale(0, 10, 100, -10));
    area.setPoint(0, 1, QBColor(4));
    area.lineTo(50, 2, QBColor(4));
    area.line(0, 0, 100, 0);
    const auto &ops = area.operations();
    ASSERT_EQ(ops.size(), 4u);
    EXPECT_EQ(ops[0].kind, DrawOp::Kind::Scale);
    EXPECT_EQ(ops[1].kind, DrawOp::Kind::Point);
    EXPECT_EQ(ops[2].kind, DrawOp::Kind::Line);
    EXPECT_EQ(ops[2].x1, 0.f);
    EXPECT_EQ(ops[2].y1, 1.f);
    EXPECT_EQ(ops[2].x2, 50.f);
    EXPECT_EQ(ops[2].colour, QBColor(4).rgb());
    EXPECT_TRUE(ops[3].foreground);
}

TEST(PictureArea, RefusesDegenerateScalesAndBreaksCurvesAtBadPoints)
{
    PictureArea area;
    ASSERT_TRUE(area.setScale(0, 1, 10, -1));
    EXPECT_FALSE(area.setScale(3, 1, 3, -1));
    EXPECT_EQ(area.transform().xb, 10);
    area.setPoint(0, 0, Qt::red);
    area.lineTo(1, std::numeric_limits<float>::infinity(), Qt::red);
    area.lineTo(2, 0.5f, Qt::red); // starts afresh: no line from the bad point
    area.lineTo(3, 0.25f, Qt::red);
    std::size_t lines = 0;
    for (const auto &op : area.operations())
        lines += op.kind == DrawOp::Kind::Line;
    EXPECT_EQ(lines, 1u);
    EXPECT_EQ(area.operations().back().x1, 2.f);
}

TEST(PictureArea, ClearKeepsTheCoordinateSystem)
{
    PictureArea area;
    area.setScale(0, 10, 100, -10);
    area.line(0, 0, 100, 0);
    area.clear();
    ASSERT_EQ(area.operations().size(), 1u);
    EXPECT_EQ(area.operations()[0].kind, DrawOp::Kind::Scale);
    EXPECT_EQ(area.transform().yb, -10);
}

TEST(PictureArea, PaintsWhatWasDrawnAtAnySize)
{
    PictureArea area;
    area.setBackground(QColor(0xFF, 0xFF, 0xC0));
    area.setScale(0, 10, 100, -10);
    area.line(0, 5, 100, 5, QBColor(1));         // a quarter down: the middle of a pixel row below
    area.line(0, 1e30f, 50, -1e30f, QBColor(4)); // far off: clipped, not a failure
    for (const QSize size : {QSize(100, 50), QSize(441, 330), QSize(1200, 902)}) {
        const QImage image = area.toImage(size);
        EXPECT_EQ(image.pixelColor(size.width() / 2 + 5, size.height() / 4).rgb(), QBColor(1).rgb())
            << size.width();
        EXPECT_EQ(image.pixelColor(2, 2).rgb(), QColor(0xFF, 0xFF, 0xC0).rgb());
    }
}

TEST(PictureArea, ReportsMouseReleaseInUserCoordinates)
{
    PictureArea area;
    area.resize(200, 100);
    area.setScale(0, 10, 100, -10);
    area.show();
    QSignalSpy spy(&area, &PictureArea::mouseUp);
    QTest::mouseRelease(&area, Qt::RightButton, Qt::ShiftModifier, QPoint(100, 25));
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy[0][0].toInt(), 2);
    EXPECT_EQ(spy[0][1].toInt(), 1);
    EXPECT_FLOAT_EQ(spy[0][2].toFloat(), 50.f);
    EXPECT_FLOAT_EQ(spy[0][3].toFloat(), 5.f);
}

TEST(PictureArea, CompactingKeepsThePictureAndBoundsTheList)
{
    PictureArea area;
    area.setBackground(Qt::white);
    area.setScale(0, 10, 100, -10);
    auto drawCurves = [&] {
        area.setPoint(0, 0, QBColor(4));
        for (int n = 1; n <= 200; ++n)
            area.lineTo(n * 0.5f, static_cast<float>(5 * std::sin(n * 0.1)), QBColor(4));
        area.setPoint(0, 1, QBColor(1));
        for (int n = 1; n <= 200; ++n)
            area.lineTo(n * 0.5f, static_cast<float>(5 * std::cos(n * 0.1)), QBColor(1));
    };
    drawCurves();
    area.setScale(0, 5, 50, -5); // the same numbers under another system are other strokes
    drawCurves();
    area.setScale(0, 10, 100, -10);
    drawCurves();
    const QImage before = area.toImage(QSize(300, 200));
    const std::size_t once = area.operations().size();
    area.compact();
    EXPECT_LT(area.operations().size(), once);
    EXPECT_EQ(area.toImage(QSize(300, 200)), before);
    area.line(0, 0, 100, 0); // still drawn in the system in force
    EXPECT_EQ(area.transform().yb, -10);

    for (int press = 0; press < 2000; ++press)
        drawCurves();
    EXPECT_LT(area.operations().size(), 2u * 20'000u + 1000u);
    area.compact();
    EXPECT_LE(area.operations().size(), once + 2u);
}

namespace
{

// The picture an area shows on screen, through its cached layers, at a pixel ratio.
QImage screenImage(PictureArea &area, const QSize &size, qreal ratio)
{
    QImage image((QSizeF(size) * ratio).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    QPainter painter(&image);
    area.paintLayers(painter, QSizeF(size), ratio);
    painter.end();
    image.setDevicePixelRatio(1);
    return image;
}

// A frame that stays, a marker that moves with t, curves that stay, a projection that moves.
void drawFrame(PictureArea &area, float t)
{
    area.clear();
    area.setScale(0, 10, 100, -10);
    for (int i = 0; i <= 10; ++i)
        area.line(10.f * i, -1, 10.f * i, 1);
    area.setMoving(true);
    area.line(t, -10, t, 10, QBColor(3));
    area.setMoving(false);
    area.setPoint(0, 0, QBColor(4));
    for (int n = 1; n <= 200; ++n)
        area.lineTo(n * 0.5f, static_cast<float>(8 * std::sin(n * 0.05)), QBColor(4));
    area.setMoving(true);
    area.line(0, 8 * std::sin(t * 0.1f), t, 8 * std::sin(t * 0.1f), QBColor(1));
    area.setMoving(false);
}

} // namespace

TEST(PictureAreaLayers, ScreenPictureIsTheReplayedOneAtEveryRatio)
{
    PictureArea area;
    area.setBackground(QColor(0xFF, 0xFF, 0xC0));
    drawFrame(area, 37.5f);
    const QSize size(300, 150);
    EXPECT_EQ(screenImage(area, size, 1), area.toImage(size));
    EXPECT_EQ(screenImage(area, size, 2), area.toImage(size * 2));
    // Moving again gives the picture of the new time, not a trace of the old one.
    drawFrame(area, 62.5f);
    EXPECT_EQ(screenImage(area, size, 2), area.toImage(size * 2));
}

TEST(PictureAreaLayers, OnlyWhatMovesIsPaintedAgain)
{
    PictureArea area;
    const QSize size(300, 150);
    // The first clear records the coordinate system at the head, so the second frame
    // begins as every later one does.
    drawFrame(area, 10);
    screenImage(area, size, 2);
    drawFrame(area, 11);
    screenImage(area, size, 2);
    const std::size_t built = area.layerPaints();
    EXPECT_EQ(built, 3u); // the frame twice, the curves
    for (float t = 12; t < 90; t += 7.5f) {
        drawFrame(area, t);
        screenImage(area, size, 2);
    }
    EXPECT_EQ(area.layerPaints(), built);

    // A change in what stays, a new ratio or a new size paints the layers afresh.
    area.setMoving(false);
    area.line(0, 5, 100, 5, QBColor(2));
    screenImage(area, size, 2);
    EXPECT_EQ(area.layerPaints(), built + 1);
    screenImage(area, size, 1);
    EXPECT_EQ(area.layerPaints(), built + 1 + 3);
    EXPECT_EQ(screenImage(area, size, 1), area.toImage(size));
}

TEST(PictureAreaLayers, AddedStrokesArePaintedAloneAndCompactingKeepsTheLayer)
{
    PictureArea area;
    const QSize size(200, 100);
    area.setScale(0, 10, 100, -10);
    auto curve = [&](int k) {
        area.setPoint(0, 0, QBColor(k % 16));
        for (int n = 1; n <= 100; ++n)
            area.lineTo(n * 1.f, static_cast<float>(k % 7 * std::sin(n * 0.1)), QBColor(k % 16));
    };
    curve(1);
    screenImage(area, size, 1);
    const std::size_t first = area.layerPaints();
    curve(2);
    EXPECT_EQ(screenImage(area, size, 1), area.toImage(size));
    EXPECT_EQ(area.layerPaints(), first + 1);
    for (int k = 0; k < 20; ++k)
        curve(1);
    screenImage(area, size, 1);
    const std::size_t before = area.layerPaints();
    area.compact();
    EXPECT_EQ(screenImage(area, size, 1), area.toImage(size));
    EXPECT_EQ(area.layerPaints(), before);
}

// The keyboard cursor: steps in the x range in force, whichever way the axis runs.
TEST(PictureAreaCursor, KeysStepAlongTheXAxisAndStayInRange)
{
    PictureArea area;
    area.resize(200, 100);
    area.setScale(100, 10, -100, -10); // x runs backwards: Right goes towards -100
    EXPECT_EQ(area.focusPolicy(), Qt::NoFocus);
    area.setKeyboardCursor(true);
    EXPECT_EQ(area.focusPolicy(), Qt::StrongFocus);
    area.show();
    QSignalSpy moved(&area, &PictureArea::cursorMoved);
    EXPECT_FALSE(area.cursorX());
    QTest::keyClick(&area, Qt::Key_Right);
    ASSERT_TRUE(area.cursorX());
    EXPECT_FLOAT_EQ(*area.cursorX(), 0.f); // the first key only places it, in the middle
    QTest::keyClick(&area, Qt::Key_Right);
    EXPECT_FLOAT_EQ(*area.cursorX(), -1.f);
    QTest::keyClick(&area, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_FLOAT_EQ(*area.cursorX(), -11.f);
    QTest::keyClick(&area, Qt::Key_PageDown);
    EXPECT_FLOAT_EQ(*area.cursorX(), -1.f);
    QTest::keyClick(&area, Qt::Key_End);
    EXPECT_FLOAT_EQ(*area.cursorX(), -100.f);
    QTest::keyClick(&area, Qt::Key_PageUp);
    EXPECT_FLOAT_EQ(*area.cursorX(), -100.f);
    QTest::keyClick(&area, Qt::Key_Home);
    EXPECT_FLOAT_EQ(*area.cursorX(), 100.f);
    QTest::keyClick(&area, Qt::Key_Left);
    EXPECT_FLOAT_EQ(*area.cursorX(), 100.f);
    ASSERT_EQ(moved.count(), 8);
    EXPECT_FLOAT_EQ(moved[2][0].toFloat(), -11.f);
    QTest::keyClick(&area, Qt::Key_A); // other keys pass through
    EXPECT_EQ(moved.count(), 8);

    area.setCursorX(1e9f);
    EXPECT_FLOAT_EQ(*area.cursorX(), 100.f);
    area.setScale(0, 1, 50, -1); // a narrower range pulls the cursor in
    EXPECT_FLOAT_EQ(*area.cursorX(), 50.f);
    EXPECT_EQ(moved.count(), 8);

    area.clearCursor();
    QTest::keyClick(&area, Qt::Key_Home);
    EXPECT_FLOAT_EQ(*area.cursorX(), 0.f);
}

TEST(PictureAreaCursor, WithoutTheCursorKeysAreNotTaken)
{
    PictureArea area;
    area.setScale(0, 1, 10, -1);
    area.show();
    QSignalSpy moved(&area, &PictureArea::cursorMoved);
    QTest::keyClick(&area, Qt::Key_Right);
    EXPECT_EQ(moved.count(), 0);
    EXPECT_FALSE(area.cursorX());
    area.setKeyboardCursor(true);
    area.setCursorX(5);
    area.setKeyboardCursor(false);
    EXPECT_FALSE(area.cursorX());
    EXPECT_EQ(area.focusPolicy(), Qt::NoFocus);
}

// The cursor is an overlay: the recorded drawing and the exports leave it out unless asked.
TEST(PictureAreaCursor, IsPaintedOnScreenAndExportedOnlyWhenAsked)
{
    PictureArea area;
    area.resize(200, 100);
    area.setBackground(Qt::white);
    area.setScale(0, 1, 100, -1);
    area.line(0, 0, 100, 0);
    const std::size_t ops = area.operations().size();
    const QImage without = area.toImage(QSize(200, 100));
    area.setKeyboardCursor(true);
    area.setCursorX(25);
    area.setCursorColour(Qt::green);
    EXPECT_EQ(area.operations().size(), ops);
    EXPECT_EQ(area.toImage(QSize(200, 100)), without);
    EXPECT_DOUBLE_EQ(*area.cursorPixelX(200), 50.0);

    const QImage screen = area.grab().toImage();
    EXPECT_EQ(screen.pixelColor(50, 10).rgb(), QColor(Qt::green).rgb());
    EXPECT_EQ(screen.pixelColor(49, 10).rgb(), QColor(Qt::white).rgb());

    area.setExportCursor(true);
    const QImage twice = area.toImage(QSize(400, 200));
    EXPECT_EQ(twice.pixelColor(100, 10).rgb(), QColor(Qt::green).rgb());
    const QImage exported = kel::display::PictureExport({&area}).image(1.0);
    EXPECT_EQ(exported.pixelColor(50, 10).rgb(), QColor(Qt::green).rgb());
    area.setCursorX(100); // at the right end, still inside the picture
    EXPECT_EQ(area.toImage(QSize(200, 100)).pixelColor(199, 10).rgb(), QColor(Qt::green).rgb());
}

// A dashed curve of many short lines still shows gaps: its dashes run on across them.
TEST(PictureArea, DashedCurvesKeepTheirDashesAcrossShortLines)
{
    PictureArea area;
    area.setBackground(Qt::white);
    area.setScale(0, 1, 200, -1);
    area.setDashed(true);
    area.setPoint(0, 0.5f, QBColor(4));
    for (int n = 1; n <= 200; ++n)
        area.lineTo(static_cast<float>(n), 0.5f, QBColor(4));
    area.setDashed(false);
    area.line(0, -0.5f, 200, -0.5f, QBColor(4));
    EXPECT_TRUE(area.operations()[2].dashed);
    EXPECT_FALSE(area.operations().back().dashed);
    const QImage image = area.toImage(QSize(200, 100));
    int dashedRow = 0, solidRow = 0;
    for (int x = 0; x < 200; ++x) {
        dashedRow += image.pixel(x, 25) == QBColor(4).rgb();
        solidRow += image.pixel(x, 75) == QBColor(4).rgb();
    }
    EXPECT_EQ(solidRow, 200);
    EXPECT_GT(dashedRow, 200 * 5 / 10); // 6 on, 4 off
    EXPECT_LT(dashedRow, 200 * 7 / 10);
}

TEST(PictureArea, LegendSitsInTheUpperRightCornerOnScreenAndInPictures)
{
    PictureArea area;
    area.resize(400, 300);
    area.setBackground(Qt::white);
    area.setScale(0, 1, 1, 0);
    EXPECT_TRUE(area.legendRect(QSizeF(400, 300)).isEmpty());
    const QImage plain = area.toImage(QSize(400, 300));
    area.setLegend({{"Charge q", QBColor(4), false}, {"Source voltage", QBColor(4), true}});
    const QRectF box = area.legendRect(QSizeF(400, 300));
    EXPECT_NEAR(box.right(), 396, 1);
    EXPECT_NEAR(box.top(), 4, 1);
    EXPECT_LT(box.width(), 200);
    EXPECT_LT(box.height(), 100);
    // Twice the size, twice the box.
    const QRectF big = area.legendRect(QSizeF(800, 600));
    EXPECT_NEAR(big.width(), 2 * box.width(), 1e-9);
    const QImage pictured = area.toImage(QSize(400, 300));
    EXPECT_NE(pictured, plain);
    EXPECT_EQ(pictured.pixel(box.topLeft().toPoint()), QColor(Qt::black).rgb());
    EXPECT_EQ(pictured.pixel(10, 150), QColor(Qt::white).rgb()); // the rest stays
    EXPECT_EQ(screenImage(area, QSize(400, 300), 1), pictured);
    area.setLegend({});
    EXPECT_EQ(area.toImage(QSize(400, 300)), plain);
}

TEST(PictureExport, RendersAreasSideBySideAsPngAndSvg)
{
    PictureArea left, right;
    left.resize(100, 80);
    right.resize(60, 80);
    left.setBackground(Qt::white);
    right.setBackground(Qt::white);
    left.setScale(0, 1, 1, 0);
    right.setScale(0, 1, 1, 0);
    left.line(0, 0.5f, 1, 0.5f, QBColor(4));
    right.line(0.5f, 0, 0.5f, 1, QBColor(1));
    const kel::display::PictureExport exporter({&left, &right});
    EXPECT_EQ(exporter.screenSize(), QSize(160, 80));
    const QImage big = exporter.image(3.0);
    EXPECT_EQ(big.size(), QSize(480, 240));
    EXPECT_EQ(big.pixelColor(150, 120).rgb(), QBColor(4).rgb());
    EXPECT_EQ(big.pixelColor(300 + 90, 30).rgb(), QBColor(1).rgb());
    const QByteArray svg = exporter.svg();
    EXPECT_TRUE(svg.contains("<svg"));
    EXPECT_TRUE(svg.contains("#800000"));
    EXPECT_TRUE(svg.contains("#000080"));
}

TEST(CsvTable, WritesHeaderAndRowsInFullPrecision)
{
    kel::display::CsvTable table({"t (s)", "q (C)"});
    table.addRow({0.1, 1.0 / 3.0});
    table.addRow({0.2, std::numeric_limits<double>::quiet_NaN()});
    const std::string text = table.text();
    EXPECT_EQ(text, "t (s),q (C)\r\n0.10000000000000001,0.33333333333333331\r\n"
                    "0.20000000000000001,\r\n");
    EXPECT_EQ(table.rowCount(), 2u);
}
