// SPDX-License-Identifier: GPL-3.0-or-later
#include "resonancewindow.h"

#include "circuitsource.h"
#include "display/axisnumbersoption.h"
#include "display/csvtable.h"
#include "display/dialogs.h"
#include "display/fileexport.h"
#include "display/picturearea.h"
#include "display/pictureexport.h"
#include "display/qstringtext.h"
#include "resonancedrawing.h"
#include "resonanceruler.h"
#include "responsedrawing.h"
#include "responsesession.h"
#include "solutions/numbertext.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kel::resonance
{

namespace
{

// Exported pictures are rendered at twice their size on screen.
constexpr double kPictureScale = 2.0;

QString degrees(double phi)
{
    return display::toQString(solutions::shortText(phi * 180 / std::numbers::pi) + "\u00b0");
}

QString withUnit(double value, const char *unit)
{
    return display::toQString(withPrefix(value, unit));
}

QLabel *namedLabel(const char *name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QString swatch(const QColor &colour, const QString &text)
{
    return QStringLiteral("<span style=\"color:%1\">&#9632;</span> %2<br>")
        .arg(colour.name(), text.toHtmlEscaped());
}

// The decades a picture's frequency axis spans: its ends in log10 f.
struct DecadeRange {
    double lo = 0, hi = 1;
};

} // namespace

ResonanceWindow::ResonanceWindow(CircuitSource &source, display::Dialogs &dialogs, QWidget *parent)
    : QMainWindow(parent), m_source(source), m_dialogs(dialogs),
      m_response(new ResponseSession(source, this))
{
    setObjectName("ResonanceCurve");
    setWindowTitle(tr("Resonance Curve"));
    // A window of its own beside the one it came from, also when that one owns it.
    setWindowFlag(Qt::Window);
    buildControls();
    buildMenu();
}

void ResonanceWindow::buildControls()
{
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName("ResonanceTabs");
    m_tabs->setAccessibleName(tr("Pages"));
    m_tabs->tabBar()->setAccessibleName(tr("Pages"));
    setCentralWidget(m_tabs);
    auto *client = new QWidget(m_tabs);
    client->setObjectName("ResonancePage");
    auto *columns = new QHBoxLayout(client);

    auto *plots = new QVBoxLayout;
    m_picture = new display::PictureArea(client);
    m_picture->setObjectName("ResonancePicture");
    m_picture->setMinimumSize(480, 320);
    m_picture->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_picture->setMouseTracking(true);
    m_picture->setToolTip(tr("Click to set the source to this frequency"));
    m_picture->setAccessibleName(tr("Current amplitude and phase against frequency"));
    m_ruler = new ResonanceRuler(client);
    m_ruler->setObjectName("ResonanceRuler");
    auto *axisTitle = new QLabel(tr("Frequency f (logarithmic scale)"), client);
    axisTitle->setObjectName("ResonanceAxisTitle");
    axisTitle->setAlignment(Qt::AlignHCenter);
    plots->addWidget(m_picture, 1);
    plots->addWidget(m_ruler);
    plots->addWidget(axisTitle);
    columns->addLayout(plots, 1);

    auto *side = new QVBoxLayout;
    m_f0 = namedLabel("resonanceFrequency", client);
    m_quality = namedLabel("qualityFactor", client);
    m_bandwidth = namedLabel("bandwidth", client);
    m_band = namedLabel("halfPowerBand", client);
    m_sourcePoint = namedLabel("sourcePoint", client);
    m_scales = namedLabel("plotScales", client);
    auto *key = namedLabel("colourKey", client);
    key->setTextFormat(Qt::RichText);
    const auto mark = [](ResonanceMark m, const QString &text) {
        return swatch(resonanceColour(m), text);
    };
    key->setText(mark(ResonanceMark::Amplitude, tr("current amplitude I\u2080")) +
                 mark(ResonanceMark::Phase, tr("phase \u03c6")) +
                 mark(ResonanceMark::Resonance, tr("resonance frequency f\u2080")) +
                 mark(ResonanceMark::Source, tr("source frequency f")) +
                 mark(ResonanceMark::Band, tr("half-power band")));
    m_note = namedLabel("ResonanceNote", client);
    m_note->setStyleSheet(QStringLiteral("color: #a00000"));
    m_note->hide();
    for (QLabel *label :
         {m_f0, m_quality, m_bandwidth, m_band, m_sourcePoint, m_scales, key, m_note})
        side->addWidget(label);
    side->addStretch(1);
    auto *sideWidget = new QWidget(client);
    sideWidget->setLayout(side);
    sideWidget->setFixedWidth(270);
    columns->addWidget(sideWidget);
    m_tabs->addTab(client, tr("Resonance Curve"));
    m_tabs->addTab(buildResponsePage(), tr("Frequency Response"));

    m_statusPointer = namedLabel("statusPointer", this);
    m_statusPointer->setWordWrap(false);
    // It changes with every move of the pointer and clears when the pointer leaves the
    // picture, so there is nothing to select; a screen reader reads it by its text.
    m_statusPointer->setTextInteractionFlags(Qt::NoTextInteraction);
    statusBar()->setObjectName("statusBar");
    statusBar()->addWidget(m_statusPointer, 1);

    m_picture->setFocusPolicy(Qt::StrongFocus);
    m_picture->installEventFilter(this);
    connect(m_picture, &display::PictureArea::mouseUp, this, &ResonanceWindow::onPictureClicked);
    connect(m_picture, &display::PictureArea::mouseMove, this, &ResonanceWindow::onPointerMoved);
    connect(m_tabs, &QTabWidget::currentChanged, this, [this] {
        m_statusPointer->clear();
        followKind();
    });
    connect(m_response, &ResponseSession::changed, this, &ResonanceWindow::redrawResponse);
}

QWidget *ResonanceWindow::buildResponsePage()
{
    auto *page = new QWidget(m_tabs);
    page->setObjectName("ResponsePage");
    auto *columns = new QHBoxLayout(page);
    m_responsePicture = new display::PictureArea(page);
    m_responsePicture->setObjectName("ResponsePicture");
    m_responsePicture->setMinimumSize(480, 320);
    m_responsePicture->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_responsePicture->setMouseTracking(true);
    m_responsePicture->setToolTip(tr("Click to set the source to this frequency"));
    m_responsePicture->setAccessibleName(tr("Magnitude and phase against frequency"));
    m_responsePicture->setFocusPolicy(Qt::StrongFocus);
    m_responsePicture->installEventFilter(this);
    columns->addWidget(m_responsePicture, 1);

    auto *side = new QVBoxLayout;
    auto *choiceTitle = new QLabel(tr("Quantity:"), page);
    m_choice = new QComboBox(page);
    m_choice->setObjectName("ResponseChoice");
    m_choice->setAccessibleName(tr("Quantity shown"));
    choiceTitle->setBuddy(m_choice);
    m_responseFigures = namedLabel("ResponseFigures", page);
    m_responseKey = namedLabel("ResponseKey", page);
    m_responseKey->setTextFormat(Qt::RichText);
    auto *hint = namedLabel("ResponseHint", page);
    hint->setText(tr("Click a frequency, or press Left or Right, to set the source to it."));
    m_responseNote = namedLabel("ResponseNote", page);
    m_responseNote->setStyleSheet(QStringLiteral("color: #a00000"));
    m_responseNote->hide();
    side->addWidget(choiceTitle);
    side->addWidget(m_choice);
    for (QLabel *label : {m_responseFigures, m_responseKey, hint, m_responseNote})
        side->addWidget(label);
    side->addStretch(1);
    auto *sideWidget = new QWidget(page);
    sideWidget->setLayout(side);
    sideWidget->setFixedWidth(270);
    columns->addWidget(sideWidget);

    connect(m_responsePicture, &display::PictureArea::mouseUp, this,
            &ResonanceWindow::onPictureClicked);
    connect(m_responsePicture, &display::PictureArea::mouseMove, this,
            &ResonanceWindow::onResponsePointerMoved);
    connect(m_choice, &QComboBox::activated, this, &ResonanceWindow::onResponseChosen);
    return page;
}

void ResonanceWindow::showPage(ResonancePage page)
{
    followKind();
    const int index = page == ResonancePage::Resonance ? 0 : 1;
    if (m_tabs->isTabEnabled(index))
        m_tabs->setCurrentIndex(index);
}

ResonancePage ResonanceWindow::page() const
{
    return m_tabs->currentIndex() == 0 ? ResonancePage::Resonance : ResonancePage::Response;
}

display::PictureArea *ResonanceWindow::currentPicture() const
{
    return page() == ResonancePage::Resonance ? m_picture : m_responsePicture;
}

void ResonanceWindow::followKind()
{
    const solutions::CircuitKind kind = m_source.circuitKind();
    const bool resonates = solutions::hasCapacitor(kind) && solutions::hasInductor(kind);
    m_tabs->setTabEnabled(0, resonates);
    m_tabs->setTabToolTip(0, resonates ? QString()
                                       : tr("A circuit without both L and C has no resonance."));
    if (!resonates)
        m_tabs->setCurrentIndex(1);
    setWindowTitle(page() == ResonancePage::Resonance ? tr("Resonance Curve")
                                                      : tr("Frequency Response"));
}

void ResonanceWindow::buildMenu()
{
    const auto command = [this](QMenu *menu, const char *name, const QString &caption,
                                const QKeySequence &shortcut, void (ResonanceWindow::*slot)()) {
        auto *action = new QAction(caption, this);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(shortcut);
        menu->addAction(action);
        addAction(action);
        connect(action, &QAction::triggered, this, slot);
    };
    QMenu *exportMenu = menuBar()->addMenu(tr("Export"));
    exportMenu->setObjectName("Export");
    command(exportMenu, "SavePicture", tr("Save Picture..."), QKeySequence(Qt::CTRL | Qt::Key_S),
            &ResonanceWindow::savePicture);
    command(exportMenu, "CopyPicture", tr("Copy Picture"),
            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), &ResonanceWindow::copyPicture);
    command(exportMenu, "SaveCsv", tr("Save Data as CSV..."),
            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), &ResonanceWindow::saveCsv);
    auto *close = new QAction(tr("Close"), this);
    close->setObjectName("close");
    close->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
    menuBar()->addAction(close);
    addAction(close);
    connect(close, &QAction::triggered, this, &QWidget::hide);
    display::addAxisNumbersOption(this, {m_picture, m_responsePicture});
}

void ResonanceWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    refresh();
}

void ResonanceWindow::refresh()
{
    if (!isVisible())
        return;
    followKind();
    m_response->refresh();
    refreshResonance();
}

void ResonanceWindow::refreshResonance()
{
    const solutions::CircuitKind kind = m_source.circuitKind();
    if (!solutions::hasCapacitor(kind) || !solutions::hasInductor(kind))
        return;
    ResonanceTexts texts = m_source.texts();
    // The LC has no resistor: its curve is the one of R = 0, which has no finite peak.
    if (!solutions::hasResistor(kind))
        texts.R.assign(1, '0');
    CircuitReading reading = readCircuit(texts);
    if (m_lastReading == reading)
        return;
    ResonanceCurve curve = resonanceCurve(reading);
    m_lastReading = std::move(reading);
    if (!curve.ok()) {
        m_note->setText(problemText(curve, *m_lastReading));
        m_note->show();
        return;
    }
    m_note->hide();
    m_note->clear();
    drawResonanceCurve(*m_picture, curve);
    m_ruler->setAxis(curve.axis);
    writeFigures(curve);
    m_curve = std::move(curve);
}

void ResonanceWindow::writeFigures(const ResonanceCurve &curve)
{
    const ResonanceFigures &fig = curve.figures;
    m_f0->setText(
        tr("Resonance frequency f\u2080 = 1/(2\u03c0\u221a(LC)) = %1").arg(withUnit(fig.f0, "Hz")));
    m_quality->setText(tr("Quality factor Q = \u03c9\u2080L/R = %1")
                           .arg(display::toQString(solutions::shortText(fig.quality))));
    m_bandwidth->setText(tr("Bandwidth Δf = R/(2\u03c0L) = %1").arg(withUnit(fig.bandwidth, "Hz")));
    m_band->setText(tr("Half-power band (shaded): %1 to %2, where I\u2080 = I\u2080max/√2 "
                       "and \u03c6 = ±45\u00b0")
                        .arg(withUnit(fig.f1, "Hz"), withUnit(fig.f2, "Hz")));
    const double f = curve.circuit.f;
    const QString fText = withUnit(f, "Hz");
    if (curve.sourceOnAxis())
        m_sourcePoint->setText(tr("Source f = %1: I\u2080 = %2, \u03c6 = %3")
                                   .arg(fText, withUnit(currentAmplitude(curve.circuit, f), "A"),
                                        degrees(phase(curve.circuit, f))));
    else
        m_sourcePoint->setText(tr("Source f = %1 is not on the frequency axis.").arg(fText));
    const AmplitudeRange scale = amplitudeRange(curve);
    m_scales->setText(tr("Upper plot: current amplitude I\u2080 from %1 to %2.\n"
                         "Lower plot: phase \u03c6 from −90\u00b0 to +90\u00b0, grey lines "
                         "at ±45\u00b0.\nClick a frequency, or press Left or Right, to set "
                         "the source to it.")
                          .arg(withUnit(scale.lo, "A"), withUnit(scale.hi, "A")));
    // The focused picture says where the source stands first: Left and Right move it.
    m_picture->setAccessibleDescription(
        QStringList({m_sourcePoint->text(), m_f0->text(), m_quality->text(), m_band->text()})
            .join(QLatin1Char(' ')));
}

