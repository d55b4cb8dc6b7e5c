// SPDX-License-Identifier: GPL-3.0-or-later
// Colour contrast of the lab and phasor windows as they are drawn: every curve and line
// against its picture's background, every text against what it stands on. A colour the
// window must keep that falls short has a cue that needs no colour, which is checked instead.
#include "display/picturearea.h"
#include "lab/core/circuitlaunchers.h"
#include "lab/labwindow.h"
#include "phasor/phasorswindow.h"
#include "support/contrast.h"
#include "support/scripteddialogs.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <iostream>
#include <set>

namespace
{

using kel::testing::contrastRatio;
using kel::testing::Rgb;

Rgb rgbOf(const QColor &c)
{
    return {c.red(), c.green(), c.blue()};
}

double ratio(const QColor &a, const QColor &b)
{
    return contrastRatio(rgbOf(a), rgbOf(b));
}

// The figures go to the test's output, for the record.
void note(const QString &what, const QColor &colour, const QColor &background, double r)
{
    std::cout << "contrast " << what.toStdString() << " " << colour.name().toStdString() << " on "
              << background.name().toStdString() << ": " << r << ":1\n";
}

TEST(Contrast, RatiosAsWcagDefinesThem)
{
    EXPECT_DOUBLE_EQ(contrastRatio({0, 0, 0}, {255, 255, 255}), 21.0);
    EXPECT_DOUBLE_EQ(contrastRatio({255, 255, 255}, {0, 0, 0}), 21.0);
    EXPECT_DOUBLE_EQ(contrastRatio({12, 200, 7}, {12, 200, 7}), 1.0);
    // #777 on white is the usual example of grey text just short of 4.5:1.
    EXPECT_NEAR(contrastRatio({0x77, 0x77, 0x77}, {255, 255, 255}), 4.48, 0.005);
    // Channels at or below 10 (0.04045) are on the straight part of the curve.
    EXPECT_NEAR(kel::testing::relativeLuminance({10, 10, 10}), 10 / 255.0 / 12.92, 1e-12);
    EXPECT_NEAR(kel::testing::relativeLuminance({0, 0, 255}), 0.0722, 1e-12);
}

// The colours a picture's operations are drawn in, foreground included.
std::set<QRgb> drawnColours(const kel::display::PictureArea *area)
{
    std::set<QRgb> colours;
    for (const kel::display::DrawOp &op : area->operations())
        if (op.kind != kel::display::DrawOp::Kind::Scale)
            colours.insert(op.foreground ? area->foreground().rgb() : op.colour);
    return colours;
}

void expectGraphicsContrast(const kel::display::PictureArea *area)
{
    const QColor background = area->background();
    const std::set<QRgb> colours = drawnColours(area);
    EXPECT_GE(colours.size(), 2U) << area->objectName().toStdString();
    for (QRgb c : colours) {
        const double r = ratio(QColor(c), background);
        note(area->objectName() + QStringLiteral(" line"), QColor(c), background, r);
        EXPECT_GE(r, kel::testing::kGraphicContrast)
            << area->objectName().toStdString() << " " << QColor(c).name().toStdString();
    }
}

// What a widget's text is drawn on: a box's base, else the first of it and its parents that
// paints a background (a picture area, a filled widget or the window).
QColor backgroundOf(const QWidget *w)
{
    if (qobject_cast<const QLineEdit *>(w))
        return w->palette().color(QPalette::Base);
    if (qobject_cast<const QPushButton *>(w))
        return w->palette().color(QPalette::Button);
    for (const QWidget *p = w; p; p = p->parentWidget()) {
        if (const auto *area = qobject_cast<const kel::display::PictureArea *>(p))
            return area->background();
        if (p->autoFillBackground() || p->isWindow())
            return p->palette().color(p->backgroundRole());
    }
    return Qt::white;
}

QColor textColourOf(const QWidget *w)
{
    if (qobject_cast<const QLineEdit *>(w))
        return w->palette().color(QPalette::Text);
    if (qobject_cast<const QPushButton *>(w))
        return w->palette().color(QPalette::ButtonText);
    return w->palette().color(w->foregroundRole());
}

QString textOf(const QWidget *w)
{
    if (const auto *label = qobject_cast<const QLabel *>(w))
        return label->text();
    if (const auto *button = qobject_cast<const QAbstractButton *>(w))
        return button->text();
    if (const auto *edit = qobject_cast<const QLineEdit *>(w))
        return edit->text();
    return {};
}

// Every visible, enabled text of the window: 4.5:1. Returns how many were checked.
int expectTextContrast(QWidget *window)
{
    int checked = 0;
    std::set<std::pair<QRgb, QRgb>> noted;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisible() || !w->isEnabled() || textOf(w).trimmed().isEmpty())
            continue;
        const QColor text = textColourOf(w), background = backgroundOf(w);
        const double r = ratio(text, background);
        if (noted.insert({text.rgb(), background.rgb()}).second)
            note(window->objectName() + QStringLiteral(" text"), text, background, r);
        EXPECT_GE(r, kel::testing::kTextContrast) << w->objectName().toStdString();
        ++checked;
    }
    return checked;
}

TEST(Contrast, PhasorWindowCurvesTextsAndColourKey)
{
    kel::testing::ScriptedDialogs dialogs;
    kel::phasor::PhasorsWindow window(dialogs);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.findChild<QScrollBar *>("TimeSc")->setValue(40);
    window.findChild<QPushButton *>("Projection")->click();
    expectGraphicsContrast(window.plotArea());
    expectGraphicsContrast(window.diagramArea());
    EXPECT_GT(expectTextContrast(&window), 30);

    // The key's lines keep the colours of their curves; one too light for the window's grey
    // is read by the name beside it.
    const QColor client = window.centralWidget()->palette().color(QPalette::Window);
    int cued = 0;
    for (int i = 1; i <= 4; ++i) {
        const auto *line = window.findChild<QFrame *>(QStringLiteral("Line%1").arg(i));
        const auto *name = window.findChild<QLabel *>(QStringLiteral("LineName%1").arg(i));
        ASSERT_TRUE(line && name);
        const QColor colour = line->palette().color(QPalette::Window);
        const double r = ratio(colour, client);
        note(line->objectName() + QStringLiteral(" key"), colour, client, r);
        if (r < kel::testing::kGraphicContrast) {
            ++cued;
            EXPECT_TRUE(name->isVisible());
            EXPECT_FALSE(name->text().trimmed().isEmpty());
            EXPECT_GE(ratio(textColourOf(name), backgroundOf(name)), kel::testing::kTextContrast);
            EXPECT_FALSE(line->accessibleName().isEmpty());
        }
    }
    std::cout << "key lines below 3:1, read by their names: " << cued << "\n";
}

TEST(Contrast, LabWindowCurvesAndTexts)
{
    kel::testing::ScriptedDialogs dialogs;
    kel::lab::LabWindow window(dialogs);
    window.applyConfiguration(*kel::lab::launcherConfiguration(13));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    for (const char *name : {"Charge", "Current", "Voltage"})
        if (auto *box = window.findChild<QCheckBox *>(name))
            box->setChecked(true);
    // Ticking a curve may explain the graph selection; only Plot Graphs matters here.
    dialogs.clear();
    window.findChild<QAction *>("PlGraphs")->trigger();
    ASSERT_TRUE(dialogs.messages().empty());
    expectGraphicsContrast(window.graphArea());
    EXPECT_GT(expectTextContrast(&window), 10);
}

} // namespace
