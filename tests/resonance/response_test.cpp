// SPDX-License-Identifier: GPL-3.0-or-later
// The frequency response over a circuit source: the session alone, then the window's
// Frequency Response page.
#include "display/picturearea.h"
#include "resonance/circuitsource.h"
#include "resonance/resonancewindow.h"
#include "resonance/responsesession.h"
#include "solutions/numbertext.h"
#include "support/scripteddialogs.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace kel::resonance
{
namespace
{

using solutions::CircuitKind;
using solutions::Response;

// A lab-like source: a kind and its texts, the frequencies written into it counted.
class KindSource final : public CircuitSource
{
public:
    CircuitKind circuitKind() const override { return kind; }
    ResonanceTexts texts() const override { return values; }
    void setSourceFrequency(double f) override
    {
        values.f = solutions::toText(f);
        written.push_back(f);
    }

    CircuitKind kind = CircuitKind::DrivenRc;
    // L is not a number: the RC has no inductor, so it is never read.
    ResonanceTexts values{"5", "1000", "", "1E-06", "100"};
    std::vector<double> written;
};

TEST(ResponseSession, FollowsTheDrivenCircuitAndItsChoice)
{
    KindSource source;
    ResponseSession session(source);
    session.refresh();
    EXPECT_EQ(session.response(), Response::VC); // the low-pass first
    EXPECT_EQ(session.responses(), (std::vector{Response::VR, Response::VC, Response::Current}));
    EXPECT_FALSE(session.setResponse(Response::VL));
    ASSERT_EQ(session.curve().size(), static_cast<std::size_t>(ResponseSession::kPoints));
    const double corner = 1 / (2 * std::numbers::pi * 1000 * 1e-6);
    EXPECT_NEAR(session.features()->corners.front(), corner, 1e-9 * corner);
    // The range is centred on the corner.
    EXPECT_NEAR(std::sqrt(session.lowFrequency() * session.highFrequency()), corner, 1e-9 * corner);
    EXPECT_TRUE(session.figuresText().contains(QLatin1String("159.2 Hz")))
        << session.figuresText().toStdString();
    EXPECT_TRUE(session.figuresText().contains(QLatin1String("-20 dB/decade above")))
        << session.figuresText().toStdString();

    QSignalSpy changed(&session, &ResponseSession::changed);
    ASSERT_TRUE(session.setResponse(Response::VR));
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(session.features()->lowSlope, 20);

    source.values.C = "-1";
    session.refresh();
    EXPECT_TRUE(session.curve().empty());
    EXPECT_FALSE(session.problem().isEmpty());
    // Nothing new read, nothing emitted.
    changed.clear();
    session.refresh();
    EXPECT_EQ(changed.count(), 0);
}

// The RLC's figures name both voltage peaks, which move away from f0 as R grows.
TEST(ResponseSession, TheRlcNamesBothPeaksAwayFromResonance)
{
    KindSource source;
    source.kind = CircuitKind::DrivenRlc;
    source.values = {"5", "100", "0.1", "1E-06", "500"};
    ResponseSession session(source);
    session.refresh();
    const QString figures = session.figuresText();
    EXPECT_TRUE(figures.contains(QLatin1String("Peak of V_C/V"))) << figures.toStdString();
    EXPECT_TRUE(figures.contains(QLatin1String("Peak of V_L/V"))) << figures.toStdString();
    const double f0 = *session.resonanceFrequency();
    const double q = std::sqrt(0.1 / 1e-6) / 100;
    const double below = f0 * std::sqrt(1 - 1 / (2 * q * q));
    ASSERT_TRUE(session.features()->peak);
    EXPECT_NEAR(session.features()->peak->frequency, below, 1e-9 * f0);
    EXPECT_EQ(session.features()->highSlope, -40);
    source.values.R = "1000"; // Q < 1/√2
    session.refresh();
    EXPECT_TRUE(session.figuresText().contains(QLatin1String("V_C/V has no peak")));
}

class ResponseWindowTest : public ::testing::Test
{
public:
    void SetUp() override
    {
        window.resize(900, 560);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    QPoint pointAt(double f)
    {
        const display::UserTransform t = window.responsePicture()->transform();
        return {static_cast<int>(std::lround(t.toPixelX(std::log10(f)))),
                window.responsePicture()->height() / 2};
    }

    KindSource source;
    testing::ScriptedDialogs dialogs;
    ResonanceWindow window{source, dialogs};
    QTemporaryDir dir;
};

// A driven RC has no resonance: the window shows its frequency response alone.
TEST_F(ResponseWindowTest, AnRcShowsTheFrequencyResponseAlone)
{
    auto *tabs = window.findChild<QTabWidget *>("ResonanceTabs");
    ASSERT_NE(tabs, nullptr);
    EXPECT_FALSE(tabs->isTabEnabled(0));
    EXPECT_EQ(window.page(), ResonancePage::Response);
    EXPECT_EQ(window.windowTitle(), "Frequency Response");
    window.showPage(ResonancePage::Resonance);
    EXPECT_EQ(window.page(), ResonancePage::Response);
    EXPECT_GT(window.responsePicture()->operations().size(),
              static_cast<std::size_t>(ResponseSession::kPoints));
    const display::PictureAxes &axes = window.responsePicture()->axes();
    ASSERT_TRUE(axes.horizontal);
    EXPECT_TRUE(axes.horizontal->logarithmic);
    EXPECT_EQ(axes.vertical.size(), 2u);
    // The picture tells a screen reader the quantity, the corner and the source.
    const QString description = window.responsePicture()->accessibleDescription();
    for (const char *says : {"Voltage across C", "159.2 Hz", "Source f = 100 Hz"})
        EXPECT_TRUE(description.contains(QString::fromUtf8(says))) << description.toStdString();

    // Once an RLC, the resonance page is back, and the picked quantity stays.
    source.kind = CircuitKind::DrivenRlc;
    source.values = {"5", "10", "0.1", "1E-06", "100"};
    window.refresh();
    EXPECT_TRUE(tabs->isTabEnabled(0));
    window.showPage(ResonancePage::Resonance);
    EXPECT_EQ(window.windowTitle(), "Resonance Curve");
    ASSERT_TRUE(window.curve().has_value());
    EXPECT_EQ(window.response().response(), Response::VC);
    EXPECT_EQ(window.findChild<QComboBox *>("ResponseChoice")->count(), 4);

    // The LC resonates without a resistor: its resonance page says why it has no curve, its
    // R text unread; its frequency response has no V_R.
    source.kind = CircuitKind::DrivenLc;
    source.values.R = "abc";
    window.refresh();
    EXPECT_TRUE(tabs->isTabEnabled(0));
    EXPECT_TRUE(window.findChild<QLabel *>("ResonanceNote")->text().contains("no resistance"));
    EXPECT_EQ(window.findChild<QComboBox *>("ResponseChoice")->count(), 3);
}

TEST_F(ResponseWindowTest, ClickAndKeysSetTheSourceFrequency)
{
    display::PictureArea *picture = window.responsePicture();
    QTest::mouseClick(picture, Qt::LeftButton, {}, pointAt(1000));
    ASSERT_EQ(source.written.size(), 1u);
    const double decades =
        std::log10(window.response().highFrequency() / window.response().lowFrequency());
    EXPECT_NEAR(std::log10(source.written[0]), 3, decades / picture->width() * 1.5);
    EXPECT_EQ(window.response().sourceFrequency(), source.written[0]);
    QTest::keyClick(picture, Qt::Key_Right, Qt::ShiftModifier);
    ASSERT_EQ(source.written.size(), 2u);
    EXPECT_NEAR(std::log10(source.written[1] / source.written[0]), 0.1, 0.003);
    QTest::keyClick(picture, Qt::Key_Left);
    ASSERT_EQ(source.written.size(), 3u);
    EXPECT_NEAR(std::log10(source.written[1] / source.written[2]), 0.01, 0.003);
    QTest::mouseClick(picture, Qt::RightButton, {}, pointAt(300));
    EXPECT_EQ(source.written.size(), 3u);
}

TEST_F(ResponseWindowTest, SavesThePickedQuantitysDataAndPicture)
{
    auto *choice = window.findChild<QComboBox *>("ResponseChoice");
    choice->setCurrentIndex(0);
    emit choice->activated(0); // V_R, the high-pass
    dialogs.queueSavePath(dir.filePath("response.csv"));
    window.findChild<QAction *>("SaveCsv")->trigger();
    QFile file(dir.filePath("response.csv"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), ResponseSession::kPoints + 1);
    EXPECT_EQ(lines[0].trimmed(), "f,magnitude_dB,phase_deg");
    const auto row = [&lines](int k) {
        std::vector<double> values;
        for (const QString &field : lines[k].trimmed().split(','))
            values.push_back(solutions::toNumber(field.toStdString()).value_or(NAN));
        return values;
    };
    // Far below the corner: −20 dB a decade and nearly +90°; far above: 0 dB and 0°.
    const std::vector<double> first = row(1), last = row(lines.size() - 1);
    ASSERT_EQ(first.size(), 3u);
    EXPECT_NEAR(first[0], window.response().lowFrequency(), 1e-9 * first[0]);
    EXPECT_NEAR(first[1], -60, 0.01);
    EXPECT_NEAR(first[2], 90, 0.1);
    EXPECT_NEAR(last[1], 0, 0.01);
    EXPECT_NEAR(last[2], 0, 0.1);

    dialogs.queueSavePath(dir.filePath("response.png"));
    window.findChild<QAction *>("SavePicture")->trigger();
    EXPECT_EQ(QImage(dir.filePath("response.png")).size(), window.responsePicture()->size() * 2);
    EXPECT_TRUE(dialogs.messages().empty());
}

// With KEL_SHOTS set to a folder, saves the page for a driven RC and an RLC there.
TEST_F(ResponseWindowTest, ScreenshotsWhenAsked)
{
    const QString folder = qEnvironmentVariable("KEL_SHOTS");
    if (folder.isEmpty())
        GTEST_SKIP() << "KEL_SHOTS not set";
    QTest::qWait(50);
    EXPECT_TRUE(window.grab().save(folder + "/response-rc.png"));
    source.kind = CircuitKind::DrivenRlc;
    source.values = {"5", "100", "0.1", "1E-06", "400"};
    window.refresh();
    QTest::qWait(50);
    EXPECT_TRUE(window.grab().save(folder + "/response-rlc.png"));
}

} // namespace
} // namespace kel::resonance
