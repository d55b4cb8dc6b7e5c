// SPDX-License-Identifier: GPL-3.0-or-later
// Under a number locale with a decimal comma the lab still writes and reads '.' decimals:
// in its boxes, its read-out and its CSV file.
#include "labfixture.h"

#include "solutions/numbertext.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <clocale>
#include <string>

namespace kel::testing
{
namespace
{

class CommaLocale : public LabTest
{
protected:
    void SetUp() override
    {
        const char *current = std::setlocale(LC_NUMERIC, nullptr);
        m_previous = current ? current : "C";
        if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8"))
            GTEST_SKIP() << "the de_DE.UTF-8 locale is not installed";
    }
    void TearDown() override { std::setlocale(LC_NUMERIC, m_previous.c_str()); }

private:
    std::string m_previous;
};

TEST_F(CommaLocale, TypedTextsClicksAndCsvUseDecimalPoints)
{
    launch(13);
    QTest::keyClicks(edit("f0"), ".5"); // "100.5"
    EXPECT_TRUE(text("w0").startsWith("631.46")) << text("w0").toStdString();
    edit("R")->clear();
    QTest::keyClicks(edit("R"), "1.5");
    QTest::mouseClick(window().graphArea(), Qt::LeftButton, {}, QPoint(7, 10));
    EXPECT_TRUE(dialogs.calls().empty());
    for (const char *name : {"Time", "qq", "ii"}) {
        EXPECT_FALSE(text(name).contains(',')) << name;
        EXPECT_TRUE(solutions::toNumber(text(name).toStdString())) << name;
    }
    EXPECT_TRUE(text("Time").contains('.'));

    for (const char *n : {"Charge", "Current", "Voltage"})
        box(n)->setChecked(true);
    dialogs.clear();
    command("PlGraphs");
    QTemporaryDir dir;
    dialogs.queueSavePath(dir.filePath("data.csv"));
    command("SaveData");
    EXPECT_TRUE(dialogs.messages().empty());
    QFile file(dir.filePath("data.csv"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    ASSERT_FALSE(lines.isEmpty());
    ASSERT_GT(lines.size(), 3);
    EXPECT_EQ(lines[0].trimmed(), "t (s),q (C),i (A),v (V)");
    // Four fields a row: a comma decimal would add fields.
    EXPECT_EQ(lines[2].count(','), 3) << lines[2].toStdString();
    EXPECT_TRUE(lines[2].contains('.')) << lines[2].toStdString();
}

} // namespace
} // namespace kel::testing
