// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "recording.h"

#include <atomic>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace kel::measurement
{

// What is wrong with a recording's text. Each comes with the line and column where it was
// found (both from 1; the column counts fields, except for NotText, where it counts bytes).
enum class ReadFault {
    Unreadable,        // the file cannot be opened or read
    TooLarge,          // more bytes than the limit, refused before reading
    TooManyRows,       // more rows than the limit, refused before parsing
    NotText,           // a NUL byte or another control character
    Empty,             // nothing but blanks
    NoColumns,         // a data row with only one column: no time and value
    TooManyColumns,    // more than four value columns
    Ragged,            // a row with a different number of columns than the first
    NotANumber,        // a field that is not a number
    NotFinite,         // NaN or infinity
    TimeNotIncreasing, // a time not above the one before
    TooFewSamples,     // fewer than three rows of samples
    BadHeader,         // a start or increment in the header that is not a positive number
    Cancelled,         // the reader was asked to stop
};

struct ReadProblem {
    ReadFault fault = ReadFault::Unreadable;
    std::size_t line = 0;   // 0 where no line is concerned (size, cancel, unreadable file)
    std::size_t column = 0; // 0 where no column is concerned
    std::string text;       // the offending field (at most 40 bytes), or the expected count
};

// At most this many bytes and rows; the file's size is checked before it is read and the
// number of lines before any is parsed.
constexpr std::size_t kMaxRecordingBytes = std::size_t{1} << 30;
constexpr std::size_t kMaxRecordingRows = 20'000'000;
constexpr std::size_t kMaxValueColumns = 4;
constexpr std::size_t kMinSamples = 3;

struct ReadOptions {
    std::size_t maxBytes = kMaxRecordingBytes;
    std::size_t maxRows = kMaxRecordingRows;
    // Checked every few thousand rows; when it turns true the read stops with Cancelled.
    const std::atomic<bool> *cancel = nullptr;
    // Called now and then from the reading thread with the share done, 0 to 1.
    std::function<void(double)> progress;
};

struct ReadResult {
    std::optional<Recording> recording; // set exactly when problem is not
    std::optional<ReadProblem> problem;
};

// Reads the samples of a recording's text. Recognised layouts:
// - a plain table, with or without a header line, fields separated by commas, semicolons,
//   tabs or blanks; where the separator is a semicolon or a tab a decimal comma is read too;
//   units from the header ("t (ms)", "U [mV]", "i/mA", "Volt") scale the columns to s, V, A, C;
// - index rows with the start time and increment in a two-line header
//   ("X,CH1,Start,Increment," then "Sequence,Volt,<start>,<increment>,"):
//   time = start + index × increment;
// - a names line and a units line ("x-axis,1,2" then "second,Volt,Volt") before time rows;
// - key,value preamble lines ("Vertical Units,V", "Sample Interval,1e-06", ...) before a
//   column header such as "TIME,CH1" or "Second,Volt".
ReadResult readRecording(std::string_view text, const ReadOptions &options = {});

// The same for a file, whose size is checked before anything is read.
ReadResult readRecordingFile(const std::string &path, const ReadOptions &options = {});

// The problem in one English sentence naming where it is, for the command line.
std::string problemText(const ReadProblem &problem);

} // namespace kel::measurement
