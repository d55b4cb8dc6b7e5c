// SPDX-License-Identifier: GPL-3.0-or-later
#include "measurementjobs.h"

#include <QtConcurrent/QtConcurrentRun>

namespace kel::measurement
{

MeasurementJobs::MeasurementJobs(QObject *parent) : QObject(parent)
{
    connect(&m_readWatcher, &QFutureWatcherBase::finished, this, [this] {
        ReadResult result = m_readWatcher.result();
        finish();
        if (result.recording) {
            m_recording = std::move(result.recording);
            emit recordingRead(m_path);
        } else {
            emit readFailed(m_path, *result.problem);
        }
    });
    connect(&m_fitWatcher, &QFutureWatcherBase::finished, this, [this] {
        const FitResult result = m_fitWatcher.result();
        finish();
        emit fitted(result);
    });
}

MeasurementJobs::~MeasurementJobs()
{
    if (m_cancel)
        m_cancel->store(true);
    m_readWatcher.waitForFinished();
    m_fitWatcher.waitForFinished();
}

void MeasurementJobs::start()
{
    m_cancel = std::make_shared<std::atomic<bool>>(false);
    m_busy = true;
    emit busyChanged(true);
    emit progressed(0);
}

void MeasurementJobs::finish()
{
    m_busy = false;
    emit progressed(100);
    emit busyChanged(false);
}

bool MeasurementJobs::readFile(const QString &path)
{
    if (m_busy)
        return false;
    start();
    m_path = path;
    // Emitted from the worker: receivers on this object's thread get it queued. The
    // destructor waits for the worker, so `this` outlives every report.
    ReadOptions options;
    options.cancel = m_cancel.get();
    options.progress = [this](double share) { emit progressed(int(share * 100)); };
    const auto cancel = m_cancel;
    m_readWatcher.setFuture(QtConcurrent::run(
        [file = path.toStdString(), options, cancel] { return readRecordingFile(file, options); }));
    return true;
}

bool MeasurementJobs::fit(const FitProblem &problem, WindowSamples samples)
{
    if (m_busy)
        return false;
    start();
    const auto cancel = m_cancel;
    m_fitWatcher.setFuture(QtConcurrent::run([problem, samples = std::move(samples), cancel] {
        return MeasurementSession::runFit(problem, samples, cancel.get());
    }));
    return true;
}

void MeasurementJobs::cancel()
{
    if (m_cancel)
        m_cancel->store(true);
}

} // namespace kel::measurement
