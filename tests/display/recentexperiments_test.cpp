// SPDX-License-Identifier: GPL-3.0-or-later
// The recently used experiment files.
#include "display/recentexperiments.h"

#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>

TEST(RecentExperiments, NewestFirstWithoutRepeatsAndAtMostEight)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QSettings settings(dir.filePath("kel.ini"), QSettings::IniFormat);
    kel::display::RecentExperiments recent(settings);
    EXPECT_TRUE(recent.files().isEmpty());

    for (int i = 0; i < 10; ++i)
        recent.add(dir.filePath(QStringLiteral("e%1.kel").arg(i)));
    QStringList files = recent.files();
    ASSERT_EQ(files.size(), kel::display::RecentExperiments::kMaxFiles);
    EXPECT_EQ(files.front(), dir.filePath("e9.kel"));
    EXPECT_EQ(files.back(), dir.filePath("e2.kel"));

    // The same file by another spelling moves to the front instead of appearing twice.
    recent.add(dir.path() + "/sub/../e5.kel");
    files = recent.files();
    EXPECT_EQ(files.size(), kel::display::RecentExperiments::kMaxFiles);
    EXPECT_EQ(files.front(), dir.filePath("e5.kel"));
    EXPECT_EQ(files.count(dir.filePath("e5.kel")), 1);

    recent.remove(dir.filePath("e5.kel"));
    EXPECT_FALSE(recent.files().contains(dir.filePath("e5.kel")));

    // Kept in the settings: a new program run sees the same list.
    QSettings again(dir.filePath("kel.ini"), QSettings::IniFormat);
    EXPECT_EQ(kel::display::RecentExperiments(again).files(), recent.files());
    recent.clear();
    EXPECT_TRUE(recent.files().isEmpty());
}
