// SPDX-License-Identifier: GPL-3.0-or-later
// The export helper against the faults a student's disk can have: every failure names its
// cause, leaves the old file as it was and leaves nothing partial or temporary behind.
#include "display/fileexport.h"
#include "display/picturearea.h"
#include "display/pictureexport.h"
#include "support/filesystemfaults.h"
#include "support/qtprinters.h"
#include "support/scripteddialogs.h"

#include <gtest/gtest.h>
#ifdef __SANITIZE_ADDRESS__
#include <sanitizer/lsan_interface.h>
#endif

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <string>

using kel::display::ExportResult;
using kel::testing::FaultyFolder;

namespace
{

// A picture that compresses badly, so that its file is larger than a small full disk.
QImage noiseImage()
{
    QImage image(200, 200, QImage::Format_RGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, random.generate());
    return image;
}

QByteArray csvBytes()
{
    QByteArray bytes = "t (s),q (C)\r\n";
    for (int i = 0; i < 10000; ++i)
        bytes += QByteArray::number(i) + ",0.10000000000000001\r\n";
    return bytes;
}

QByteArray svgBytes()
{
    QByteArray bytes = "<svg xmlns=\"http://www.w3.org/2000/svg\">";
    for (int i = 0; i < 4000; ++i)
        bytes += "<line x1=\"" + QByteArray::number(i) + "\" y1=\"0\" x2=\"1\" y2=\"2\"/>";
    return bytes + "</svg>";
}

enum class Format { Png, Svg, Csv };

struct Case {
    Format format;
    const char *name;
};

void PrintTo(const Case &c, std::ostream *out)
{
    *out << c.name;
}

ExportResult write(Format format, const QString &path)
{
    switch (format) {
    case Format::Png:
        return kel::display::writeImageAtomically(path, noiseImage());
    case Format::Svg:
        return kel::display::writeFileAtomically(path, svgBytes());
    case Format::Csv:
        return kel::display::writeFileAtomically(path, csvBytes());
    }
    return {};
}

QString suffix(Format format)
{
    switch (format) {
    case Format::Png:
        return "png";
    case Format::Svg:
        return "svg";
    case Format::Csv:
        return "csv";
    }
    return {};
}

class FileExportFaults : public testing::TestWithParam<Case>
{
protected:
    QString fileIn(const QString &folder) const
    {
        return folder + "/export." + suffix(GetParam().format);
    }
};

} // namespace

TEST_P(FileExportFaults, WritesANewFileAndReplacesAnOldOne)
{
    QTemporaryDir dir;
    const QString path = fileIn(dir.path());
    kel::testing::writeOldFile(path);
    const ExportResult result = write(GetParam().format, path);
    EXPECT_TRUE(result.ok()) << result.error.toStdString();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray start = file.read(4);
    if (GetParam().format == Format::Png)
        EXPECT_EQ(start, QByteArray("\x89PNG"));
    else
        EXPECT_NE(start, kel::testing::oldFileBytes().left(4));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QFileInfo(path).fileName()});
}

TEST_P(FileExportFaults, MissingFolderAndFolderAsNameAreRefusedBeforeWriting)
{
    QTemporaryDir dir;
    const ExportResult missing = write(GetParam().format, fileIn(dir.path() + "/gone"));
    EXPECT_EQ(missing.error, "The folder does not exist");
    EXPECT_FALSE(QFileInfo::exists(dir.path() + "/gone"));

    const QString folderAsName = fileIn(dir.path());
    ASSERT_TRUE(QDir().mkpath(folderAsName));
    const ExportResult folder = write(GetParam().format, folderAsName);
    EXPECT_EQ(folder.error, "There is a folder of that name");
    EXPECT_TRUE(QFileInfo(folderAsName).isDir());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList());
}

TEST_P(FileExportFaults, ReadOnlyFolderKeepsTheOldFile)
{
    FaultyFolder folder(FaultyFolder::Fault::ReadOnly);
    const QString path = fileIn(folder.path());
    kel::testing::writeOldFile(path);
    folder.arm();
    const ExportResult result = write(GetParam().format, path);
    EXPECT_FALSE(result.ok());
    EXPECT_TRUE(result.error.contains(folder.expectedCause())) << result.error.toStdString();
    EXPECT_TRUE(kel::testing::holdsOldFile(path));
    EXPECT_EQ(folder.files(), QStringList{QFileInfo(path).fileName()});
}

