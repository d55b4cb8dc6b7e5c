// SPDX-License-Identifier: GPL-3.0-or-later
// The value read-out of a click on the graph.
#include "labfixture.h"

#include "solutions/numbertext.h"

#include <QTest>

namespace kel::testing
{
namespace
{

class Readout : public LabTest
{
protected:
    void click(QPoint at = QPoint(0, 10))
    {
        QTest::mouseClick(window().graphArea(), Qt::LeftButton, {}, at);
    }
};

TEST_F(Readout, LeftEdgeGivesTheInitialValues)
{
    launch(5); // RLC, no source: q0 10, i0 0
    type("qq", "old");
    click();
    EXPECT_EQ(text("Time"), "0");
    EXPECT_NEAR(solutions::toNumber(text("qq").toStdString()).value(), 10, 1e-9);
    EXPECT_NEAR(solutions::toNumber(text("ii").toStdString()).value(), 0, 1e-9);
    EXPECT_TRUE(dialogs.calls().empty());
}

TEST_F(Readout, ValuesAreTakenAtTheTimeAsWritten)
{
    launch(1);
    // The click's time in single precision, read back from its text.
    window().readOutAt(1, 0, 10.000001f, 0);
    EXPECT_EQ(text("Time"), "10");
    // q1 with R 1, C 10, q0 10 is 10·exp(-t/10).
    EXPECT_EQ(text("qq"), QString::fromStdString(solutions::toText(10 * std::exp(-10.0 / 10))));
    const QString first = text("ii");
    window().readOutAt(2, 1, 10.0000001f, 5);
    EXPECT_EQ(text("ii"), first);
}

TEST_F(Readout, RLCircuitsWriteOnlyTheCurrentAndDifferInTheirTest)
{
    launch(11); // RL, AC: R = 0 passes the read-out although Plot Graphs refuses it
    type("R", "0");
    type("qq", "kept");
    click();
    EXPECT_TRUE(dialogs.calls().empty());
    EXPECT_EQ(text("qq"), "kept");
    EXPECT_NE(text("ii"), "0");

    launch(3); // RL, no source: R = 0 refused
    type("R", "0");
    type("ii", "before");
    window().readOutAt(1, 0, 42.5f, 0);
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].text, "Wrong Values of parameters");
    EXPECT_EQ(text("Time"), "42.5");
    EXPECT_EQ(text("ii"), "before");
}

TEST_F(Readout, BadTextsAndValuesWithoutAFiniteResultLeaveTheReadout)
{
    launch(8); // LC, constant source
    click();
    const QString ii = text("ii"), qq = text("qq");

    type("i0", "ten");
    click();
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].text, "The text of i0 is not a number.");
    EXPECT_EQ(dialogs.messages()[0].title, "Input Error");
    EXPECT_EQ(text("ii"), ii);
    EXPECT_EQ(text("qq"), qq);

    // L·C < 0 has no natural frequency: no value, a message, nothing overwritten.
    type("i0", "0");
    type("L", "-10");
    dialogs.clear();
    window().readOutAt(1, 0, 3, 0);
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].title, "Input Error");
    EXPECT_EQ(text("ii"), ii);
    EXPECT_EQ(text("qq"), qq);
}

} // namespace
} // namespace kel::testing
