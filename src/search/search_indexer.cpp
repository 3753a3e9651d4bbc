#include "search/search_indexer.h"

#include "platform/file_system.h"
#include "rtf/rtf_reader.h"
#include "search/search_catalogue.h"

#include <QTextDocument>
#include <QThread>

namespace kestrane {

namespace {

constexpr QStringView kCacheName = u"search-index.dat";

} // namespace

QString searchCacheFile(const QString& cacheFolder)
{
    return cacheFolder + u'/' + kCacheName.toString();
}

IndexBuild buildSearchIndex(const IndexSource& source, const std::function<void(int, int)>& progress,
                            const std::atomic<bool>* cancel)
{
    FileSystem& fileSystem = *source.fileSystem;
    const DocumentTitles titles;
    const QList<CatalogueEntry> entries =
        searchCatalogue(fileSystem, source.cdRoot, source.dataFolder, titles);
    const QByteArray key = catalogueKey(entries);
    const QString cacheFile = source.cacheFolder.isEmpty() ? QString() : searchCacheFile(source.cacheFolder);

    IndexBuild build;
    const int total = int(entries.size());
    QByteArray cached;
    if (!cacheFile.isEmpty() && fileSystem.readAll(cacheFile, &cached)) {
        auto index = std::make_shared<SearchIndex>();
        if (SearchIndex::deserialize(cached, key, index.get())) {
            build.index = index;
            build.fromCache = true;
            if (progress)
                progress(total, total);
            return build;
        }
    }

    auto index = std::make_shared<SearchIndex>();
    for (int i = 0; i < total; ++i) {
        if (cancel && cancel->load())
            return {};
        const CatalogueEntry& entry = entries[i];
        QByteArray data;
        QTextDocument document;
        if (!fileSystem.readAll(entry.path, &data) || !rtf::readRtf(data, &document).ok) {
            ++build.unreadable;
        } else {
            IndexedDocument indexed;
            indexed.path = entry.path;
            indexed.text = rtf::plainText(document);
            const DocumentTitle title = entry.title.value_or(DocumentTitles::fromFirstLine(
                indexed.text, QStringView(entry.path).mid(entry.path.lastIndexOf(u'\\') + 1)));
            indexed.caption = title.caption;
            indexed.errorCode = title.errorCode;
            index->add(std::move(indexed));
        }
        if (progress)
            progress(i + 1, total);
    }
    index->finish();
    // A cache that cannot be written costs the next start its time, nothing else.
    if (!cacheFile.isEmpty())
        fileSystem.writeAll(cacheFile, index->serialize(key));
    build.index = index;
    return build;
}

SearchIndexer::SearchIndexer(QObject* parent) : QObject(parent) {}

SearchIndexer::~SearchIndexer()
{
    if (m_thread) {
        m_cancel = true;
        m_thread->wait();
        delete m_thread;
    }
}

void SearchIndexer::start(const IndexSource& source)
{
    if (m_thread || m_result.index)
        return;
    m_cancel = false;
    auto pending = std::make_shared<IndexBuild>();
    m_pending = pending;
    m_thread = QThread::create([this, source, pending] {
        *pending = buildSearchIndex(
            source,
            [this](int done, int total) {
                QMetaObject::invokeMethod(
                    this, [this, done, total] { Q_EMIT progress(done, total); }, Qt::QueuedConnection);
            },
            &m_cancel);
    });
    connect(m_thread, &QThread::finished, this, [this] {
        m_thread->deleteLater();
        m_thread = nullptr;
        m_result = *m_pending;
        m_pending.reset();
        Q_EMIT finished();
    });
    m_thread->start(QThread::LowPriority);
}

} // namespace kestrane
