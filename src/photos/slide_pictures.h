#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include <future>
#include <map>

namespace kestrane {

class FileSystem;

// Decodes the pictures of the slide show. The show asks for the slides of its next tick ahead of
// time; their files are read at once and decoded on a worker thread, so that the tick only hands
// over a finished picture. It keeps nothing but the slides it was asked to prefetch.
class SlidePictures
{
public:
    explicit SlidePictures(const FileSystem& fileSystem);
    ~SlidePictures();
    SlidePictures(const SlidePictures&) = delete;
    SlidePictures& operator=(const SlidePictures&) = delete;

    // Starts decoding the pictures for the next tick; earlier requests that are not among them
    // are dropped.
    void prefetch(const QStringList& discPaths);
    // The picture at `discPath`: the prefetched one (waiting for its decoder if it is not done
    // yet) or one decoded now. Null when the file is missing or not a picture.
    QImage take(const QString& discPath);

    bool isPrefetched(const QString& discPath) const { return m_pending.count(discPath) != 0; }
    // True when every prefetched picture is decoded.
    bool prefetchDone() const;
    // Blocks until every prefetched picture is decoded.
    void waitForPrefetch() const;

private:
    const FileSystem& m_fileSystem;
    std::map<QString, std::shared_future<QImage>> m_pending;
};

} // namespace kestrane
