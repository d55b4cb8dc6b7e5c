// SPDX-License-Identifier: GPL-3.0-or-later
#include "measurement/core/recordingreader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <fstream>
#include <string>

using kel::measurement::ReadFault;
using kel::measurement::ReadOptions;
using kel::measurement::readRecording;
using kel::measurement::readRecordingFile;
using kel::measurement::Recording;

namespace
{

Recording read(const std::string &text)
{
    auto result = readRecording(text);
    EXPECT_TRUE(result.recording.has_value())
        << (result.problem ? kel::measurement::problemText(*result.problem) : "");
    return result.recording.value_or(Recording{});
}

struct BadCase {
    const char *name;
    std::string text;
    ReadFault fault;
    std::size_t line, column;
};

} // namespace

TEST(RecordingReader, ReadsIndexRowsWithStartAndIncrement)
{
    const Recording r = read("X,CH1,CH2,Start,Increment,\n"
                             "Sequence,Volt,Volt,-2.0e-03,1.0e-04,\n"
                             "0,0.5,1,\n1,0.25,2,\n2,0.125,3,\n");
    ASSERT_EQ(r.time.size(), 3U);
    EXPECT_DOUBLE_EQ(r.time[0], -2e-3);
    EXPECT_DOUBLE_EQ(r.time[2], -2e-3 + 2 * 1e-4);
    ASSERT_EQ(r.channels.size(), 2U);
    EXPECT_DOUBLE_EQ(r.channels[1][2], 3);
    EXPECT_EQ(r.channelNames, (std::vector<std::string>{"CH1", "CH2"}));
    EXPECT_EQ(r.channelUnits, (std::vector<std::string>{"V", "V"}));
}

TEST(RecordingReader, ReadsANamesLineAndAUnitsLine)
{
    const Recording r = read("x-axis,1,2\r\nsecond,Volt,Volt\r\n"
                             "-1.0e-03,0.1,0.2\r\n0,0.3,0.4\r\n1.0e-03,0.5,0.6\r\n");
    ASSERT_EQ(r.time.size(), 3U);
    EXPECT_DOUBLE_EQ(r.time[0], -1e-3);
    EXPECT_EQ(r.channelNames, (std::vector<std::string>{"CH1", "CH2"}));
    EXPECT_EQ(r.channelUnits, (std::vector<std::string>{"V", "V"}));
    EXPECT_DOUBLE_EQ(r.channels[0][2], 0.5);
}

TEST(RecordingReader, ReadsAKeyValuePreambleBeforeTheColumnHeader)
{
    const Recording a = read("Model,Bench scope\nRecord Length,3\nSample Interval,1e-06\n"
                             "Horizontal Units,ms\nVertical Units,mV\nTIME,CH1\n"
                             "0,100\n1,200\n2,300\n");
    ASSERT_EQ(a.time.size(), 3U);
    EXPECT_DOUBLE_EQ(a.time[1], 1e-3);
    EXPECT_DOUBLE_EQ(a.channels[0][2], 0.3);
    EXPECT_EQ(a.channelNames[0], "CH1");
    EXPECT_EQ(a.channelUnits[0], "V");

    const Recording b = read("Record Length,Analog:3\nSample Interval,1e-06\n"
                             "Trigger Point,0\n\nSecond,Value\n0,1\n1e-06,2\n2e-06,3\n");
    EXPECT_EQ(b.channelUnits[0], "");
    EXPECT_DOUBLE_EQ(b.time[2], 2e-6);
    const Recording c = read("Record Length,Analog:3\nSecond,Volt\n0,1\n1e-06,2\n2e-06,3\n");
    EXPECT_EQ(c.channelUnits[0], "V");
}

