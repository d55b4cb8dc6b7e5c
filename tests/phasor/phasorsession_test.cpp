// SPDX-License-Identifier: GPL-3.0-or-later
// The phasor window's state and frames without any widget: what a worksheet or a headless
// export draws.
#include "phasor/core/phasorcircuitsource.h"
#include "phasor/core/phasorsession.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace kel::phasor
{
namespace
{

const ParameterTexts kInitial{"1000", "0.00005", "10.0", "500", "10.0", "5"};
constexpr ShownCurves kAll{true, true, true, true};

bool sameOps(const SceneDrawing &a, const SceneDrawing &b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const SceneOp &x, const SceneOp &y) {
                          return x.kind == y.kind && x.x1 == y.x1 && x.y1 == y.y1 && x.x2 == y.x2 &&
                                 x.y2 == y.y2 && x.colour == y.colour && x.moving == y.moving;
                      });
}

PhasorScene sceneOf(const ShownCurves &shown = kAll)
{
    return {solveAmplitudes(kInitial).solution.value_or(Solution{}), shown};
}

SceneDrawing joined(SceneDrawing ops, const SceneDrawing &more)
{
    ops.insert(ops.end(), more.begin(), more.end());
    return ops;
}

// Load, a step of the bar and a typed time give the scene's own frames, and say so.
TEST(PhasorSession, FramesAreTheScenesAndTheBarFollowsTheTime)
{
    PhasorSession session;
    std::vector<PhasorSession::Change> changes;
    QObject::connect(&session, &PhasorSession::changed,
                     [&changes](PhasorSession::Change c) { changes.push_back(c); });
    EXPECT_EQ(session.drawing(), PhasorDrawing::Cleared);
    ASSERT_FALSE(session.load());
    EXPECT_EQ(changes, std::vector{PhasorSession::Change::Outputs});
    EXPECT_EQ(session.drawing(), PhasorDrawing::Loaded);
    EXPECT_EQ(session.amplitudeTexts()[0], "477.577491906523");
    EXPECT_TRUE(sameOps(session.plotDrawing(), sceneOf().loadFrame(0).plot));
    EXPECT_FALSE(session.marker());
    EXPECT_FALSE(session.plotInFrameUnits());

    ASSERT_FALSE(session.showStep(40, StepSource::User));
    const SceneFrame at40 = sceneOf().frameAtStep(40);
    EXPECT_EQ(session.text(PhasorText::t2), "0.1");
    EXPECT_EQ(session.barStep(), 40);
    EXPECT_EQ(session.marker(), 0.1f);
    EXPECT_EQ(session.drawing(), PhasorDrawing::Redrawn);
    EXPECT_TRUE(sameOps(session.plotDrawing(), at40.plot));
    EXPECT_TRUE(sameOps(session.diagramDrawing(), at40.diagram));
    EXPECT_EQ(session.valueTexts()[0].toStdString(), at40.valueTexts[0]);

    // A typed time moves the bar, which redraws; a time beyond the interval only the text.
    ASSERT_FALSE(session.setText(PhasorText::t2, "0.26"));
    EXPECT_EQ(session.barStep(), 104);
    EXPECT_EQ(session.marker(), 0.26f);
    changes.clear();
    ASSERT_FALSE(session.setText(PhasorText::t2, "0.7"));
    EXPECT_EQ(session.barStep(), 104);
    EXPECT_EQ(changes, std::vector{PhasorSession::Change::Inputs});
    // Plot draws there all the same, the marker off the interval.
    ASSERT_FALSE(session.plotAtTime());
    EXPECT_EQ(session.barStep(), 104);
    EXPECT_FALSE(session.marker());

    ASSERT_FALSE(session.clearGraphs());
    EXPECT_EQ(session.barStep(), 0);
    EXPECT_EQ(session.drawing(), PhasorDrawing::Cleared);
    EXPECT_FALSE(session.lastSolution());
    EXPECT_TRUE(session.plotInFrameUnits());
    EXPECT_TRUE(session.diagramDrawing().empty());
    // A click a fifth across the empty frame means 0.1 s.
    ASSERT_FALSE(session.replotAt(20.0f));
    EXPECT_EQ(session.barStep(), 40);
    EXPECT_EQ(session.text(PhasorText::t2), "0.1");
}

