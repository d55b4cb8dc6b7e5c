// SPDX-License-Identifier: GPL-3.0-or-later
#include "recordingreader.h"

#include "recordingunits.h"
#include "solutions/numbertext.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <system_error>

namespace kel::measurement
{
namespace
{

enum class Separator { Comma, Semicolon, Tab, Blanks };

// Rows between two looks at the cancel flag and two progress reports: a few milliseconds.
constexpr std::size_t kRowsPerReport = 1 << 16;
constexpr std::size_t kMaxHeaderLines = 1000;
constexpr std::size_t kMaxFieldText = 40;

Separator separatorOf(std::string_view line)
{
    if (line.find('\t') != std::string_view::npos)
        return Separator::Tab;
    if (line.find(';') != std::string_view::npos)
        return Separator::Semicolon;
    if (line.find(',') != std::string_view::npos)
        return Separator::Comma;
    return Separator::Blanks;
}

char separatorChar(Separator separator)
{
    switch (separator) {
    case Separator::Comma:
        return ',';
    case Separator::Semicolon:
        return ';';
    case Separator::Tab:
        return '\t';
    case Separator::Blanks:
        break;
    }
    return ' ';
}

// A header line's fields, trimmed, without the empty fields a trailing separator leaves.
// Header lines are few, so these may allocate.
std::vector<std::string_view> fieldsOf(std::string_view line, Separator separator)
{
    std::vector<std::string_view> fields;
    if (separator == Separator::Blanks) {
        std::size_t at = 0;
        while (at < line.size()) {
            while (at < line.size() && (line[at] == ' ' || line[at] == '\t'))
                ++at;
            const std::size_t start = at;
            while (at < line.size() && line[at] != ' ' && line[at] != '\t')
                ++at;
            if (at > start)
                fields.push_back(line.substr(start, at - start));
        }
        return fields;
    }
    const char c = separatorChar(separator);
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = line.find(c, start);
        fields.push_back(trimmed(line.substr(
            start, end == std::string_view::npos ? std::string_view::npos : end - start)));
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
    while (!fields.empty() && fields.back().empty())
        fields.pop_back();
    return fields;
}

bool sameWord(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               const auto lower = [](char c) {
                   return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
               };
               return lower(x) == lower(y);
           });
}

// Whether a line's first field reads as a number: the first data row.
bool startsWithNumber(std::string_view line)
{
    const Separator separator = separatorOf(line);
    const auto fields = fieldsOf(line, separator);
    if (fields.empty())
        return false;
    std::string first(fields.front());
    if (first.starts_with('+'))
        first.erase(0, 1);
    if (separator == Separator::Semicolon || separator == Separator::Tab)
        std::replace(first.begin(), first.end(), ',', '.');
    double value = 0;
    const auto [end, error] = std::from_chars(first.data(), first.data() + first.size(), value);
    return !first.empty() && end == first.data() + first.size() &&
           (error == std::errc{} || error == std::errc::result_out_of_range);
}

bool isBlankLine(std::string_view line)
{
    return std::all_of(line.begin(), line.end(), [](char c) { return c == ' ' || c == '\t'; });
}

ReadResult failure(ReadFault fault, std::size_t line, std::size_t column, std::string text = {})
{
    return {std::nullopt, ReadProblem{fault, line, column, std::move(text)}};
}

struct Line {
    std::string_view text;
    std::size_t number = 0;
};

// The columns of the data rows and what they mean, from the header lines.
struct Layout {
    Separator separator = Separator::Comma;
    std::size_t columns = 0; // the time or index column and the value columns
    bool indexed = false;    // time = start + index × increment
    double start = 0, increment = 0;
    double timeFactor = 1;
    std::vector<double> valueFactors;
    std::vector<std::string> names, units;
};

constexpr std::array<std::string_view, 10> kPreambleKeys{
    "Record Length",    "Sample Interval", "Trigger Point",  "Trigger Time",    "Horizontal Offset",
    "Horizontal Units", "Vertical Units",  "Vertical Scale", "Vertical Offset", "Source"};

bool isPreambleKey(std::string_view key)
{
    return std::any_of(kPreambleKeys.begin(), kPreambleKeys.end(),
                       [key](std::string_view k) { return sameWord(k, key); });
}

// A line of channel names above a units line: "x-axis,1,2".
bool isNamesLine(const std::vector<std::string_view> &fields)
{
    if (fields.empty() || isPreambleKey(fields.front()))
        return false;
    return std::all_of(fields.begin() + 1, fields.end(), [](std::string_view f) {
        const bool digits = !f.empty() && std::all_of(f.begin(), f.end(),
                                                      [](char c) { return c >= '0' && c <= '9'; });
        return digits || (f.size() > 2 && sameWord(f.substr(0, 2), "ch"));
    });
}

