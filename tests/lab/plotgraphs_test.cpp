// SPDX-License-Identifier: GPL-3.0-or-later
// Plot Graphs: the curves drawn, their points and colours, and the refusals.
#include "labfixture.h"

#include "display/qstringtext.h"

#include "display/qbcolor.h"
#include "solutions/circuitsolutions.h"

#include <cmath>

namespace kel::testing
{
namespace
{

using display::DrawOp;

const QRgb kDarkRed = display::QBColor(4).rgb();
const QRgb kDarkBlue = display::QBColor(1).rgb();

class PlotGraphs : public LabTest
{
protected:
    // The operations drawn after the empty frame.
    std::vector<DrawOp> curves()
    {
        std::vector<DrawOp> result;
        for (const auto &op : ops())
            if (op.kind != DrawOp::Kind::Scale && !op.foreground)
                result.push_back(op);
        return result;
    }
    void tick(std::initializer_list<const char *> names)
    {
        for (const char *n : names)
            box(n)->setChecked(true);
        dialogs.clear();
    }
};

TEST_F(PlotGraphs, DrivenRLCDrawsChargeThenCurrentThenSource)
{
    launch(13);
    tick({"Charge", "Current", "Voltage"});
    command("PlGraphs");
    EXPECT_TRUE(dialogs.calls().empty());

    const auto c = curves();
    ASSERT_EQ(c.size(), 201u + 201u + 501u);
    // Charge: a point at (0, q0) then 200 dark-red lines at t = 0.5 n.
    EXPECT_EQ(c[0].kind, DrawOp::Kind::Point);
    EXPECT_EQ(c[0].x1, 0);
    EXPECT_NEAR(c[0].y1, 10, 1e-5);
    solutions::CircuitParameters p;
    p.R = 1, p.L = 10, p.C = 0.1, p.v0 = 5, p.q0 = 10, p.i0 = 0;
    p.w0 = 628.318548202515, p.w0Text = "628.318548202515";
    for (int n = 1; n <= 200; ++n) {
        const DrawOp &op = c[n];
        ASSERT_EQ(op.kind, DrawOp::Kind::Line);
        EXPECT_EQ(op.colour, kDarkRed);
        EXPECT_EQ(op.x2, static_cast<float>(0.5 * n));
        EXPECT_EQ(op.x1, c[n - 1].kind == DrawOp::Kind::Point ? c[n - 1].x1 : c[n - 1].x2);
        EXPECT_EQ(op.y2, static_cast<float>(solutions::q8(p, 0.5 * n))) << n;
    }
    // Current: dark blue, starting at i0.
    EXPECT_EQ(c[201].kind, DrawOp::Kind::Point);
    EXPECT_EQ(c[201].colour, kDarkBlue);
    EXPECT_NEAR(c[201].y1, 0, 1e-5);
    EXPECT_EQ(c[401].colour, kDarkBlue);
    EXPECT_EQ(c[401].x2, 100);
    // Source voltage: from (0, 0), 500 dark-red lines at t = 0.2 n.
    EXPECT_EQ(c[402].kind, DrawOp::Kind::Point);
    EXPECT_EQ(c[402].x1, 0);
    EXPECT_EQ(c[402].y1, 0);
    EXPECT_EQ(c[402].colour, kDarkRed);
    EXPECT_EQ(c[403].x2, static_cast<float>(0.2));
    EXPECT_EQ(c[403].y2, static_cast<float>(5 * std::sin(628.318548202515 * 0.2)));
    EXPECT_EQ(c.back().x2, 100);

    // A second run adds every curve again; the frame and its scale stay.
    command("PlGraphs");
    EXPECT_EQ(curves().size(), 2u * (201 + 201 + 501));
    EXPECT_EQ(opsOf(DrawOp::Kind::Scale).size(), 1u);
}

TEST_F(PlotGraphs, SamplesTheScaleRangeEvenUnderTheFixedFrame)
{
    setScale(5, 20, 10, -10);
    launch(10); // RC, AC: fixed 0..100 frame
    tick({"Current", "Voltage"});
    command("PlGraphs");
    const auto c = curves();
    ASSERT_EQ(c.size(), 201u + 501u);
    EXPECT_EQ(c[0].x1, 5);
    EXPECT_EQ(c[200].x2, 20);
    // The source curve starts at value 0 at x1, not at V(x1).
    EXPECT_EQ(c[201].x1, 5);
    EXPECT_EQ(c[201].y1, 0);
    ASSERT_FALSE(opsOf(DrawOp::Kind::Scale).empty());
    EXPECT_EQ(opsOf(DrawOp::Kind::Scale).back().x2, 100);
}

TEST_F(PlotGraphs, RefusedParametersSkipChargeAndCurrentButNotTheSource)
{
    launch(10);
    type("C", "0");
    tick({"Voltage"});
    command("PlGraphs");
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].text, "Wrong Values of parameters");
    EXPECT_EQ(dialogs.messages()[0].title, "Input Error");
    EXPECT_EQ(curves().size(), 501u);