TEST(RecordingReader, ReadsPlainTablesWithEachSeparatorAndUnitsFromTheHeader)
{
    const Recording semicolon = read("t (ms);U_C (mV);i [mA]\n0;1,5;2\n0,5;2,5;3\n1;3,5;4\n");
    EXPECT_DOUBLE_EQ(semicolon.time[1], 0.5e-3);
    EXPECT_DOUBLE_EQ(semicolon.channels[0][0], 1.5e-3);
    EXPECT_DOUBLE_EQ(semicolon.channels[1][2], 4e-3);
    EXPECT_EQ(semicolon.channelNames[0], "U_C (mV)");
    EXPECT_EQ(semicolon.channelUnits, (std::vector<std::string>{"V", "A"}));

    const Recording tab = read("t/\xC2\xB5s\tq/C\n1\t2,5e-6\n2\t3\n3\t4\n");
    EXPECT_DOUBLE_EQ(tab.time[2], 3e-6);
    EXPECT_DOUBLE_EQ(tab.channels[0][0], 2.5e-6);
    EXPECT_EQ(tab.channelUnits[0], "C");

    const Recording blanks = read("  0   1\n 1e-3  -2\n\n2e-3 +3  \n");
    EXPECT_EQ(blanks.time.size(), 3U);
    EXPECT_DOUBLE_EQ(blanks.channels[0][2], 3);
    EXPECT_EQ(blanks.channelNames[0], "CH1");

    // Channels called A and B are names, not amperes.
    const Recording named = read("\xEF\xBB\xBFtime,A,B,C,D\n0,1,2,3,4\n1,1,2,3,4\n2,1,2,3,4\n");
    EXPECT_EQ(named.channels.size(), 4U);
    EXPECT_EQ(named.channelNames[0], "A");
    EXPECT_EQ(named.channelUnits[0], "");
}

TEST(RecordingReader, NamesTheLineAndColumnOfEveryBadInput)
{
    const std::vector<BadCase> cases{
        {"binary", std::string("0,1\n1,\0\n", 8), ReadFault::NotText, 2, 3},
        {"control", "time,v\x01\n0,1\n", ReadFault::NotText, 1, 7},
        {"empty", " \n\n", ReadFault::Empty, 1, 1},
        {"header only", "time,volt\n", ReadFault::TooFewSamples, 2, 1},
        {"two samples", "0,1\n1,2\n", ReadFault::TooFewSamples, 2, 1},
        {"one column", "t\n0\n1\n2\n", ReadFault::NoColumns, 2, 2},
        {"six columns", "0,1,2,3,4,5\n", ReadFault::TooManyColumns, 1, 6},
        {"short row", "0,1,2\n1,2\n2,3,4\n", ReadFault::Ragged, 2, 3},
        {"long row", "0,1\n1,2\n2,3,4\n", ReadFault::Ragged, 3, 3},
        {"text", "t,v\n0,1\n1,2\n2,abc\n", ReadFault::NotANumber, 4, 2},
        {"number with tail", "0,1\n1,2V\n2,3\n", ReadFault::NotANumber, 2, 2},
        {"decimal comma in a comma table", "0,1\n1,2\n2.5,3,5\n", ReadFault::Ragged, 3, 3},
        {"nan", "0,1\n1,nan\n2,3\n", ReadFault::NotFinite, 2, 2},
        {"infinity", "0;1\n1;2\n2;-inf\n", ReadFault::NotFinite, 3, 2},
        {"overflow", "0 1\n1 1e999\n2 3\n", ReadFault::NotFinite, 2, 2},
        {"time back", "0,1\n2,2\n1,3\n", ReadFault::TimeNotIncreasing, 3, 1},
        {"time repeated", "0,1\n0,2\n1,3\n", ReadFault::TimeNotIncreasing, 2, 1},
        {"no increment", "X,CH1,Start,Increment,\nSequence,Volt,0,x,\n0,1,\n1,2,\n2,3,\n",
         ReadFault::BadHeader, 2, 4},
        {"zero increment", "X,CH1,Start,Increment,\nSequence,Volt,0,0,\n0,1,\n1,2,\n2,3,\n",
         ReadFault::BadHeader, 2, 4},
    };
    for (const BadCase &c : cases) {
        const auto result = readRecording(c.text);
        ASSERT_TRUE(result.problem.has_value()) << c.name;
        EXPECT_FALSE(result.recording.has_value()) << c.name;
        EXPECT_EQ(result.problem->fault, c.fault) << c.name;
        EXPECT_EQ(result.problem->line, c.line) << c.name;
        EXPECT_EQ(result.problem->column, c.column) << c.name;
        EXPECT_FALSE(kel::measurement::problemText(*result.problem).empty());
    }
}