TEST_P(FileExportFaults, FullDiskKeepsTheOldFileAndLeavesNothingBehind)
{
    FaultyFolder folder(FaultyFolder::Fault::Full);
    if (!folder.isValid())
        GTEST_SKIP() << "a small full disk needs root to mount";
    const QString path = fileIn(folder.path());
    kel::testing::writeOldFile(path);
    folder.arm();
    const ExportResult withOld = write(GetParam().format, path);
    EXPECT_EQ(withOld.error, "No space left on device");
    EXPECT_TRUE(kel::testing::holdsOldFile(path));

    const ExportResult withoutOld =
        write(GetParam().format, folder.path() + "/fresh." + suffix(GetParam().format));
    EXPECT_EQ(withoutOld.error, "No space left on device");
    EXPECT_EQ(folder.files(), (QStringList{QFileInfo(path).fileName(), "filler"}));
}

INSTANTIATE_TEST_SUITE_P(EveryFormat, FileExportFaults,
                         testing::Values(Case{Format::Png, "PNG"}, Case{Format::Svg, "SVG"},
                                         Case{Format::Csv, "CSV"}),
                         [](const auto &info) { return std::string(info.param.name); });

namespace
{

// A device that takes `room` bytes and then fails as a broken disk would.
class FailingDevice final : public QIODevice
{
public:
    explicit FailingDevice(qint64 room) : m_room(room) { open(QIODevice::WriteOnly); }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *, qint64 size) override
    {
        if (m_room < size) {
            setErrorString("Input/output error");
            return -1;
        }
        m_room -= size;
        return size;
    }

private:
    qint64 m_room;
};

} // namespace

TEST(FileExport, ImageEncoderFailuresNameTheCause)
{
    FailingDevice device(100);
    ExportResult broken;
    {
        // Qt's PNG writer drops its row buffer when the device fails mid-image. The program
        // never meets that path (it encodes into memory), so the loss is not counted here.
#ifdef __SANITIZE_ADDRESS__
        __lsan::ScopedDisabler ignoreQtsLoss;
#endif
        broken = kel::display::encodeImage(device, noiseImage(), "png");
    }
    EXPECT_EQ(broken.error, "Input/output error");

    FailingDevice roomy(1 << 30);
    EXPECT_FALSE(kel::display::encodeImage(roomy, QImage(), "png").ok());
    EXPECT_TRUE(kel::display::encodeImage(roomy, noiseImage(), "png").ok());
}

TEST(FileExport, PicturesAreWrittenBySuffix)
{
    kel::display::PictureArea area;
    area.resize(120, 80);
    area.line(0, 0, 1, 1);
    const kel::display::PictureExport pictures({&area});
    QTemporaryDir dir;
    ASSERT_TRUE(kel::display::writePictures(pictures, dir.filePath("a.svg")).ok());
    ASSERT_TRUE(kel::display::writePictures(pictures, dir.filePath("a.png"), 2.0).ok());
    QFile svg(dir.filePath("a.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_TRUE(svg.readAll().contains("<svg"));
    EXPECT_EQ(QImage(dir.filePath("a.png")).size(), QSize(240, 160));
}

TEST(FileExport, DialogCancelDoesNothingAndAFailureIsReportedOnce)
{
    kel::testing::ScriptedDialogs dialogs;
    int writes = 0;
    QString written;
    const auto writer = [&](const QString &path) {
        ++writes;
        written = path;
        return ExportResult{path.contains("gone") ? "The folder does not exist" : ""};
    };
    kel::display::saveThroughDialog(dialogs, "Save Data as CSV", "graph.csv", "CSV table (*.csv)",
                                    writer);
    EXPECT_EQ(writes, 0);
    EXPECT_TRUE(dialogs.messages().empty());

    dialogs.queueSavePath("/tmp/table");
    kel::display::saveThroughDialog(dialogs, "Save Data as CSV", "graph.csv", "CSV table (*.csv)",
                                    writer);
    EXPECT_EQ(written, "/tmp/table.csv");
    EXPECT_TRUE(dialogs.messages().empty());

    dialogs.queueSavePath("/tmp/gone/graph.svg");
    kel::display::saveThroughDialog(dialogs, "Save Graph", "graph.png",
                                    "PNG image (*.png);;SVG drawing (*.svg)", writer);
    EXPECT_EQ(written, "/tmp/gone/graph.svg");
    const auto messages = dialogs.messages();
    ASSERT_EQ(messages.size(), 1U);
    EXPECT_EQ(messages[0].text,
              "The file /tmp/gone/graph.svg could not be saved: The folder does not exist.");
    EXPECT_EQ(messages[0].title, "Save Graph");
}
