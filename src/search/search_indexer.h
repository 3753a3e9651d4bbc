#pragma once

#include "search/search_index.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <functional>
#include <memory>

class QThread;

namespace kestrane {

class FileSystem;

// Where the documents are and where the index is kept between runs.
struct IndexSource
{
    FileSystem* fileSystem = nullptr; // also writes the cache
    QString cdRoot;
    QString dataFolder;  // the program's own files (help pages), may be empty
    QString cacheFolder; // a host folder; empty keeps no cache
};

struct IndexBuild
{
    std::shared_ptr<const SearchIndex> index;
    bool fromCache = false;
    int unreadable = 0; // documents that could not be read as RTF
};

// Reads every document's plain text with our RTF reader, or takes the cached index when the
// disc's documents are the same files as when it was written. `progress` gets (done, total).
IndexBuild buildSearchIndex(const IndexSource& source, const std::function<void(int, int)>& progress = {},
                            const std::atomic<bool>* cancel = nullptr);

// The cache file in `cacheFolder`.
QString searchCacheFile(const QString& cacheFolder);

// Builds the index in a thread of its own at first use, so the window stays responsive; tells
// its progress and its end by signal, in the thread that owns it.
class SearchIndexer : public QObject
{
    Q_OBJECT

public:
    explicit SearchIndexer(QObject* parent = nullptr);
    ~SearchIndexer() override;

    // Starts unless it already runs or has finished.
    void start(const IndexSource& source);
    bool isRunning() const { return m_thread != nullptr; }
    // Null until the build has finished.
    std::shared_ptr<const SearchIndex> index() const { return m_result.index; }
    const IndexBuild& result() const { return m_result; }

Q_SIGNALS:
    void progress(int done, int total);
    void finished();

private:
    QThread* m_thread = nullptr;
    std::atomic<bool> m_cancel{false};
    IndexBuild m_result;
    std::shared_ptr<IndexBuild> m_pending;
};

} // namespace kestrane
