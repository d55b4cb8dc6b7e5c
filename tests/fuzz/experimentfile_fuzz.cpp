// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the experiment file: reading any bytes never fails badly, and whatever
// reads as an experiment is written and read back as the same experiment, in the same bytes.
#include "shell/typedexperiment.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using kel::testing::ExperimentFile;
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const ExperimentFile::Reading reading = ExperimentFile::read(bytes);
    if (reading.ok() != reading.error.isEmpty())
        std::abort();
    if (!reading.ok())
        return 0;
    const QByteArray written = ExperimentFile::write(*reading.experiment);
    const ExperimentFile::Reading again = ExperimentFile::read(written);
    if (!again.ok() || !(*again.experiment == *reading.experiment))
        std::abort();
    if (ExperimentFile::write(*again.experiment) != written)
        std::abort();
    if (!ExperimentFile::problemIn(*reading.experiment).isEmpty())
        std::abort();
    return 0;
}
