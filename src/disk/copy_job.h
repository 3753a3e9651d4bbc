#pragma once

#include <QList>
#include <QMutex>
#include <QObject>
#include <QString>
#include <QWaitCondition>

#include <atomic>
#include <memory>

class QThread;

namespace kestrane {

class FileSystem;

struct CopyItem
{
    QString source; // disc-form paths
    QString target;
};

// Copies a list of files on a thread of its own, so that the window keeps repainting its gauges and
// answering the window system however slow the drive. The job reports by signal (queued to the
// receivers' thread): which file it copies, the two gauges at most every few hundredths of a second,
// and each file that fails, after which it waits for resume() to go on with the next file or to end
// there. An earlier copy of a file stays until
// its replacement is complete; a file that fails leaves no partial copy. The file system is the
// caller's: nothing else may write to it while the job runs.
class CopyJob : public QObject
{
    Q_OBJECT

public:
    CopyJob(FileSystem& fileSystem, QList<CopyItem> items, qint64 jobTotal, QObject* parent = nullptr);
    // Stops a job still running (the file under way is abandoned) and waits for its thread.
    ~CopyJob() override;

    void start();
    bool isRunning() const;
    // Lets the job go on after fileFailed, or (goOn false) end there with `finished`.
    void resume(bool goOn = true);

    // The longest pause between two progress reports while a file is copied, in milliseconds.
    static constexpr int kProgressInterval = 40;

Q_SIGNALS:
    void fileStarted(int index, const QString& source, const QString& target);
    void progress(int fileGauge, int overallGauge, qint64 remainingBytes);
    void fileFailed(const QString& source, const QString& target, const QString& reason);
    void finished(int copied, int failed);

private:
    void run();
    void waitForResume();

    FileSystem& m_fs;
    const QList<CopyItem> m_items;
    const qint64 m_total;
    std::unique_ptr<QThread> m_thread;
    std::atomic<bool> m_stop{false};
    QMutex m_mutex;
    QWaitCondition m_resumed;
    bool m_waiting = false;
    bool m_goOn = true;
};

} // namespace kestrane
