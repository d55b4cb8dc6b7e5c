// SPDX-License-Identifier: GPL-3.0-or-later
// The measurement window driven through its widgets and the lab's: a synthetic underdamped
// recording is opened from the lab's Measurement menu, fitted with R, L and v0 free, and the
// fitted values go back into the lab's boxes; bad files leave the window as it was.
#include "lab/core/circuitlaunchers.h"
#include "lab/labwindow.h"
#include "measurement/core/columnenvelope.h"
#include "measurement/measurementwindow.h"
#include "support/scripteddialogs.h"

#include <QAction>
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>

using namespace kel;
using measurement::FitParameter;

namespace
{

const QString kExample = QStringLiteral(KEL_EXAMPLES_DIR "/synthetic-rlc-underdamped.csv");

class MeasurementTest : public ::testing::Test
{
protected:
    MeasurementTest()
    {
        m_lab.applyConfiguration(*lab::launcherConfiguration(9)); // RLC, constant source
        for (const auto &[name, text] : {std::pair{"R", "30"},
                                         {"L", "0.02"},
                                         {"C", "1E-06"},
                                         {"v0", "4"},
                                         {"q0", "0"},
                                         {"i0", "0"}}) {
            auto *box = m_lab.findChild<QLineEdit *>(name);
            box->selectAll();
            QTest::keyClicks(box, text);
        }
    }

    // Opens the recording through the lab's Measurement menu and waits until it is shown.
    measurement::MeasurementWindow &open(const QString &path)
    {
        m_dialogs.queueOpenPath(path);
        m_lab.findChild<QAction *>("OpenMeasurement")->trigger();
        auto *window = m_lab.findChild<measurement::MeasurementWindow *>("Measurement");
        EXPECT_NE(window, nullptr);
        QSignalSpy done(&window->jobs(), &measurement::MeasurementJobs::busyChanged);
        EXPECT_TRUE(done.wait(5000));
        return *window;
    }

    kel::testing::ScriptedDialogs m_dialogs;
    lab::LabWindow m_lab{m_dialogs};
};

} // namespace

TEST_F(MeasurementTest, FitsTheRecordingAndAppliesTheValuesToTheLab)
{
    auto &window = open(kExample);
    const auto &session = window.session();
    ASSERT_TRUE(session.recording().has_value());
    EXPECT_EQ(session.recording()->time.size(), 2250U);
    // The window starts at the switch: samples before the trigger are left out.
    EXPECT_DOUBLE_EQ(session.from(), 0.0);
    EXPECT_TRUE(session.modelProblem().has_value()); // the lab's curve is drawn before a fit
    for (const char *name : {"FreeR", "FreeL", "Freev0"})
        EXPECT_TRUE(window.findChild<QCheckBox *>(name)->isChecked()) << name;
    EXPECT_FALSE(window.findChild<QCheckBox *>("FreeC")->isChecked());
    EXPECT_FALSE(window.findChild<QCheckBox *>("Freef0")->isVisible());

    QSignalSpy fitted(&window.jobs(), &measurement::MeasurementJobs::fitted);
    QTest::mouseClick(window.findChild<QPushButton *>("Fit"), Qt::LeftButton);
    ASSERT_TRUE(fitted.wait(20000));
    ASSERT_TRUE(session.fit().has_value());
    const measurement::FitResult fit = *session.fit();
    const auto *R = fit.find(FitParameter::R);
    const auto *L = fit.find(FitParameter::L);
    ASSERT_TRUE(R && L);
    // The recording was made with R = 20 Ω and L = 10 mH; the start was 30 Ω and 20 mH.
    EXPECT_NEAR(R->value, 20, 4 * R->uncertainty + 1e-9);
    EXPECT_NEAR(L->value, 0.01, 4 * L->uncertainty + 1e-12);
    const QString result = window.findChild<QLabel *>("FitResult")->text();
    EXPECT_TRUE(result.contains(QStringLiteral("R = "))) << result.toStdString();
    EXPECT_TRUE(window.findChild<QWidget *>("RecordingGraph")
                    ->accessibleDescription()
                    .contains(QStringLiteral("fitted")));

    // View → Axis Numbers takes the numbers off the graph and puts them back.
    auto *graph = window.findChild<QWidget *>("RecordingGraph");
    auto *numbers = window.findChild<QAction *>("AxisNumbers");
    ASSERT_NE(numbers, nullptr);
    const bool wasOn = numbers->isChecked();
    numbers->setChecked(true);
    const QImage withNumbers = graph->grab().toImage();
    numbers->setChecked(false);
    EXPECT_NE(graph->grab().toImage(), withNumbers);
    numbers->setChecked(true);
    EXPECT_EQ(graph->grab().toImage(), withNumbers);
    numbers->setChecked(wasOn);

    QTest::mouseClick(window.findChild<QPushButton *>("ApplyToLab"), Qt::LeftButton);
    const double labR = m_lab.findChild<QLineEdit *>("R")->text().toDouble();
    // The box holds the value to the 15 significant digits of every number text.
    EXPECT_NEAR(labR, R->value, 1e-14 * R->value);
    EXPECT_EQ(m_lab.findChild<QLineEdit *>("C")->text(), QStringLiteral("1E-06")); // held
}

