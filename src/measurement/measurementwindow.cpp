// SPDX-License-Identifier: GPL-3.0-or-later
#include "measurementwindow.h"

#include "circuithost.h"
#include "display/axisnumbersoption.h"
#include "display/dialogs.h"
#include "recordinggraph.h"
#include "solutions/numbertext.h"
#include "worksheet/worksheetcommands.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace kel::measurement
{
namespace
{

constexpr std::array kQuantities{Quantity::CapacitorVoltage, Quantity::ResistorVoltage,
                                 Quantity::InductorVoltage, Quantity::Current, Quantity::Charge};
constexpr std::array kParameters{FitParameter::R,  FitParameter::L,  FitParameter::C,
                                 FitParameter::v0, FitParameter::f0, FitParameter::q0,
                                 FitParameter::i0};

QString number(double value, int digits = 4)
{
    return QString::fromStdString(solutions::shortText(value, digits));
}

QString unitOf(FitParameter p)
{
    return QString::fromUtf8(parameterUnit(p).data(), qsizetype(parameterUnit(p).size()));
}

QString nameOf(FitParameter p)
{
    return QString::fromLatin1(parameterName(p).data(), qsizetype(parameterName(p).size()));
}

QString namesOf(const std::vector<FitParameter> &parameters)
{
    QStringList names;
    for (FitParameter p : parameters)
        names << nameOf(p);
    return names.join(QStringLiteral(", "));
}

} // namespace

MeasurementWindow::MeasurementWindow(CircuitHost &host, display::Dialogs &dialogs, QWidget *parent)
    : QMainWindow(parent), m_host(host), m_dialogs(dialogs)
{
    setObjectName("Measurement");
    setAttribute(Qt::WA_DeleteOnClose, false);
    auto *splitter = new QSplitter(this);
    m_graph = new RecordingGraph(m_session, splitter);
    m_graph->setObjectName("RecordingGraph");
    m_graph->setAccessibleName(tr("Recording graph"));
    auto *panel = new QWidget(splitter);
    buildPanel(panel);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 1);
    setCentralWidget(splitter);

    QMenu *file = menuBar()->addMenu(tr("&File"));
    QAction *open =
        file->addAction(tr("&Open Recording..."), this, &MeasurementWindow::openRecording);
    open->setObjectName("OpenRecordingAction");
    open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    QAction *close = file->addAction(tr("&Close"), this, &QWidget::close);
    close->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
    QMenu *exportMenu = menuBar()->addMenu(tr("Export"));
    exportMenu->setObjectName("Export");
    worksheet::WorksheetCommands::add(exportMenu, this, m_dialogs,
                                      {[this] { return worksheet(); },
                                       [this] { return m_session.task(); },
                                       [this](const QString &task) { m_session.setTask(task); }});
    RecordingGraph *graph = m_graph;
    display::addAxisNumbersOption(this, m_graph, [graph](bool on) { graph->setAxesShown(on); });

    connect(&m_session, &MeasurementSession::changed, this, &MeasurementWindow::showSession);
    connect(&m_jobs, &MeasurementJobs::progressed, m_progress, &QProgressBar::setValue);
    connect(&m_jobs, &MeasurementJobs::busyChanged, this, &MeasurementWindow::onBusy);
    connect(&m_jobs, &MeasurementJobs::recordingRead, this, &MeasurementWindow::onRecordingRead);
    connect(&m_jobs, &MeasurementJobs::readFailed, this, &MeasurementWindow::onReadFailed);
    connect(&m_jobs, &MeasurementJobs::fitted, this, &MeasurementWindow::onFitted);
    connect(m_graph, &RecordingGraph::windowDragged, this,
            [this](double from, double to) { m_session.setWindow(from, to); });
    followHost();
    showSession();
    onBusy(false);
    resize(1000, 620);
}

// A time box that loses the focus while the window closes would report an edit to a window
// already half destroyed.
MeasurementWindow::~MeasurementWindow()
{
    disconnect(m_from, nullptr, this, nullptr);
    disconnect(m_to, nullptr, this, nullptr);
}

