#pragma once

#include "platform/file_system.h"

#include <QSet>

#include <functional>

namespace kestrane::test {

// The fake platform's file system with a few answers scripted: the free space, and files whose
// removal or copy fails (by file name, any letter case). Everything else goes to the real one.
class ScriptedFileSystem : public FileSystem
{
public:
    explicit ScriptedFileSystem(FileSystem& inner) : m_inner(inner) {}

    FreeSpace free{1'000'000, 4096}; // 3,997,696,000 bytes as the copy panel reckons
    QString freeAskedFor;
    QSet<QString> failRemoving;
    QSet<QString> failCopying;
    QString copyFailure = u"Input/output error"_qs;
    // Runs before every copy, on the thread that copies.
    std::function<void(const QString& from)> beforeCopy;
    // Runs after each piece a copy has written (its partial file is there), on the same thread.
    std::function<void(const QString& from, qint64 bytes)> duringCopy;

    QString resolve(const QString& path) const override { return m_inner.resolve(path); }
    QString lastingLocation(const QString& path) const override { return m_inner.lastingLocation(path); }
    QString hostPathForWrite(const QString& path) const override { return m_inner.hostPathForWrite(path); }
    QString dir(const QString& pattern, bool* notReady = nullptr) const override
    {
        return m_inner.dir(pattern, notReady);
    }
    QStringList list(const QString& pattern, bool* notReady = nullptr) const override
    {
        return m_inner.list(pattern, notReady);
    }
    qint64 fileLength(const QString& path) const override { return m_inner.fileLength(path); }
    bool readAll(const QString& path, QByteArray* data) const override { return m_inner.readAll(path, data); }
    bool writeAll(const QString& path, const QByteArray& data) override
    {
        return m_inner.writeAll(path, data);
    }
    bool copyFile(const QString& from, const QString& to, const std::function<bool(qint64)>& progress = {},
                  QString* error = nullptr) override
    {
        if (beforeCopy)
            beforeCopy(from);
        if (failCopying.contains(name(from).toUpper())) {
            if (error)
                *error = copyFailure;
            return false;
        }
        if (!duringCopy)
            return m_inner.copyFile(from, to, progress, error);
        return m_inner.copyFile(
            from, to,
            [&](qint64 bytes) {
                duringCopy(from, bytes);
                return !progress || progress(bytes);
            },
            error);
    }
    bool copyFileToHost(const QString& from, const QString& hostTarget,
                        const std::function<bool(qint64)>& progress = {}, QString* error = nullptr) override
    {
        if (failCopying.contains(name(from).toUpper())) {
            if (error)
                *error = copyFailure;
            return false;
        }
        return m_inner.copyFileToHost(from, hostTarget, progress, error);
    }
    bool removeFile(const QString& path) override
    {
        return !failRemoving.contains(name(path).toUpper()) && m_inner.removeFile(path);
    }
    int removeMatching(const QString& pattern) override { return m_inner.removeMatching(pattern); }
    bool makeFolder(const QString& path) override { return m_inner.makeFolder(path); }
    bool removeFolder(const QString& path) override { return m_inner.removeFolder(path); }
    FreeSpace freeSpace(const QString& path) const override
    {
        const_cast<ScriptedFileSystem*>(this)->freeAskedFor = path;
        return free;
    }
    QString programFolder() const override { return m_inner.programFolder(); }
    QString systemFolder() const override { return m_inner.systemFolder(); }

private:
    static QString name(const QString& path)
    {
        return path.mid(std::max(path.lastIndexOf(u'\\'), path.lastIndexOf(u'/')) + 1);
    }

    FileSystem& m_inner;
};

} // namespace kestrane::test
