// SPDX-License-Identifier: GPL-3.0-or-later
// The lab session without a window: configurations, plot planning, read-out, scale answers,
// the natural frequency, and the solution functions against their differential equations.
#include "lab/core/circuitlaunchers.h"
#include "lab/core/labsession.h"
#include "solutions/numbertext.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kel::lab
{
namespace
{

double number(const QString &text)
{
    return solutions::toNumber(text.toStdString()).value_or(NAN);
}

LabSession launched(int command)
{
    LabSession session;
    const CircuitConfiguration *configuration = launcherConfiguration(command);
    EXPECT_NE(configuration, nullptr) << command;
    if (configuration)
        session.applyConfiguration(*configuration);
    return session;
}

TEST(LabSession, LaunchersSetKindTextsAndFrame)
{
    EXPECT_EQ(circuitLaunchers().size(), 12u);
    EXPECT_EQ(launcherConfiguration(2), nullptr); // Quit launches no circuit
    EXPECT_EQ(launcherConfiguration(14), nullptr);

    LabSession session;
    session.setScale({0, 20, 1, -1});
    session.setText(Field::f0, "5");
    session.applyConfiguration(*launcherConfiguration(13));
    EXPECT_EQ(session.circuitKind(), CircuitKind::DrivenRlc);
    EXPECT_EQ(session.source(), SourceKind::Alternating);
    EXPECT_EQ(session.text(Field::C), "0.1");
    EXPECT_EQ(session.text(Field::f0), "100");
    EXPECT_EQ(session.text(Field::w0), "628.318548202515"); // 100 · (Pi + Pi), single Pi
    EXPECT_EQ(session.frameScale(), GraphScale{});          // fixed frame, scale untouched
    EXPECT_EQ(session.scale().x2, 20);

    session.applyConfiguration(*launcherConfiguration(12));
    EXPECT_EQ(session.circuitKind(), CircuitKind::DrivenLc);
    EXPECT_EQ(session.frameScale().x2, 20); // this one draws for the current scale
}

TEST(LabSession, AFrequencyTextThatIsNotANumberLeavesW0)
{
    LabSession session = launched(10);
    EXPECT_TRUE(session.setText(Field::f0, "1,5"));
    EXPECT_EQ(session.text(Field::w0), "628.318548202515");
    EXPECT_FALSE(session.setText(Field::f0, "1,5")); // unchanged
    session.setText(Field::f0, "1e308");             // the product overflows
    EXPECT_EQ(session.text(Field::w0), "628.318548202515");
    session.setText(Field::f0, "0.5");
    EXPECT_NEAR(number(session.text(Field::w0)), 0.5 * static_cast<double>(3.1415927f + 3.1415927f),
                1e-14);
}

TEST(LabSession, PlanComputesEveryCurveAndRecordsTheHistory)
{
    LabSession session = launched(13);
    session.setSelection({true, true, true});
    const PlotPlan plan = session.planPlot();
    EXPECT_TRUE(plan.messages.empty());
    ASSERT_EQ(plan.curves.charge.samples.size(), 201u);
    ASSERT_EQ(plan.curves.current.samples.size(), 201u);
    ASSERT_EQ(plan.curves.voltage.samples.size(), 501u);
    EXPECT_DOUBLE_EQ(plan.curves.charge.samples.front().value, 10); // q0
    EXPECT_DOUBLE_EQ(plan.curves.voltage.samples.back().t, 100);
    EXPECT_EQ(session.lastPlot().charge.samples.size(), 201u);

    session.setText(Field::R, "2");
    session.setSelection({false, true, false});
    session.planPlot();
    ASSERT_EQ(session.history().size(), 2u);
    EXPECT_EQ(session.history()[0].texts[static_cast<std::size_t>(Field::R)], "1");
    EXPECT_EQ(session.history()[1].texts[static_cast<std::size_t>(Field::R)], "2");
    EXPECT_EQ(session.history()[1].selection, (CurveSelection{false, true, false}));

    session.clearPlots();
    EXPECT_TRUE(session.history().empty());
    EXPECT_TRUE(session.lastPlot().empty());
}

TEST(LabSession, RefusedPlotsDrawNothingOfTheirCircuit)
{
    LabSession session = launched(13);
    session.setSelection({true, true, true});
    session.setText(Field::L, "0");
    PlotPlan plan = session.planPlot();
    ASSERT_EQ(plan.messages.size(), 1u);
    EXPECT_EQ(plan.messages[0].text, "Wrong Values of parameters");
    EXPECT_EQ(plan.messages[0].title, "Input Error");
    EXPECT_TRUE(plan.curves.charge.samples.empty());
    EXPECT_EQ(plan.curves.voltage.samples.size(), 501u); // the source needs no L

    session.setText(Field::L, "10");
    session.setText(Field::v0, "1,5");
    plan = session.planPlot();
    // v0 is read by both the circuit and the source: reported for each, neither drawn.
    ASSERT_EQ(plan.messages.size(), 2u);
    EXPECT_EQ(plan.messages[0].text, "The text of v0 is not a number.");
    EXPECT_EQ(plan.messages[0].typedText, "1,5");
    EXPECT_TRUE(plan.curves.empty());
    EXPECT_EQ(session.history().size(), 1u); // only the plot that drew something
}

// One damped period apart, the charge has decayed by e^(−α·T_d): the logarithm of the ratio
// is the logarithmic decrement, whatever the phase of the first point.
TEST(LabSession, ReferenceGivesTheLogarithmicDecrementOnePeriodApart)
{
    LabSession session = launched(5); // RLC without a source
    for (auto [field, text] : {std::pair{Field::R, "0.5"},
                               {Field::L, "10"},
                               {Field::C, "10"},
                               {Field::q0, "10"},
                               {Field::i0, "0"},
                               {Field::v0, "0"}})
        session.setText(field, text);
    const double alpha = 0.5 / (2 * 10);
    const double period = 2 * M_PI / std::sqrt(1 / (10.0 * 10.0) - alpha * alpha);
    for (double t : {0.0, 7.3, 31.0}) {
        const std::optional<Reading> first = session.readingAt(t);
        const std::optional<Reading> later = session.readingAt(t + period);
        ASSERT_TRUE(first && later && first->q && later->q);
        const ReadingDelta d = deltaOf(*first, *later);
        EXPECT_NEAR(d.dt, period, 1e-12);
        EXPECT_NEAR(*d.rate, 1 / period, 1e-15);
        ASSERT_TRUE(d.logRatio.has_value()) << t;
        EXPECT_NEAR(-*d.logRatio, alpha * period, 1e-9) << t;
        EXPECT_NEAR(*d.dq, *later->q - *first->q, 1e-15);
        EXPECT_NEAR(d.di, later->i - first->i, 1e-15);
    }

    // Through the read-outs: nothing before a reference, then the differences from it; a
    // second mark moves it, clearing the graph removes it.
    EXPECT_FALSE(session.markReference());
    session.readOutAt(2);
    EXPECT_FALSE(session.lastDelta());
    EXPECT_TRUE(session.markReference());
    session.readOutAt(5);
    ASSERT_TRUE(session.lastDelta());
    EXPECT_DOUBLE_EQ(session.lastDelta()->dt, 3);
    EXPECT_DOUBLE_EQ(session.lastDelta()->di, session.readingAt(5)->i - session.readingAt(2)->i);
    EXPECT_TRUE(deltaText(*session.lastDelta()).startsWith("Δt = 3 s, 1/Δt = 0.333333 Hz, Δq = "))
        << deltaText(*session.lastDelta()).toStdString();
    EXPECT_TRUE(session.markReference());
    EXPECT_DOUBLE_EQ(session.reference()->t, 5);
    session.clearPlots();
    EXPECT_FALSE(session.reference());
}

TEST(LabSession, ReadOutWritesValuesOnlyWhenBothAreFinite)
{
    LabSession session = launched(1); // RC: R 1, C 10, q0 10, no source
    ReadOut out = session.readOutAt(10.000001f);
    EXPECT_EQ(out.time, "10");
    ASSERT_TRUE(out.charge && out.current);
    EXPECT_NEAR(number(*out.charge), 10 * std::exp(-1.0), 1e-12);
    EXPECT_NEAR(number(*out.current), -std::exp(-1.0), 1e-12);
    EXPECT_EQ(session.text(Field::qq), *out.charge);

    const QString before = session.text(Field::qq);
    session.setText(Field::q0, "x");
    out = session.readOutAt(3);
    EXPECT_EQ(out.time, "3");
    ASSERT_TRUE(out.message);
    EXPECT_EQ(out.message->text, "The text of q0 is not a number.");
    EXPECT_EQ(session.text(Field::qq), before);

    session.setText(Field::q0, "1e308");
    session.setText(Field::C, "1e-300");
    out = session.readOutAt(0.5f);
    ASSERT_TRUE(out.message);
    // C = 1e-300 lies outside the magnitudes double precision can give a curve for: the
    // message names it before any value is computed.
    EXPECT_NE(out.message->text.indexOf("C"), -1);
    EXPECT_EQ(session.text(Field::qq), before);
}

TEST(LabSession, NaturalFrequencyNeedsAPositiveFiniteProduct)
{
    LabSession session = launched(12); // L 10, C 10
    ASSERT_TRUE(session.setNaturalFrequency());
    EXPECT_EQ(session.text(Field::w0), "0.1");
    EXPECT_NEAR(number(session.text(Field::f0)), 0.1 / 6.28318, 1e-15);
    for (const char *c : {"0", "-1", "x", "1e308"}) {
        session.setText(Field::C, c);
        session.setText(Field::L, "1e308");
        const auto texts = session.texts();
        EXPECT_FALSE(session.setNaturalFrequency()) << c;
        EXPECT_EQ(session.texts(), texts) << c;
    }
}

TEST(LabSession, ScaleAnswers)
{
    EXPECT_EQ(LabSession::readScaleAnswer("  ", 7).value, 7);
    EXPECT_FALSE(LabSession::readScaleAnswer("  ", 7).refusal);
    EXPECT_EQ(LabSession::readScaleAnswer(" -2.5 ", 7).value, -2.5);
    const ScaleAnswer big = LabSession::readScaleAnswer("1e39", 7);
    ASSERT_TRUE(big.refusal);
    EXPECT_EQ(big.refusal->text, "Error: 1e39 is too large for the graph. Try Again");
    const ScaleAnswer comma = LabSession::readScaleAnswer("2,5", 7);
    ASSERT_TRUE(comma.refusal);
    EXPECT_EQ(comma.refusal->typedText, "2,5");
    EXPECT_FALSE(LabSession::distinctOnGraph(5, 5.0000001));
    EXPECT_TRUE(LabSession::distinctOnGraph(5, 5.001));
}

// The circuit equation L·q'' + R·q' + q/C = v(t) with i = q', checked by central differences
// on the session's own evaluators.
TEST(LabSession, SolutionsSatisfyTheCircuitEquation)
{
    LabSession session = launched(13); // R 1, L 10, C 0.1, v0 5 sin(w0 t)
    session.setText(Field::f0, "0.05");
    const double R = 1, L = 10, C = 0.1, v0 = 5, w = number(session.text(Field::w0));
    const double h = 1e-4;
    for (double t : {0.5, 3.0, 11.0}) {
        const double q = session.q8(t).value.value();
        const double i = session.i8(t).value.value();
        const double di =
            (session.i8(t + h).value.value() - session.i8(t - h).value.value()) / (2 * h);
        const double dq =
            (session.q8(t + h).value.value() - session.q8(t - h).value.value()) / (2 * h);
        EXPECT_NEAR(dq, i, 1e-6) << t;
        EXPECT_NEAR(L * di + R * i + q / C, v0 * std::sin(w * t), 1e-5) << t;
        EXPECT_NEAR(session.VS(t).value.value(), v0 * std::sin(w * t), 1e-12) << t;
    }
    session.setText(Field::R, "r");
    const Evaluation bad = session.q8(1);
    EXPECT_FALSE(bad);
    EXPECT_EQ(bad.badBox, solutions::Parameter::R);
}

} // namespace
} // namespace kel::lab