QString ResonanceWindow::problemText(const ResonanceCurve &curve,
                                     const CircuitReading &reading) const
{
    QString text;
    switch (curve.problem) {
    case ResonanceProblem::NotANumber: {
        const QString shown = display::toQString(reading.text);
        QString what;
        switch (reading.notANumber) {
        case CircuitValue::SourceAmplitude:
            what = tr("The source amplitude");
            break;
        case CircuitValue::Resistance:
            what = QStringLiteral("R");
            break;
        case CircuitValue::Inductance:
            what = QStringLiteral("L");
            break;
        case CircuitValue::Capacitance:
            what = QStringLiteral("C");
            break;
        case CircuitValue::SourceFrequency:
            what = tr("The source frequency");
            break;
        }
        text = display::withDecimalCommaHint(
            tr("%1 \u201c%2\u201d is not a number.").arg(what, shown), shown);
        break;
    }
    case ResonanceProblem::ZeroResistance:
        text = solutions::hasResistor(m_source.circuitKind())
                   ? tr("R = 0: without resistance Q is infinite and the current at resonance "
                        "has no limit. Give R a value above 0.")
                   : tr("The LC circuit has no resistance: Q is infinite and the current at "
                        "resonance has no limit, so there is no curve to draw. The Frequency "
                        "Response page shows its response.");
        break;
    case ResonanceProblem::NegativeResistance:
        text = tr("R is negative: give R a value above 0.");
        break;
    case ResonanceProblem::NoInductance:
        text = tr("L must be above 0 for the circuit to resonate.");
        break;
    case ResonanceProblem::NoCapacitance:
        text = tr("C must be above 0 for the circuit to resonate (C = 0 means no capacitor).");
        break;
    case ResonanceProblem::OutOfRange:
        text = tr("These values give frequencies or currents too large or too small to draw.");
        break;
    case ResonanceProblem::EmptyBand:
        text = tr("The half-power band is too narrow to compute: Q is too large. Give R a "
                  "larger value.");
        break;
    case ResonanceProblem::None:
        break;
    }
    if (m_curve)
        text += QLatin1Char(' ') + tr("The picture shows the last values that could be drawn.");
    return text;
}