TEST_F(MeasurementTest, ABadFileIsNamedByLineAndLeavesTheWindowAsItWas)
{
    auto &window = open(kExample);
    const std::string bad = ::testing::TempDir() + "bad-recording.csv";
    std::ofstream(bad) << "t,v\n0,1\n1,2\n2,x3\n";
    m_dialogs.clear();
    window.openFile(QString::fromStdString(bad));
    QSignalSpy done(&window.jobs(), &measurement::MeasurementJobs::busyChanged);
    ASSERT_TRUE(done.wait(5000));
    const auto messages = m_dialogs.messages();
    ASSERT_EQ(messages.size(), 1U);
    EXPECT_TRUE(messages[0].text.contains(QStringLiteral("Line 4, column 2")))
        << messages[0].text.toStdString();
    EXPECT_EQ(window.session().recording()->time.size(), 2250U);
    EXPECT_EQ(window.session().fileName(), QStringLiteral("synthetic-rlc-underdamped.csv"));

    // A window typed in the boxes: From after To is put in order, a text is refused.
    auto *from = window.findChild<QLineEdit *>("From");
    auto *to = window.findChild<QLineEdit *>("To");
    to->setText("1E-04");
    from->setText("0.002");
    emit from->editingFinished();
    EXPECT_DOUBLE_EQ(window.session().from(), 1e-4);
    EXPECT_DOUBLE_EQ(window.session().to(), 0.002);
    m_dialogs.clear();
    from->setText("abc");
    emit from->editingFinished();
    EXPECT_EQ(m_dialogs.messages().size(), 1U);
    EXPECT_DOUBLE_EQ(window.session().from(), 1e-4);
}

TEST(ColumnEnvelope, KeepsEachColumnsExtremesAndLeavesEmptyColumnsEmpty)
{
    const std::vector<double> t{0, 0.1, 0.2, 0.6, 0.9, 1.0};
    const std::vector<double> y{1, -2, 3, 4, 5, 6};
    const auto envelope = measurement::columnEnvelope(t, y, 0, 1, 4);
    ASSERT_EQ(envelope.size(), 4U);
    EXPECT_FLOAT_EQ(envelope[0].low, -2);
    EXPECT_FLOAT_EQ(envelope[0].high, 3);
    EXPECT_TRUE(std::isnan(envelope[1].low));
    EXPECT_FLOAT_EQ(envelope[2].high, 4);
    EXPECT_FLOAT_EQ(envelope[3].low, 5); // the right edge falls in the last column
    EXPECT_FLOAT_EQ(envelope[3].high, 6);
}