bool isUnitsLine(const std::vector<std::string_view> &fields)
{
    return !fields.empty() && std::all_of(fields.begin(), fields.end(), [](std::string_view f) {
        return unitOf(f).has_value() || sameWord(f, "value");
    });
}

void setValueUnit(Layout &layout, std::size_t channel, std::optional<Unit> unit)
{
    if (!unit || unit->kind == UnitKind::Time || !layout.units[channel].empty())
        return;
    layout.units[channel] = std::string(symbolOf(unit->kind));
    layout.valueFactors[channel] = unit->factor;
}

std::optional<ReadProblem> readIndexHeader(const std::vector<Line> &header, std::size_t at,
                                           std::size_t startColumn, std::size_t incrementColumn,
                                           Layout &layout)
{
    const std::size_t valueLine = at + 1;
    if (valueLine >= header.size())
        return ReadProblem{ReadFault::BadHeader, header[at].number + 1, startColumn + 1, {}};
    const auto values = fieldsOf(header[valueLine].text, separatorOf(header[valueLine].text));
    const auto number = [&](std::size_t column) -> std::optional<double> {
        if (column >= values.size())
            return std::nullopt;
        return solutions::toNumber(values[column]);
    };
    const auto start = number(startColumn);
    if (!start)
        return ReadProblem{ReadFault::BadHeader, header[valueLine].number, startColumn + 1,
                           std::string(values.size() > startColumn ? values[startColumn] : "")};
    const auto increment = number(incrementColumn);
    if (!increment || !(*increment > 0))
        return ReadProblem{
            ReadFault::BadHeader, header[valueLine].number, incrementColumn + 1,
            std::string(values.size() > incrementColumn ? values[incrementColumn] : "")};
    layout.indexed = true;
    layout.start = *start;
    layout.increment = *increment;
    const auto names = fieldsOf(header[at].text, separatorOf(header[at].text));
    for (std::size_t channel = 0; channel + 1 < layout.columns; ++channel) {
        const std::size_t column = channel + 1;
        if (column < startColumn && column < names.size() && !names[column].empty())
            layout.names[channel] = std::string(names[column]);
        if (column < startColumn && column < values.size())
            setValueUnit(layout, channel, unitOf(values[column]));
    }
    return std::nullopt;
}

std::optional<ReadProblem> readHeader(const std::vector<Line> &header, Layout &layout)
{
    const std::size_t channels = layout.columns - 1;
    layout.valueFactors.assign(channels, 1.0);
    layout.units.assign(channels, {});
    for (std::size_t channel = 0; channel < channels; ++channel)
        layout.names.push_back("CH" + std::to_string(channel + 1));

    std::vector<std::optional<Unit>> vertical;
    std::optional<Unit> horizontal;
    for (const Line &line : header) {
        const auto fields = fieldsOf(line.text, separatorOf(line.text));
        if (fields.size() < 2)
            continue;
        if (sameWord(fields[0], "Vertical Units"))
            for (std::size_t f = 1; f < fields.size(); ++f)
                vertical.push_back(unitOf(fields[f]));
        if (sameWord(fields[0], "Horizontal Units"))
            horizontal = unitOf(fields[1]);
    }

    for (std::size_t at = 0; at < header.size(); ++at) {
        const auto fields = fieldsOf(header[at].text, separatorOf(header[at].text));
        std::size_t startColumn = 0, incrementColumn = 0;
        for (std::size_t f = 1; f < fields.size(); ++f) {
            if (sameWord(fields[f], "Start"))
                startColumn = f;
            if (sameWord(fields[f], "Increment"))
                incrementColumn = f;
        }
        if (startColumn > 0 && incrementColumn > 0)
            return readIndexHeader(header, at, startColumn, incrementColumn, layout);
    }

    if (!header.empty()) {
        const auto last = fieldsOf(header.back().text, layout.separator);
        if (last.size() == layout.columns) {
            std::vector<std::string_view> names = last;
            bool unitsOnly = isUnitsLine(last);
            if (unitsOnly && header.size() >= 2) {
                const auto above = fieldsOf(header[header.size() - 2].text, layout.separator);
                if (above.size() == layout.columns && isNamesLine(above))
                    names = above;
            }
            for (std::size_t channel = 0; channel < channels; ++channel) {
                std::string_view name = names[channel + 1];
                if (!name.empty() && std::all_of(name.begin(), name.end(),
                                                 [](char c) { return c >= '0' && c <= '9'; }))
                    layout.names[channel] = "CH" + std::string(name);
                else if (!unitsOnly && !name.empty())
                    layout.names[channel] = std::string(name);
                setValueUnit(layout, channel,
                             unitsOnly ? unitOf(last[channel + 1]) : unitInName(last[channel + 1]));
            }
            const auto timeUnit = unitsOnly ? unitOf(last[0]) : unitInName(last[0]);
            if (timeUnit && timeUnit->kind == UnitKind::Time)
                horizontal = timeUnit;
        }
    }
    for (std::size_t channel = 0; channel < channels; ++channel)
        if (!vertical.empty())
            setValueUnit(layout, channel, vertical[std::min(channel, vertical.size() - 1)]);
    if (horizontal && horizontal->kind == UnitKind::Time)
        layout.timeFactor = horizontal->factor;
    return std::nullopt;
}

