// SPDX-License-Identifier: GPL-3.0-or-later
// Graph Scale and Clear Graphs: the dialogue, its loops and the redrawn frame.
#include "labfixture.h"

namespace kel::testing
{
namespace
{

using display::DrawOp;
using Call = ScriptedDialogs::Call;

class GraphScale : public LabTest
{
protected:
    void SetUp() override
    {
        LabTest::SetUp();
        launch(5);
        box("Charge")->setChecked(true);
        command("PlGraphs");
        dialogs.clear();
    }
    std::vector<QString> prompts()
    {
        std::vector<QString> result;
        for (const Call &c : dialogs.calls())
            result.push_back(c.text);
        return result;
    }
};

TEST_F(GraphScale, AsksFourValuesWithTheRememberedDefaults)
{
    command("GScale"); // every answer is the offered default
    const auto &calls = dialogs.calls();
    ASSERT_EQ(calls.size(), 4u);
    const std::vector<std::tuple<QString, QString, QString>> expected{
        {"Enter minimum t value", "Minimum t value", "0"},
        {"Enter maximum t value", "Maximum t value", "100"},
        {"Enter minimum vertical value", "Minimum vertical value", "-10"},
        {"Enter maximum vertical value", "Maximum vertical value", "10"}};
    for (std::size_t n = 0; n < 4; ++n) {
        EXPECT_EQ(calls[n].kind, Call::Kind::Input);
        EXPECT_EQ(calls[n].text, std::get<0>(expected[n]));
        EXPECT_EQ(calls[n].title, std::get<1>(expected[n]));
        EXPECT_EQ(calls[n].defaultText, std::get<2>(expected[n]));
    }
    // The same frame as Clear Graphs, and the curve is gone.
    const auto after = ops();
    command("ClGraphs");
    ASSERT_EQ(ops().size(), after.size());
    EXPECT_EQ(opsOf(DrawOp::Kind::Line).size(), 126u);
    EXPECT_TRUE(opsOf(DrawOp::Kind::Point).empty());
}

TEST_F(GraphScale, NewScaleSetsFrameAndSampling)
{
    dialogs.queueInputs({"0", "20", "-1", "1"});
    command("GScale");
    const lab::GraphScale &s = session().scale();
    EXPECT_EQ(s.x1, 0);
    EXPECT_EQ(s.x2, 20);
    EXPECT_EQ(s.y1, 1);
    EXPECT_EQ(s.y2, -1);
    ASSERT_FALSE(opsOf(DrawOp::Kind::Scale).empty());
    const DrawOp scale = opsOf(DrawOp::Kind::Scale).back();
    EXPECT_EQ(scale.x2, 20);
    EXPECT_EQ(scale.y1, 1);
    EXPECT_EQ(scale.y2, -1);

    // Next time the defaults are this scale; cancelling (empty answers) keeps it.
    dialogs.clear();
    dialogs.queueInputs({"", "", "", ""});
    command("GScale");
    ASSERT_EQ(dialogs.calls().size(), 4u);
    EXPECT_EQ(dialogs.calls()[1].defaultText, "20");
    EXPECT_EQ(dialogs.calls()[3].defaultText, "1");
    EXPECT_EQ(s.x2, 20);
    EXPECT_EQ(s.y2, -1);

    // Reversed ranges are allowed and turn the graph over.
    dialogs.queueInputs({"10", "-10", "5", "-5"});
    command("GScale");
    EXPECT_EQ(s.x1, 10);
    EXPECT_EQ(s.x2, -10);
    ASSERT_FALSE(opsOf(DrawOp::Kind::Scale).empty());
    EXPECT_EQ(opsOf(DrawOp::Kind::Scale).back().x2, -10);
}

TEST_F(GraphScale, EqualEntriesAskThatRangeAgain)
{
    // 5 and 5.0 are the same number; the vertical range is asked only once time is valid.
    dialogs.queueInputs({"5", "5.0", "1", "2", "3", "3", "-3", "3"});
    dialogs.queueMessage(display::MessageAnswer::Cancel);
    command("GScale");
    EXPECT_EQ(prompts(),
              (std::vector<QString>{
                  "Enter minimum t value", "Enter maximum t value", "Error: x1 = x2. Try Again",
                  "Enter minimum t value", "Enter maximum t value", "Enter minimum vertical value",
                  "Enter maximum vertical value", "Error: y1 = y2. Try Again",
                  "Enter minimum vertical value", "Enter maximum vertical value"}));
    const auto errors = dialogs.messages();
    ASSERT_EQ(errors.size(), 2u);
    EXPECT_EQ(errors[0].title, "Error in Entry");
    EXPECT_EQ(errors[0].buttons, display::MessageButtons::OkCancel);
    // Defaults offered again are the remembered ones, not the rejected answers.
    ASSERT_GE(dialogs.calls().size(), 4u);
    EXPECT_EQ(dialogs.calls()[3].defaultText, "0");
    const lab::GraphScale &s = session().scale();
    EXPECT_EQ(s.x1, 1);
    EXPECT_EQ(s.x2, 2);
    EXPECT_EQ(s.y2, -3);
    EXPECT_EQ(s.y1, 3);
}

TEST_F(GraphScale, AnswersThatAreNotNumbersAreAskedAgainAndNeverStored)
{
    dialogs.queueInputs({"abc", "2", "1e39", "40", "", "x", "6"});
    command("GScale");
    EXPECT_EQ(prompts(),
              (std::vector<QString>{
                  "Enter minimum t value", "Error: abc is not a number. Try Again",
                  "Enter minimum t value", "Enter maximum t value",
                  "Error: 1e39 is too large for the graph. Try Again", "Enter maximum t value",
                  "Enter minimum vertical value", "Enter maximum vertical value",
                  "Error: x is not a number. Try Again", "Enter maximum vertical value"}));
    const lab::GraphScale &s = session().scale();
    EXPECT_EQ(s.x1, 2);
    EXPECT_EQ(s.x2, 40);
    EXPECT_EQ(s.y2, -10);
    EXPECT_EQ(s.y1, 6);
    EXPECT_EQ(opsOf(DrawOp::Kind::Line).size(), 126u);
}

} // namespace
} // namespace kel::testing
