// SPDX-License-Identifier: GPL-3.0-or-later
#include "fileexport.h"

#include "dialogs.h"
#include "pictureexport.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStorageInfo>

#include <cerrno>
#include <cstring>

#include <unistd.h>

namespace kel::display
{

namespace
{

QString translated(const char *text)
{
    return QCoreApplication::translate("FileExport", text);
}

// What stands in the way before anything is written, in words; empty when nothing does.
QString obstacleTo(const QString &path)
{
    if (path.isEmpty())
        return translated("No file name was given");
    const QFileInfo target(path);
    if (target.isDir())
        return translated("There is a folder of that name");
    const QFileInfo folder(target.absolutePath());
    if (!folder.exists())
        return translated("The folder does not exist");
    if (!folder.isDir())
        return translated("The folder is a file");
    // Asked of the system, so that a read-only disk and a missing permission say so.
    if (::access(QFile::encodeName(folder.absoluteFilePath()).constData(), W_OK) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    if (target.exists() && ::access(QFile::encodeName(path).constData(), W_OK) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    return {};
}

bool isInWords(const QString &cause)
{
    return !cause.isEmpty() && !cause.contains(QLatin1String("Unknown error"), Qt::CaseInsensitive);
}

// Qt reports some failures (a full disk among them) as "Unknown error"; the system's own
// words are clearer then, and the free space tells a full disk apart.
QString causeOf(const QSaveFile &file, int systemError, const QString &path, qint64 size)
{
    QString reported = file.errorString();
    if (!reported.isEmpty() &&
        !reported.contains(QLatin1String("Unknown error"), Qt::CaseInsensitive))
        return reported;
    const QStorageInfo storage(QFileInfo(path).absolutePath());
    if (storage.isValid() && storage.bytesAvailable() < size)
        return QString::fromLocal8Bit(std::strerror(ENOSPC));
    if (systemError != 0)
        return QString::fromLocal8Bit(std::strerror(systemError));
    return translated("The file could not be written");
}

} // namespace

ExportResult writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    if (const QString obstacle = obstacleTo(path); !obstacle.isEmpty())
        return {obstacle};
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        return {causeOf(file, errno, path, bytes.size())};
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const int systemError = errno;
        const QString cause = causeOf(file, systemError, path, bytes.size());
        file.cancelWriting();
        return {cause};
    }
    errno = 0;
    if (!file.commit())
        return {causeOf(file, errno, path, bytes.size())};
    return {};
}

ExportResult encodeImage(QIODevice &device, const QImage &image, const QByteArray &format)
{
    if (image.isNull())
        return {translated("There is no picture to write")};
    QImageWriter writer(&device, format);
    if (writer.write(image))
        return {};
    // The device knows best why bytes did not get through; the writer why it could not encode.
    for (const QString &cause : {device.errorString(), writer.errorString()}) {
        if (isInWords(cause))
            return {cause};
    }
    return {translated("The picture could not be encoded")};
}

ExportResult writeImageAtomically(const QString &path, const QImage &image)
{
    QByteArray format = QFileInfo(path).suffix().toLower().toLatin1();
    if (format.isEmpty() || !QImageWriter::supportedImageFormats().contains(format))
        format = "png";
    // Encoded in memory first, so that an encoder failure never reaches the disk.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (ExportResult encoded = encodeImage(buffer, image, format); !encoded.ok())
        return encoded;
    buffer.close();
    return writeFileAtomically(path, bytes);
}

ExportResult writePictures(const PictureExport &pictures, const QString &path, double scale)
{
    if (path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive))
        return writeFileAtomically(path, pictures.svg());
    return writeImageAtomically(path, pictures.image(scale));
}

QString withDefaultSuffix(const QString &path, const QString &suffix)
{
    if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty() || suffix.isEmpty())
        return path;
    return path + QLatin1Char('.') + suffix;
}

void saveThroughDialog(Dialogs &dialogs, const QString &caption, const QString &suggestedName,
                       const QString &filter,
                       const std::function<ExportResult(const QString &path)> &write)
{
    const QString chosen = dialogs.saveFile(caption, suggestedName, filter);
    if (chosen.isEmpty())
        return;
    static const QRegularExpression firstSuffix(QStringLiteral("\\*\\.(\\w+)"));
    const QString path = withDefaultSuffix(chosen, firstSuffix.match(filter).captured(1));
    const ExportResult result = write(path);
    if (result.ok())
        return;
    QString cause = result.error;
    while (cause.endsWith(QLatin1Char('.')))
        cause.chop(1);
    dialogs.message(translated("The file %1 could not be saved: %2.")
                        .arg(QDir::toNativeSeparators(path), cause),
                    caption);
}

} // namespace kel::display
