// SPDX-License-Identifier: GPL-3.0-or-later
// The about window through its real widgets, and how it finds the system-information tool.
#include "about/aboutkel.h"
#include "about/sysinfo.h"
#include "shell/mainmenu.h"
#include "support/scripteddialogs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <cmath>
#include <map>
#include <string>

using kel::about::AboutKel;

namespace
{

// A shown About box, deleted when it closes itself or when the test ends.
class ShownAbout
{
public:
    ShownAbout() : m_about(new AboutKel(m_dialogs))
    {
        m_about->show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(m_about.data()));
    }
    ~ShownAbout() { delete m_about.data(); }
    ShownAbout(const ShownAbout &) = delete;
    ShownAbout &operator=(const ShownAbout &) = delete;

    AboutKel &window() { return *m_about; }
    kel::testing::ScriptedDialogs &dialogs() { return m_dialogs; }
    bool destroyedSoon()
    {
        return QTest::qWaitFor([this] { return m_about.isNull(); }, 2000);
    }

private:
    kel::testing::ScriptedDialogs m_dialogs;
    QPointer<AboutKel> m_about;
};

QRect pixels(const QWidget &w, int left, int top, int width, int height)
{
    const double k = w.logicalDpiX() / 1440.0;
    const int x = static_cast<int>(std::lround(left * k));
    const int y = static_cast<int>(std::lround(top * k));
    return {x, y, static_cast<int>(std::lround((left + width) * k)) - x,
            static_cast<int>(std::lround((top + height) * k)) - y};
}

} // namespace

TEST(About, LoadStepWritesCaptionTitleAndVersion)
{
    ShownAbout shown;
    AboutKel &about = shown.window();
    EXPECT_EQ(about.windowTitle(), "About kel");
    EXPECT_EQ(about.size(), pixels(about, 0, 0, 5730, 2400).size());
    const struct {
        const char *name, *text;
        int left, top, width, height;
    } labels[] = {
        {"lblTitle", "kel", 1050, 240, 3885, 480},
        {"lblVersion", "Version 1.0.0", 1080, 780, 3885, 225},
        {"lblDescription",
         "This is a work in progress. It was created in the wee hours of the morning of March "
         "18, 1998. Use with care! - Revisions were made March 22, 1998.",
         1050, 1125, 3885, 690},
    };
    for (const auto &l : labels) {
        auto *label = about.findChild<QLabel *>(l.name);
        ASSERT_NE(label, nullptr) << l.name;
        EXPECT_EQ(label->text(), l.text);
        EXPECT_EQ(label->geometry(), pixels(about, l.left, l.top, l.width, l.height)) << l.name;
    }
    auto *icon = about.findChild<QWidget *>("picIcon");
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->geometry(), pixels(about, 240, 240, 540, 540));
}

TEST(About, OkIsSeenAndSystemInfoLiesBelowTheEdgeButInTheTabOrder)
{
    ShownAbout shown;
    AboutKel &about = shown.window();
    auto *ok = about.findChild<QPushButton *>("cmdOK");
    auto *sysInfo = about.findChild<QPushButton *>("cmdSysInfo");
    ASSERT_NE(ok, nullptr);
    ASSERT_NE(sysInfo, nullptr);
    EXPECT_EQ(ok->text(), "OK");
    EXPECT_TRUE(ok->isDefault());
    EXPECT_EQ(ok->geometry(), pixels(about, 4245, 2040, 1260, 345));
    EXPECT_EQ(sysInfo->text(), "&System Info...");
    EXPECT_EQ(sysInfo->geometry(), pixels(about, 4260, 3075, 1245, 345));
    EXPECT_GE(sysInfo->y(), about.height());
    ok->setFocus();
    QTest::keyClick(&about, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), sysInfo);
}

TEST(About, EveryButtonOfTheSlotTableIsThere)
{
    ShownAbout shown;
    for (const kel::about::AboutSlot &s : kel::about::kAboutSlots)
        EXPECT_NE(shown.window().findChild<QPushButton *>(s.objectName), nullptr) << s.objectName;
}

class AboutKeys : public ::testing::TestWithParam<Qt::Key>
{
};

