#include "photos/slide_pictures.h"

#include "common/picture_file.h"
#include "platform/file_system.h"

#include <QByteArray>

#include <chrono>

namespace kestrane {

SlidePictures::SlidePictures(const FileSystem& fileSystem) : m_fileSystem(fileSystem) {}

SlidePictures::~SlidePictures()
{
    waitForPrefetch();
}

void SlidePictures::prefetch(const QStringList& discPaths)
{
    std::map<QString, std::shared_future<QImage>> pending;
    for (const QString& path : discPaths) {
        if (path.isEmpty() || pending.count(path))
            continue;
        if (auto it = m_pending.find(path); it != m_pending.end()) {
            pending.emplace(path, it->second);
            continue;
        }
        // The file system belongs to this thread; only the decoding moves to the worker.
        QByteArray data;
        if (!m_fileSystem.readAll(path, &data))
            continue;
        pending.emplace(path,
                        std::async(std::launch::async, [data] { return QImage::fromData(data); }).share());
    }
    // Dropped requests still finish on their own thread; their futures wait for them here.
    m_pending.swap(pending);
}

QImage SlidePictures::take(const QString& discPath)
{
    if (auto it = m_pending.find(discPath); it != m_pending.end()) {
        const QImage image = it->second.get();
        m_pending.erase(it);
        return image;
    }
    return readPicture(m_fileSystem, discPath);
}

bool SlidePictures::prefetchDone() const
{
    for (const auto& [path, future] : m_pending)
        if (future.wait_for(std::chrono::seconds(0)) != std::future_status::ready)
            return false;
    return true;
}

void SlidePictures::waitForPrefetch() const
{
    for (const auto& [path, future] : m_pending)
        future.wait();
}

} // namespace kestrane