void MeasurementWindow::buildPanel(QWidget *panel)
{
    auto *column = new QVBoxLayout(panel);
    m_file = new QLabel(panel);
    m_file->setObjectName("RecordingFile");
    m_file->setWordWrap(true);
    m_circuit = new QLabel(panel);
    m_circuit->setObjectName("Circuit");
    m_circuit->setWordWrap(true);
    column->addWidget(m_file);
    column->addWidget(m_circuit);

    auto *channelBox = new QGroupBox(tr("Channel"), panel);
    auto *form = new QFormLayout(channelBox);
    m_channel = new QComboBox(channelBox);
    m_channel->setObjectName("Channel");
    m_quantity = new QComboBox(channelBox);
    m_quantity->setObjectName("Quantity");
    m_quantity->addItem(tr("capacitor voltage vC = q/C"));
    m_quantity->addItem(tr("resistor voltage vR = R\u00b7i"));
    m_quantity->addItem(tr("inductor voltage vL"));
    m_quantity->addItem(tr("current i"));
    m_quantity->addItem(tr("charge q"));
    m_from = new QLineEdit(channelBox);
    m_from->setObjectName("From");
    m_to = new QLineEdit(channelBox);
    m_to->setObjectName("To");
    form->addRow(tr("C&olumn:"), m_channel);
    form->addRow(tr("&Measured:"), m_quantity);
    form->addRow(tr("Fit &from (s):"), m_from);
    form->addRow(tr("Fit &to (s):"), m_to);
    column->addWidget(channelBox);

    auto *freeBox = new QGroupBox(tr("Free parameters"), panel);
    freeBox->setObjectName("FreeParameters");
    auto *grid = new QGridLayout;
    for (std::size_t k = 0; k < kParameters.size(); ++k) {
        auto *box = new QCheckBox(nameOf(kParameters[k]), freeBox);
        box->setObjectName("Free" + nameOf(kParameters[k]));
        grid->addWidget(box, int(k / 4), int(k % 4));
        m_free[k] = box;
        connect(box, &QCheckBox::toggled, this,
                [this, p = kParameters[k]](bool on) { m_session.setFree(p, on); });
    }
    freeBox->setLayout(grid);
    column->addWidget(freeBox);

    auto *buttons = new QGridLayout;
    m_open = new QPushButton(tr("&Open Recording..."), panel);
    m_open->setObjectName("OpenRecording");
    m_fit = new QPushButton(tr("F&it"), panel);
    m_fit->setObjectName("Fit");
    m_cancel = new QPushButton(tr("Cancel"), panel);
    m_cancel->setObjectName("Cancel");
    m_apply = new QPushButton(tr("&Apply to Lab"), panel);
    m_apply->setObjectName("ApplyToLab");
    buttons->addWidget(m_open, 0, 0, 1, 2);
    buttons->addWidget(m_fit, 1, 0);
    buttons->addWidget(m_cancel, 1, 1);
    buttons->addWidget(m_apply, 2, 0, 1, 2);
    column->addLayout(buttons);
    m_progress = new QProgressBar(panel);
    m_progress->setObjectName("Progress");
    m_progress->setRange(0, 100);
    column->addWidget(m_progress);
    m_result = new QLabel(panel);
    m_result->setObjectName("FitResult");
    m_result->setWordWrap(true);
    m_result->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_result->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    column->addWidget(m_result, 1);

    connect(m_open, &QPushButton::clicked, this, &MeasurementWindow::openRecording);
    connect(m_fit, &QPushButton::clicked, this, &MeasurementWindow::fit);
    connect(m_cancel, &QPushButton::clicked, this, &MeasurementWindow::cancel);
    connect(m_apply, &QPushButton::clicked, this, &MeasurementWindow::applyToLab);
    connect(m_channel, &QComboBox::activated, this,
            [this](int index) { m_session.setChannel(std::size_t(std::max(index, 0))); });
    connect(m_quantity, &QComboBox::activated, this, [this](int index) {
        m_session.setQuantity(kQuantities[std::size_t(std::clamp(index, 0, 4))]);
    });
    connect(m_from, &QLineEdit::editingFinished, this, &MeasurementWindow::onWindowEdited);
    connect(m_to, &QLineEdit::editingFinished, this, &MeasurementWindow::onWindowEdited);
}

void MeasurementWindow::openRecording()
{
    const QString path = m_dialogs.openFile(
        tr("Open Measurement"), tr("Recordings (*.csv *.txt *.tsv *.dat);;All files (*)"));
    if (!path.isEmpty())
        openFile(path);
}

void MeasurementWindow::openFile(const QString &path)
{
    m_note.clear();
    m_jobs.readFile(path);
}

