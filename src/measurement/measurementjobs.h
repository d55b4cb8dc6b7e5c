// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/circuitfit.h"
#include "core/recordingreader.h"
#include "measurementsession.h"

#include <QFutureWatcher>
#include <QObject>
#include <QString>

#include <atomic>
#include <memory>

namespace kel::measurement
{

// The long work of a measurement window, each on a worker thread (QtConcurrent): reading a
// recording and fitting the circuit. One job at a time; progress and results arrive as
// signals on the thread that owns this object. Destroying it cancels the job and waits.
class MeasurementJobs : public QObject
{
    Q_OBJECT

public:
    explicit MeasurementJobs(QObject *parent = nullptr);
    ~MeasurementJobs() override;

    bool busy() const { return m_busy; }
    // Start a job; false (nothing started) while another runs.
    bool readFile(const QString &path);
    bool fit(const FitProblem &problem, WindowSamples samples);
    // Asks the running job to stop; it then reports Cancelled.
    void cancel();

signals:
    void progressed(int percent);
    void busyChanged(bool busy);
    void recordingRead(const QString &path);
    void readFailed(const QString &path, const kel::measurement::ReadProblem &problem);
    void fitted(const kel::measurement::FitResult &result);

public:
    // The recording the last successful read produced, moved out by the receiver.
    std::optional<Recording> takeRecording() { return std::move(m_recording); }

private:
    void start();
    void finish();

    bool m_busy = false;
    std::shared_ptr<std::atomic<bool>> m_cancel;
    QFutureWatcher<ReadResult> m_readWatcher;
    QFutureWatcher<FitResult> m_fitWatcher;
    QString m_path;
    std::optional<Recording> m_recording;
};

} // namespace kel::measurement