    // Refused even with no curve selected; nothing else drawn.
    launch(11);
    type("R", "0");
    dialogs.clear();
    command("PlGraphs");
    EXPECT_EQ(dialogs.messages().size(), 1u);
    box("Current")->setChecked(true);
    command("PlGraphs");
    EXPECT_EQ(dialogs.messages().size(), 2u);
    EXPECT_TRUE(curves().empty());

    // Nothing selected, valid parameters: nothing drawn, nothing said.
    launch(5);
    dialogs.clear();
    command("PlGraphs");
    EXPECT_TRUE(dialogs.calls().empty());
    EXPECT_TRUE(curves().empty());

    // R = 0 is a valid undamped RLC circuit.
    type("R", "0");
    box("Charge")->setChecked(true);
    command("PlGraphs");
    EXPECT_TRUE(dialogs.calls().empty());
    EXPECT_EQ(curves().size(), 201u);
}

TEST_F(PlotGraphs, TextThatIsNotANumberIsNamedAndChangesNothing)
{
    launch(1);
    tick({"Charge", "Current"});
    command("PlGraphs");
    const std::size_t before = ops().size();

    for (const char *name : {"C", "q0"}) {
        const QString old = text(name);
        type(name, "1,5");
        dialogs.clear();
        command("PlGraphs");
        ASSERT_EQ(dialogs.messages().size(), 1u) << name;
        // Where the system's numbers use a decimal comma, one sentence more says to type a point.
        EXPECT_EQ(dialogs.messages()[0].text,
                  display::withDecimalCommaHint(
                      QString("The text of %1 is not a number.").arg(name), "1,5"));
        EXPECT_EQ(dialogs.messages()[0].title, "Input Error");
        EXPECT_EQ(ops().size(), before);
        EXPECT_EQ(text(name), "1,5");
        type(name, old);
    }

    // The source curve reads w0 and v0.
    launch(13);
    box("Voltage")->setChecked(true);
    type("v0", "");
    dialogs.clear();
    command("PlGraphs");
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].text, "The text of v0 is not a number.");
    EXPECT_TRUE(curves().empty());
}

TEST_F(PlotGraphs, ValuesBeyondSinglePrecisionBreakTheCurve)
{
    launch(1);
    type("R", "-0.1"); // q grows as exp(t): beyond single range after t = 88.7
    tick({"Charge"});
    command("PlGraphs");
    EXPECT_TRUE(dialogs.calls().empty());
    const auto c = curves();
    ASSERT_FALSE(c.empty());
    EXPECT_LT(c.size(), 201u);
    for (const DrawOp &op : c) {
        EXPECT_TRUE(std::isfinite(op.y1) && std::isfinite(op.y2));
        EXPECT_LE(op.x2, 89.f);
    }
    // The picture still renders.
    EXPECT_FALSE(window().graphArea()->toImage(QSize(200, 150)).isNull());
}

} // namespace
} // namespace kel::testing
