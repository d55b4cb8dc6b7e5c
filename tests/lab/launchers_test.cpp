// SPDX-License-Identifier: GPL-3.0-or-later
// The lab window as built and as each circuit button of the main menu configures it.
#include "labfixture.h"

#include <QMenuBar>
#include <QRadioButton>

#include <cmath>
#include <map>
#include <set>
#include <string>

namespace kel::testing
{
namespace
{

using display::DrawOp;

// Letters for the control groups a configuration shows.
const std::map<char, std::vector<const char *>> kGroups{
    {'R', {"LabelR", "unitR", "R"}},
    {'C', {"LabelC", "unitC", "C"}},
    {'L', {"LabelL", "unitL", "L"}},
    {'A', {"v0", "Amp", "amplabel"}},
    {'F', {"freq", "f0", "unitw"}},
    {'q', {"clabel", "q0"}},
    {'i', {"ilabel", "i0"}},
    {'Q', {"qq", "Labelcc"}},
    {'g', {"Charge"}},
    {'c', {"Current"}},
    {'v', {"Voltage"}},
};
const std::vector<const char *> kAlwaysHidden{"mu", "RVolts",  "CVolts", "LVolts",  "CR",     "CC",
                                              "LC", "SetNatf", "Label3", "Label12", "Label13"};

struct Row {
    int command;
    int kind;
    const char *vsource;
    std::vector<std::pair<const char *, const char *>> texts;
    const char *groups;
    const char *sourceButton; // "" for none
    bool currentScale;
};

const std::vector<Row> kRows{
    {1,
     1,
     "No EMF ",
     {{"v0", "0"}, {"f0", "100"}, {"q0", "10"}, {"C", "10"}, {"R", "1"}},
     "RCqQgc",
     "",
     false},
    {3, 2, "No EMF ", {{"v0", "0"}, {"i0", "5"}, {"R", "1"}, {"L", "10"}}, "RLic", "", false},
    {4,
     3,
     "No EMF ",
     {{"v0", "0"}, {"f0", "100"}, {"q0", "10"}, {"i0", "0"}, {"C", "10"}, {"L", "10"}},
     "CLqiQgc",
     "NoV",
     true},
    {5,
     4,
     "No EMF",
     {{"v0", "0"}, {"f0", "100"}, {"q0", "10"}, {"i0", "0"}, {"C", "10"}, {"R", "1"}, {"L", "10"}},
     "RCLqiQgc",
     "NoV",
     true},
    {6,
     1,
     "Constant EMF ",
     {{"f0", "100"}, {"v0", "1"}, {"q0", "1"}, {"C", "10"}, {"R", "1"}},
     "RCAqQgc",
     "",
     false},
    {7,
     2,
     "Constant EMF ",
     {{"f0", "100"}, {"v0", "1"}, {"i0", "5"}, {"R", "1"}, {"L", "10"}},
     "RLAic",
     "",
     false},
    {8,
     3,
     "Constant EMF ",
     {{"f0", "100"}, {"v0", "1"}, {"q0", "1"}, {"i0", "0"}, {"C", "10"}, {"L", "10"}},
     "CLAqiQgc",
     "DC",
     true},
    {9,
     4,
     "Constant EMF",
     {{"f0", "100"}, {"v0", "1"}, {"q0", "1"}, {"i0", "0"}, {"C", "10"}, {"R", "1"}, {"L", "10"}},
     "RCLAqiQgc",
     "DC",
     true},
    {10,
     6,
     "Alternating EMF",
     {{"f0", "100"}, {"v0", "10"}, {"q0", "10"}, {"C", "10"}, {"R", "1"}},
     "RCAFqQgcv",
     "",
     false},
    {11,
     7,
     "Alternating EMF",
     {{"f0", "100"}, {"v0", "5"}, {"i0", "10"}, {"R", "1"}, {"L", "10"}},
     "RLAFicv",
     "",
     false},
    {12,
     5,
     "Alternating EMF",
     {{"f0", "100"}, {"v0", "5"}, {"q0", "10"}, {"i0", "0"}, {"C", "10"}, {"R", "1"}, {"L", "10"}},
     "CLAFqiQgcv",
     "AC",
     true},
    {13,
     8,
     "Alternating EMF",
     {{"f0", "100"}, {"v0", "5"}, {"q0", "10"}, {"i0", "0"}, {"C", "0.1"}, {"R", "1"}, {"L", "10"}},
     "RCLAFqiQgcv",
     "",
     false},
};

void PrintTo(const Row &row, std::ostream *os)
{
    *os << "Command" << row.command;
}

class Launchers : public LabTest, public ::testing::WithParamInterface<Row>
{
};

TEST_P(Launchers, ConfigureTextsControlsAndEmptyGraph)
{
    const Row &row = GetParam();
    // The scale is not the fixed one, so the two frames can be told apart.
    setScale(0, 20, 1, -1);
    // Start from checked boxes and foreign texts, which the launcher must overwrite.
    box("Charge")->setChecked(true);
    box("Current")->setChecked(true);
    for (const auto &[name, value] : row.texts)
        type(name, "777");
    dialogs.clear();

    launch(row.command);

    EXPECT_EQ(lab::caseNumber(session().circuitKind()), row.kind);
    EXPECT_EQ(text("VSource"), row.vsource);
    bool writesF0 = false;
    for (const auto &[name, value] : row.texts) {
        EXPECT_EQ(text(name), value) << name;
        writesF0 = writesF0 || std::string(name) == "f0";
    }
    if (writesF0) {
        EXPECT_EQ(text("w0"), "628.318548202515");
    }

    std::set<std::string> expectShown{"ii", "Labelii"};
    for (const char *g = row.groups; *g; ++g)
        for (const char *name : kGroups.at(*g))
            expectShown.insert(name);
    for (const auto &[letter, names] : kGroups)
        for (const char *name : names)
            EXPECT_EQ(shown(name), expectShown.count(name) == 1) << name;
    EXPECT_TRUE(shown("ii"));
    EXPECT_TRUE(shown("Labelii"));
    for (const char *name : kAlwaysHidden)
        EXPECT_FALSE(shown(name)) << name;
    for (const char *name : {"NoV", "DC", "AC"}) {
        EXPECT_EQ(shown(name), std::string(name) == row.sourceButton) << name;
        EXPECT_FALSE(window().findChild<QRadioButton *>(name)->isChecked());
    }

    for (const char *name : {"Charge", "Current", "Voltage"})
        EXPECT_FALSE(box(name)->isChecked()) << name;
    EXPECT_TRUE(dialogs.calls().empty());
    EXPECT_TRUE(window().isVisible());

    // The graph holds only the empty frame, for the scale the row names.
    const auto lines = opsOf(DrawOp::Kind::Line);
    ASSERT_EQ(lines.size(), 126u);
    EXPECT_TRUE(opsOf(DrawOp::Kind::Point).empty());
    ASSERT_FALSE(opsOf(DrawOp::Kind::Scale).empty());
    const DrawOp scale = opsOf(DrawOp::Kind::Scale).back();
    const float right = row.currentScale ? 20 : 100, top = row.currentScale ? 1 : 10;
    EXPECT_EQ(scale.x1, 0);
    EXPECT_EQ(scale.y1, top);
    EXPECT_EQ(scale.x2, right);
    EXPECT_EQ(scale.y2, -top);
    EXPECT_EQ(lines[0].x2, right);
    EXPECT_EQ(lines[1].y1, top);
    EXPECT_TRUE(lines[0].foreground);
    // The fixed frame leaves the scale as it was.
    EXPECT_EQ(session().scale().x2, 20);
    EXPECT_EQ(session().scale().y1, 1);
}

INSTANTIATE_TEST_SUITE_P(EveryButton, Launchers, ::testing::ValuesIn(kRows), [](const auto &info) {
    return "Command" + std::to_string(info.param.command);
});

TEST_F(LabTest, RelaunchingOverwritesEditsAndKeepsWhatTheRowDoesNotWrite)
{
    launch(13);
    type("L", "3");
    type("C", "0.5");
    type("q0", "7");
    box("Current")->setChecked(true);
    command("PlGraphs");
    ASSERT_GT(opsOf(display::DrawOp::Kind::Line).size(), 126u);

    launch(1);
    EXPECT_FALSE(shown("L"));
    EXPECT_EQ(text("L"), "3"); // hidden, not cleared
    launch(13);
    EXPECT_EQ(text("L"), "10");
    EXPECT_EQ(opsOf(display::DrawOp::Kind::Line).size(), 126u);

    // The RL circuit writes neither C nor q0, and Command3 neither f0 nor w0.
    type("f0", "50");
    const QString w0 = text("w0");
    launch(3);
    EXPECT_EQ(text("C"), "0.1");
    EXPECT_EQ(text("q0"), "10");
    EXPECT_EQ(text("f0"), "50");
    EXPECT_EQ(text("w0"), w0);
    EXPECT_FALSE(shown("qq"));
    // The read-out texts are never written by a launcher.
    type("Time", "4");
    launch(5);
    EXPECT_EQ(text("Time"), "4");
}

TEST_F(LabTest, WindowStartsAsDesigned)
{
    lab::LabWindow &w = window();
    EXPECT_EQ(w.objectName(), "rc");
    EXPECT_EQ(w.windowTitle(), "Kel Circuits Lab for Dax 202");
    const std::map<std::string, QString> initial{
        {"R", "1.0"}, {"L", "10.0"}, {"C", "10.0"}, {"q0", "0"},   {"i0", "0"}, {"VSource", ""},
        {"v0", "5"},  {"f0", "100"}, {"w0", " "},   {"Time", "0"}, {"qq", "0"}, {"ii", "0"}};
    for (const auto &[name, value] : initial)
        EXPECT_EQ(text(name.c_str()), value) << name;
    for (const char *name : {"NoV", "DC", "AC", "SetNatf", "Label13", "Label12", "Voltage",
                             "RVolts", "CVolts", "LVolts", "CR", "CC", "LC", "Label3"})
        EXPECT_FALSE(shown(name)) << name;
    EXPECT_TRUE(shown("Charge"));
    EXPECT_EQ(edit("VSource")->toolTip(), "This is the current type of voltage");
    EXPECT_EQ(w.graphArea()->toolTip(), "Click here to get values of time, current and/or charge");
    EXPECT_EQ(w.graphArea()->background(), QColor(0xFF, 0xFF, 0xC0));

    std::vector<QString> menu;
    for (QAction *a : w.menuBar()->actions())
        menu.push_back(a->objectName());
    // The Export menu follows the window's own commands, then the Experiment, View and
    // Measurement menus.
    EXPECT_EQ(menu, (std::vector<QString>{"ClGraphs", "GScale", "Blank1", "Blank2", "blank3",
                                          "PlGraphs", "blank4", "blank5", "blank6", "close",
                                          "Export", "Experiment", "View", "MeasurementMenu"}));

    // Positions in twips; w0 and the option buttons lie under the strip and VSource.
    const double k = w.centralWidget()->logicalDpiX() / 1440.0;
    auto at = [&](const char *name) { return w.findChild<QWidget *>(name)->geometry(); };
    EXPECT_EQ(at("R").left(), std::lround(2520 * k));
    EXPECT_EQ(at("f0").top(), std::lround(5640 * k));
    EXPECT_EQ(at("Picture2").top(), std::lround(5040 * k));
    EXPECT_EQ(at("Label19").top(), std::lround(120 * k)); // relative to the strip
    EXPECT_TRUE(at("Picture2").contains(at("w0")));
    const QObjectList order = w.centralWidget()->children();
    auto z = [&](const char *name) { return order.indexOf(w.findChild<QWidget *>(name)); };
    EXPECT_LT(z("w0"), z("Picture2"));
    EXPECT_LT(z("CR"), z("Picture2"));
    EXPECT_LT(z("AC"), z("VSource"));
    EXPECT_GT(z("R"), z("Picture2"));
}

TEST_F(LabTest, CloseHidesAndUnticksTheSourceVoltage)
{
    launch(13);
    box("Voltage")->setChecked(true);
    type("R", "4");
    dialogs.clear();
    command("close");
    EXPECT_FALSE(window().isVisible());
    EXPECT_FALSE(box("Voltage")->isChecked());
    EXPECT_TRUE(dialogs.calls().empty());
    EXPECT_EQ(text("R"), "4");

    // Through the window frame: the same, and the window survives.
    window().show();
    box("Voltage")->setChecked(true);
    window().close();
    EXPECT_FALSE(window().isVisible());
    EXPECT_FALSE(box("Voltage")->isChecked());
}

} // namespace
} // namespace kel::testing
