// SPDX-License-Identifier: GPL-3.0-or-later
// The Frequency Response window over its session, the session over a lab session.
#include "display/picturearea.h"
#include "lab/core/circuitlaunchers.h"
#include "lab/core/labsession.h"
#include "response/responsesession.h"
#include "response/responsewindow.h"

#include <QComboBox>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace kel::testing
{
namespace
{

using solutions::Response;

lab::LabSession launched(int command)
{
    lab::LabSession lab;
    lab.applyConfiguration(*lab::launcherConfiguration(command));
    return lab;
}

// The launcher whose configuration is the driven circuit of `kind`.
int commandOf(lab::CircuitKind kind)
{
    for (const lab::CircuitLauncher &l : lab::circuitLaunchers())
        if (l.configuration.circuitKind == kind)
            return l.commandNumber;
    return 0;
}

TEST(ResponseSession, FollowsTheDrivenCircuitAndItsChoice)
{
    lab::LabSession lab = launched(commandOf(lab::CircuitKind::DrivenRc));
    lab.setText(lab::Field::R, "1000");
    lab.setText(lab::Field::C, "1E-06");
    response::ResponseSession session(lab);
    session.refresh();
    EXPECT_EQ(session.response(), Response::VC); // the low-pass first
    EXPECT_EQ(session.responses(), (std::vector{Response::VR, Response::VC, Response::Current}));
    EXPECT_FALSE(session.setResponse(Response::VL));
    ASSERT_EQ(session.curve().size(), static_cast<std::size_t>(response::ResponseSession::kPoints));
    const double corner = 1 / (2 * std::numbers::pi * 1000 * 1e-6);
    EXPECT_NEAR(session.features()->corners.front(), corner, 1e-9 * corner);
    // The range is centred on the corner.
    EXPECT_NEAR(std::sqrt(session.lowFrequency() * session.highFrequency()), corner, 1e-9 * corner);
    EXPECT_TRUE(session.figuresText().contains(QLatin1String("159.15 Hz")))
        << session.figuresText().toStdString();

    QSignalSpy changed(&session, &response::ResponseSession::changed);
    ASSERT_TRUE(session.setResponse(Response::VR));
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(session.features()->lowSlope, 20);

    lab.setText(lab::Field::C, "-1");
    session.refresh();
    EXPECT_TRUE(session.curve().empty());
    EXPECT_FALSE(session.problem().isEmpty());
}

TEST(ResponseWindow, DrawsPicksAResponseAndAFrequency)
{
    lab::LabSession lab = launched(commandOf(lab::CircuitKind::DrivenRlc));
    response::ResponseSession session(lab);
    response::ResponseWindow window(session);
    session.refresh();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto *choice = window.findChild<QComboBox *>("ResponseChoice");
    ASSERT_EQ(choice->count(), 4);
    EXPECT_GT(window.magnitude()->operations().size(),
              static_cast<std::size_t>(response::ResponseSession::kPoints));
    EXPECT_GT(window.phase()->operations().size(),
              static_cast<std::size_t>(response::ResponseSession::kPoints));
    EXPECT_FALSE(window.findChild<QLabel *>("ResponseFigures")->text().isEmpty());

    choice->setCurrentIndex(2);
    emit choice->activated(2);
    EXPECT_EQ(session.response(), Response::VL);

    QSignalSpy picked(&window, &response::ResponseWindow::frequencyPicked);
    display::PictureArea *magnitude = window.magnitude();
    QTest::mouseClick(magnitude, Qt::LeftButton, {},
                      QPoint(magnitude->width() / 2, magnitude->height() / 2));
    ASSERT_EQ(picked.count(), 1);
    // The middle of the range is the geometric mean of its ends.
    const double middle = std::sqrt(session.lowFrequency() * session.highFrequency());
    EXPECT_NEAR(std::log10(picked.front().front().toDouble()), std::log10(middle), 0.01);
}

} // namespace
} // namespace kel::testing
