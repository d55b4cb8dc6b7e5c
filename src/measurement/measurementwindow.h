// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/fitproblem.h"
#include "measurementjobs.h"
#include "measurementsession.h"
#include "worksheet/worksheet.h"

#include <QMainWindow>

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace kel::display
{
class Dialogs;
}

namespace kel::measurement
{

class CircuitHost;
class RecordingGraph;

// The measurement window `Measurement`: a binding of its widgets to a MeasurementSession. The
// graph shows the recording over the host circuit's model; the panel says which column holds
// which quantity, the fit window (`From`, `To`, in s, or dragged on the graph) and which
// parameters are free (`FreeR`, `FreeL`, ...); `OpenRecording`, `Fit`, `Cancel` and
// `ApplyToLab` start the work, which runs on a worker with `Progress` showing; `FitResult`
// reports the values with their uncertainties. The circuit and the held values come from the
// host; Apply to Lab writes the fitted values back to it.
class MeasurementWindow : public QMainWindow
{
    Q_OBJECT

public:
    MeasurementWindow(CircuitHost &host, display::Dialogs &dialogs, QWidget *parent = nullptr);
    ~MeasurementWindow() override;

    MeasurementSession &session() { return m_session; }
    MeasurementJobs &jobs() { return m_jobs; }

    // Reads a recording on a worker; the window changes only when it has been read.
    void openFile(const QString &path);
    // The host's worksheet with the recording's graph in place of the host's, the fit result
    // among the read-outs and the measurement's task.
    worksheet::Worksheet worksheet() const;
    // Shows the measurement of an experiment file as it was saved, after reading the host's
    // circuit; a job still running is cancelled.
    void applyExperiment(MeasurementExperiment experiment);
    // The measurement as the experiment file keeps it, for the host's circuit as it stands
    // now; none without a recording.
    std::optional<MeasurementExperiment> experiment();

public slots:
    void openRecording();
    void fit();
    void cancel();
    void applyToLab();
    // Reads the host's circuit and values again.
    void followHost();

protected:
    void changeEvent(QEvent *event) override;

private:
    void buildPanel(QWidget *panel);
    void showSession();
    void showResult();
    void describeGraph();
    void onWindowEdited();
    void onRecordingRead(const QString &path);
    void onReadFailed(const QString &path, const ReadProblem &problem);
    void onFitted(const FitResult &result);
    void onBusy(bool busy);
    QString problemMessage(const ReadProblem &problem) const;

    CircuitHost &m_host;
    display::Dialogs &m_dialogs;
    MeasurementSession m_session;
    MeasurementJobs m_jobs;
    RecordingGraph *m_graph = nullptr;
    QLabel *m_file = nullptr, *m_circuit = nullptr, *m_result = nullptr;
    QComboBox *m_channel = nullptr, *m_quantity = nullptr;
    QLineEdit *m_from = nullptr, *m_to = nullptr;
    std::array<QCheckBox *, kFitParameterCount> m_free{};
    QPushButton *m_open = nullptr, *m_fit = nullptr, *m_cancel = nullptr, *m_apply = nullptr;
    QProgressBar *m_progress = nullptr;
    QString m_note; // a line about the last job that did not change the session
};

} // namespace kel::measurement
