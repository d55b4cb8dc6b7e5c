// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "jsonreader.h"

#include <QJsonObject>
#include <QString>

#include <vector>

namespace kel::display
{

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
    bool operator==(const Experiment &) const = default;
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

    ExperimentParts() = default;
    // Only the window `window`.
    ExperimentParts(const char *window, Reader reader) { add(window, reader); }

    // `window` is a string literal: its name in the file.
    void add(const char *window, Reader reader) { m_parts.push_back({window, reader}); }
    std::vector<const char *> windows() const;
    Reader readerOf(const QString &window) const;

private:
    struct Part {
        const char *window;
        Reader reader;
    };
    std::vector<Part> m_parts;
};

} // namespace kel::display