void MeasurementWindow::applyExperiment(MeasurementExperiment experiment)
{
    m_jobs.cancel();
    m_note.clear();
    followHost();
    m_session.applyExperiment(std::move(experiment));
}

std::optional<MeasurementExperiment> MeasurementWindow::experiment()
{
    // The lab's boxes may have changed while this window was in the background.
    if (!m_jobs.busy())
        followHost();
    auto e = m_session.experiment();
    const auto host = m_host.hostCircuit();
    if (e && host && (host->circuit != e->circuit || host->source != e->source)) {
        // A fit still running for a circuit the host has left: its free parameters and fit
        // are not the host's.
        e->circuit = host->circuit;
        e->source = host->source;
        e->free = {};
        e->fit.reset();
    }
    return e;
}

void MeasurementWindow::onRecordingRead(const QString &path)
{
    auto recording = m_jobs.takeRecording();
    if (recording)
        m_session.setRecording(std::move(*recording), QFileInfo(path).fileName());
}

void MeasurementWindow::onReadFailed(const QString &path, const ReadProblem &problem)
{
    if (problem.fault == ReadFault::Cancelled) {
        m_note = tr("Reading %1 was cancelled.").arg(QFileInfo(path).fileName());
        showResult();
        return;
    }
    m_dialogs.message(tr("%1 cannot be opened as a recording.\n%2")
                          .arg(QFileInfo(path).fileName(), problemMessage(problem)),
                      tr("Open Measurement"));
}

QString MeasurementWindow::problemMessage(const ReadProblem &problem) const
{
    const QString line = QString::number(problem.line);
    const QString column = QString::number(problem.column);
    const QString text = QString::fromStdString(problem.text);
    switch (problem.fault) {
    case ReadFault::Unreadable:
        return tr("The file cannot be read (%1).").arg(text);
    case ReadFault::TooLarge:
        return tr("It has %1 bytes; a recording may have at most %2.")
            .arg(text, QString::number(kMaxRecordingBytes));
    case ReadFault::TooManyRows:
        return tr("It has %1 rows; a recording may have at most %2.")
            .arg(text, QString::number(kMaxRecordingRows));
    case ReadFault::NotText:
        return tr("It is not text: line %1 holds a control character at byte %2.")
            .arg(line, column);
    case ReadFault::Empty:
        return tr("It is empty.");
    case ReadFault::NoColumns:
        return tr("Line %1 has one column only; a recording needs a time and a value.").arg(line);
    case ReadFault::TooManyColumns:
        return tr("Line %1 has %2 value columns; at most four are read.").arg(line, text);
    case ReadFault::Ragged:
        return tr("Line %1, column %2: the row does not have the %3 columns of the first row.")
            .arg(line, column, text);
    case ReadFault::NotANumber:
        return tr("Line %1, column %2: \"%3\" is not a number.").arg(line, column, text);
    case ReadFault::NotFinite:
        return tr("Line %1, column %2: \"%3\" is not a finite number.").arg(line, column, text);
    case ReadFault::TimeNotIncreasing:
        return tr("Line %1, column %2: the time %3 is not later than the one before.")
            .arg(line, column, text);
    case ReadFault::TooFewSamples:
        return tr("Line %1: only %2 samples; at least 3 are needed.").arg(line, text);
    case ReadFault::BadHeader:
        return tr("Line %1, column %2: \"%3\" is not a usable start time or increment.")
            .arg(line, column, text);
    case ReadFault::Cancelled:
        break;
    }
    return {};
}

void MeasurementWindow::onWindowEdited()
{
    if (!m_session.recording())
        return;
    auto *box = qobject_cast<QLineEdit *>(sender());
    const auto from = solutions::toNumber(m_from->text().toStdString());
    const auto to = solutions::toNumber(m_to->text().toStdString());
    if (!from || !to) {
        const QString name = !from ? tr("Fit from") : tr("Fit to");
        m_dialogs.message(tr("The text of %1 is not a number in seconds.").arg(name),
                          tr("Measurement"));
        if (box)
            box->setFocus();
        return;
    }
    if (*from == m_session.from() && *to == m_session.to())
        return;
    if (!m_session.setWindow(*from, *to)) {
        m_dialogs.message(tr("The fit window from %1 s to %2 s holds no time of the recording.")
                              .arg(m_from->text(), m_to->text()),
                          tr("Measurement"));
        if (box)
            box->setFocus();
    }
}