// The reference a quarter and a whole period back: the differences are the sine's own, and
// one period on every voltage is back where it was, 1/Δt the source frequency.
TEST(PhasorSession, DifferencesAgainstAReferenceFollowTheSines)
{
    PhasorSession session;
    ASSERT_FALSE(session.load());
    EXPECT_FALSE(session.markReference()); // the load drawing has no time of its own
    ASSERT_FALSE(session.showStep(20, StepSource::User));
    ASSERT_TRUE(session.markReference());
    EXPECT_DOUBLE_EQ(session.reference()->t, 0.05);

    const double omega = 2 * std::acos(-1.0) * 10, R = 1000, C = 5e-5, L = 10, v0 = 500;
    const double XC = 1 / (omega * C), XL = omega * L;
    const double Z = std::hypot(R, XL - XC), phi = std::atan((XL - XC) / R);
    const auto vR = [&](double t) { return v0 * R / Z * std::sin(omega * t - phi); };
    ASSERT_FALSE(session.showStep(30, StepSource::User));
    auto delta = session.lastDelta();
    ASSERT_TRUE(delta);
    EXPECT_NEAR(delta->dt, 0.025, 1e-15);
    EXPECT_NEAR(delta->dv[0], vR(0.075) - vR(0.05), 1e-6 * v0);

    ASSERT_FALSE(session.showStep(60, StepSource::User));
    delta = session.lastDelta();
    ASSERT_TRUE(delta && delta->rate);
    EXPECT_NEAR(*delta->rate, 10, 1e-9);
    for (double dv : delta->dv)
        EXPECT_NEAR(dv, 0, 1e-6 * v0);
    EXPECT_TRUE(
        voltageDeltaText(*delta, kAll).startsWith(QStringLiteral("Δt = 0.1 s, 1/Δt = 10 Hz")));

    ASSERT_FALSE(session.clearGraphs());
    EXPECT_FALSE(session.reference());
    EXPECT_FALSE(session.lastDelta());
}

// The projections stay through the animation's frames and go with the user's next step.
TEST(PhasorSession, ProjectionsFollowTheAnimationOnly)
{
    PhasorSession session;
    session.setShown(Voltage::Capacitor, false);
    ASSERT_FALSE(session.showStep(57, StepSource::User));
    ASSERT_FALSE(session.showProjections());
    const PhasorScene scene = sceneOf({true, false, true, true});
    const SceneProjections at57 = scene.projectionsAtStep(57);
    EXPECT_TRUE(sameOps(session.plotDrawing(), joined(scene.frameAtStep(57).plot, at57.plot)));
    EXPECT_TRUE(
        sameOps(session.diagramDrawing(), joined(scene.frameAtStep(57).diagram, at57.diagram)));

    ASSERT_FALSE(session.showStep(58, StepSource::Animation));
    EXPECT_TRUE(session.projectionsShown());
    EXPECT_TRUE(sameOps(session.plotDrawing(),
                        joined(scene.frameAtStep(58).plot, scene.projectionsAtStep(58).plot)));
    ASSERT_FALSE(session.showStep(59, StepSource::User));
    EXPECT_FALSE(session.projectionsShown());
    EXPECT_TRUE(sameOps(session.plotDrawing(), scene.frameAtStep(59).plot));
}

