// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/circuitfit.h"
#include "core/recording.h"

#include "display/experiment.h"
#include "display/jsonreader.h"

#include <QJsonObject>
#include <QString>

#include <array>
#include <cstddef>
#include <optional>
#include <utility>

namespace kel::measurement
{

// A measurement window as an experiment file keeps it, beside the window it belongs to: the
// recording's samples, which column holds what quantity, the fit window, the free parameters
// and the last fit, so that the file opens into the same window without fitting again.
//
// "measurement": {"file": "scope.csv", "samples": 2250, "time": "<base64>",
//                 "columns": [{"name": "CH1", "unit": "V", "values": "<base64>"}],
//                 "circuit": "rlc-dc", "column": 0, "quantity": "vC",
//                 "from": "0", "to": "0.0085", "free": ["R", "L", "v0"],
//                 "fit": null or {"status": "fitted", "parameters": [{"name": "R",
//                         "value": "20.01", "uncertainty": "0.12", "held": false,
//                         "determined": true}, ...], "rmsResidual": "0.0199", "points": 2126,
//                         "converged": true, "iterations": 9, "correlations": [{"first": "R",
//                         "second": "L", "coefficient": "0.97"}], "notDetermined": [],
//                         "suggestHold": []}}
//
// Samples are the little-endian IEEE 754 doubles of each column in base64: exact bit for bit,
// 10.7 bytes a value, decoded at memory speed (the shortest decimal texts would take about 22
// bytes a value in a JSON list of numbers, parsed one by one). Every other number is a text
// that reads back exactly (solutions::exactText); a value that is not finite, which only a
// parameter the data leave open can have, is a blank. At most kMaxValues samples are kept,
// the times included: a million samples of a four-channel scope.
struct MeasurementExperiment {
    static constexpr const char *kEntry = "measurement";
    static constexpr std::size_t kMaxValues = 5'000'000;

    Recording recording;
    QString fileName;
    FitCircuit circuit = FitCircuit::RLC; // the circuit of the window it belongs to
    FitSource source = FitSource::None;
    std::size_t channel = 0;
    Quantity quantity = Quantity::CapacitorVoltage;
    double from = 0, to = 0;
    std::array<bool, kFitParameterCount> free{}; // of the circuit's parameters
    std::optional<FitResult> fit;

    // The samples the file would keep, the times included.
    static std::size_t valueCount(const Recording &recording);

    QJsonObject toJson() const;
    // The measurement in the entry, or the first problem found in it (in `reader`).
    static MeasurementExperiment read(display::JsonReader &reader, const QJsonValue &entry);
    static std::optional<MeasurementExperiment> fromJson(const QJsonValue &entry);
};

// The measurement an experiment file's reader decoded, handed to the window that opens it:
// moved out to the first window that takes it, since copying a million samples on the GUI
// thread costs as much as decoding them; later takers get none and read the entry again.
class MeasurementReading final : public display::ExperimentReading
{
public:
    explicit MeasurementReading(MeasurementExperiment read) : m_read(std::move(read)) {}
    std::optional<MeasurementExperiment> take() const
    {
        return std::exchange(m_read, std::nullopt);
    }

private:
    mutable std::optional<MeasurementExperiment> m_read;
};

} // namespace kel::measurement
