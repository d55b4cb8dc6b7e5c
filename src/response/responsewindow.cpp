// SPDX-License-Identifier: GPL-3.0-or-later
#include "responsewindow.h"

#include "responsesession.h"

#include "display/picturearea.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kel::response
{

namespace
{

const QColor kCurve(0, 0, 200);
const QColor kCorner(190, 110, 0);
const QColor kAsymptote(120, 120, 120);
const QColor kSource(200, 0, 0);
const QColor kPeak(0, 140, 0);

float logOf(double f)
{
    return static_cast<float>(std::log10(f));
}

void vertical(display::PictureArea &area, float x, float top, float bottom, const QColor &c,
              bool dashed)
{
    area.setDashed(dashed);
    area.line(x, top, x, bottom, c);
    area.setDashed(false);
}

} // namespace

void drawResponse(display::PictureArea &magnitude, display::PictureArea &phase,
                  const ResponseSession &session)
{
    magnitude.clear();
    phase.clear();
    const auto &curve = session.curve();
    if (curve.empty()) {
        magnitude.setLegend({});
        return;
    }
    double low = curve.front().magnitudeDb, high = low;
    for (const auto &p : curve) {
        if (std::isfinite(p.magnitudeDb)) {
            low = std::min(low, p.magnitudeDb);
            high = std::max(high, p.magnitudeDb);
        }
    }
    // At most 160 dB shown below the top, so a deep notch does not squash the rest.
    low = std::max(low, high - 160);
    if (high - low < 6)
        low = high - 6;
    const double margin = (high - low) * 0.06;
    const float x1 = logOf(session.lowFrequency()), x2 = logOf(session.highFrequency());
    const float top = static_cast<float>(high + margin), bottom = static_cast<float>(low - margin);
    magnitude.setScale(x1, top, x2, bottom);
    // Every response lies within ±180°.
    const float half = static_cast<float>(std::numbers::pi * 1.05);
    phase.setScale(x1, half, x2, -half);
    phase.line(x1, 0, x2, 0);
    for (display::PictureArea *area : {&magnitude, &phase})
        for (int decade = static_cast<int>(std::ceil(x1)); decade <= static_cast<int>(x2);
             ++decade) {
            const float y = area == &magnitude ? bottom : -half;
            const float tick = area == &magnitude ? (top - bottom) / 40 : half / 20;
            area->line(static_cast<float>(decade), y, static_cast<float>(decade), y + tick);
        }

    const solutions::ResponseFeatures &f = *session.features();
    for (double corner : f.corners) {
        vertical(magnitude, logOf(corner), top, bottom, kCorner, true);
        vertical(phase, logOf(corner), half, -half, kCorner, true);
    }
    // Each sloped asymptote runs from the end of the range, where the curve lies on it, to the
    // outer corner on its side.
    if (!f.corners.empty()) {
        const auto asymptote = [&](const solutions::ResponsePoint &end, double corner,
                                   double slope) {
            if (slope == 0)
                return;
            const float xe = logOf(end.frequency), xc = logOf(corner);
            magnitude.setDashed(true);
            magnitude.line(xe, static_cast<float>(end.magnitudeDb), xc,
                           static_cast<float>(end.magnitudeDb + slope * (xc - xe)), kAsymptote);
            magnitude.setDashed(false);
        };
        asymptote(curve.front(), f.corners.front(), f.lowSlope);
        asymptote(curve.back(), f.corners.back(), f.highSlope);
    }
    if (f.peak)
        for (float dx : {-0.02f, 0.02f})
            magnitude.line(logOf(f.peak->frequency) + dx,
                           static_cast<float>(f.peak->magnitudeDb) + (top - bottom) / 50,
                           logOf(f.peak->frequency) - dx,
                           static_cast<float>(f.peak->magnitudeDb) - (top - bottom) / 50, kPeak);
    if (const std::optional<double> source = session.sourceFrequency()) {
        vertical(magnitude, logOf(*source), top, bottom, kSource, false);
        vertical(phase, logOf(*source), half, -half, kSource, false);
    }
    magnitude.setPoint(logOf(curve.front().frequency),
                       static_cast<float>(curve.front().magnitudeDb), kCurve);
    phase.setPoint(logOf(curve.front().frequency), static_cast<float>(curve.front().phase), kCurve);
    for (const auto &p : curve) {
        magnitude.lineTo(logOf(p.frequency), static_cast<float>(p.magnitudeDb), kCurve);
        phase.lineTo(logOf(p.frequency), static_cast<float>(p.phase), kCurve);
    }
    magnitude.setLegend({{ResponseSession::responseName(session.response()), kCurve, false},
                         {ResponseWindow::tr("\u2212"
                                             "3 dB corner"),
                          kCorner, true},
                         {ResponseWindow::tr("asymptote"), kAsymptote, true},
                         {ResponseWindow::tr("source frequency"), kSource, false}});
}

ResponseWindow::ResponseWindow(ResponseSession &session, QWidget *parent)
    : QMainWindow(parent), m_session(session)
{
    setObjectName("FrequencyResponse");
    setWindowTitle(tr("Frequency Response"));
    setWindowFlag(Qt::Window);
    auto *client = new QWidget(this);
    setCentralWidget(client);
    auto *rows = new QVBoxLayout(client);
    m_choice = new QComboBox(client);
    m_choice->setObjectName("ResponseChoice");
    m_choice->setAccessibleName(tr("Response shown"));
    rows->addWidget(m_choice);
    const auto picture = [client, this](const char *name, const QString &accessible) {
        auto *area = new display::PictureArea(client);
        area->setObjectName(QString::fromLatin1(name));
        area->setMinimumSize(480, 180);
        area->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        area->setFocusPolicy(Qt::StrongFocus);
        area->setKeyboardCursor(true);
        area->setBackground(Qt::white);
        area->setForeground(Qt::black);
        area->setAccessibleName(accessible);
        area->setToolTip(tr("Click to set the source to this frequency"));
        connect(area, &display::PictureArea::mouseUp, this, &ResponseWindow::onPictureClicked);
        connect(area, &display::PictureArea::cursorMoved, this,
                [this](float x) { emit frequencyPicked(std::pow(10.0, x)); });
        return area;
    };
    m_magnitude = picture("ResponseMagnitude", tr("Magnitude in dB against frequency"));
    m_phase = picture("ResponsePhase", tr("Phase against frequency"));
    auto *axis = new QLabel(tr("Frequency f (logarithmic scale, a tick per decade)"), client);
    axis->setAlignment(Qt::AlignHCenter);
    m_figures = new QLabel(client);
    m_figures->setObjectName("ResponseFigures");
    m_figures->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_note = new QLabel(client);
    m_note->setObjectName("ResponseNote");
    m_note->setStyleSheet(QStringLiteral("color: #a00000"));
    rows->addWidget(m_magnitude, 3);
    rows->addWidget(m_phase, 2);
    rows->addWidget(axis);
    rows->addWidget(m_figures);
    rows->addWidget(m_note);

    auto *close = new QAction(tr("Close"), this);
    close->setObjectName("close");
    close->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
    menuBar()->addAction(close);
    addAction(close);
    connect(close, &QAction::triggered, this, &QWidget::hide);
    connect(m_choice, &QComboBox::activated, this, &ResponseWindow::onResponseChosen);
    connect(&m_session, &ResponseSession::changed, this, &ResponseWindow::redraw);
    redraw();
}

void ResponseWindow::redraw()
{
    const QSignalBlocker blocker(m_choice);
    m_choice->clear();
    for (solutions::Response r : m_session.responses()) {
        m_choice->addItem(ResponseSession::responseName(r), static_cast<int>(r));
        if (r == m_session.response())
            m_choice->setCurrentIndex(m_choice->count() - 1);
    }
    drawResponse(*m_magnitude, *m_phase, m_session);
    m_figures->setText(m_session.figuresText());
    m_note->setText(m_session.problem());
    m_note->setVisible(!m_session.problem().isEmpty());
    m_magnitude->setAccessibleDescription(m_session.problem().isEmpty() ? m_session.figuresText()
                                                                        : m_session.problem());
}

void ResponseWindow::onResponseChosen(int index)
{
    m_session.setResponse(static_cast<solutions::Response>(m_choice->itemData(index).toInt()));
}

void ResponseWindow::onPictureClicked(int button, int, float x, float)
{
    if (button == 1 && !m_session.curve().empty())
        emit frequencyPicked(std::pow(10.0, x));
}

} // namespace kel::response
