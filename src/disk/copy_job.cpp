#include "disk/copy_job.h"

#include "disk/copy_rules.h"
#include "platform/file_system.h"

#include <QElapsedTimer>
#include <QThread>

namespace kestrane {

CopyJob::CopyJob(FileSystem& fileSystem, QList<CopyItem> items, qint64 jobTotal, QObject* parent)
    : QObject(parent), m_fs(fileSystem), m_items(std::move(items)), m_total(jobTotal)
{
}

CopyJob::~CopyJob()
{
    m_stop = true;
    resume();
    if (m_thread)
        m_thread->wait();
}

void CopyJob::start()
{
    if (m_thread)
        return;
    m_thread.reset(QThread::create([this] { run(); }));
    m_thread->setObjectName(u"CopyJob"_qs);
    m_thread->start();
}

bool CopyJob::isRunning() const
{
    return m_thread && m_thread->isRunning();
}

void CopyJob::resume(bool goOn)
{
    const QMutexLocker lock(&m_mutex);
    m_waiting = false;
    m_goOn = goOn;
    m_resumed.wakeAll();
}

void CopyJob::waitForResume()
{
    QMutexLocker lock(&m_mutex);
    while (m_waiting && !m_stop)
        m_resumed.wait(&m_mutex);
}

void CopyJob::run()
{
    CopyGauges gauges(m_total);
    QElapsedTimer clock;
    clock.start();
    int copied = 0;
    int failed = 0;
    for (qsizetype i = 0; i < m_items.size() && !m_stop; ++i) {
        const CopyItem& item = m_items.at(i);
        gauges.startFile(std::max<qint64>(m_fs.fileLength(item.source), 0));
        Q_EMIT fileStarted(int(i), item.source, item.target);
        qint64 lastReport = clock.elapsed();
        QString reason;
        const bool ok = m_fs.copyFile(
            item.source, item.target,
            [&](qint64 bytes) {
                if (m_stop)
                    return false;
                gauges.copied(bytes);
                if (clock.elapsed() - lastReport >= kProgressInterval) {
                    lastReport = clock.elapsed();
                    Q_EMIT progress(gauges.fileGauge(), gauges.overallGauge(), gauges.remainingBytes());
                }
                return true;
            },
            &reason);
        if (m_stop)
            return;
        if (ok) {
            ++copied;
            gauges.finishFile();
            Q_EMIT progress(gauges.fileGauge(), gauges.overallGauge(), gauges.remainingBytes());
            continue;
        }
        ++failed;
        {
            const QMutexLocker lock(&m_mutex);
            m_waiting = true;
        }
        Q_EMIT fileFailed(item.source, item.target, reason);
        waitForResume();
        const QMutexLocker lock(&m_mutex);
        if (!m_goOn)
            break;
    }
    if (!m_stop)
        Q_EMIT finished(copied, failed);
}

} // namespace kestrane
