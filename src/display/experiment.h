// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "jsonreader.h"

#include <QJsonObject>
#include <QString>

#include <memory>
#include <vector>

namespace kel::display
{

// What a part's reader made of an entry while checking it (a measurement's decoded samples),
// handed on to the window that opens the experiment so that it need not read the entry
// again. Each part derives its own.
class ExperimentReading
{
public:
    virtual ~ExperimentReading() = default;
};

// An experiment as its file holds it: the window it opens into and that window's own entry,
// which only the window's part of the program reads and writes. Texts stay exactly as they
// stood in their boxes, drawings are kept as the steps that made them (replayed on opening),
// never as pixels.
struct Experiment {
    QString window;    // the key of the window's entry in the file
    QJsonObject entry; // that entry, read through its part's reader
    // A free text a teacher wrote for the experiment's worksheet, kept exactly as typed; empty
    // when there is none.
    QString task;
    // The entry "measurement" of a window that has a measurement window beside it, read by
    // its part's measurement reader; empty when the experiment has no measurement.
    QJsonObject measurement;
    // The measurement as its reader decoded it when the file was read; none for an experiment
    // a window made. Not part of the experiment's value: never written, never compared.
    std::shared_ptr<const ExperimentReading> measurementReading;
    bool operator==(const Experiment &other) const
    {
        return window == other.window && entry == other.entry && task == other.task &&
               measurement == other.measurement;
    }
};

// The windows an experiment file can open into, each with the reader of its entry, in the
// order their names are offered in a message. The program's one list is filled in where every
// window is known (shell/experimentparts.h).
class ExperimentParts
{
public:
    // Reads the window's entry `entry` (undefined when the file has none) strictly, failing
    // `reader` with the first problem; the path of its entries starts with the window's name.
    using Reader = void (*)(JsonReader &reader, const QJsonValue &entry);
    // Reads the entry "measurement" beside the window's entry `entry` (already read) likewise,
    // returning what it decoded (none when it failed).
    using MeasurementReader = std::shared_ptr<const ExperimentReading> (*)(
        JsonReader &reader, const QJsonValue &measurement, const QJsonValue &entry);

    ExperimentParts() = default;
    // Only the window `window`.
    ExperimentParts(const char *window, Reader reader, MeasurementReader measurement = nullptr)
    {
        add(window, reader, measurement);
    }

    // `window` is a string literal: its name in the file. A window without a measurement
    // reader has no measurement: a file that gives it one is refused.
    void add(const char *window, Reader reader, MeasurementReader measurement = nullptr)
    {
        m_parts.push_back({window, reader, measurement});
    }
    std::vector<const char *> windows() const;
    Reader readerOf(const QString &window) const;
    MeasurementReader measurementReaderOf(const QString &window) const;

private:
    struct Part {
        const char *window;
        Reader reader;
        MeasurementReader measurement;
    };
    std::vector<Part> m_parts;
};

} // namespace kel::display
