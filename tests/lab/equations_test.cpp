// SPDX-License-Identifier: GPL-3.0-or-later
// The Equations window: the closed forms it shows are the curves the program draws, the
// LaTeX it copies is balanced and escaped, and it follows the texts it is given.
#include "lab/equationswindow.h"
#include "solutions/circuitfigures.h"
#include "solutions/numbertext.h"
#include "support/scripteddialogs.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <map>

namespace kel::testing
{
namespace
{

using namespace solutions;

struct Regime {
    const char *name;
    CircuitParameters p;
    int kind;
    SolutionForm form;
};

CircuitParameters params(double R, double L, double C, double v0, double w0, double q0, double i0)
{
    return {R, L, C, v0, w0, q0, i0, toText(w0)};
}

const Regime kRegimes[] = {
    {"RcCharging", params(2, 0, 3, 5, 0, 1, 0), 1, SolutionForm::Exponential},
    {"RlDriven", params(2, 0.5, 0, 4, 3, 0, 1), 7, SolutionForm::Exponential},
    {"RlcUnderdamped", params(1, 1, 1, -3, 0, 0, 1), 4, SolutionForm::Oscillation},
    {"RlcCritical", params(2, 1, 1, 1, 0, 0.5, 2), 4, SolutionForm::Hyperbolic},
    {"RlcNearlyCritical", params(2.000002, 1, 1, 1, 0.5, 1, 0), 8, SolutionForm::Hyperbolic},
    {"RlcSeparated", params(1e6, 1e-6, 1e-3, 1, 50, 0, 1), 8, SolutionForm::TwoExponentials},
    {"RlcNearResonance", params(0.001, 1, 1, 1, 1, 0.5, 0), 8, SolutionForm::NearResonance},
    {"LcDrivenOff", params(0, 1, 1, 1, 2, 0.5, 0.25), 5, SolutionForm::DrivenLc},
    {"LcDrivenAtResonance", params(0, 10, 10, 1, 0.1, 0, 0), 5, SolutionForm::DrivenLc},
};

// The shown numbers by symbol, at full precision.
std::map<QString, double> shownValues(const lab::EquationsDocument &document)
{
    std::map<QString, double> values;
    for (const auto &shown : document.shown)
        values[shown.symbol] = shown.value;
    return values;
}

// The charge as the document writes it, from the numbers it shows.
double chargeAsWritten(SolutionForm form, std::map<QString, double> v, double t)
{
    const double w = v["ω"];
    const double steady = w != 0 ? v["K"] * std::cos(w * t) + v["S"] * std::sin(w * t) : v["K"];
    switch (form) {
    case SolutionForm::Exponential:
        return v["A"] * std::exp(-t / v["τ"]) + steady;
    case SolutionForm::Oscillation:
    case SolutionForm::NearResonance:
        return std::exp(-v["α"] * t) *
                   (v["A"] * std::cos(v["ωd"] * t) + v["B"] * std::sin(v["ωd"] * t)) +
               steady;
    case SolutionForm::Hyperbolic:
        if (v["β"] == 0)
            return (v["A"] + v["B"] * t) * std::exp(-v["α"] * t) + steady;
        return std::exp(-v["α"] * t) *
                   (v["A"] * std::cosh(v["β"] * t) + v["B"] * std::sinh(v["β"] * t)) +
               steady;
    case SolutionForm::TwoExponentials:
        return v["A"] * std::exp(v["s1"] * t) + v["B"] * std::exp(v["s2"] * t) + steady;
    case SolutionForm::DrivenLc: {
        const double w0 = v["ω0"];
        const double free = v["A"] * std::cos(w0 * t) + v["B"] * std::sin(w0 * t);
        if (v.count("P"))
            return free + v["P"] * (std::sin(w * t) - w / w0 * std::sin(w0 * t));
        return free + v["F"] * (std::sin(w0 * t) / w0 - t * std::cos(w0 * t));
    }
    case SolutionForm::Undefined:
        break;
    }
    return NAN;
}

class EquationsShown : public ::testing::TestWithParam<Regime>
{
};

TEST_P(EquationsShown, AreTheCurvesTheProgramDraws)
{
    const Regime &r = GetParam();
    const CircuitFigures figures = figuresOf(solutions::circuitKindOf(r.kind), r.p);
    ASSERT_EQ(figures.form, r.form);
    const lab::EquationsDocument document =
        lab::EquationsText::write(solutions::circuitKindOf(r.kind), r.p);
    const auto values = shownValues(document);
    for (double t : {0.3, 2.0, 7.5, 40.0}) {
        const double drawn = r.kind == 7 ? currentAt(figures, t) : chargeAt(figures, t);
        const double written = chargeAsWritten(r.form, values, t);
        EXPECT_NEAR(written, drawn, 1e-9 * (std::abs(drawn) + std::abs(values.at("A")) + 1e-12))
            << t;
    }
    // Each number appears in the typeset text as written.
    for (const auto &shown : document.shown) {
        QString text = QString::fromStdString(shortText(std::abs(shown.value), 4));
        text = text.left(text.indexOf(QLatin1Char('e')));
        EXPECT_TRUE(document.richText.contains(text))
            << shown.symbol.toStdString() << " " << text.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(SeveralRegimes, EquationsShown, ::testing::ValuesIn(kRegimes),
                         [](const ::testing::TestParamInfo<Regime> &info) {
                             return std::string(info.param.name);
                         });

// Braces, \left/\right and \[ \] pair up, and the specials of text mode appear only escaped.
::testing::AssertionResult balancedLatex(const QString &latex)
{
    int braces = 0, delimiters = 0, displays = 0;
    for (qsizetype n = 0; n < latex.size(); ++n) {
        const QChar c = latex[n];
        if (c == QLatin1Char('\\')) {
            const QStringView rest = QStringView(latex).mid(n + 1);
            if (rest.startsWith(u"left"))
                ++delimiters;
            else if (rest.startsWith(u"right"))
                --delimiters;
            else if (rest.startsWith(u"["))
                ++displays;
            else if (rest.startsWith(u"]"))
                --displays;
            ++n; // the escaped character or the command's first letter
            continue;
        }
        if (c == QLatin1Char('{'))
            ++braces;
        else if (c == QLatin1Char('}'))
            --braces;
        else if (c == QLatin1Char('%') || c == QLatin1Char('&') || c == QLatin1Char('#'))
            return ::testing::AssertionFailure() << "unescaped " << c.toLatin1() << " at " << n;
        if (braces < 0 || delimiters < 0 || displays < 0 || displays > 1)
            return ::testing::AssertionFailure() << "unbalanced at " << n;
    }
    if (braces != 0 || delimiters != 0 || displays != 0)
        return ::testing::AssertionFailure() << braces << " " << delimiters << " " << displays;
    if (latex.count(u'$') % 2 != 0)
        return ::testing::AssertionFailure() << "odd number of $";
    return ::testing::AssertionSuccess();
}

TEST(EquationsLatex, IsBalancedWithNoUnescapedSpecialsInEveryKindAndRegime)
{
    for (const Regime &r : kRegimes)
        EXPECT_TRUE(
            balancedLatex(lab::EquationsText::write(solutions::circuitKindOf(r.kind), r.p).latex))
            << r.name;
    for (int kind = 1; kind <= 8; ++kind)
        EXPECT_TRUE(balancedLatex(lab::EquationsText::write(solutions::circuitKindOf(kind),
                                                            params(1, 1e-7, 2e9, -3, 1e5, 0, 1))
                                      .latex))
            << kind;
    EXPECT_TRUE(balancedLatex(lab::EquationsText::notANumber(QStringLiteral("R_1 & 50%")).latex));
    EXPECT_FALSE(balancedLatex(QStringLiteral("\\frac{a}{b")));
    EXPECT_FALSE(balancedLatex(QStringLiteral("50% \\[ x \\]")));
}

TEST(EquationsLatex, SaysWhereALimitingFormIsUsed)
{
    const auto at = lab::EquationsText::write(solutions::CircuitKind::DrivenLc,
                                              params(0, 10, 10, 1, 0.1, 0, 0));
    EXPECT_TRUE(at.richText.contains(QStringLiteral("At resonance")));
    const auto critical =
        lab::EquationsText::write(solutions::CircuitKind::Rlc, params(2, 1, 1, 0, 0, 1, 0));
    EXPECT_TRUE(critical.richText.contains(QStringLiteral("limiting form")));
    EXPECT_TRUE(critical.latex.contains(QStringLiteral("Critically damped")));
}

TEST(EquationsWindow, FollowsTheTextsAndCopiesTheLatex)
{
    ScriptedDialogs dialogs;
    lab::EquationsWindow window(dialogs);
    EXPECT_EQ(window.objectName(), QStringLiteral("Equations"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Equations"));
    std::map<Parameter, QString> texts{
        {Parameter::R, "1"},  {Parameter::L, "1"},  {Parameter::C, "1"}, {Parameter::v0, "0"},
        {Parameter::w0, "0"}, {Parameter::q0, "1"}, {Parameter::i0, "0"}};
    const auto textOf = [&texts](Parameter p) { return texts.at(p); };
    window.showCircuit(solutions::CircuitKind::Rlc, textOf);
    EXPECT_TRUE(window.document().richText.contains(QStringLiteral("Underdamped")));
    texts[Parameter::R] = "3";
    window.showCircuit(solutions::CircuitKind::Rlc, textOf);
    EXPECT_TRUE(window.document().richText.contains(QStringLiteral("Overdamped")));
    texts[Parameter::C] = "1,5";
    window.showCircuit(solutions::CircuitKind::Rlc, textOf);
    EXPECT_TRUE(
        window.document().richText.contains(QStringLiteral("The text of C is not a number")));
    EXPECT_TRUE(dialogs.calls().empty());

    texts[Parameter::C] = "1";
    window.showCircuit(solutions::CircuitKind::Rlc, textOf);
    auto *copy = window.findChild<QPushButton *>(QStringLiteral("CopyLatex"));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->text(), QStringLiteral("Copy as LaTeX"));
    QTest::mouseClick(copy, Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), window.document().latex);
    EXPECT_TRUE(QGuiApplication::clipboard()->text().contains(QStringLiteral("\\frac")));
}

} // namespace
} // namespace kel::testing