TEST_P(AboutKeys, KeyPressesOkWhichClosesAndDestroysTheWindow)
{
    ShownAbout shown;
    QTest::keyClick(&shown.window(), GetParam());
    EXPECT_FALSE(shown.window().isVisible());
    EXPECT_TRUE(shown.destroyedSoon());
}

INSTANTIATE_TEST_SUITE_P(EnterReturnEsc, AboutKeys,
                         ::testing::Values(Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape),
                         [](const ::testing::TestParamInfo<Qt::Key> &info) {
                             switch (info.param) {
                             case Qt::Key_Return:
                                 return std::string("Return");
                             case Qt::Key_Enter:
                                 return std::string("Enter");
                             default:
                                 return std::string("Escape");
                             }
                         });

TEST(About, ShowingAgainReusesTheWindowUntilOkThenCreatesAFreshOne)
{
    kel::testing::ScriptedDialogs dialogs;
    kel::shell::MainMenu menu(dialogs);
    menu.showAbout();
    AboutKel *about = menu.aboutWindow();
    ASSERT_NE(about, nullptr);
    menu.showAbout();
    EXPECT_EQ(menu.aboutWindow(), about);

    QTest::mouseClick(about->findChild<QPushButton *>("cmdOK"), Qt::LeftButton);
    // About again before the closed window is gone: a new, visible window, not the dying one.
    menu.showAbout();
    AboutKel *again = menu.aboutWindow();
    ASSERT_NE(again, nullptr);
    EXPECT_FALSE(again->isClosed());
    EXPECT_TRUE(again->isVisible());
    EXPECT_EQ(again->windowTitle(), "About kel");
}

TEST(About, SystemInfoWithoutTheToolSaysItIsUnavailable)
{
    ShownAbout shown;
    AboutKel &about = shown.window();
    kel::testing::ScriptedDialogs &dialogs = shown.dialogs();
    // The access key presses the button as a click would, after its brief pressed look.
    QTest::keyClick(&about, Qt::Key_S, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !dialogs.messages().empty(); }, 2000));
    const auto messages = dialogs.messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "System Information Is Unavailable At This Time");
    EXPECT_EQ(messages[0].title, "kel");
    EXPECT_EQ(messages[0].buttons, kel::display::MessageButtons::Ok);
    EXPECT_TRUE(about.isVisible());
}

TEST(About, ToolIsFoundFromThePathValueOrTheSharedToolsLocation)
{
    using kel::about::RegistryRoot;
    const QString msinfo = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
    const QString location = "SOFTWARE\\Microsoft\\Shared Tools Location";
    struct Case {
        std::map<QString, QString> registry; // "key|value" -> text
        bool fileExists;
        QString expected;
    };
    const Case cases[] = {
        {{{msinfo + "|PATH", "C:\\Tools\\msinfo32.exe"}}, false, "C:\\Tools\\msinfo32.exe"},
        {{{location + "|MSINFO", "C:\\Shared"}}, true, "C:\\Shared\\MSINFO32.EXE"},
        {{{location + "|MSINFO", "C:\\Shared"}}, false, ""},
        {{}, true, ""},
    };
    for (const Case &c : cases) {
        QStringList filesAsked;
        const auto read = [&](RegistryRoot root, const QString &key, const QString &value,
                              QString &result) {
            EXPECT_EQ(root, RegistryRoot::LocalMachine);
            const auto it = c.registry.find(key + "|" + value);
            result = it == c.registry.end() ? QString() : it->second;
            return it != c.registry.end();
        };
        const auto exists = [&](const QString &file) {
            filesAsked << file;
            return c.fileExists;
        };
        EXPECT_EQ(kel::about::sysInfoToolPath(read, exists), c.expected);
        if (c.registry.count(location + "|MSINFO")) {
            EXPECT_EQ(filesAsked, QStringList{"C:\\Shared\\MSINFO32.EXE"});
        }
    }
}

#ifndef Q_OS_WIN
TEST(About, WithoutARegistryEveryKeyReadFailsWithAnEmptyResult)
{
    QString result = "left over";
    EXPECT_FALSE(kel::about::readKeyValue(kel::about::RegistryRoot::LocalMachine,
                                          "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH",
                                          result));
    EXPECT_TRUE(result.isEmpty());
}
#endif