// Texts that cannot be drawn leave the drawings and read-outs and name the problem.
TEST(PhasorSession, ProblemsChangeNothingDrawn)
{
    PhasorSession session;
    ASSERT_FALSE(session.showStep(20, StepSource::User));
    const SceneDrawing plot = session.plotDrawing();
    const auto values = session.valueTexts();
    session.setText(PhasorText::R, "abc");
    const PhasorOutcome bad = session.showStep(30, StepSource::User);
    ASSERT_TRUE(bad);
    EXPECT_EQ(bad->kind, PhasorProblem::Kind::Texts);
    EXPECT_EQ(bad->solve.box, "R");
    EXPECT_EQ(session.barStep(), 30); // the bar moved, as a drag moves it
    EXPECT_TRUE(sameOps(session.plotDrawing(), plot));
    EXPECT_EQ(session.valueTexts(), values);
    EXPECT_EQ(session.text(PhasorText::t2), "0.05");

    session.setText(PhasorText::R, "1000");
    session.setText(PhasorText::t2, "soon");
    const PhasorOutcome time = session.plotAtTime();
    ASSERT_TRUE(time);
    EXPECT_EQ(time->kind, PhasorProblem::Kind::TimeNotANumber);
    EXPECT_EQ(time->timeText, "soon");
    session.setText(PhasorText::t2, "1e300");
    EXPECT_EQ(session.plotAtTime()->kind, PhasorProblem::Kind::TimeTooFar);
}

// What the session writes, another session opens to the same state and drawings.
TEST(PhasorSession, ExperimentRoundTrip)
{
    for (const auto drawing :
         {PhasorDrawing::Loaded, PhasorDrawing::Redrawn, PhasorDrawing::Cleared}) {
        PhasorSession first;
        first.setText(PhasorText::f0, "7.3");
        first.setText(PhasorText::NumPer, "11");
        first.setShown(Voltage::Inductor, false);
        ASSERT_FALSE(first.load());
        if (drawing != PhasorDrawing::Loaded) {
            ASSERT_FALSE(first.showStep(133, StepSource::User));
        }
        if (drawing == PhasorDrawing::Cleared) {
            ASSERT_FALSE(first.clearGraphs());
        }
        ASSERT_FALSE(first.showProjections());
        const PhasorExperiment saved = first.experiment();
        EXPECT_EQ(saved.drawing, drawing);
        EXPECT_TRUE(saved.projections);
        EXPECT_EQ(saved.texts.at("f0"), "7.3");
        EXPECT_FALSE(saved.checked.contains("CheckVL"));

        // Written to the file's JSON and opened in a window that has drawn its load drawing.
        const PhasorExperiment::Reading reread = PhasorExperiment::fromJson(saved.toJson());
        ASSERT_TRUE(reread.experiment) << reread.problem.message.toStdString();
        EXPECT_EQ(*reread.experiment, saved);
        PhasorSession second;
        ASSERT_FALSE(second.load());
        EXPECT_TRUE(second.applyExperiment(*reread.experiment).empty());
        EXPECT_EQ(second.experiment(), saved);
        EXPECT_TRUE(sameOps(second.plotDrawing(), first.plotDrawing()));
        EXPECT_TRUE(sameOps(second.diagramDrawing(), first.diagramDrawing()));
        // The cleared drawings keep the read-outs of before, which the file does not hold.
        if (drawing != PhasorDrawing::Cleared) {
            EXPECT_TRUE(second.valueTexts() == first.valueTexts());
        }
    }
}

// The resonance curve reads the session's circuit and sets its frequency.
TEST(PhasorSession, CircuitSourceReadsAndSetsTheFrequency)
{
    PhasorSession session;
    int plots = 0;
    PhasorCircuitSource source(session, [&plots] { ++plots; });
    const resonance::CircuitReading reading = source.circuit();
    ASSERT_TRUE(reading.circuit);
    EXPECT_EQ(reading.circuit->v0, 500);
    EXPECT_EQ(reading.circuit->C, 0.00005);
    source.setSourceFrequency(7.5);
    EXPECT_EQ(session.text(PhasorText::f0), "7.5");
    EXPECT_EQ(plots, 1);
    session.setText(PhasorText::L, "1,5");
    const resonance::CircuitReading bad = source.circuit();
    EXPECT_FALSE(bad.circuit);
    EXPECT_EQ(bad.notANumber, resonance::CircuitValue::Inductance);
    EXPECT_EQ(bad.text, "1,5");
}

} // namespace
} // namespace kel::phasor
