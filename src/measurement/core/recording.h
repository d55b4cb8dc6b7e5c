// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace kel::measurement
{

// Samples read from a bench recording: one time column and one to four value columns of the
// same length.
struct Recording {
    std::vector<double> time;                  // s, strictly increasing
    std::vector<std::vector<double>> channels; // 1 to 4 value columns, in SI units (V, A, C)
    std::vector<std::string> channelNames;     // from the header, or "CH1"...
    std::vector<std::string> channelUnits;     // "V", "A", "C" or "" when unknown
};

} // namespace kel::measurement