std::string fieldText(const char *begin, const char *lineEnd, char separator)
{
    const char *end = begin;
    while (end < lineEnd && *end != separator && std::size_t(end - begin) < kMaxFieldText)
        ++end;
    return std::string(begin, end);
}

// Parses the data rows into columns: the loop every sample goes through, so it allocates
// nothing per row and reads numbers with std::from_chars.
class RowParser
{
public:
    RowParser(const Layout &layout, std::vector<double> &time,
              std::vector<std::vector<double>> &channels)
        : m_layout(layout), m_time(time), m_channels(channels),
          m_separator(separatorChar(layout.separator)),
          m_decimalComma(layout.separator == Separator::Semicolon ||
                         layout.separator == Separator::Tab)
    {
    }

    // Reads one row; on a problem returns it.
    std::optional<ReadProblem> row(std::string_view line, std::size_t lineNumber)
    {
        const char *p = line.data();
        const char *const end = p + line.size();
        std::array<double, kMaxValueColumns + 1> values{};
        for (std::size_t column = 0; column < m_layout.columns; ++column) {
            skipBlanks(p, end);
            const char *const fieldStart = p;
            if (p == end || (m_layout.separator != Separator::Blanks && *p == m_separator))
                return ReadProblem{ReadFault::Ragged, lineNumber, column + 1,
                                   std::to_string(m_layout.columns)};
            const auto fault = number(p, end, values[column]);
            if (fault)
                return ReadProblem{*fault, lineNumber, column + 1,
                                   fieldText(fieldStart, end, m_separator)};
            skipBlanks(p, end);
            if (p < end && m_layout.separator != Separator::Blanks) {
                if (*p != m_separator)
                    return ReadProblem{ReadFault::NotANumber, lineNumber, column + 1,
                                       fieldText(fieldStart, end, m_separator)};
                ++p;
            }
        }
        // Only the empty fields of trailing separators may follow.
        for (const char *rest = p; rest < end; ++rest)
            if (*rest != m_separator && *rest != ' ' && *rest != '\t')
                return ReadProblem{ReadFault::Ragged, lineNumber, m_layout.columns + 1,
                                   std::to_string(m_layout.columns)};

        const double t =
            m_layout.indexed ? m_layout.start + values[0] * m_layout.increment : values[0];
        if (!m_time.empty() && !(t > m_time.back()))
            return ReadProblem{ReadFault::TimeNotIncreasing, lineNumber, 1,
                               solutions::toText(values[0])};
        m_time.push_back(t);
        for (std::size_t channel = 0; channel + 1 < m_layout.columns; ++channel)
            m_channels[channel].push_back(values[channel + 1]);
        return std::nullopt;
    }

private:
    void skipBlanks(const char *&p, const char *end) const
    {
        while (p < end && (*p == ' ' || (*p == '\t' && m_layout.separator != Separator::Tab)))
            ++p;
    }

