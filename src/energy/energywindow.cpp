// SPDX-License-Identifier: GPL-3.0-or-later
#include "energywindow.h"

#include "energydrawing.h"
#include "energysession.h"

#include "display/axisnumbersoption.h"
#include "display/fileexport.h"
#include "display/picturearea.h"
#include "display/pictureaxes.h"
#include "display/pictureexport.h"
#include "solutions/numbertext.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QVBoxLayout>

namespace kel::energy
{

namespace
{

// Exported pictures are rendered at twice their size on screen.
constexpr double kPictureScale = 2.0;

QLabel *namedLabel(const char *name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

EnergyWindow::EnergyWindow(EnergySession &session, display::Dialogs &dialogs, QWidget *parent)
    : QMainWindow(parent), m_session(session), m_dialogs(dialogs)
{
    setObjectName("Energy");
    setWindowTitle(tr("Energy"));
    setWindowFlag(Qt::Window);

    auto *client = new QWidget(this);
    setCentralWidget(client);
    auto *rows = new QVBoxLayout(client);
    m_picture = new display::PictureArea(client);
    m_picture->setObjectName("EnergyPicture");
    m_picture->setMinimumSize(480, 320);
    m_picture->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_picture->setFocusPolicy(Qt::StrongFocus);
    m_picture->setKeyboardCursor(true);
    m_picture->setToolTip(tr("Click, or use Left and Right, to read the energies at a time"));
    m_picture->setAccessibleName(tr("Energies against time"));
    m_picture->setBackground(Qt::white);
    m_picture->setForeground(Qt::black);
    m_picture->setAxes({display::ValueAxis::followingScale({{"t", "s"}}),
                        {display::ValueAxis::followingScale({{"W", "J"}})}});
    m_balance = namedLabel("EnergyBalance", client);
    m_readout = namedLabel("EnergyReadout", client);
    m_note = namedLabel("EnergyNote", client);
    m_note->setStyleSheet(QStringLiteral("color: #a00000"));
    rows->addWidget(m_picture, 1);
    rows->addWidget(m_balance);
    rows->addWidget(m_readout);
    rows->addWidget(m_note);

    QMenu *exportMenu = menuBar()->addMenu(tr("Export"));
    exportMenu->setObjectName("Export");
    const auto command = [this, exportMenu](const char *name, const QString &caption,
                                            const QKeySequence &shortcut,
                                            void (EnergyWindow::*slot)()) {
        auto *action = exportMenu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(shortcut);
        addAction(action);
        connect(action, &QAction::triggered, this, slot);
    };
    command("SaveData", tr("Save Data..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
            &EnergyWindow::saveData);
    command("SavePicture", tr("Save Picture..."), QKeySequence(Qt::CTRL | Qt::Key_S),
            &EnergyWindow::savePicture);
    auto *close = new QAction(tr("Close"), this);
    close->setObjectName("close");
    close->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
    menuBar()->addAction(close);
    addAction(close);
    display::addAxisNumbersOption(this, {m_picture});
    connect(close, &QAction::triggered, this, &QWidget::hide);

    connect(&m_session, &EnergySession::changed, this, &EnergyWindow::redraw);
    connect(m_picture, &display::PictureArea::mouseUp, this,
            [this](int button, int, float x, float) {
                if (button != 1)
                    return;
                m_picture->setCursorX(x);
                readOutAt(x);
            });
    connect(m_picture, &display::PictureArea::cursorMoved, this, &EnergyWindow::readOutAt);
    redraw();
}

void EnergyWindow::redraw()
{
    drawEnergy(*m_picture, m_session);
    m_note->setText(m_session.problem());
    m_note->setVisible(!m_session.problem().isEmpty());
    m_balance->setText(m_session.balanceText());
    m_readout->clear();
    m_picture->clearCursor();
    m_picture->setAccessibleDescription(
        m_session.curve().empty()
            ? m_session.problem()
            : tr("The energy in the capacitor W_C, in the inductor W_L, the heat in the "
                 "resistor W_R and the work of the source W_S from t = %1 s to %2 s. %3")
                  .arg(QString::number(m_session.startTime()), QString::number(m_session.endTime()),
                       m_session.balanceText()));
}

void EnergyWindow::readOutAt(float t)
{
    const std::optional<solutions::EnergySample> sample = m_session.sampleAt(t);
    if (!sample)
        return;
    m_readout->setText(EnergySession::readOutText(*sample));
    m_picture->setAccessibleDescription(m_readout->text());
}

void EnergyWindow::saveData()
{
    const std::optional<QByteArray> csv = m_session.csv();
    if (!csv)
        return;
    display::saveThroughDialog(
        m_dialogs, tr("Save Data"), QStringLiteral("energy.csv"), tr("CSV files (*.csv)"),
        [&csv](const QString &path) { return display::writeFileAtomically(path, *csv); });
}

void EnergyWindow::savePicture()
{
    const display::PictureExport pictures({m_picture});
    display::saveThroughDialog(m_dialogs, tr("Save Picture"), QStringLiteral("energy.png"),
                               tr("PNG images (*.png);;SVG drawings (*.svg)"),
                               [&pictures](const QString &path) {
                                   return display::writePictures(pictures, path, kPictureScale);
                               });
}

} // namespace kel::energy