TEST(RecordingReader, RefusesTooLargeInputsBeforeReadingAndStopsWhenCancelled)
{
    std::string rows;
    for (int i = 0; i < 200000; ++i)
        rows += std::to_string(i) + ",1\n";
    ReadOptions small;
    small.maxBytes = 100;
    EXPECT_EQ(readRecording(rows, small).problem->fault, ReadFault::TooLarge);
    ReadOptions few;
    few.maxRows = 1000;
    EXPECT_EQ(readRecording(rows, few).problem->fault, ReadFault::TooManyRows);

    const std::string path = testing::TempDir() + "recording.csv";
    std::ofstream(path) << rows;
    EXPECT_EQ(readRecordingFile(path, small).problem->fault, ReadFault::TooLarge);
    EXPECT_EQ(readRecordingFile(path + ".missing").problem->fault, ReadFault::Unreadable);

    std::atomic<bool> cancel{false};
    double last = 0;
    ReadOptions watched;
    watched.cancel = &cancel;
    watched.progress = [&](double share) {
        EXPECT_GE(share, last);
        last = share;
    };
    const auto whole = readRecordingFile(path, watched);
    ASSERT_TRUE(whole.recording.has_value());
    EXPECT_EQ(whole.recording->time.size(), 200000U);
    EXPECT_DOUBLE_EQ(last, 1.0);
    cancel = true;
    EXPECT_EQ(readRecordingFile(path, watched).problem->fault, ReadFault::Cancelled);
    std::remove(path.c_str());
}

TEST(RecordingReader, ReadsTheSyntheticExamples)
{
    const std::string folder = KEL_EXAMPLES_DIR;
    const auto underdamped = readRecordingFile(folder + "/synthetic-rlc-underdamped.csv");
    ASSERT_TRUE(underdamped.recording.has_value());
    EXPECT_EQ(underdamped.recording->time.size(), 2250U);
    EXPECT_NEAR(underdamped.recording->time.front(), -0.5e-3, 1e-12);
    // The first overshoot of 5 V: 5·(1 + exp(−π·α/ωd)) with α = 1000/s, ωd ≈ 9950/s.
    const auto &vC = underdamped.recording->channels[0];
    EXPECT_NEAR(*std::max_element(vC.begin(), vC.end()), 8.65, 0.1);

    const auto two = readRecordingFile(folder + "/synthetic-rlc-two-channels.csv");
    ASSERT_TRUE(two.recording.has_value());
    EXPECT_EQ(two.recording->channelNames, (std::vector<std::string>{"CH1", "CH2"}));
    const auto rc = readRecordingFile(folder + "/synthetic-rc-charging.txt");
    ASSERT_TRUE(rc.recording.has_value());
    EXPECT_NEAR(rc.recording->time.back(), 5.99e-3, 1e-12);
    EXPECT_NEAR(rc.recording->channels[0].back(), 5.0, 0.05);
    const auto lc = readRecordingFile(folder + "/synthetic-lc-charge.csv");
    ASSERT_TRUE(lc.recording.has_value());
    EXPECT_EQ(lc.recording->channelUnits[0], "C");
    EXPECT_NEAR(lc.recording->channels[0].front(), 10e-6, 1e-7);
}