void ResonanceWindow::onPictureClicked(int button, int, float x, float)
{
    if (button == 1)
        pickFrequency(qobject_cast<const display::PictureArea *>(sender()), static_cast<double>(x));
}

void ResonanceWindow::pickFrequency(const display::PictureArea *picture, double decade)
{
    if (!std::isfinite(decade) || !picture)
        return;
    DecadeRange range;
    if (picture == m_picture && m_curve) {
        range = {static_cast<double>(m_curve->axis.firstDecade),
                 static_cast<double>(m_curve->axis.lastDecade)};
    } else if (picture == m_responsePicture && !m_response->curve().empty()) {
        range = {std::log10(m_response->lowFrequency()), std::log10(m_response->highFrequency())};
    } else {
        return;
    }
    decade = std::clamp(decade, range.lo, range.hi);
    const double perPixel =
        (range.hi - range.lo) / std::max(1.0, static_cast<double>(picture->width()));
    const double f = roundedFrequency(std::pow(10.0, decade), perPixel);
    m_source.setSourceFrequency(f);
    refresh();
}

void ResonanceWindow::stepSourceFrequency(const display::PictureArea *picture, double decades)
{
    if (picture == m_picture && m_curve) {
        const double from = m_curve->sourceOnAxis() ? std::log10(m_curve->circuit.f)
                                                    : std::log10(m_curve->figures.f0);
        pickFrequency(picture, from + decades);
    } else if (picture == m_responsePicture && !m_response->curve().empty()) {
        const std::optional<double> f = m_response->sourceFrequency();
        const bool onAxis =
            f && *f >= m_response->lowFrequency() && *f <= m_response->highFrequency();
        const double from =
            onAxis
                ? std::log10(*f)
                : std::log10(std::sqrt(m_response->lowFrequency() * m_response->highFrequency()));
        pickFrequency(picture, from + decades);
    }
}

