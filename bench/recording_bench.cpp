// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a recording of a million rows from a file, as a student's scope writes it. The file
// is the one named by KEL_BENCH_RECORDING (tools/time_loadtxt.py writes it and times NumPy's
// loadtxt on it), or else one written here in the same layout.
#include "measurement/core/recordingreader.h"

#include <benchmark/benchmark.h>

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace
{

constexpr int kRows = 1'000'000;

void appendScientific(std::string &out, double value)
{
    std::array<char, 32> text{};
    const auto end = std::to_chars(text.data(), text.data() + text.size(), value,
                                   std::chars_format::scientific, 6)
                         .ptr;
    out.append(text.data(), end);
}

// Time and a damped oscillation, "1.000000e-06,4.999013e-01" rows under a "t,v" header.
std::string writeRecording()
{
    const auto path = std::filesystem::temp_directory_path() / "kel-bench-recording.csv";
    std::string text = "t,v\n";
    text.reserve(std::size_t(kRows) * 28);
    for (int i = 0; i < kRows; ++i) {
        const double t = i * 1e-6;
        appendScientific(text, t);
        text += ',';
        appendScientific(text, 0.5 * std::exp(-t / 2e-4) * std::cos(2 * M_PI * 5000 * t));
        text += '\n';
    }
    std::ofstream(path, std::ios::binary) << text;
    return path.string();
}

void BM_ReadMillionRowRecording(benchmark::State &state)
{
    const char *named = std::getenv("KEL_BENCH_RECORDING");
    const std::string path = named != nullptr ? std::string(named) : writeRecording();
    for (auto _ : state) {
        const auto result = kel::measurement::readRecordingFile(path);
        if (!result.recording) {
            state.SkipWithError("the recording did not read");
            break;
        }
        benchmark::DoNotOptimize(result.recording->time.data());
    }
    state.SetItemsProcessed(state.iterations() * kRows);
    if (named == nullptr)
        std::filesystem::remove(path);
}

} // namespace

BENCHMARK(BM_ReadMillionRowRecording)->Unit(benchmark::kMillisecond)->MinTime(2.0);
