// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <array>

class QLabel;
class QPushButton;

namespace kel::display
{
class Dialogs;
class TwipLayout;
} // namespace kel::display

namespace kel::about
{

// The about window `AboutKel`: the program's icon, title, version and a short description.
// Shown not modal; OK (also Enter and Esc) closes and destroys it. System Info lies below
// the visible area and is reached from the keyboard only (Tab, or its access key Alt+S).
class IconView;

class AboutKel : public QDialog
{
    Q_OBJECT
public:
    // `dialogs` answers System Info's message and must outlive the window.
    explicit AboutKel(display::Dialogs &dialogs, QWidget *parent = nullptr);

    // The client area's designed size: 5730 x 2400 twips.
    static QSize designTwips() { return {5730, 2400}; }

    // True once the window has been closed; it is then on its way to destruction.
    bool isClosed() const { return m_closed; }

    // Writes the caption, the title and the version; the constructor runs it once.
    void loadInformation();
    // OK: closes the window, which then destroys itself.
    void acceptAndClose();
    // System Info: starts the system-information tool, or says it is unavailable.
    void showSystemInfo();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    display::Dialogs &m_dialogs;
    display::TwipLayout *m_layout = nullptr;
    IconView *m_picIcon = nullptr;
    QLabel *m_lblTitle = nullptr;
    QLabel *m_lblVersion = nullptr;
    QLabel *m_lblDescription = nullptr;
    QPushButton *m_cmdOK = nullptr;
    QPushButton *m_cmdSysInfo = nullptr;
    bool m_closed = false;
};

// Which slot each button runs when clicked, by objectName.
struct AboutSlot {
    const char *objectName;
    void (AboutKel::*slot)();
};
inline constexpr std::array<AboutSlot, 2> kAboutSlots{{
    {"cmdOK", &AboutKel::acceptAndClose},
    {"cmdSysInfo", &AboutKel::showSystemInfo},
}};

} // namespace kel::about