    std::optional<ReadFault> number(const char *&p, const char *end, double &value) const
    {
        const char *fieldEnd = end;
        if (m_layout.separator != Separator::Blanks) {
            const void *at = std::memchr(p, m_separator, std::size_t(end - p));
            if (at != nullptr)
                fieldEnd = static_cast<const char *>(at);
        } else {
            fieldEnd = p;
            while (fieldEnd < end && *fieldEnd != ' ' && *fieldEnd != '\t')
                ++fieldEnd;
        }
        const char *begin = p;
        if (begin < fieldEnd && *begin == '+')
            ++begin;
        std::array<char, 64> copy{};
        const char *parseBegin = begin, *parseEnd = fieldEnd;
        if (m_decimalComma && std::memchr(begin, ',', std::size_t(fieldEnd - begin)) != nullptr) {
            const std::size_t size = std::size_t(fieldEnd - begin);
            if (size >= copy.size())
                return ReadFault::NotANumber;
            std::replace_copy(begin, fieldEnd, copy.begin(), ',', '.');
            parseBegin = copy.data();
            parseEnd = copy.data() + size;
        }
        while (parseEnd > parseBegin && (parseEnd[-1] == ' ' || parseEnd[-1] == '\t'))
            --parseEnd;
        const auto [stop, error] = std::from_chars(parseBegin, parseEnd, value);
        if (stop != parseEnd || stop == parseBegin)
            return ReadFault::NotANumber;
        if (error == std::errc::result_out_of_range || !std::isfinite(value))
            return ReadFault::NotFinite;
        if (error != std::errc{})
            return ReadFault::NotANumber;
        p = fieldEnd;
        return std::nullopt;
    }

    const Layout &m_layout;
    std::vector<double> &m_time;
    std::vector<std::vector<double>> &m_channels;
    char m_separator;
    bool m_decimalComma;
};

// The next line from `at`, without its end of line; `at` moves past it.
std::string_view nextLine(std::string_view text, std::size_t &at)
{
    const void *found = std::memchr(text.data() + at, '\n', text.size() - at);
    const std::size_t end = found != nullptr
                                ? std::size_t(static_cast<const char *>(found) - text.data())
                                : text.size();
    std::string_view line = text.substr(at, end - at);
    at = end + 1;
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    return line;
}

std::optional<ReadProblem> notTextAt(std::string_view text, std::size_t at)
{
    const std::size_t line = std::size_t(std::count(text.begin(), text.begin() + long(at), '\n'));
    const std::size_t lineStart = text.rfind('\n', at == 0 ? 0 : at - 1);
    const std::size_t column =
        lineStart == std::string_view::npos || at == 0 ? at + 1 : at - lineStart;
    return ReadProblem{ReadFault::NotText, line + 1, column, {}};
}

} // namespace

ReadResult readRecording(std::string_view text, const ReadOptions &options)
{
    if (text.size() > options.maxBytes)
        return failure(ReadFault::TooLarge, 0, 0, std::to_string(text.size()));
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    if (text.starts_with("\xFF\xFE") || text.starts_with("\xFE\xFF"))
        return failure(ReadFault::NotText, 1, 1);
    if (const void *nul = std::memchr(text.data(), '\0', text.size()); nul != nullptr) {
        auto problem = notTextAt(text, std::size_t(static_cast<const char *>(nul) - text.data()));
        return {std::nullopt, problem};
    }

    // The header: every line above the first that starts with a number.
    std::vector<Line> header;
    std::size_t at = 0, lineNumber = 0;
    std::optional<Line> firstRow;
    while (at < text.size() && header.size() < kMaxHeaderLines) {
        const std::size_t lineStart = at;
        const std::string_view line = nextLine(text, at);
        ++lineNumber;
        for (std::size_t c = 0; c < line.size(); ++c) {
            const auto byte = static_cast<unsigned char>(line[c]);
            if ((byte < 0x20 && byte != '\t') || byte == 0x7f)
                return {std::nullopt, ReadProblem{ReadFault::NotText, lineNumber, c + 1, {}}};
        }
        if (isBlankLine(line))
            continue;
        if (startsWithNumber(line)) {
            firstRow = Line{line, lineNumber};
            at = lineStart;
            --lineNumber;
            break;
        }
        header.push_back(Line{line, lineNumber});
    }
    if (!firstRow) {
        if (header.empty())
            return failure(ReadFault::Empty, 1, 1);
        return failure(ReadFault::TooFewSamples, header.back().number + 1, 1, "0");
    }

    const std::size_t linesLeft =
        std::size_t(std::count(text.begin() + long(at), text.end(), '\n')) + 1;
    if (linesLeft > options.maxRows) {
        // Blank lines may pad the count: count the rows only when the bound is exceeded.
        std::size_t rows = 0;
        for (std::size_t p = at; p < text.size();)
            rows += isBlankLine(nextLine(text, p)) ? 0 : 1;
        if (rows > options.maxRows)
            return failure(ReadFault::TooManyRows, firstRow->number, 1, std::to_string(rows));
    }

    Layout layout;
    layout.separator = separatorOf(firstRow->text);
    const auto firstFields = fieldsOf(firstRow->text, layout.separator);
    layout.columns = firstFields.size();
    if (layout.columns < 2)
        return failure(ReadFault::NoColumns, firstRow->number, 2);
    if (layout.columns > kMaxValueColumns + 1)
        return failure(ReadFault::TooManyColumns, firstRow->number, kMaxValueColumns + 2,
                       std::to_string(layout.columns - 1));
    if (auto problem = readHeader(header, layout))
        return {std::nullopt, problem};

    Recording recording;
    recording.time.reserve(linesLeft);
    recording.channels.resize(layout.columns - 1);
    for (auto &channel : recording.channels)
        channel.reserve(linesLeft);
    RowParser parser(layout, recording.time, recording.channels);
    std::size_t sinceReport = 0;
    while (at < text.size()) {
        const std::string_view line = nextLine(text, at);
        ++lineNumber;
        if (line.empty() || (isBlankLine(line)))
            continue;
        if (auto problem = parser.row(line, lineNumber))
            return {std::nullopt, problem};
        if (++sinceReport == kRowsPerReport) {
            sinceReport = 0;
            if (options.cancel != nullptr && options.cancel->load(std::memory_order_relaxed))
                return failure(ReadFault::Cancelled, 0, 0);
            if (options.progress)
                options.progress(double(std::min(at, text.size())) / double(text.size()));
        }
    }
    if (recording.time.size() < kMinSamples)
        return failure(ReadFault::TooFewSamples, lineNumber, 1,
                       std::to_string(recording.time.size()));

    if (layout.timeFactor != 1)
        for (double &t : recording.time)
            t *= layout.timeFactor;
    for (std::size_t channel = 0; channel < recording.channels.size(); ++channel)
        if (layout.valueFactors[channel] != 1)
            for (double &v : recording.channels[channel])
                v *= layout.valueFactors[channel];
    recording.channelNames = std::move(layout.names);
    recording.channelUnits = std::move(layout.units);
    if (options.progress)
        options.progress(1.0);
    return {std::move(recording), std::nullopt};
}

