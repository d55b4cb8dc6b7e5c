// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class QImage;
class QIODevice;

namespace kel::display
{

class Dialogs;
class PictureExport;

// The outcome of writing a file: the cause of a failure in words ("Permission denied",
// "No space left on device", "The folder does not exist"), empty on success.
struct ExportResult {
    QString error;
    bool ok() const { return error.isEmpty(); }
};

// Every file the program writes goes through these. The bytes are written beside the
// target and renamed onto it only when every write succeeded, so on failure the old file
// is intact and no partial or temporary file is left.
ExportResult writeFileAtomically(const QString &path, const QByteArray &bytes);

// An image in the format the path's suffix names (PNG when the suffix names none).
ExportResult writeImageAtomically(const QString &path, const QImage &image);

// The pictures as SVG when the path ends in ".svg", otherwise as an image (PNG by default)
// `scale` times their size on screen.
ExportResult writePictures(const PictureExport &pictures, const QString &path, double scale = 1.0);

// Encodes `image` into `device` in `format` ("png", "jpg", ...); the writer's or the
// device's error in words on failure.
ExportResult encodeImage(QIODevice &device, const QImage &image, const QByteArray &format);

// Asks for a path with the save chooser (cancel does nothing), adds the filter's first
// suffix when the chosen name has none, calls `write`, and on failure shows one message box,
// titled `caption`, naming the file and the cause.
void saveThroughDialog(Dialogs &dialogs, const QString &caption, const QString &suggestedName,
                       const QString &filter,
                       const std::function<ExportResult(const QString &path)> &write);

// `path` with ".suffix" added when its file name has no suffix.
QString withDefaultSuffix(const QString &path, const QString &suffix);

} // namespace kel::display