void MeasurementWindow::followHost()
{
    if (const auto circuit = m_host.hostCircuit())
        m_session.setHostCircuit(*circuit);
}

void MeasurementWindow::changeEvent(QEvent *event)
{
    // The lab's boxes may have changed while this window was in the background.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !m_jobs.busy())
        followHost();
    QMainWindow::changeEvent(event);
}

void MeasurementWindow::fit()
{
    followHost();
    const auto problem = m_session.fitProblem();
    if (!m_session.recording())
        return;
    if (!problem) {
        QString why = tr("Choose a circuit in the lab first.");
        if (m_session.hostCircuit() &&
            !hasQuantity(m_session.hostCircuit()->circuit, m_session.quantity()))
            why = tr("The lab's circuit has no such quantity: choose what the column measured.");
        else if (m_session.hostCircuit())
            why = tr("A held parameter's box in the lab is not a number: type its value there "
                     "or tick it as free.");
        m_dialogs.message(why, tr("Fit"));
        return;
    }
    m_note.clear();
    m_jobs.fit(*problem, m_session.windowSamples());
}

void MeasurementWindow::cancel()
{
    m_jobs.cancel();
}

void MeasurementWindow::onFitted(const FitResult &result)
{
    if (result.status == FitStatus::Cancelled) {
        m_note = tr("The fit was cancelled.");
        showResult();
        return;
    }
    m_session.setFit(result);
}

void MeasurementWindow::applyToLab()
{
    const auto values = m_session.fittedValues();
    if (values.empty())
        return;
    m_host.applyValues(values);
    followHost();
}

void MeasurementWindow::onBusy(bool busy)
{
    m_progress->setVisible(busy);
    m_cancel->setEnabled(busy);
    m_open->setEnabled(!busy);
    m_fit->setEnabled(!busy && m_session.recording().has_value());
    m_apply->setEnabled(!busy && !m_session.fittedValues().empty());
    if (busy)
        m_cancel->setFocus();
}

void MeasurementWindow::showSession()
{
    const auto &recording = m_session.recording();
    setWindowTitle(recording ? tr("Measurement - %1").arg(m_session.fileName())
                             : tr("Measurement"));
    m_file->setText(
        recording
            ? tr("Recording: %1, %2 samples").arg(m_session.fileName()).arg(recording->time.size())
            : tr("No recording open."));
    m_channel->clear();
    if (recording)
        for (std::size_t k = 0; k < recording->channels.size(); ++k) {
            const QString unit = QString::fromStdString(recording->channelUnits[k]);
            const QString name = QString::fromStdString(recording->channelNames[k]);
            m_channel->addItem(unit.isEmpty() ? name : tr("%1 (%2)").arg(name, unit));
        }
    m_channel->setCurrentIndex(int(m_session.channel()));
    m_channel->setEnabled(recording.has_value());
    const auto quantity = std::find(kQuantities.begin(), kQuantities.end(), m_session.quantity());
    m_quantity->setCurrentIndex(int(quantity - kQuantities.begin()));
    m_from->setText(recording ? QString::fromStdString(solutions::toText(m_session.from())) : "");
    m_to->setText(recording ? QString::fromStdString(solutions::toText(m_session.to())) : "");
    m_from->setEnabled(recording.has_value());
    m_to->setEnabled(recording.has_value());

    const auto parameters = m_session.parameters();
    for (std::size_t k = 0; k < kParameters.size(); ++k) {
        const bool has =
            std::find(parameters.begin(), parameters.end(), kParameters[k]) != parameters.end();
        const QSignalBlocker quiet(m_free[k]);
        m_free[k]->setVisible(has);
        m_free[k]->setChecked(m_session.isFree(kParameters[k]));
    }
    const auto &host = m_session.hostCircuit();
    if (!host) {
        m_circuit->setText(tr("Choose a circuit in the lab: its values are the starting and held "
                              "values of the fit."));
    } else {
        QStringList values;
        for (FitParameter p : parameters) {
            const auto &value = host->values[indexOf(p)];
            values << tr("%1 = %2 %3")
                          .arg(nameOf(p), value ? number(*value) : tr("(not a number)"), unitOf(p));
        }
        const auto name = circuitName(host->circuit, host->source);
        m_circuit->setText(tr("Lab circuit %1: %2")
                               .arg(QString::fromLatin1(name.data(), qsizetype(name.size())),
                                    values.join(QStringLiteral(", "))));
    }
    showResult();
    onBusy(m_jobs.busy());
    m_graph->follow();
    describeGraph();
}