bool ResonanceWindow::eventFilter(QObject *watched, QEvent *event)
{
    const bool picture = watched == m_picture || watched == m_responsePicture;
    if (picture && event->type() == QEvent::Leave)
        m_statusPointer->clear();
    if (picture && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool shift = key->modifiers() == Qt::ShiftModifier;
        if ((key->modifiers() == Qt::NoModifier || shift) &&
            (key->key() == Qt::Key_Left || key->key() == Qt::Key_Right)) {
            const double step = shift ? 0.1 : 0.01;
            stepSourceFrequency(static_cast<const display::PictureArea *>(watched),
                                key->key() == Qt::Key_Right ? step : -step);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void ResonanceWindow::onPointerMoved(float x, float)
{
    if (!m_curve || !std::isfinite(x)) {
        m_statusPointer->clear();
        return;
    }
    const double f = std::pow(10.0, static_cast<double>(x));
    if (!m_curve->axis.contains(f)) {
        m_statusPointer->clear();
        return;
    }
    m_statusPointer->setText(tr("f = %1   I\u2080 = %2   \u03c6 = %3")
                                 .arg(withUnit(f, "Hz"),
                                      withUnit(currentAmplitude(m_curve->circuit, f), "A"),
                                      degrees(phase(m_curve->circuit, f))));
}

void ResonanceWindow::onResponsePointerMoved(float x, float)
{
    const double f = std::pow(10.0, static_cast<double>(x));
    if (m_response->curve().empty() || !std::isfinite(f) || f < m_response->lowFrequency() ||
        f > m_response->highFrequency()) {
        m_statusPointer->clear();
        return;
    }
    const solutions::ResponsePoint p = m_response->at(f);
    m_statusPointer->setText(tr("f = %1   |H| = %2 dB   \u03c6 = %3")
                                 .arg(withUnit(f, "Hz"),
                                      display::toQString(solutions::shortText(p.magnitudeDb)),
                                      degrees(p.phase)));
}

void ResonanceWindow::onResponseChosen(int index)
{
    m_response->setResponse(static_cast<solutions::Response>(m_choice->itemData(index).toInt()));
}

void ResonanceWindow::redrawResponse()
{
    const ResponseSession &session = *m_response;
    {
        const QSignalBlocker blocker(m_choice);
        m_choice->clear();
        for (solutions::Response r : session.responses()) {
            m_choice->addItem(ResponseSession::responseName(r), static_cast<int>(r));
            if (r == session.response())
                m_choice->setCurrentIndex(m_choice->count() - 1);
        }
    }
    const bool drawn = !session.curve().empty();
    m_responseNote->setText(session.problem());
    m_responseNote->setVisible(!session.problem().isEmpty());
    // A curve that cannot be drawn leaves the last one, as on the resonance page.
    if (!drawn)
        return;
    drawResponse(*m_responsePicture, session);
    m_responseFigures->setText(session.figuresText());
    // The key names what this circuit's picture draws.
    const solutions::ResponseFeatures &features = *session.features();
    const auto mark = [](ResponseMark m, const QString &text) {
        return swatch(responseColour(m), text);
    };
    QString key = mark(ResponseMark::Magnitude, tr("magnitude |H| in dB")) +
                  mark(ResponseMark::Phase, tr("phase \u03c6"));
    if (!features.corners.empty())
        key += mark(ResponseMark::Corner, tr("\u2212"
                                             "3 dB corner (dashed) and level"));
    if (features.corners.size() == 2)
        key += mark(ResponseMark::Band, tr("band between the corners"));
    key += mark(ResponseMark::Asymptote, tr("asymptotes (dashed)"));
    if (session.resonanceFrequency())
        key += mark(ResponseMark::Resonance, tr("resonance frequency f\u2080"));
    if (features.peak)
        key += mark(ResponseMark::Peak, tr("peak of the quantity"));
    if (session.sourceFrequency())
        key += mark(ResponseMark::Source, tr("source frequency f"));
    m_responseKey->setText(key);
    // The focused picture says first what it shows and where the source stands: Left and
    // Right move it.
    QStringList description{ResponseSession::responseName(session.response())};
    if (!session.sourceText().isEmpty())
        description << session.sourceText();
    description << session.figuresText(false).split(QLatin1Char('\n'));
    m_responsePicture->setAccessibleDescription(description.join(QStringLiteral(". ")));
}

void ResonanceWindow::savePicture()
{
    const bool resonance = page() == ResonancePage::Resonance;
    display::PictureArea *picture = currentPicture();
    display::saveThroughDialog(
        m_dialogs, tr("Save Picture"),
        resonance ? QStringLiteral("resonance.png") : QStringLiteral("frequency-response.png"),
        tr("PNG image (*.png);;SVG drawing (*.svg)"), [picture](const QString &path) {
            return display::writePictures(display::PictureExport({picture}), path, kPictureScale);
        });
}

void ResonanceWindow::copyPicture()
{
    display::PictureExport({currentPicture()}).copyToClipboard(kPictureScale);
}

void ResonanceWindow::saveCsv()
{
    if (page() == ResonancePage::Response) {
        const std::optional<QByteArray> data = m_response->csv();
        if (!data) {
            m_dialogs.message(tr("There is no curve to save yet."), tr("Save Data as CSV"));
            return;
        }
        display::saveThroughDialog(
            m_dialogs, tr("Save Data as CSV"), QStringLiteral("frequency-response.csv"),
            tr("CSV table (*.csv)"),
            [&data](const QString &path) { return display::writeFileAtomically(path, *data); });
        return;
    }
    if (!m_curve) {
        m_dialogs.message(tr("There is no curve to save yet."), tr("Save Data as CSV"));
        return;
    }
    display::saveThroughDialog(m_dialogs, tr("Save Data as CSV"), QStringLiteral("resonance.csv"),
                               tr("CSV table (*.csv)"), [this](const QString &path) {
                                   display::CsvTable table({display::toStdString(tr("f (Hz)")),
                                                            display::toStdString(tr("I0 (A)")),
                                                            display::toStdString(tr("phi (rad)"))});
                                   for (const ResonanceSample &s : m_curve->samples)
                                       table.addRow({s.f, s.current, s.phi});
                                   return display::writeFileAtomically(
                                       path, QByteArray::fromStdString(table.text()));
                               });
}

} // namespace kel::resonance