ReadResult readRecordingFile(const std::string &path, const ReadOptions &options)
{
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (error)
        return failure(ReadFault::Unreadable, 0, 0, error.message());
    if (size > options.maxBytes)
        return failure(ReadFault::TooLarge, 0, 0, std::to_string(size));
    const std::unique_ptr<std::FILE, int (*)(std::FILE *)> file(std::fopen(path.c_str(), "rb"),
                                                                &std::fclose);
    if (!file)
        return failure(ReadFault::Unreadable, 0, 0, std::strerror(errno));
    std::string text(size, '\0');
    if (std::fread(text.data(), 1, size, file.get()) != size)
        return failure(ReadFault::Unreadable, 0, 0, std::strerror(errno));
    return readRecording(text, options);
}

std::string problemText(const ReadProblem &problem)
{
    const std::string where =
        "line " + std::to_string(problem.line) + ", column " + std::to_string(problem.column);
    switch (problem.fault) {
    case ReadFault::Unreadable:
        return "The file cannot be read: " + problem.text + ".";
    case ReadFault::TooLarge:
        return "The file has " + problem.text + " bytes, more than a recording may have (" +
               std::to_string(kMaxRecordingBytes) + ").";
    case ReadFault::TooManyRows:
        return "The file has " + problem.text + " rows, more than a recording may have (" +
               std::to_string(kMaxRecordingRows) + ").";
    case ReadFault::NotText:
        return "The file is not text: a control character at line " + std::to_string(problem.line) +
               ", byte " + std::to_string(problem.column) + ".";
    case ReadFault::Empty:
        return "The file is empty.";
    case ReadFault::NoColumns:
        return "At " + where + ": a row needs a time and at least one value.";
    case ReadFault::TooManyColumns:
        return "At " + where + ": more than four value columns (" + problem.text + ").";
    case ReadFault::Ragged:
        return "At " + where + ": the row does not have the " + problem.text +
               " columns of the first row.";
    case ReadFault::NotANumber:
        return "At " + where + ": \"" + problem.text + "\" is not a number.";
    case ReadFault::NotFinite:
        return "At " + where + ": \"" + problem.text + "\" is not a finite number.";
    case ReadFault::TimeNotIncreasing:
        return "At " + where + ": the time " + problem.text + " is not later than the one before.";
    case ReadFault::TooFewSamples:
        return "At " + where + ": only " + problem.text + " samples; at least 3 are needed.";
    case ReadFault::BadHeader:
        return "At " + where + ": \"" + problem.text +
               "\" is not a usable start time or a positive increment.";
    case ReadFault::Cancelled:
        return "Reading was cancelled.";
    }
    return {};
}

} // namespace kel::measurement
