#pragma once

#include "platform/file_system.h"

#include <QSet>

namespace kestrane {

// A file system that fails the way real media do, over another one that does the work: a target
// disk with room for only so many bytes (a copy that outgrows it fails midway, and the free space
// reads as what is left), and source files that vanish, singly or with their whole drive, after a
// number of copies have begun; or a target that takes no writes at all (a folder the user may not
// write to, which tests that run as root cannot make with permissions).
class FaultyFileSystem : public FileSystem
{
public:
    explicit FaultyFileSystem(FileSystem& inner) : m_inner(inner) {}

    qint64 room = -1;           // bytes the target disk still takes; negative: no limit
    int vanishAfterCopies = -1; // copies begun before the sources vanish; negative: never
    QString vanishingRoot;      // the drive that goes ("E:"); empty: only the files in `vanishing`
    QSet<QString> vanishing;    // upper-cased file names that go
    int copiesBegun = 0;
    bool writable = true; // false: every write, removal and new folder is refused

    QString resolve(const QString& path) const override;
    QString hostPathForWrite(const QString& path) const override { return m_inner.hostPathForWrite(path); }
    QString dir(const QString& pattern, bool* notReady = nullptr) const override;
    QStringList list(const QString& pattern, bool* notReady = nullptr) const override;
    qint64 fileLength(const QString& path) const override;
    bool readAll(const QString& path, QByteArray* data) const override;
    bool writeAll(const QString& path, const QByteArray& data) override;
    bool copyFile(const QString& from, const QString& to, const std::function<bool(qint64)>& progress = {},
                  QString* error = nullptr) override;
    bool copyFileToHost(const QString& from, const QString& hostTarget,
                        const std::function<bool(qint64)>& progress = {}, QString* error = nullptr) override;
    bool removeFile(const QString& path) override { return writable && m_inner.removeFile(path); }
    int removeMatching(const QString& pattern) override
    {
        return writable ? m_inner.removeMatching(pattern) : -1;
    }
    bool makeFolder(const QString& path) override { return writable && m_inner.makeFolder(path); }
    bool removeFolder(const QString& path) override { return writable && m_inner.removeFolder(path); }
    FreeSpace freeSpace(const QString& path) const override;
    QString lastingLocation(const QString& path) const override { return m_inner.lastingLocation(path); }
    QString programFolder() const override { return m_inner.programFolder(); }
    QString dataFolder() const override { return m_inner.dataFolder(); }
    QString systemFolder() const override { return m_inner.systemFolder(); }

private:
    bool gone(const QString& path) const;
    bool copy(const QString& from, const std::function<bool(qint64)>& progress, QString* error,
              const std::function<bool(const std::function<bool(qint64)>&, QString*)>& inner);

    FileSystem& m_inner;
};

} // namespace kestrane
