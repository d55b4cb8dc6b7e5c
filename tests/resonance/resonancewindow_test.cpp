// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/picturearea.h"
#include "display/qstringtext.h"
#include "resonance/circuitsource.h"
#include "resonance/resonanceruler.h"
#include "resonance/resonancewindow.h"
#include "solutions/numbertext.h"
#include "support/scripteddialogs.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMap>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>

namespace kel::resonance
{
namespace
{

using display::toQString;

// A source window reduced to its five texts, counting the frequencies written into it.
class FakeSource final : public CircuitSource
{
public:
    ResonanceTexts texts() const override
    {
        const auto text = [this](const char *name) { return boxes.value(name).toStdString(); };
        return {text("v0"), text("R"), text("L"), text("C"), text("f0")};
    }
    solutions::CircuitKind circuitKind() const override { return kind; }
    void setSourceFrequency(double f) override
    {
        const QString text = display::numberText(f);
        boxes["f0"] = text;
        written << text;
    }

    solutions::CircuitKind kind = solutions::CircuitKind::DrivenRlc;
    QMap<QString, QString> boxes{
        {"v0", "5"}, {"R", "10"}, {"L", "0.1"}, {"C", "1e-6"}, {"f0", "100"}};
    QStringList written;
};

class ResonanceWindowTest : public ::testing::Test
{
public:
    void SetUp() override
    {
        window.resize(900, 520);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    QString label(const char *name)
    {
        auto *l = window.findChild<QLabel *>(name);
        EXPECT_NE(l, nullptr) << name;
        return l ? l->text() : QString();
    }
    bool noteShown()
    {
        auto *note = window.findChild<QLabel *>("ResonanceNote");
        return note && note->isVisible();
    }
    QImage picture() { return window.picture()->grab().toImage(); }
    void edit(const char *name, const QString &text)
    {
        source.boxes[name] = text;
        window.refresh();
    }
    // Where frequency f lies on the picture, halfway down.
    QPoint pointAt(double f)
    {
        const display::UserTransform t = window.picture()->transform();
        return {static_cast<int>(std::lround(t.toPixelX(std::log10(f)))),
                window.picture()->height() / 2};
    }

    FakeSource source;
    testing::ScriptedDialogs dialogs;
    ResonanceWindow window{source, dialogs};
    QTemporaryDir dir;
};

TEST_F(ResonanceWindowTest, ShowsTheFiguresOfTheSourceCircuit)
{
    EXPECT_EQ(window.objectName(), "ResonanceCurve");
    EXPECT_EQ(window.windowTitle(), "Resonance Curve");
    EXPECT_TRUE(label("resonanceFrequency").endsWith("= 503.3 Hz"));
    EXPECT_TRUE(label("qualityFactor").endsWith("= 31.62"));
    EXPECT_TRUE(label("bandwidth").endsWith("= 15.92 Hz"));
    EXPECT_TRUE(label("halfPowerBand").contains("495.4 Hz to 511.3 Hz"))
        << label("halfPowerBand").toStdString();
    EXPECT_TRUE(label("sourcePoint").contains("100 Hz")) << label("sourcePoint").toStdString();
    EXPECT_FALSE(noteShown());
    ASSERT_TRUE(window.curve().has_value());
    EXPECT_EQ(window.curve()->axis.firstDecade, 1);
    EXPECT_EQ(window.curve()->axis.lastDecade, 4);
    const QStringList ruler = window.findChild<ResonanceRuler *>("ResonanceRuler")->labels();
    EXPECT_EQ(ruler, QStringList({"10 Hz", "100 Hz", "1 kHz", "10 kHz"}));

    // Typing in the source follows live; nothing on screen is ever "NaN".
    edit("R", "1");
    EXPECT_TRUE(label("qualityFactor").endsWith("= 316.2"));
    for (const char *name : {"resonanceFrequency", "qualityFactor", "bandwidth", "halfPowerBand",
                             "sourcePoint", "plotScales"})
        EXPECT_FALSE(label(name).contains("NaN")) << name;
}

TEST_F(ResonanceWindowTest, ClickSetsTheSourceFrequencyAndMarksIt)
{
    QTest::mouseClick(window.picture(), Qt::LeftButton, {}, pointAt(1000));
    ASSERT_EQ(source.written.size(), 1);
    const std::optional<double> f = solutions::toNumber(source.written[0].toStdString());
    ASSERT_TRUE(f.has_value()) << source.written[0].toStdString();
    // Within a pixel of 1 kHz on a three-decade axis, rounded to a short text.
    EXPECT_NEAR(std::log10(*f), 3, 3.0 / window.picture()->width() * 1.5);
    EXPECT_LE(source.written[0].size(), 6);
    EXPECT_EQ(window.curve()->circuit.f, *f);
    EXPECT_TRUE(label("sourcePoint").contains(toQString(withPrefix(*f, "Hz"))))
        << label("sourcePoint").toStdString();

    // Right and Left on the picture step the source frequency by a hundredth of a decade.
    QTest::keyClick(window.picture(), Qt::Key_Right);
    ASSERT_EQ(source.written.size(), 2);
    const double up = solutions::toNumber(source.written[1].toStdString()).value_or(0);
    EXPECT_NEAR(std::log10(up / *f), 0.01, 0.003);
    QTest::keyClick(window.picture(), Qt::Key_Left, Qt::ShiftModifier);
    const double down = solutions::toNumber(source.written[2].toStdString()).value_or(0);
    EXPECT_NEAR(std::log10(up / down), 0.1, 0.003);
    EXPECT_EQ(window.curve()->circuit.f, down);

    // Other buttons pick nothing.
    source.written.clear();
    QTest::mouseClick(window.picture(), Qt::RightButton, {}, pointAt(300));
    EXPECT_TRUE(source.written.empty());
    EXPECT_TRUE(dialogs.calls().empty());
}

TEST_F(ResonanceWindowTest, BadTextsGiveANoteAndLeaveThePicture)
{
    const QImage before = picture();
    const QString figures = label("qualityFactor");
    const struct {
        const char *box;
        const char *text;
        const char *says;
    } rows[] = {
        {"R", "abc", "\u201cabc\u201d is not a number"},
        {"f0", "1,5", "\u201c1,5\u201d is not a number"},
        {"R", "0", "R = 0"},
        {"L", "-2", "L must be above 0"},
        {"C", "0", "C must be above 0"},
        {"R", "1e-300", "too narrow"},
    };
    for (const auto &row : rows) {
        const QString kept = source.boxes[row.box];
        edit(row.box, QString::fromUtf8(row.text));
        EXPECT_TRUE(noteShown()) << row.text;
        EXPECT_TRUE(label("ResonanceNote").contains(QString::fromUtf8(row.says)))
            << label("ResonanceNote").toStdString();
        EXPECT_TRUE(label("ResonanceNote").contains("last values")) << row.text;
        EXPECT_EQ(picture(), before) << row.text;
        EXPECT_EQ(label("qualityFactor"), figures);
        edit(row.box, kept);
        EXPECT_FALSE(noteShown()) << row.text;
    }
    // A note, never a modal box, while the user types.
    EXPECT_TRUE(dialogs.calls().empty());
}

TEST_F(ResonanceWindowTest, ExportsCsvWithDecimalPointsAndThePicture)
{
    dialogs.queueSavePath(dir.filePath("curve.csv"));
    window.findChild<QAction *>("SaveCsv")->trigger();
    QFile file(dir.filePath("curve.csv"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), static_cast<int>(window.curve()->samples.size()) + 1);
    EXPECT_EQ(lines[0].trimmed(), "f (Hz),I0 (A),phi (rad)");
    for (int i = 1; i < lines.size(); ++i) {
        const QStringList fields = lines[i].trimmed().split(',');
        ASSERT_EQ(fields.size(), 3) << lines[i].toStdString();
        for (const QString &field : fields)
            ASSERT_TRUE(solutions::toNumber(field.toStdString())) << lines[i].toStdString();
    }
    EXPECT_TRUE(lines[1].contains('.'));

    dialogs.queueSavePath(dir.filePath("curve"));
    window.findChild<QAction *>("SavePicture")->trigger();
    const QImage png(dir.filePath("curve.png"));
    EXPECT_EQ(png.size(), window.picture()->size() * 2);
    dialogs.queueSavePath(dir.filePath("curve.svg"));
    window.findChild<QAction *>("SavePicture")->trigger();
    EXPECT_TRUE(QFile::exists(dir.filePath("curve.svg")));
    EXPECT_TRUE(dialogs.messages().empty());
}

// Hidden, the window waits; shown again, it catches up.
TEST_F(ResonanceWindowTest, HiddenItWaitsAndCatchesUpWhenShown)
{
    window.hide();
    edit("R", "1");
    EXPECT_TRUE(label("qualityFactor").endsWith("= 31.62"));
    window.show();
    EXPECT_TRUE(label("qualityFactor").endsWith("= 316.2"));
}

TEST(ResonanceRulerTest, ThinsItsLabelsWhenNarrow)
{
    ResonanceRuler ruler;
    ruler.setAxis({-6, 6});
    ruler.resize(2000, 20);
    EXPECT_EQ(ruler.labels().size(), 13);
    EXPECT_EQ(ruler.labels().front(), QString::fromUtf8("1 \u00b5Hz"));
    EXPECT_EQ(ruler.labels().back(), "1 MHz");
    ruler.resize(300, 20);
    const QStringList thin = ruler.labels();
    EXPECT_LT(thin.size(), 13);
    EXPECT_GE(thin.size(), 2);
    int widths = 0;
    for (const QString &label : thin)
        widths += ruler.fontMetrics().horizontalAdvance(label);
    EXPECT_LT(widths, ruler.width());
}

// With KEL_SHOTS set to a folder, saves the window for a high-Q and a low-Q circuit there.
TEST_F(ResonanceWindowTest, ScreenshotsWhenAsked)
{
    const QString folder = qEnvironmentVariable("KEL_SHOTS");
    if (folder.isEmpty())
        GTEST_SKIP() << "KEL_SHOTS not set";
    edit("R", "1");
    edit("f0", "480");
    EXPECT_TRUE(window.grab().save(folder + "/resonance-highq.png"));
    source.boxes = {{"v0", "500"}, {"R", "1000"}, {"L", "10.0"}, {"C", "0.00005"}, {"f0", "10.0"}};
    window.refresh();
    EXPECT_TRUE(window.grab().save(folder + "/resonance-lowq.png"));
    edit("R", "0");
    EXPECT_TRUE(window.grab().save(folder + "/resonance-note.png"));
    edit("R", "1000");
    window.resize(1400, 800);
    EXPECT_TRUE(window.grab().save(folder + "/resonance-large.png"));
    dialogs.queueSavePath(folder + "/resonance-export.png");
    window.findChild<QAction *>("SavePicture")->trigger();
}

} // namespace
} // namespace kel::resonance
