// SPDX-License-Identifier: GPL-3.0-or-later
// Plot Graphs pressed again and again without clearing keeps the recorded drawing bounded and
// the picture exactly as after the first press.
#include "display/picturearea.h"
#include "lab/core/circuitlaunchers.h"
#include "lab/labwindow.h"
#include "support/scripteddialogs.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>

TEST(Accumulation, RepeatedPlottingStaysBoundedAndShowsEveryCurve)
{
    kel::testing::ScriptedDialogs dialogs;
    kel::lab::LabWindow lab(dialogs);
    lab.applyConfiguration(*kel::lab::launcherConfiguration(13));
    for (const char *name : {"Charge", "Current", "Voltage"})
        lab.findChild<QCheckBox *>(name)->setChecked(true);
    kel::display::PictureArea *area = lab.graphArea();
    lab.plotGraphs();
    const QImage once = area->toImage(QSize(441, 329));
    const std::size_t opsOnce = area->operations().size();

    for (int n = 0; n < 2000; ++n)
        lab.plotGraphs();
    EXPECT_LT(area->operations().size(), 45'000u);
    EXPECT_EQ(area->toImage(QSize(441, 329)), once);

    // A curve from other parameters still shows beside the first ones.
    lab.findChild<QLineEdit *>("R")->setText("3");
    lab.plotGraphs();
    area->compact();
    EXPECT_GT(area->operations().size(), opsOnce);
    EXPECT_NE(area->toImage(QSize(441, 329)), once);
}
