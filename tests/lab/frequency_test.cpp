// SPDX-License-Identifier: GPL-3.0-or-later
// The frequency texts, the natural-frequency command and the source-voltage warning.
#include "labfixture.h"

#include "resonance/resonancewindow.h"
#include "resonance/responsesession.h"
#include "solutions/numbertext.h"

#include <QPushButton>
#include <QTest>

#include <cmath>

namespace kel::testing
{
namespace
{

TEST_F(LabTest, TypingTheFrequencyRewritesTheAngularFrequency)
{
    launch(13);
    edit("f0")->clear();
    QTest::keyClicks(edit("f0"), "5x");
    EXPECT_EQ(text("w0"), QString::fromStdString(solutions::toText(5 * 6.2831854820251465)));
    edit("f0")->clear();
    EXPECT_EQ(text("w0"), QString::fromStdString(solutions::toText(5 * 6.2831854820251465)));
    QTest::keyClicks(edit("f0"), "50");
    EXPECT_EQ(text("w0"), QString::fromStdString(solutions::toText(50 * 6.2831854820251465)));
    // A frequency whose angular frequency overflows leaves w0 a number.
    type("f0", "1e308");
    EXPECT_EQ(text("w0"), QString::fromStdString(solutions::toText(50 * 6.2831854820251465)));
}

TEST_F(LabTest, NaturalFrequencyEntersResonanceAndTypingLeavesIt)
{
    launch(12); // LC, AC: L 10, C 10, v0 5, q0 10, i0 0
    window().setNaturalFrequency();
    EXPECT_EQ(text("w0"), "0.1");
    EXPECT_EQ(text("f0"), QString::fromStdString(solutions::toText(0.1 / 6.28318)));

    // At resonance: q = 10 cos(w t) + 25 sin(w t) - 2.5 t cos(w t), w = 0.1.
    const double t = 10;
    const double resonant = 10 * std::cos(1.0) + 25 * std::sin(1.0) - 2.5 * t * std::cos(1.0);
    EXPECT_NEAR(session().q5(t).value.value(), resonant, 1e-9);

    // Retyping the shown frequency uses 2·Pi, not 6.28318: off resonance.
    const QString shownF0 = text("f0");
    edit("f0")->clear();
    QTest::keyClicks(edit("f0"), shownF0);
    EXPECT_NE(text("w0"), "0.1");
    const auto off = session().q5(t);
    ASSERT_TRUE(off);
    EXPECT_GT(std::abs(*off.value - resonant), 1e-6);
}

TEST_F(LabTest, NaturalFrequencyNeedsAPositiveProduct)
{
    launch(12);
    for (auto [L, C] : {std::pair{"0", "10"}, {"-1", "10"}, {"abc", "10"}, {"10", ""}}) {
        type("L", L);
        type("C", C);
        window().setNaturalFrequency();
        EXPECT_EQ(text("f0"), "100") << L << " " << C;
        EXPECT_EQ(text("w0"), "628.318548202515");
    }
    EXPECT_TRUE(dialogs.calls().empty());
}

TEST_F(LabTest, TickingTheSourceVoltageWarnsEachTime)
{
    launch(13);
    dialogs.clear();
    QTest::mouseClick(box("Voltage"), Qt::LeftButton);
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].text, "This plot may be inaccurate for large frequencies do to "
                                          "low sampling of the points on the graph");
    EXPECT_EQ(dialogs.messages()[0].title, "Graphics Warning");
    EXPECT_EQ(dialogs.messages()[0].buttons, display::MessageButtons::Ok);
    QTest::mouseClick(box("Voltage"), Qt::LeftButton);
    EXPECT_EQ(dialogs.messages().size(), 1u);
    QTest::mouseClick(box("Voltage"), Qt::LeftButton);
    EXPECT_EQ(dialogs.messages().size(), 2u);
    EXPECT_TRUE(box("Voltage")->isChecked());
}

TEST_F(LabTest, SolutionFunctionsFollowTheTextsAndNameABadOne)
{
    launch(1);
    EXPECT_NEAR(session().q1(10).value.value(), 10 * std::exp(-1.0), 1e-12);
    type("q0", "20");
    EXPECT_NEAR(session().q1(10).value.value(), 20 * std::exp(-1.0), 1e-12);
    type("R", "one");
    const auto bad = session().i1(0);
    EXPECT_FALSE(bad);
    EXPECT_EQ(bad.badBox, solutions::Parameter::R);
    type("w0", "2");
    type("v0", "3");
    EXPECT_NEAR(session().VS(0.25).value.value(), 3 * std::sin(0.5), 1e-15);
}

// Resonance Curve and Frequency Response open one window, each at its page; a frequency
// picked there is typed into f0 and plotted; a circuit without a source closes it.
TEST_F(LabTest, ResonanceAndFrequencyResponseShareOneWindow)
{
    launch(13); // RLC, AC
    command("ResonanceCurve");
    auto *window = this->window().findChild<resonance::ResonanceWindow *>("ResonanceCurve");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->page(), resonance::ResonancePage::Resonance);
    command("FrequencyResponse");
    EXPECT_EQ(this->window().findChildren<resonance::ResonanceWindow *>().size(), 1);
    EXPECT_EQ(window->page(), resonance::ResonancePage::Response);
    EXPECT_EQ(window->windowTitle(), "Frequency Response");
    EXPECT_TRUE(window->isVisible());

    QTest::keyClick(window->responsePicture(), Qt::Key_Right, Qt::ShiftModifier);
    const std::optional<double> f0 = solutions::toNumber(text("f0").toStdString());
    ASSERT_TRUE(f0.has_value()) << text("f0").toStdString();
    EXPECT_NEAR(std::log10(*f0 / 100), 0.1, 0.003);
    EXPECT_EQ(window->response().sourceFrequency(), f0);

    // The driven RC: the same window, its frequency response alone.
    launch(10);
    command("FrequencyResponse");
    EXPECT_EQ(this->window().findChildren<resonance::ResonanceWindow *>().size(), 1);
    EXPECT_EQ(window->response().kind(), solutions::CircuitKind::DrivenRc);
    EXPECT_EQ(window->page(), resonance::ResonancePage::Response);
    launch(6); // RC with a constant source
    EXPECT_FALSE(window->isVisible());
}

} // namespace
} // namespace kel::testing
