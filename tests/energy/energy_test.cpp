// SPDX-License-Identifier: GPL-3.0-or-later
// The Energy window over its session, the session over a lab session without a lab window.
#include "display/picturearea.h"
#include "energy/energysession.h"
#include "energy/energywindow.h"
#include "lab/core/circuitlaunchers.h"
#include "lab/core/labsession.h"
#include "support/scripteddialogs.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace kel::testing
{
namespace
{

// The underdamped RLC circuit without a source (R = 1, L = 10, C = 10, q0 = 10) over 0..100 s.
lab::LabSession underdamped()
{
    lab::LabSession lab;
    lab.applyConfiguration(*lab::launcherConfiguration(5));
    lab.setScale({0, 100, 10, -10});
    return lab;
}

TEST(EnergySession, FollowsTheLabAndKeepsTheBalance)
{
    lab::LabSession lab = underdamped();
    energy::EnergySession session(lab);
    QSignalSpy changed(&session, &energy::EnergySession::changed);
    session.refresh();
    session.refresh(); // nothing new: no second change
    ASSERT_EQ(changed.count(), 1);
    ASSERT_EQ(session.curve().size(), energy::EnergySession::kIntervals + 1u);
    EXPECT_DOUBLE_EQ(session.balance().initial, 5); // q0² / (2C)
    EXPECT_LT(session.balance().largestDeviation, 1e-9 * 5);
    // By t = 100 s most of it is heat.
    EXPECT_GT(session.curve().back().resistor, 4);

    const QByteArray csv = session.csv().value().replace("\r\n", "\n");
    EXPECT_TRUE(csv.startsWith("t,W_C,W_L,W_R,W_S\n0,5,0,0,0\n")) << csv.left(80).constData();
    EXPECT_EQ(csv.count('\n'), energy::EnergySession::kIntervals + 2);

    lab.setText(lab::Field::C, "ten");
    session.refresh();
    EXPECT_EQ(changed.count(), 2);
    EXPECT_TRUE(session.curve().empty());
    EXPECT_FALSE(session.csv().has_value());
    EXPECT_TRUE(session.problem().contains(QLatin1String("C"))) << session.problem().toStdString();
}

TEST(EnergyWindow, DrawsReadsOutAndSaves)
{
    lab::LabSession lab = underdamped();
    energy::EnergySession session(lab);
    ScriptedDialogs dialogs;
    energy::EnergyWindow window(session, dialogs);
    session.refresh();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    display::PictureArea *picture = window.findChild<display::PictureArea *>("EnergyPicture");
    ASSERT_NE(picture, nullptr);
    EXPECT_GT(picture->operations().size(), 5u * energy::EnergySession::kIntervals);
    EXPECT_EQ(picture->legend().size(), 5u);
    auto *balance = window.findChild<QLabel *>("EnergyBalance");
    EXPECT_TRUE(balance->text().contains(QLatin1String("5 J"))) << balance->text().toStdString();

    // The keyboard cursor reads out where it stops; End is the graph's right edge.
    picture->setFocus();
    QTest::keyClick(picture, Qt::Key_End);
    auto *readout = window.findChild<QLabel *>("EnergyReadout");
    EXPECT_TRUE(readout->text().startsWith(QLatin1String("t = 100 s")))
        << readout->text().toStdString();
    EXPECT_EQ(picture->accessibleDescription(), readout->text());

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("energy.csv"));
    dialogs.queueSavePath(path);
    window.findChild<QAction *>("SaveData")->trigger();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), session.csv().value());

    lab.setText(lab::Field::L, "abc");
    session.refresh();
    EXPECT_LT(picture->operations().size(), 5u); // the coordinate system only
    EXPECT_TRUE(picture->legend().empty());
    EXPECT_FALSE(window.findChild<QLabel *>("EnergyNote")->text().isEmpty());
}

} // namespace
} // namespace kel::testing
