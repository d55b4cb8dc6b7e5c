// SPDX-License-Identifier: GPL-3.0-or-later
// The numbered axes over a picture area: placed clear of each other and of the legend, and
// not part of the recorded drawing.
#include "display/picturearea.h"
#include "display/qbcolor.h"

#include <gtest/gtest.h>

#include <QFontMetricsF>

using kel::display::AxisLayout;
using kel::display::PictureArea;
using kel::display::PictureAxes;
using kel::display::ValueAxis;

namespace
{

void expectClear(const AxisLayout &layout, const QSizeF &size, const QRectF &legend)
{
    const QRectF picture(QPointF(0, 0), size);
    for (std::size_t a = 0; a < layout.texts.size(); ++a) {
        const auto &text = layout.texts[a];
        EXPECT_TRUE(picture.contains(text.box)) << text.text.toStdString();
        EXPECT_FALSE(text.box.intersects(legend)) << text.text.toStdString();
        for (std::size_t b = a + 1; b < layout.texts.size(); ++b)
            EXPECT_FALSE(text.box.intersects(layout.texts[b].box))
                << text.text.toStdString() << " and " << layout.texts[b].text.toStdString();
    }
}

struct Case {
    double x1, x2, y1, y2; // left, right, top, bottom
    QSize size;
};

} // namespace

// At the screen's size, twice it, and with a font twice as large (text at 200%), whatever
// the scale and however long the titles.
TEST(PictureAxes, TextsNeverOverlapEachOtherOrTheLegend)
{
    const Case cases[] = {
        {0, 100, 10, -10, {441, 329}},       {10, 20, 10, -10, {441, 329}},
        {20, 10, -1e-6, 1e-6, {441, 329}},   {0, 0.002, 1e9, -1e9, {200, 150}},
        {-5e-12, 5e-12, 3, 2.5, {300, 120}}, {0, 1e12, 100, 0, {120, 90}},
    };
    const QStringList titles[] = {
        {"t"}, {"q", "i", "v"}, {"Ladung", "Strom", "Spannung der Quelle"}};
    for (const Case &c : cases)
        for (const QStringList &names : titles)
            for (double points : {8.25, 16.5}) {
                PictureArea area;
                area.resize(c.size);
                QFont font = area.font();
                font.setPointSizeF(points);
                area.setFont(font);
                area.setScale(static_cast<float>(c.x1), static_cast<float>(c.y1),
                              static_cast<float>(c.x2), static_cast<float>(c.y2));
                ValueAxis values = ValueAxis::followingScale({});
                for (const QString &name : names)
                    values.quantities.push_back({name, "C"});
                area.setAxes({ValueAxis::followingScale({{"t", "s"}}), {values}});
                area.setLegend({{"Charge", kel::display::QBColor(4), false},
                                {"Current", kel::display::QBColor(1), false}});
                for (double scale : {1.0, 2.0}) {
                    SCOPED_TRACE(testing::Message()
                                 << c.x1 << ".." << c.x2 << " by " << c.y1 << ".." << c.y2 << " at "
                                 << points << " pt, scale " << scale);
                    const QSizeF size = QSizeF(c.size) * scale;
                    const AxisLayout layout = area.axesLayout(size);
                    expectClear(layout, size, area.legendRect(size));
                    if (c.size.width() >= 300 && points < 10) {
                        EXPECT_GE(layout.texts.size(), 5u);
                    }
                }
            }
}

TEST(PictureAxes, ScaleNotFromZeroStillNumberedEachWithItsTick)
{
    PictureArea area;
    area.resize(441, 329);
    area.setScale(10, 5, 20, -5);
    area.line(0, -4.9f, 0, 4.9f); // an axis at t = 0, outside the picture
    const std::size_t recorded = area.operations().size();
    area.setAxes({ValueAxis::followingScale({{"t", "s"}}), {}});
    EXPECT_EQ(area.operations().size(), recorded);
    const AxisLayout layout = area.axesLayout(QSizeF(441, 329));
    QStringList texts;
    for (const auto &t : layout.texts)
        texts << t.text;
    EXPECT_TRUE(texts.contains("t (s)")) << texts.join(' ').toStdString();
    EXPECT_TRUE(texts.contains("10") && texts.contains("20")) << texts.join(' ').toStdString();
    EXPECT_EQ(layout.ticks.size(), static_cast<std::size_t>(texts.size() - 1));
    // Reversed, the numbers turn with the scale: 10 now stands at the right.
    area.setScale(20, 5, 10, -5);
    const AxisLayout reversed = area.axesLayout(QSizeF(441, 329));
    double at10 = -1, at20 = -1;
    for (const auto &t : reversed.texts) {
        if (t.text == "10")
            at10 = t.box.center().x();
        if (t.text == "20")
            at20 = t.box.center().x();
    }
    EXPECT_GT(at10, at20);
    // Switched off, nothing is drawn over the picture.
    const QImage on = area.toImage(QSize(441, 329));
    area.setAxesShown(false);
    EXPECT_TRUE(area.axesLayout(QSizeF(441, 329)).texts.empty());
    EXPECT_NE(area.toImage(QSize(441, 329)), on);
}
