// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the recording reader: any bytes give either samples that keep the
// recording's promises (1 to 4 equal columns, at least 3 finite samples, time strictly
// increasing) or one problem with a line, never both and never a crash.
#include "measurement/core/recordingreader.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace kel::measurement;
    ReadOptions options;
    options.maxRows = 1000;
    const auto result =
        readRecording(std::string_view(reinterpret_cast<const char *>(data), size), options);
    if (result.recording.has_value() == result.problem.has_value())
        std::abort();
    if (result.problem) {
        const bool needsLine = result.problem->fault != ReadFault::TooLarge &&
                               result.problem->fault != ReadFault::TooManyRows;
        if (needsLine && result.problem->line == 0)
            std::abort();
        if (problemText(*result.problem).empty())
            std::abort();
        return 0;
    }
    const Recording &r = *result.recording;
    if (r.time.size() < kMinSamples || r.channels.empty() || r.channels.size() > kMaxValueColumns ||
        r.channelNames.size() != r.channels.size() || r.channelUnits.size() != r.channels.size())
        std::abort();
    for (std::size_t i = 0; i < r.time.size(); ++i) {
        if (!std::isfinite(r.time[i]) || (i > 0 && !(r.time[i] > r.time[i - 1])))
            std::abort();
    }
    for (const auto &channel : r.channels) {
        if (channel.size() != r.time.size())
            std::abort();
        for (double v : channel)
            if (!std::isfinite(v))
                std::abort();
    }
    return 0;
}
