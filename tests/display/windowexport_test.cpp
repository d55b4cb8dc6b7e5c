// SPDX-License-Identifier: GPL-3.0-or-later
// Both windows' export commands against a disk that fails: one message naming the file and
// the cause, the old file as it was, nothing partial or temporary left beside it.
#include "display/picturearea.h"
#include "lab/core/circuitlaunchers.h"
#include "lab/labwindow.h"
#include "phasor/phasorswindow.h"
#include "support/filesystemfaults.h"
#include "support/qtprinters.h"
#include "support/scripteddialogs.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QTemporaryDir>

#include <memory>
#include <string>

namespace kel::testing
{
namespace
{

struct ExportCommand {
    const char *window; // "lab" or "phasor"
    const char *action;
    const char *suffix;
};

void PrintTo(const ExportCommand &c, std::ostream *out)
{
    *out << c.window << ' ' << c.action << ' ' << c.suffix;
}

void trigger(QWidget &window, const char *name)
{
    if (auto *action = window.findChild<QAction *>(name))
        action->trigger();
    else if (auto *button = window.findChild<QAbstractButton *>(name))
        button->click();
    else
        ADD_FAILURE() << "no command " << name;
}

class WindowExportFaults : public ::testing::TestWithParam<ExportCommand>
{
protected:
    void SetUp() override
    {
        if (std::string(GetParam().window) == "lab") {
            auto lab = std::make_unique<lab::LabWindow>(m_dialogs);
            const lab::CircuitConfiguration *circuit = lab::launcherConfiguration(13);
            ASSERT_NE(circuit, nullptr);
            lab->applyConfiguration(*circuit);
            lab->findChild<QCheckBox *>("Charge")->setChecked(true);
            m_window = std::move(lab);
            trigger(*m_window, "PlGraphs");
        } else {
            m_window = std::make_unique<phasor::PhasorsWindow>(m_dialogs);
            m_window->show();
            trigger(*m_window, "plot");
        }
        ASSERT_TRUE(m_dialogs.messages().empty()) << m_dialogs.messages()[0].text.toStdString();
    }

    // Saves through the window's command to `path`; the one message shown, if any.
    QString saveTo(const QString &path)
    {
        m_dialogs.clear();
        m_dialogs.queueSavePath(path);
        trigger(*m_window, GetParam().action);
        const auto messages = m_dialogs.messages();
        EXPECT_LE(messages.size(), 1U);
        return messages.empty() ? QString() : messages[0].text;
    }

    QString fileIn(const QString &folder) const { return folder + "/saved." + GetParam().suffix; }

    void expectRefusal(const QString &message, const QString &path, const QString &cause)
    {
        EXPECT_TRUE(message.contains(QDir::toNativeSeparators(path))) << message.toStdString();
        EXPECT_TRUE(message.contains(cause)) << message.toStdString();
    }

    ScriptedDialogs m_dialogs;
    std::unique_ptr<QWidget> m_window;
};

TEST_P(WindowExportFaults, MissingFolderAndFolderAsName)
{
    QTemporaryDir dir;
    const QString missing = fileIn(dir.path() + "/gone");
    expectRefusal(saveTo(missing), missing, "The folder does not exist");
    EXPECT_FALSE(QFileInfo::exists(dir.path() + "/gone"));

    const QString folder = fileIn(dir.path());
    ASSERT_TRUE(QDir().mkpath(folder));
    expectRefusal(saveTo(folder), folder, "There is a folder of that name");
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

TEST_P(WindowExportFaults, ReadOnlyFolderKeepsTheOldFile)
{
    FaultyFolder folder(FaultyFolder::Fault::ReadOnly);
    const QString path = fileIn(folder.path());
    writeOldFile(path);
    folder.arm();
    expectRefusal(saveTo(path), path, folder.expectedCause());
    EXPECT_TRUE(holdsOldFile(path));
    EXPECT_EQ(folder.files(), QStringList{QFileInfo(path).fileName()});
}

TEST_P(WindowExportFaults, FullDiskWithAndWithoutAnOldFile)
{
    FaultyFolder folder(FaultyFolder::Fault::Full);
    if (!folder.isValid())
        GTEST_SKIP() << "a small full disk needs root to mount";
    const QString path = fileIn(folder.path());
    writeOldFile(path);
    folder.arm();
    expectRefusal(saveTo(path), path, "No space left on device");
    EXPECT_TRUE(holdsOldFile(path));
    const QString fresh = folder.path() + "/fresh." + GetParam().suffix;
    expectRefusal(saveTo(fresh), fresh, "No space left on device");
    EXPECT_EQ(folder.files(), (QStringList{"filler", QFileInfo(path).fileName()}));
}

TEST_P(WindowExportFaults, AGoodFolderGetsTheFileAndNoMessage)
{
    QTemporaryDir dir;
    const QString path = fileIn(dir.path());
    writeOldFile(path);
    EXPECT_EQ(saveTo(path), QString());
    EXPECT_FALSE(holdsOldFile(path));
    EXPECT_GT(QFileInfo(path).size(), 100);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QFileInfo(path).fileName()});
}

INSTANTIATE_TEST_SUITE_P(BothWindows, WindowExportFaults,
                         ::testing::Values(ExportCommand{"lab", "SaveGraph", "png"},
                                           ExportCommand{"lab", "SaveGraph", "svg"},
                                           ExportCommand{"lab", "SaveData", "csv"},
                                           ExportCommand{"phasor", "SavePicture", "png"},
                                           ExportCommand{"phasor", "SavePicture", "svg"},
                                           ExportCommand{"phasor", "SaveCsv", "csv"}),
                         [](const auto &info) {
                             return std::string(info.param.window) + '_' + info.param.action + '_' +
                                    info.param.suffix;
                         });

} // namespace
} // namespace kel::testing
