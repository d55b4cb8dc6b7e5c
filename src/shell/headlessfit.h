// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QTextStream;

namespace kel::shell
{

struct FitRequest;

// Carries out --fit: reads the recording, fits the circuit to the chosen channel within the
// time window and writes the result to `out`, as one JSON object or as a table. A recording
// that cannot be read or a fit that cannot be made is one line on `errors` naming the file,
// and nothing on `out`. Returns the exit status: 0 on a fit, 1 otherwise.
int fitRecording(const FitRequest &request, QTextStream &out, QTextStream &errors);

} // namespace kel::shell
