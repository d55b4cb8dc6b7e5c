// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/plotrecord.h"
#include "display/csvtable.h"

#include <string>
#include <vector>

namespace kel::lab
{

// The record as a table under `header` (four column names: time, charge, current, voltage,
// such as "t (s),q (C),i (A),v (V)"): one row for every sample time of any curve, in the order
// of the samples (so by time from x1 to x2); a time that two curves share (every fifth voltage
// sample falls on every second charge or current sample) is one row. A curve without a sample
// at a row's time, or not drawn at all, leaves its field empty.
display::CsvTable plotDataTable(const PlotRecord &record, std::vector<std::string> header);

} // namespace kel::lab