void MeasurementWindow::showResult()
{
    QStringList lines;
    if (!m_note.isEmpty())
        lines << m_note;
    const auto &fit = m_session.fit();
    if (fit) {
        switch (fit->status) {
        case FitStatus::Fitted:
            for (const FittedParameter &p : fit->parameters) {
                if (p.fixed)
                    lines << tr("%1 = %2 %3 (held)")
                                 .arg(nameOf(p.parameter), number(p.value), unitOf(p.parameter));
                else if (!p.determined)
                    lines << tr("%1: not determined by these data").arg(nameOf(p.parameter));
                else
                    lines << tr("%1 = %2 \u00b1 %3 %4")
                                 .arg(nameOf(p.parameter), number(p.value, 6),
                                      number(p.uncertainty, 2), unitOf(p.parameter));
            }
            lines << tr("RMS residual %1, %2 points%3")
                         .arg(number(fit->rmsResidual, 3))
                         .arg(fit->points)
                         .arg(fit->converged ? QString() : tr(", not converged"));
            for (const Correlation &c : fit->correlations)
                lines << tr("%1 and %2 are correlated (%3).")
                             .arg(nameOf(c.first), nameOf(c.second), number(c.coefficient, 3));
            if (!fit->notDetermined.empty())
                lines << tr("These data cannot tell %1 apart; hold %2 at a known value and fit "
                            "again.")
                             .arg(namesOf(fit->notDetermined), namesOf(fit->suggestHold));
            break;
        case FitStatus::TooFewPoints:
            lines << tr("The fit window holds too few samples for the free parameters.");
            break;
        case FitStatus::NothingFree:
            lines << tr("Tick at least one parameter to fit.");
            break;
        case FitStatus::BadHeldValue:
            lines << tr("A held R, L, C or f0 must be a positive number in the lab.");
            break;
        case FitStatus::NoSuchQuantity:
            lines << tr("The lab's circuit has no such quantity.");
            break;
        case FitStatus::BadSamples:
        case FitStatus::NoSolution:
            lines << tr("No circuit of this kind fits these samples.");
            break;
        case FitStatus::Cancelled:
            break;
        }
    }
    m_result->setText(lines.join('\n'));
}

void MeasurementWindow::describeGraph()
{
    const auto &recording = m_session.recording();
    if (!recording) {
        m_graph->setAccessibleDescription(tr("No recording is shown."));
        return;
    }
    QString text =
        tr("%1 points of %2 from %3 s to %4 s; fit window %5 s to %6 s.")
            .arg(recording->time.size())
            .arg(m_channel->currentText(), number(recording->time.front()),
                 number(recording->time.back()), number(m_session.from()), number(m_session.to()));
    const auto &fit = m_session.fit();
    if (!m_session.modelProblem())
        text += ' ' + tr("No model curve: the lab's circuit lacks a value or this quantity.");
    else if (fit && fit->status == FitStatus::Fitted)
        text += ' ' + tr("Model curve of the fitted circuit. Fit result: %1")
                          .arg(m_result->text().replace('\n', QStringLiteral("; ")));
    else
        text += ' ' + tr("Model curve of the lab's circuit, not fitted yet.");
    m_graph->setAccessibleDescription(text);
}

worksheet::Worksheet MeasurementWindow::worksheet() const
{
    std::optional<worksheet::Worksheet> host = m_host.hostWorksheet();
    worksheet::Worksheet sheet = host ? std::move(*host) : worksheet::Worksheet();
    sheet.window = tr("Measurement");
    if (m_session.recording()) {
        // The graph as it stands on screen, or at its natural size while the window is hidden.
        if (!m_graph->isVisible())
            m_graph->resize(m_graph->sizeHint());
        sheet.graph = QPicture();
        QPainter painter(&sheet.graph);
        m_graph->render(&painter);
        painter.end();
        sheet.graphSize = m_graph->size();
        sheet.readings.prepend(tr("Recording: %1").arg(m_session.fileName()));
    }
    if (!m_result->text().isEmpty())
        sheet.readings << m_result->text().split(QLatin1Char('\n'));
    sheet.task = m_session.task();
    worksheet::stampWorksheet(sheet);
    return sheet;
}

} // namespace kel::measurement
