// SPDX-License-Identifier: GPL-3.0-or-later
#include "aboutkel.h"

#include "display/fonts.h"
#include "display/twiplayout.h"
#include "iconview.h"
#include "programinfo.h"
#include "sysinfo.h"

#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace kel::about
{

using display::arial;

AboutKel::AboutKel(display::Dialogs &dialogs, QWidget *parent) : QDialog(parent), m_dialogs(dialogs)
{
    setObjectName("AboutKel");
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    m_layout = new display::TwipLayout(this, designTwips());

    m_picIcon = new IconView(this);
    m_picIcon->setObjectName("picIcon");
    m_layout->place(m_picIcon, 240, 240, 540, 540);

    m_lblTitle = new QLabel(this);
    m_lblTitle->setObjectName("lblTitle");
    m_lblTitle->setFont(arial(18, true));
    m_layout->place(m_lblTitle, 1050, 240, 3885, 480);

    m_lblVersion = new QLabel(this);
    m_lblVersion->setObjectName("lblVersion");
    m_lblVersion->setFont(arial(8));
    m_layout->place(m_lblVersion, 1080, 780, 3885, 225);

    m_lblDescription = new QLabel(
        tr("This is a work in progress. It was created in the wee hours of the morning of March "
           "18, 1998. Use with care! - Revisions were made March 22, 1998."),
        this);
    m_lblDescription->setObjectName("lblDescription");
    m_lblDescription->setWordWrap(true);
    m_lblDescription->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_lblDescription->setFont(arial(8));
    m_layout->place(m_lblDescription, 1050, 1125, 3885, 690);

    m_cmdOK = new QPushButton(tr("OK"), this);
    m_cmdOK->setObjectName("cmdOK");
    m_cmdOK->setFont(arial(8));
    m_cmdOK->setDefault(true);
    m_layout->place(m_cmdOK, 4245, 2040, 1260, 345);

    // Below the bottom edge, so never seen; it still takes the focus by Tab and answers Alt+S.
    m_cmdSysInfo = new QPushButton(tr("&System Info..."), this);
    m_cmdSysInfo->setObjectName("cmdSysInfo");
    m_cmdSysInfo->setFont(arial(8));
    m_layout->place(m_cmdSysInfo, 4260, 3075, 1245, 345);

    // The two separator lines, grey over white, likewise below the visible area.
    const struct {
        int left, top;
        QColor colour;
    } lines[] = {{90, 2445, QColor(128, 128, 128)}, {105, 2460, Qt::white}};
    for (const auto &l : lines) {
        auto *line = new QFrame(this);
        line->setObjectName("Line1");
        line->setAutoFillBackground(true);
        QPalette palette = line->palette();
        palette.setColor(QPalette::Window, l.colour);
        line->setPalette(palette);
        m_layout->place(line, l.left, l.top, 5654 - l.left, 15);
    }

    for (const AboutSlot &s : kAboutSlots)
        connect(findChild<QPushButton *>(s.objectName), &QPushButton::clicked, this, s.slot);
    setTabOrder(m_cmdOK, m_cmdSysInfo);
    resize(m_layout->designPixels());
    loadInformation();
}

void AboutKel::loadInformation()
{
    const QString title = programTitle();
    setWindowTitle(tr("About %1").arg(title));
    m_lblVersion->setText(versionText());
    m_lblTitle->setText(title);
}

void AboutKel::acceptAndClose()
{
    close();
}

void AboutKel::showSystemInfo()
{
    startSystemInfo(m_dialogs);
}

void AboutKel::keyPressEvent(QKeyEvent *event)
{
    // Esc presses OK, which closes and destroys the window rather than only hiding it.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        m_cmdOK->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void AboutKel::closeEvent(QCloseEvent *event)
{
    QDialog::closeEvent(event);
    if (event->isAccepted())
        m_closed = true;
}

} // namespace kel::about
