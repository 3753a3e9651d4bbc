#include "platform/fakes/faulty_file_system.h"

#include <cerrno>

namespace kestrane {

bool FaultyFileSystem::gone(const QString& path) const
{
    if (vanishAfterCopies < 0 || copiesBegun <= vanishAfterCopies)
        return false;
    if (!vanishingRoot.isEmpty() && path.startsWith(vanishingRoot, Qt::CaseInsensitive))
        return true;
    const QString name = path.mid(std::max(path.lastIndexOf(u'\\'), path.lastIndexOf(u'/')) + 1);
    return vanishing.contains(name.toUpper());
}

QString FaultyFileSystem::resolve(const QString& path) const
{
    return gone(path) ? QString() : m_inner.resolve(path);
}

QString FaultyFileSystem::dir(const QString& pattern, bool* notReady) const
{
    const QStringList names = list(pattern, notReady);
    return names.isEmpty() ? QString() : names.first();
}

QStringList FaultyFileSystem::list(const QString& pattern, bool* notReady) const
{
    if (gone(pattern)) {
        if (notReady)
            *notReady = true;
        return {};
    }
    return m_inner.list(pattern, notReady);
}

qint64 FaultyFileSystem::fileLength(const QString& path) const
{
    return gone(path) ? -1 : m_inner.fileLength(path);
}

bool FaultyFileSystem::readAll(const QString& path, QByteArray* data) const
{
    return !gone(path) && m_inner.readAll(path, data);
}

bool FaultyFileSystem::writeAll(const QString& path, const QByteArray& data)
{
    if (!writable || (room >= 0 && data.size() > room))
        return false;
    if (!m_inner.writeAll(path, data))
        return false;
    if (room >= 0)
        room -= data.size();
    return true;
}

bool FaultyFileSystem::copy(const QString& from, const std::function<bool(qint64)>& progress, QString* error,
                            const std::function<bool(const std::function<bool(qint64)>&, QString*)>& inner)
{
    ++copiesBegun;
    if (!writable) {
        if (error)
            *error = qt_error_string(EACCES);
        return false;
    }
    QString reason;
    qint64 written = 0;
    bool full = false;
    bool vanished = false;
    // The inner copy is stopped where the real one would fail: its partial file goes with it.
    const bool ok = !gone(from) && inner(
                                       [&](qint64 bytes) {
                                           written = bytes;
                                           if (room >= 0 && bytes > room)
                                               full = true;
                                           else if (gone(from))
                                               vanished = true;
                                           else
                                               return !progress || progress(bytes);
                                           return false;
                                       },
                                       &reason);
    if (ok) {
        if (room >= 0)
            room -= written;
        return true;
    }
    if (error)
        *error = full ? qt_error_string(ENOSPC) : gone(from) || vanished ? qt_error_string(ENOENT) : reason;
    return false;
}

bool FaultyFileSystem::copyFile(const QString& from, const QString& to,
                                const std::function<bool(qint64)>& progress, QString* error)
{
    return copy(from, progress, error, [&](const std::function<bool(qint64)>& p, QString* e) {
        return m_inner.copyFile(from, to, p, e);
    });
}

bool FaultyFileSystem::copyFileToHost(const QString& from, const QString& hostTarget,
                                      const std::function<bool(qint64)>& progress, QString* error)
{
    return copy(from, progress, error, [&](const std::function<bool(qint64)>& p, QString* e) {
        return m_inner.copyFileToHost(from, hostTarget, p, e);
    });
}

FreeSpace FaultyFileSystem::freeSpace(const QString& path) const
{
    // The room left, told in clusters of one byte.
    return room >= 0 ? FreeSpace{room, 1} : m_inner.freeSpace(path);
}

} // namespace kestrane
